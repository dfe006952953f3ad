#pragma once
// The program's skins, as Qt style sheets for the whole application.
#include <QString>

namespace dalmiro {

// The style sheet of skin `number`; empty for a number without a skin.
QString SkinStyleSheet(int number);

} // namespace dalmiro

#pragma once

namespace dalmiro {

// The program's two windows.
enum class WindowId { Main, Analysis };

} // namespace dalmiro

#pragma once
#include <string_view>

namespace dalmiro {

// The status code of the final reply in a raw header block (after redirects there is one status
// line per reply); 0 when the block holds no status line.
int FinalHttpStatus(std::string_view headerBlock);

} // namespace dalmiro

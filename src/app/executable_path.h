#pragma once
// Where the running program lives. Operating-system specific; never throws.
#include <string>

namespace dalmiro {

// The absolute path of the running executable (local file-system encoding); empty when the
// system does not tell.
std::string ExecutablePath();
// The directory of the running executable without a trailing separator; empty when unknown.
std::string ProgramDirectory();

} // namespace dalmiro

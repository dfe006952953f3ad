#pragma once
// Writing a private script file and starting it detached from the program, for the restart.
// Operating-system specific; never throws.
#include <string>
#include <string_view>

namespace dalmiro {

// Writes the bytes to a new file only this user can read, write and run (mode 0700), in the
// temporary directory, with a unique name ending in `suffix`. Returns its path, empty on failure.
std::string WritePrivateScript(std::string_view content, std::string_view suffix);
// Starts the script (sh on POSIX, cmd on Windows) in a session of its own, without a window and
// without waiting for it; it outlives the program. Returns whether it was started.
bool StartDetachedScript(const std::string& scriptPath);

} // namespace dalmiro

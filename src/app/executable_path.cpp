#include "app/executable_path.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace dalmiro {

std::string ExecutablePath() {
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), buffer.size());
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer).string();
        }
        buffer.resize(buffer.size() * 2);
    }
#else
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
#endif
}

std::string ProgramDirectory() {
    const std::string path = ExecutablePath();
    if (path.empty())
        return {};
    return std::filesystem::path(path).parent_path().string();
}

} // namespace dalmiro

#include "app/executable_path.h"

#include <exception>
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
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            try {
                return std::filesystem::path(buffer).string();
            } catch (const std::exception&) {
                return {}; // a path the ANSI code page cannot name
            }
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
    try {
        return std::filesystem::path(path).parent_path().string();
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace dalmiro

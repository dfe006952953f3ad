#include "app/script_launch.h"

#include <cerrno>
#include <cstdlib>
#include <exception>
#include <vector>

#ifdef _WIN32
#include <filesystem>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace dalmiro {

#ifdef _WIN32

std::string WritePrivateScript(std::string_view content, std::string_view suffix) try {
    // The user's temporary folder is private to the user; the name is unique per process and tick.
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH)
        return {};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name = L"dalmiro-restart-" + std::to_wstring(GetCurrentProcessId()) +
                                  L"-" + std::to_wstring(GetTickCount64() + attempt);
        std::filesystem::path path = std::filesystem::path(folder) / name;
        path += std::filesystem::path(std::string(suffix));
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            continue;
        DWORD written = 0;
        const bool ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()),
                                  &written, nullptr) &&
                        written == content.size();
        CloseHandle(file);
        if (!ok) {
            DeleteFileW(path.c_str());
            return {};
        }
        return path.string();
    }
    return {};
} catch (const std::exception&) {
    return {}; // a temporary folder the ANSI code page cannot name
}

bool StartDetachedScript(const std::string& scriptPath) try {
    std::wstring command =
        L"cmd.exe /c \"\"" + std::filesystem::path(scriptPath).wstring() + L"\"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
} catch (const std::exception&) {
    return false;
}

#else

namespace {

// Closes a file descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = write(fd, content.data(), content.size());
        if (written < 0)
            return false;
        content.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

} // namespace

std::string WritePrivateScript(std::string_view content, std::string_view suffix) {
    const char* tmp = std::getenv("TMPDIR");
    std::string path = (tmp != nullptr && *tmp != '\0') ? tmp : "/tmp";
    if (path.back() != '/')
        path += '/';
    path += "dalmiro-restart-XXXXXX";
    path += suffix;
    std::vector<char> name(path.begin(), path.end());
    name.push_back('\0');
    // mkstemps creates the file exclusively with mode 0600; the owner may then also run it.
    FileDescriptor fd(mkstemps(name.data(), static_cast<int>(suffix.size())));
    if (fd.Get() < 0)
        return {};
    path.assign(name.data());
    if (fchmod(fd.Get(), S_IRWXU) != 0 || !WriteAll(fd.Get(), content)) {
        unlink(path.c_str());
        return {};
    }
    return path;
}

bool StartDetachedScript(const std::string& scriptPath) {
    // Everything the children use is prepared before fork: between fork and exec only
    // async-signal-safe calls run.
    const char* const argv[] = {"sh", scriptPath.c_str(), nullptr};
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        // The intermediate child starts a new session and leaves at once, so the script is
        // adopted by init and survives the program without becoming a zombie of it.
        setsid();
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            const int null = open("/dev/null", O_RDWR);
            if (null >= 0) {
                dup2(null, STDIN_FILENO);
                dup2(null, STDOUT_FILENO);
                dup2(null, STDERR_FILENO);
            }
#ifdef __linux__
            // The new program instance must not inherit the old one's sockets and files.
            close_range(3, ~0U, 0);
#endif
            execv("/bin/sh", const_cast<char* const*>(argv));
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#endif

} // namespace dalmiro

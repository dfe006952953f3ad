#include "app/restart.h"

#include "app/executable_path.h"
#include "app/script_launch.h"
#include "app/terminate_process.h"

#include <filesystem>
#include <system_error>

namespace dalmiro {
namespace {

// One argument for sh: single-quoted, with each ' written as '\''.
std::string ShellQuote(const std::string& argument) {
    std::string quoted = "'";
    for (char c : argument) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += '\'';
    return quoted;
}

// One argument for cmd's start: in double quotes, each % doubled so that cmd does not expand it,
// and each " written \" the way the C runtime reads it back ('"' cannot appear in a Windows path).
std::string BatchQuote(const std::string& argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"')
            quoted += "\\\"";
        else if (c == '%')
            quoted += "%%";
        else
            quoted += c;
    }
    quoted += '"';
    return quoted;
}

} // namespace

int RestartDelay(int seconds) {
    return seconds >= 1 ? seconds : 1;
}

std::string RestartShellScript(const std::string& program,
                               const std::vector<std::string>& arguments, int delaySeconds) {
    std::string script = "#!/bin/sh\n";
    script += "sleep " + std::to_string(RestartDelay(delaySeconds)) + "\n";
    script += "rm -f -- \"$0\"\n";
    script += "exec " + ShellQuote(program);
    for (const std::string& argument : arguments)
        script += " " + ShellQuote(argument);
    script += "\n";
    return script;
}

std::string RestartBatchScript(const std::string& program,
                               const std::vector<std::string>& arguments, int delaySeconds) {
    // The empty first argument of start is the window title, so a quoted program path is taken
    // as the program. The script deletes itself by its own full name (%~f0).
    std::string script = "@echo off \r\n";
    script += "@ping 127.0.0.1 -n " + std::to_string(RestartDelay(delaySeconds)) + " >nul\r\n";
    script += "start \"\" " + BatchQuote(program);
    for (const std::string& argument : arguments)
        script += " " + BatchQuote(argument);
    script += "\r\n";
    script += "del \"%~f0\"";
    return script;
}

std::string LaunchRestartScript(const std::string& program,
                                const std::vector<std::string>& arguments, int delaySeconds) {
#ifdef _WIN32
    const std::string path =
        WritePrivateScript(RestartBatchScript(program, arguments, delaySeconds), ".bat");
#else
    const std::string path =
        WritePrivateScript(RestartShellScript(program, arguments, delaySeconds), ".sh");
#endif
    if (path.empty())
        return {};
    if (!StartDetachedScript(path)) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        return {};
    }
    return path;
}

bool RestartProgram(const ProgramState& state, int delaySeconds) {
    const std::string program = ExecutablePath();
    std::error_code error;
    if (program.empty() || !std::filesystem::is_regular_file(program, error))
        return false;
    if (LaunchRestartScript(program, state.shell.startArguments, delaySeconds).empty())
        return false;
    TerminateOwnProcess();
}

} // namespace dalmiro

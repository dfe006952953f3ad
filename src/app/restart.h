#pragma once
// Restarting the program: a private temporary script waits the delay, starts the program again
// from its absolute path with the same command-line options, and deletes itself; the running
// program ends meanwhile.
#include "app/context.h"

#include <string>
#include <vector>

namespace dalmiro {

// The delay actually used: the given seconds when at least 1, otherwise 1.
int RestartDelay(int seconds);

// The restart script for sh: waits, deletes itself, then runs `program` with `arguments`, each
// quoted for sh. The delay goes through RestartDelay.
std::string RestartShellScript(const std::string& program,
                               const std::vector<std::string>& arguments, int delaySeconds);
// The restart script for cmd (Windows): waits with a loopback ping, starts the program and
// deletes itself. CR LF line ends.
std::string RestartBatchScript(const std::string& program,
                               const std::vector<std::string>& arguments, int delaySeconds);

// Writes the restart script for this system privately and starts it detached. Returns the
// script's path, empty when it could not be written or started (then nothing is left behind
// to run).
std::string LaunchRestartScript(const std::string& program,
                                const std::vector<std::string>& arguments, int delaySeconds);

// Restarts the running program with its start arguments after `delaySeconds` (less than 1 means
// 1) and ends this process. Returns false, and leaves the program running, when the executable
// cannot be found or the script cannot be written or started.
bool RestartProgram(const ProgramState& state, int delaySeconds = 1);

} // namespace dalmiro

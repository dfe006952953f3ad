#pragma once
// The program's command-line options. main.cpp calls ParseStartOptions with the arguments left
// after QApplication has taken its own; on `error` it prints the error and StartOptionsUsage() to
// standard error and exits with status 2; on `help` it prints the usage and exits with 0.
// Otherwise it builds the hosts with ResolveHosts (starting the substitute services first when
// `simulator` is set, and passing their base URL) and keeps `restartArguments` in
// ProgramState::shell.startArguments so a restart starts the program with the same options.
//
//   --simulator        every address points at the substitute services started in the process
//   --backoffice URL   the back office (sign-in page and every back-office path)
//   --suggest URL      the search-suggest service
//   --search URL       the search page
//   --images URL       the item-picture host
//   --items URL        the item pages
//   --maker URL        the maker's announcement, web, contact, counter and status-picture pages
//   --help             the usage
// "--name=URL" works as well as "--name URL". "--webEngineArgs" and everything after it is left
// to the browser engine (and kept for a restart).
#include "app/hosts.h"

#include <optional>
#include <string>
#include <vector>

namespace dalmiro {

struct StartOptions {
    bool simulator = false;
    bool help = false;
    std::optional<std::string> backOffice;
    std::optional<std::string> suggest;
    std::optional<std::string> search;
    std::optional<std::string> images;
    std::optional<std::string> items;
    std::optional<std::string> maker;
    // The arguments as given, without the program name.
    std::vector<std::string> restartArguments;
    // Empty when the arguments were understood; otherwise one line saying what is wrong.
    std::string error;
};

StartOptions ParseStartOptions(int argc, const char* const* argv);
// The usage text, one option per line (UTF-8, for the console).
std::string StartOptionsUsage();
// The defaults, or every group at `simulatorBaseUrl` when the options ask for the substitute
// services; then each single-group option replaces its group.
Hosts ResolveHosts(const StartOptions& options, const std::string& simulatorBaseUrl = {});

} // namespace dalmiro

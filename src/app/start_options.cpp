#include "app/start_options.h"

#include <array>

namespace dalmiro {
namespace {

// One option per address group: the option's value lands in `field` and replaces `group` of the
// hosts.
struct UrlOption {
    std::string_view name;
    std::optional<std::string> StartOptions::*field;
    std::string Hosts::*group;
    std::string_view description;
};

constexpr std::array kUrlOptions{
    UrlOption{"--backoffice", &StartOptions::backOffice, &Hosts::backOffice,
              "the back office (sign-in page and every back-office path)"},
    UrlOption{"--suggest", &StartOptions::suggest, &Hosts::suggest, "the search-suggest service"},
    UrlOption{"--search", &StartOptions::search, &Hosts::search, "the search page"},
    UrlOption{"--images", &StartOptions::images, &Hosts::images, "the item-picture host"},
    UrlOption{"--items", &StartOptions::items, &Hosts::items, "the item pages"},
    UrlOption{"--maker", &StartOptions::maker, &Hosts::maker,
              "the maker's announcement, web, contact, counter and status-picture pages"},
};

constexpr std::string_view kEngineArguments = "--webEngineArgs";

} // namespace

StartOptions ParseStartOptions(int argc, const char* const* argv) {
    StartOptions options;
    for (int i = 1; i < argc; ++i)
        options.restartArguments.emplace_back(argv[i] != nullptr ? argv[i] : "");

    const std::vector<std::string>& args = options.restartArguments;
    for (size_t i = 0; i < args.size() && options.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == kEngineArguments)
            break;
        if (arg == "--simulator") {
            options.simulator = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        const UrlOption* matched = nullptr;
        std::optional<std::string> value;
        for (const UrlOption& option : kUrlOptions) {
            if (arg == option.name) {
                matched = &option;
                if (i + 1 < args.size())
                    value = args[++i];
                break;
            }
            if (arg.size() > option.name.size() && arg.starts_with(option.name) &&
                arg[option.name.size()] == '=') {
                matched = &option;
                value = arg.substr(option.name.size() + 1);
                break;
            }
        }
        if (matched == nullptr) {
            options.error = "unknown option: " + arg;
        } else if (!value) {
            options.error = "option " + std::string(matched->name) + " needs a URL";
        } else if (!IsWebAddress(*value)) {
            options.error = "option " + std::string(matched->name) +
                            " needs an http:// or https:// URL, not: " + *value;
        } else {
            options.*(matched->field) = WithoutTrailingSlashes(*value);
        }
    }
    return options;
}

std::string StartOptionsUsage() {
    std::string usage = "usage: dalmiro [options]\n"
                        "  --simulator        use the substitute services started inside the "
                        "program for every address\n";
    for (const UrlOption& option : kUrlOptions) {
        std::string line = "  " + std::string(option.name) + " URL";
        line.resize(21, ' ');
        usage += line + std::string(option.description) + "\n";
    }
    usage += "  --help             show this text\n";
    return usage;
}

Hosts ResolveHosts(const StartOptions& options, const std::string& simulatorBaseUrl) {
    Hosts hosts =
        options.simulator && !simulatorBaseUrl.empty() ? HostsAt(simulatorBaseUrl) : DefaultHosts();
    for (const UrlOption& option : kUrlOptions) {
        if (const std::optional<std::string>& value = options.*(option.field))
            hosts.*(option.group) = *value;
    }
    return hosts;
}

} // namespace dalmiro

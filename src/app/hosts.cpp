#include "app/hosts.h"

namespace dalmiro {

std::string Hosts::SignInUrl() const {
    return backOffice + "/#!/login";
}
std::string Hosts::AnnouncementUrl() const {
    return maker + "/notice.htm";
}
std::string Hosts::WebsiteUrl() const {
    return maker + "/";
}
std::string Hosts::ContactUrl() const {
    return maker + "/contact.htm";
}
std::string Hosts::CounterUrl() const {
    return maker + "/counter.htm";
}
std::string Hosts::StatusPictureUrl() const {
    return maker + "/status.gif";
}

bool IsWebAddress(std::string_view url) {
    const auto startsWith = [url](std::string_view scheme) {
        if (url.size() <= scheme.size())
            return false;
        for (size_t i = 0; i < scheme.size(); ++i) {
            const char c = url[i];
            if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != scheme[i])
                return false;
        }
        return true;
    };
    return startsWith("http://") || startsWith("https://");
}

std::string WithoutTrailingSlashes(std::string url) {
    while (!url.empty() && url.back() == '/')
        url.pop_back();
    return url;
}

Hosts DefaultHosts() {
    Hosts hosts;
    hosts.backOffice = "http://subway.simba.taobao.com";
    hosts.suggest = "http://suggest.taobao.com";
    hosts.search = "http://s.taobao.com";
    hosts.images = "http://img.taobaocdn.com";
    hosts.items = "http://item.taobao.com";
    hosts.maker = "http://www.dalmiro.net";
    return hosts;
}

Hosts HostsAt(const std::string& baseUrl) {
    const std::string base = WithoutTrailingSlashes(baseUrl);
    Hosts hosts;
    hosts.backOffice = base;
    hosts.suggest = base;
    hosts.search = base;
    hosts.images = base;
    hosts.items = base;
    hosts.maker = base + "/maker";
    return hosts;
}

} // namespace dalmiro

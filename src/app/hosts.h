#pragma once
// Every outside address the program uses, in one value. The defaults are the real services;
// start options replace groups of them (--simulator points all of them at the substitute
// services). Each field is a base URL "http://host[:port]" without a trailing slash.
#include <string>
#include <string_view>

namespace dalmiro {

struct Hosts {
    std::string backOffice; // sign-in page and every back-office path
    std::string suggest;    // public search-suggest service ("/sug")
    std::string search;     // public search page ("/search")
    std::string images;     // item pictures ("/bao/uploaded/...")
    std::string items;      // public item pages ("/item.htm?id=")
    std::string maker; // the maker's announcement, web, contact and counter pages, status picture

    std::string SignInUrl() const;        // backOffice + "/#!/login"
    std::string AnnouncementUrl() const;  // maker + "/notice.htm"
    std::string WebsiteUrl() const;       // maker + "/"
    std::string ContactUrl() const;       // maker + "/contact.htm"
    std::string CounterUrl() const;       // maker + "/counter.htm"
    std::string StatusPictureUrl() const; // maker + "/status.gif"
};

// Whether the address is an http:// or https:// address with something after the scheme (ASCII
// case ignored). Addresses that come from outside are opened only when they are.
bool IsWebAddress(std::string_view url);

// The address without its trailing slashes ("http://a.example//" gives "http://a.example").
std::string WithoutTrailingSlashes(std::string url);

// The real services.
Hosts DefaultHosts();
// Every group pointed at one base URL, the way the substitute services serve them (the maker's
// pages under "/maker").
Hosts HostsAt(const std::string& baseUrl);

} // namespace dalmiro

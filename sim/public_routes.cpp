#include "public_routes.h"

#include "images.h"
#include "keyword_facts.h"
#include "util/text.h"
#include "vocabulary.h"

namespace dalmiro::sim {
namespace {

// A JSONP callback is a plain script name; anything else falls back to the usual one.
std::string SafeCallback(const std::string& name) {
    if (name.empty() || name.size() > 64 ||
        name.find_first_not_of(
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_$.") !=
            std::string::npos) {
        return "jsonp";
    }
    return name;
}

SimReply Suggest(const SimRequest& request, const SimData& data) {
    std::string keyword = FieldValue(request.query, "q");
    std::string list;
    for (const SimSuggestion& s : data.Suggestions(keyword)) {
        if (!list.empty()) {
            list += ",";
        }
        // The highlighted rest in <b> markup, its closing tag escaped as JSON writes "/".
        list += "[\"" + JsonEscape(s.typed) + "<b>" + JsonEscape(s.highlighted) + "<\\/b>\",\"" +
                Digits(s.count) + "\"]";
    }
    std::string json = "{\"result\":[" + list + "]}";
    SimReply reply;
    reply.contentType = kScriptType;
    if (HasField(request.query, "callback")) {
        reply.body = SafeCallback(FieldValue(request.query, "callback")) + "(" + json + ")";
    } else {
        reply.body = json;
    }
    return reply;
}

SimReply SearchPage(const SimRequest& request, const SimData& data) {
    // The query holds the keyword as percent-encoded GBK.
    std::string keyword = GbkToUtf8(FieldValue(request.query, "q"));
    std::string shown = HtmlEscape(keyword);
    // The keyword is never directly followed by '<': a keyword ending in 万 must not add a "万<"
    // to the page besides the count's.
    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"gbk\"><title>" + shown +
                       " - 淘宝搜索</title></head><body>\n<form action=\"/search\">"
                       "<input name=\"q\" value=\"" +
                       shown +
                       "\"> <button type=\"submit\">搜索</button></form>\n"
                       "<div class=\"total\">共 <span class=\"num\">" +
                       ItemCountText(data.ItemCount(keyword)) +
                       "</span> 件宝贝</div>\n<ul class=\"items\">\n";
    if (!keyword.empty()) {
        auto attrs = AttributeWords();
        std::vector<std::string> ids = DerivedOtherAds(keyword);
        for (std::size_t i = 0; i < 4 && i < ids.size(); ++i) {
            html += "<li><a href=\"/item.htm?id=" + ids[i] + "\">" + shown + " " +
                    std::string(attrs[StableHash(ids[i]) % attrs.size()]) + "</a></li>\n";
        }
    }
    html += "</ul>\n</body></html>\n";
    SimReply reply;
    reply.contentType = kGbkHtmlType;
    reply.body = Utf8ToGbk(html);
    return reply;
}

SimReply Picture(const SimRequest& request) {
    SimReply reply;
    reply.contentType = "image/png";
    reply.body = ItemPicture(request.path);
    return reply;
}

SimReply ItemPage(const SimRequest& request, const SimData& data) {
    std::string id = FieldValue(request.query, "id");
    if (id.empty() || id.size() > 20 || id.find_first_not_of("0123456789") != std::string::npos) {
        return HtmlReply("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>宝贝不存在"
                         "</title></head><body><h1>很抱歉，您查看的宝贝不存在</h1></body></html>",
                         404);
    }
    std::string title;
    std::string picture;
    if (auto item = data.FindItem(id)) {
        title = item->title;
        picture = std::string(kPicturePrefix.substr(0, kPicturePrefix.size() - 1)) + item->imgUrl;
    } else {
        auto products = ProductWords();
        title = std::string(products[StableHash(id) % products.size()]) + " " + id;
        picture = std::string(kPicturePrefix) + "i1/T1" + id + ".png";
    }
    long long price = Derived(id, "price", 3'900, 39'900);
    return HtmlReply("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" +
                     HtmlEscape(title) + "-淘宝网</title></head><body>\n<h1>" + HtmlEscape(title) +
                     "</h1>\n<img src=\"" + HtmlEscape(picture) +
                     "\" width=\"240\" height=\"240\""
                     " alt=\"\">\n<p>价格：¥" +
                     TwoDecimals(price) + "</p>\n<p>宝贝编号：" + id + "</p>\n</body></html>\n");
}

} // namespace

std::string ItemCountText(long long count) {
    if (count < 10'000) {
        return Digits(count);
    }
    long long tenths = count / 1'000;
    return Digits(tenths / 10) + "." + Digits(tenths % 10) + "万";
}

std::optional<SimReply> RoutePublic(const SimRequest& request, const SimData& data) {
    if (request.path == "/sug") {
        return Suggest(request, data);
    }
    if (request.path == "/search") {
        return SearchPage(request, data);
    }
    if (request.path == "/item.htm") {
        return ItemPage(request, data);
    }
    if (request.path.size() > kPicturePrefix.size() && request.path.starts_with(kPicturePrefix)) {
        return Picture(request);
    }
    return std::nullopt;
}

} // namespace dalmiro::sim

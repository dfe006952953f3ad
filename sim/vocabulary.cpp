#include "vocabulary.h"

#include <array>

namespace dalmiro::sim {
namespace {

constexpr std::array<std::string_view, 12> kProducts = {
    "连衣裙", "女装",   "长裙",   "半身裙", "T恤",    "衬衫",
    "雪纺衫", "牛仔裤", "阔腿裤", "外套",   "背心裙", "套装",
};

constexpr std::array<std::string_view, 16> kAttributes = {
    "雪纺", "碎花", "夏季",   "韩版", "修身", "显瘦", "宽松", "中长款",
    "气质", "复古", "小清新", "新款", "纯棉", "蕾丝", "百搭", "高腰",
};

constexpr std::array<std::string_view, 12> kTails = {
    "女", "夏", "大码", "2026新款", "长款", "短款", "显瘦", "套装", "学生", "仙女", "中年", "包邮",
};

constexpr std::array<std::string_view, 8> kShops = {
    "衣橱", "女装馆", "旗舰店", "优品", "时尚屋", "小铺", "工作室", "精品店",
};

} // namespace

std::span<const std::string_view> ProductWords() {
    return kProducts;
}
std::span<const std::string_view> AttributeWords() {
    return kAttributes;
}
std::span<const std::string_view> SuggestTails() {
    return kTails;
}
std::span<const std::string_view> ShopWords() {
    return kShops;
}

} // namespace dalmiro::sim

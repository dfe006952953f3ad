#pragma once
// The small built-in vocabulary of women's-wear shopping terms that every generated title,
// keyword, related word and completion is made of. No word holds the character 万, so that the
// search page's count in ten-thousands is the only "万<" on it.
#include <span>
#include <string_view>

namespace dalmiro::sim {

// Garments: 连衣裙, 女装, 长裙, …
std::span<const std::string_view> ProductWords();
// Qualities in front of a garment: 雪纺, 碎花, 夏季, 韩版, 修身, …
std::span<const std::string_view> AttributeWords();
// Endings that shoppers type after a keyword: 女, 夏, 大码, 2026新款, …
std::span<const std::string_view> SuggestTails();
// Shop-name parts for other sellers' ads.
std::span<const std::string_view> ShopWords();

} // namespace dalmiro::sim

#pragma once
// Real image bytes made in code: PNG (stored, uncompressed deflate) and GIF (LZW), and the two
// pictures the services hand out.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dalmiro::sim {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

// An 8-bit RGB PNG of width × height pixels, row by row.
std::string EncodePng(int width, int height, const std::vector<Rgb>& pixels);
// A GIF89a of width × height palette indices (the palette holds 2 to 256 colours).
std::string EncodeGif(int width, int height, const std::vector<Rgb>& palette,
                      const std::vector<std::uint8_t>& indices);

inline constexpr int kItemPictureSize = 80;
inline constexpr int kStatusPictureWidth = 64;
inline constexpr int kStatusPictureHeight = 24;

// An item picture (PNG) whose colours and pattern follow from the path, the same every time.
std::string ItemPicture(std::string_view path);
// The maker's online-status badge (GIF): a green light when online, grey when not.
std::string StatusPicture(bool online);

} // namespace dalmiro::sim

// The generated pictures decode: the PNG through zlib with every chunk's CRC right, the GIF
// through an LZW decoder written here from the format.
#include "sim/images.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <map>

namespace dalmiro::sim {
namespace {

std::uint32_t U32(const std::string& s, std::size_t at) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8) |
           static_cast<unsigned char>(s[at + 3]);
}

unsigned U16Le(const std::string& s, std::size_t at) {
    return static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8);
}

struct DecodedPng {
    bool ok = false;
    int width = 0;
    int height = 0;
    std::string raw; // filter byte + RGB per row
};

DecodedPng DecodePng(const std::string& png) {
    DecodedPng out;
    if (png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) {
        return out;
    }
    std::string idat;
    bool ended = false;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        std::uint32_t length = U32(png, at);
        std::string type = png.substr(at + 4, 4);
        std::string typeAndData = png.substr(at + 4, 4 + length);
        std::uint32_t crc = U32(png, at + 8 + length);
        if (crc32(0, reinterpret_cast<const Bytef*>(typeAndData.data()),
                  static_cast<uInt>(typeAndData.size())) != crc) {
            return out;
        }
        if (type == "IHDR") {
            out.width = static_cast<int>(U32(png, at + 8));
            out.height = static_cast<int>(U32(png, at + 12));
        } else if (type == "IDAT") {
            idat += png.substr(at + 8, length);
        } else if (type == "IEND") {
            ended = at + 12 == png.size();
        }
        at += 12 + length;
    }
    uLongf size = static_cast<uLongf>(out.height) * (1 + 3 * out.width);
    out.raw.resize(size);
    int result =
        uncompress(reinterpret_cast<Bytef*>(out.raw.data()), &size,
                   reinterpret_cast<const Bytef*>(idat.data()), static_cast<uLong>(idat.size()));
    out.ok = ended && result == Z_OK && size == out.raw.size();
    return out;
}

struct DecodedGif {
    bool ok = false;
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels;
};

DecodedGif DecodeGif(const std::string& gif) {
    DecodedGif out;
    if (gif.compare(0, 6, "GIF89a") != 0 || gif.size() < 13) {
        return out;
    }
    out.width = static_cast<int>(U16Le(gif, 6));
    out.height = static_cast<int>(U16Le(gif, 8));
    unsigned flags = static_cast<unsigned char>(gif[10]);
    std::size_t at = 13;
    if (flags & 0x80) {
        std::size_t colours = std::size_t{1} << ((flags & 7) + 1);
        for (std::size_t i = 0; i < colours; ++i, at += 3) {
            out.palette.push_back({static_cast<std::uint8_t>(gif[at]),
                                   static_cast<std::uint8_t>(gif[at + 1]),
                                   static_cast<std::uint8_t>(gif[at + 2])});
        }
    }
    if (gif[at] != ',') {
        return out;
    }
    at += 10;
    int minCodeSize = static_cast<unsigned char>(gif[at++]);
    std::string data;
    while (at < gif.size() && gif[at] != '\0') {
        std::size_t length = static_cast<unsigned char>(gif[at]);
        data += gif.substr(at + 1, length);
        at += 1 + length;
    }
    bool trailer = at + 2 == gif.size() && gif[at + 1] == ';';

    const unsigned clear = 1u << minCodeSize;
    const unsigned end = clear + 1;
    std::vector<std::vector<std::uint8_t>> table;
    auto reset = [&] {
        table.assign(clear + 2, {});
        for (unsigned i = 0; i < clear; ++i) {
            table[i] = {static_cast<std::uint8_t>(i)};
        }
    };
    reset();
    int width = minCodeSize + 1;
    std::size_t bitPos = 0;
    std::vector<std::uint8_t> previous;
    bool ended = false;
    while (bitPos + width <= data.size() * 8) {
        unsigned code = 0;
        for (int b = 0; b < width; ++b, ++bitPos) {
            code |= ((static_cast<unsigned char>(data[bitPos / 8]) >> (bitPos % 8)) & 1u) << b;
        }
        if (code == clear) {
            reset();
            width = minCodeSize + 1;
            previous.clear();
            continue;
        }
        if (code == end) {
            ended = true;
            break;
        }
        std::vector<std::uint8_t> entry;
        if (code < table.size()) {
            entry = table[code];
        } else if (code == table.size() && !previous.empty()) {
            entry = previous;
            entry.push_back(previous[0]);
        } else {
            return out;
        }
        out.pixels.insert(out.pixels.end(), entry.begin(), entry.end());
        if (!previous.empty() && table.size() < 4096) {
            previous.push_back(entry[0]);
            table.push_back(previous);
            if (table.size() == (1u << width) && width < 12) {
                ++width;
            }
        }
        previous = entry;
    }
    out.ok =
        ended && trailer && out.pixels.size() == static_cast<std::size_t>(out.width) * out.height;
    return out;
}

TEST(Images, PngDecodesToTheGivenPixels) {
    std::vector<Rgb> pixels;
    for (int i = 0; i < 6; ++i) {
        pixels.push_back({static_cast<std::uint8_t>(i), 128, static_cast<std::uint8_t>(255 - i)});
    }
    DecodedPng png = DecodePng(EncodePng(3, 2, pixels));
    ASSERT_TRUE(png.ok);
    EXPECT_EQ(png.width, 3);
    EXPECT_EQ(png.height, 2);
    EXPECT_EQ(png.raw, std::string("\0\0\x80\xff\x01\x80\xfe\x02\x80\xfd"
                                   "\0\x03\x80\xfc\x04\x80\xfb\x05\x80\xfa",
                                   20));
}

TEST(Images, LargePngSpansSeveralStoredBlocks) {
    std::vector<Rgb> pixels(200 * 200, Rgb{1, 2, 3});
    DecodedPng png = DecodePng(EncodePng(200, 200, pixels));
    EXPECT_TRUE(png.ok);
}

TEST(Images, ItemPicturesDecodeAndFollowThePath) {
    DecodedPng a = DecodePng(ItemPicture("/bao/uploaded/i1/T1a.png"));
    DecodedPng b = DecodePng(ItemPicture("/bao/uploaded/i1/T1b.png"));
    ASSERT_TRUE(a.ok);
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(a.width, kItemPictureSize);
    EXPECT_EQ(a.height, kItemPictureSize);
    EXPECT_NE(a.raw, b.raw);
    EXPECT_EQ(ItemPicture("/bao/uploaded/i1/T1a.png"), ItemPicture("/bao/uploaded/i1/T1a.png"));
}

TEST(Images, GifRoundTripsThroughLzw) {
    struct Case {
        int width;
        int height;
        int colours;
    } cases[] = {{1, 1, 2}, {7, 3, 4}, {64, 24, 4}, {100, 100, 16}, {300, 200, 256}};
    for (const Case& c : cases) {
        std::vector<Rgb> palette(static_cast<std::size_t>(c.colours));
        for (int i = 0; i < c.colours; ++i) {
            palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 3), 7};
        }
        std::vector<std::uint8_t> pixels(static_cast<std::size_t>(c.width) * c.height);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            // Runs and noise, so the code table grows past its widths and is cleared.
            pixels[i] = static_cast<std::uint8_t>((i / 5 + (i * i) % 7) % c.colours);
        }
        DecodedGif gif = DecodeGif(EncodeGif(c.width, c.height, palette, pixels));
        ASSERT_TRUE(gif.ok) << c.width << "x" << c.height;
        EXPECT_EQ(gif.pixels, pixels) << c.width << "x" << c.height;
    }
}

TEST(Images, StatusPictureShowsGreenOnlyWhenOnline) {
    for (bool online : {true, false}) {
        DecodedGif gif = DecodeGif(StatusPicture(online));
        ASSERT_TRUE(gif.ok);
        EXPECT_EQ(gif.width, kStatusPictureWidth);
        EXPECT_EQ(gif.height, kStatusPictureHeight);
        const Rgb& centre = gif.palette[gif.pixels[12 * kStatusPictureWidth + 12]];
        EXPECT_EQ(centre.g > centre.r + 50, online);
    }
}

} // namespace
} // namespace dalmiro::sim

#include "images.h"

#include "sim_text.h"

#include <array>
#include <map>

namespace dalmiro::sim {
namespace {

void PutU32(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v >> 24);
    out += static_cast<char>(v >> 16);
    out += static_cast<char>(v >> 8);
    out += static_cast<char>(v);
}

void PutU16Le(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}

std::uint32_t Crc32(std::string_view bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        c = table[(c ^ b) & 0xff] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

void PutChunk(std::string& out, std::string_view type, std::string_view data) {
    PutU32(out, static_cast<std::uint32_t>(data.size()));
    std::string body(type);
    body += data;
    out += body;
    PutU32(out, Crc32(body));
}

// zlib stream of stored (uncompressed) deflate blocks.
std::string StoredZlib(std::string_view raw) {
    std::string out = "\x78\x01";
    std::size_t pos = 0;
    do {
        std::size_t len = std::min<std::size_t>(raw.size() - pos, 65535);
        bool last = pos + len == raw.size();
        out += static_cast<char>(last ? 1 : 0);
        PutU16Le(out, static_cast<unsigned>(len));
        PutU16Le(out, static_cast<unsigned>(~len & 0xffff));
        out.append(raw.substr(pos, len));
        pos += len;
    } while (pos < raw.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutU32(out, (b << 16) | a);
    return out;
}

// LZW code writer for GIF: codes packed least-significant bit first into sub-blocks.
class CodeWriter {
  public:
    void Put(unsigned code, int width) {
        bits_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_ += static_cast<char>(bits_ & 0xff);
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    std::string Finish() {
        if (count_ > 0) {
            bytes_ += static_cast<char>(bits_ & 0xff);
        }
        std::string blocks;
        for (std::size_t pos = 0; pos < bytes_.size(); pos += 255) {
            std::size_t len = std::min<std::size_t>(255, bytes_.size() - pos);
            blocks += static_cast<char>(len);
            blocks.append(bytes_, pos, len);
        }
        blocks += '\0';
        return blocks;
    }

  private:
    std::string bytes_;
    std::uint32_t bits_ = 0;
    int count_ = 0;
};

std::string LzwEncode(const std::vector<std::uint8_t>& indices, int minCodeSize) {
    const unsigned clear = 1u << minCodeSize;
    const unsigned end = clear + 1;
    CodeWriter writer;
    std::map<std::uint32_t, unsigned> table;
    unsigned next = end + 1;
    int width = minCodeSize + 1;
    writer.Put(clear, width);
    if (indices.empty()) {
        writer.Put(end, width);
        return writer.Finish();
    }
    unsigned prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        std::uint32_t key = (prefix << 8) | indices[i];
        auto it = table.find(key);
        if (it != table.end()) {
            prefix = it->second;
            continue;
        }
        writer.Put(prefix, width);
        if (next < 4096) {
            table[key] = next++;
            // The decoder widens its codes once the next free code no longer fits.
            if (next > (1u << width) && width < 12) {
                ++width;
            }
        } else {
            writer.Put(clear, width);
            table.clear();
            next = end + 1;
            width = minCodeSize + 1;
        }
        prefix = indices[i];
    }
    writer.Put(prefix, width);
    writer.Put(end, width);
    return writer.Finish();
}

} // namespace

std::string EncodePng(int width, int height, const std::vector<Rgb>& pixels) {
    std::string out = "\x89PNG\r\n\x1a\n";
    std::string header;
    PutU32(header, static_cast<std::uint32_t>(width));
    PutU32(header, static_cast<std::uint32_t>(height));
    header +=
        std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no filter, no interlace
    PutChunk(out, "IHDR", header);
    std::string raw;
    raw.reserve(static_cast<std::size_t>(height) * (1 + 3 * static_cast<std::size_t>(width)));
    for (int y = 0; y < height; ++y) {
        raw += '\0'; // filter type None
        for (int x = 0; x < width; ++x) {
            const Rgb& p = pixels[static_cast<std::size_t>(y) * width + x];
            raw += static_cast<char>(p.r);
            raw += static_cast<char>(p.g);
            raw += static_cast<char>(p.b);
        }
    }
    PutChunk(out, "IDAT", StoredZlib(raw));
    PutChunk(out, "IEND", "");
    return out;
}

std::string EncodeGif(int width, int height, const std::vector<Rgb>& palette,
                      const std::vector<std::uint8_t>& indices) {
    int bits = 1;
    while ((1u << bits) < palette.size() && bits < 8) {
        ++bits;
    }
    std::string out = "GIF89a";
    PutU16Le(out, static_cast<unsigned>(width));
    PutU16Le(out, static_cast<unsigned>(height));
    out += static_cast<char>(0x80 | ((bits - 1) << 4) | (bits - 1)); // global colour table
    out += '\0';                                                     // background index
    out += '\0';                                                     // aspect ratio
    for (unsigned i = 0; i < (1u << bits); ++i) {
        Rgb c = i < palette.size() ? palette[i] : Rgb{};
        out += static_cast<char>(c.r);
        out += static_cast<char>(c.g);
        out += static_cast<char>(c.b);
    }
    out += ',';
    PutU16Le(out, 0);
    PutU16Le(out, 0);
    PutU16Le(out, static_cast<unsigned>(width));
    PutU16Le(out, static_cast<unsigned>(height));
    out += '\0'; // no local table, not interlaced
    int minCodeSize = std::max(2, bits);
    out += static_cast<char>(minCodeSize);
    out += LzwEncode(indices, minCodeSize);
    out += ';';
    return out;
}

std::string ItemPicture(std::string_view path) {
    const int size = kItemPictureSize;
    std::uint64_t h = StableHash(path);
    Rgb background{static_cast<std::uint8_t>(200 + h % 56),
                   static_cast<std::uint8_t>(200 + (h >> 8) % 56),
                   static_cast<std::uint8_t>(200 + (h >> 16) % 56)};
    Rgb cloth{static_cast<std::uint8_t>(40 + (h >> 24) % 200),
              static_cast<std::uint8_t>(40 + (h >> 32) % 160),
              static_cast<std::uint8_t>(40 + (h >> 40) % 200)};
    Rgb dots{255, 255, 255};
    bool dotted = ((h >> 48) & 1) != 0;
    std::vector<Rgb> pixels(static_cast<std::size_t>(size) * size, background);
    // A dress: narrow bodice from row 14, skirt widening to the hem at row 70.
    for (int y = 14; y < 70; ++y) {
        int half = y < 34 ? 10 : 10 + (y - 34) * 18 / 36;
        for (int x = size / 2 - half; x < size / 2 + half; ++x) {
            bool dot = dotted && y >= 34 && (x + y) % 7 == 0 && y % 4 == 0;
            pixels[static_cast<std::size_t>(y) * size + x] = dot ? dots : cloth;
        }
    }
    return EncodePng(size, size, pixels);
}

std::string StatusPicture(bool online) {
    const int w = kStatusPictureWidth;
    const int h = kStatusPictureHeight;
    std::vector<Rgb> palette = {{255, 255, 255}, {190, 190, 190}, {40, 180, 60}, {90, 90, 90}};
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * h, 0);
    auto set = [&](int x, int y, std::uint8_t c) {
        pixels[static_cast<std::size_t>(y) * w + x] = c;
    };
    for (int x = 0; x < w; ++x) {
        set(x, 0, 1);
        set(x, h - 1, 1);
    }
    for (int y = 0; y < h; ++y) {
        set(0, y, 1);
        set(w - 1, y, 1);
    }
    // The light, then two bars standing for the label.
    for (int y = 4; y < 20; ++y) {
        for (int x = 4; x < 20; ++x) {
            int dx = x - 12;
            int dy = y - 12;
            if (dx * dx + dy * dy <= 49) {
                set(x, y, online ? 2 : 1);
            }
        }
    }
    for (int x = 26; x < 58; ++x) {
        for (int y = 8; y < 11; ++y) {
            set(x, y, 3);
        }
        if (x < 48) {
            for (int y = 14; y < 17; ++y) {
                set(x, y, 3);
            }
        }
    }
    return EncodeGif(w, h, palette, pixels);
}

} // namespace dalmiro::sim

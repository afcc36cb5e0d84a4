#include "sim/ImageFiles.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <cstdint>

namespace sim {

namespace {

std::uint8_t At(std::string_view bytes, std::size_t offset) {
    return static_cast<std::uint8_t>(bytes[offset]);
}

unsigned Little16(std::string_view bytes, std::size_t offset) {
    return At(bytes, offset) | (unsigned{At(bytes, offset + 1)} << 8);
}

void Big32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
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
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

void Chunk(std::string& png, const char* type, const std::string& data) {
    Big32(png, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    png += typed;
    Big32(png, Crc32(typed));
}

}  // namespace

bool ImageFiles::DecodePcx(std::string_view file, StoredImage& image, std::string& why) {
    constexpr std::size_t kHeader = 128;
    if (file.size() < kHeader || At(file, 0) != 0x0A) {
        why = "not a PCX file";
        return false;
    }
    if (At(file, 2) != 1) {
        why = "not run-length encoded";
        return false;
    }
    if (At(file, 3) != 1 || At(file, 65) != 1) {
        why = "not one bit in one plane";
        return false;
    }
    const long width = long(Little16(file, 8)) - long(Little16(file, 4)) + 1;
    const long height = long(Little16(file, 10)) - long(Little16(file, 6)) + 1;
    const long lineBytes = Little16(file, 66);
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide ||
        width * height > kMostDots) {
        why = "size out of range";
        return false;
    }
    if (lineBytes * 8 < width) {
        why = "lines shorter than the picture";
        return false;
    }

    std::vector<std::uint8_t> line(static_cast<std::size_t>(lineBytes));
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.dots.assign(static_cast<std::size_t>(width * height), 0);
    std::size_t in = kHeader;
    // Runs may go on into the next line; what is left of one is carried over.
    long carry = 0;
    std::uint8_t carried = 0;
    for (long y = 0; y < height; ++y) {
        long filled = 0;
        while (filled < lineBytes) {
            if (carry > 0) {
                const long take = std::min(carry, lineBytes - filled);
                std::fill_n(line.begin() + filled, take, carried);
                filled += take;
                carry -= take;
                continue;
            }
            if (in >= file.size()) {
                why = "data ends early";
                return false;
            }
            const std::uint8_t byte = At(file, in++);
            if (byte >= 0xC0) {
                if (in >= file.size()) {
                    why = "data ends early";
                    return false;
                }
                carry = byte & 0x3F;
                carried = At(file, in++);
            } else {
                line[static_cast<std::size_t>(filled++)] = byte;
            }
        }
        for (long x = 0; x < width; ++x) {
            const bool white = (line[static_cast<std::size_t>(x / 8)] >> (7 - x % 8)) & 1;
            image.dots[static_cast<std::size_t>(y * width + x)] = white ? 0 : 1;
        }
    }
    image.pcx = std::string(file);
    return true;
}

std::string ImageFiles::EncodePng(const StoredImage& image) {
    // Grey, one bit deep: a set bit is white.
    std::string header;
    Big32(header, static_cast<std::uint32_t>(image.width));
    Big32(header, static_cast<std::uint32_t>(image.height));
    header += std::string("\x01\x00\x00\x00\x00", 5);

    const std::size_t rowBytes = (static_cast<std::size_t>(image.width) + 7) / 8;
    QByteArray rows;
    rows.reserve(static_cast<qsizetype>((rowBytes + 1) * static_cast<std::size_t>(image.height)));
    for (int y = 0; y < image.height; ++y) {
        rows.append('\0');  // no filter
        for (std::size_t b = 0; b < rowBytes; ++b) {
            std::uint8_t packed = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = static_cast<int>(b * 8) + bit;
                if (x < image.width && !image.Black(x, y)) {
                    packed = static_cast<std::uint8_t>(packed | (0x80 >> bit));
                }
            }
            rows.append(static_cast<char>(packed));
        }
    }
    // qCompress gives a zlib stream behind a four-byte length of its own.
    const QByteArray compressed = qCompress(rows, 9).sliced(4);

    std::string png("\x89PNG\r\n\x1a\n", 8);
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", compressed.toStdString());
    Chunk(png, "IEND", {});
    return png;
}

std::string ImageFiles::FileNameFor(const std::string& name) {
    std::string file;
    for (const char c : name) {
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        file.push_back(kept ? c : '_');
    }
    if (file.empty() || file.find_first_not_of('.') == std::string::npos) {
        file = "_" + file;
    }
    return file;
}

}  // namespace sim

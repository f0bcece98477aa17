#include "window/windows1252.h"

#include <array>
#include <cstdint>

namespace lumora {
namespace {

// Code points of bytes 0x80 to 0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char toByte(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == codePoint) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at `at`, advancing past it; U+FFFD when malformed.
char32_t decode(std::string_view utf8, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(utf8[at++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || at + extra > utf8.size()) return 0xFFFD;
    char32_t codePoint = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<unsigned char>(utf8[at]);
        if ((next & 0xC0) != 0x80) return 0xFFFD;
        codePoint = (codePoint << 6) | (next & 0x3F);
        ++at;
    }
    return codePoint;
}

}  // namespace

std::string EncodeWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) bytes.push_back(toByte(decode(utf8, at)));
    return bytes;
}

}  // namespace lumora

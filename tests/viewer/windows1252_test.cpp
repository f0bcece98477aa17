#include <gtest/gtest.h>
#include <iconv.h>

#include "window/windows1252.h"

namespace lumora {
namespace {

std::string utf8Of(char32_t codePoint) {
    std::string out;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
}

// The C library's own converter is the reference; what it cannot convert is "?".
std::string referenceEncoding(iconv_t converter, std::string utf8) {
    char out[8] = {};
    char* in = utf8.data();
    char* to = out;
    std::size_t inLeft = utf8.size(), outLeft = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in, &inLeft, &to, &outLeft) == static_cast<std::size_t>(-1)) return "?";
    return std::string(out, to);
}

TEST(Windows1252, EncodesEveryCharacterOfTheBasicPlaneAsTheCLibraryDoes) {
    iconv_t converter = iconv_open("WINDOWS-1252", "UTF-8");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    for (char32_t codePoint = 1; codePoint <= 0xFFFF; ++codePoint) {
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) continue;  // surrogates are no characters
        const std::string utf8 = utf8Of(codePoint);
        ASSERT_EQ(EncodeWindows1252(utf8), referenceEncoding(converter, utf8))
            << "U+" << std::hex << static_cast<unsigned>(codePoint);
    }
    iconv_close(converter);
}

TEST(Windows1252, MarksWhatItCannotReadWithAQuestionMark) {
    EXPECT_EQ(EncodeWindows1252("\U0001F600"), "?");
    EXPECT_EQ(EncodeWindows1252("a\xC3"), "a?");  // cut short
    EXPECT_EQ(EncodeWindows1252("\x80"
                                "b"),
              "?b");  // stray continuation byte
    EXPECT_EQ(EncodeWindows1252(""), "");
}

}  // namespace
}  // namespace lumora

#include <gtest/gtest.h>
#include <iconv.h>

#include "window/windows1252.h"

namespace lumora {
namespace {

// The C library's converter, whose failures read as "?".
std::string convert(const char* to, const char* from, std::string text) {
    iconv_t converter = iconv_open(to, from);
    char out[8] = {};
    char *in = text.data(), *end = out;
    std::size_t inLeft = text.size(), outLeft = sizeof out;
    const bool failed = iconv(converter, &in, &inLeft, &end, &outLeft) == std::size_t(-1);
    iconv_close(converter);
    return failed ? "?" : std::string(out, end);
}

TEST(Windows1252, EncodesTheBasicPlaneAsTheCLibraryDoesAndMarksWhatItCannotRead) {
    for (char32_t codePoint = 1; codePoint <= 0xFFFF; ++codePoint) {
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) continue;  // surrogates are no characters
        const std::string utf8 =
            convert("UTF-8", "UTF-32LE", std::string(reinterpret_cast<const char*>(&codePoint), 4));
        ASSERT_EQ(EncodeWindows1252(utf8), convert("WINDOWS-1252", "UTF-8", utf8))
            << "U+" << std::hex << static_cast<unsigned>(codePoint);
    }
    // Beyond the plane, cut short, a stray continuation byte.
    EXPECT_EQ(EncodeWindows1252("\U0001F600|a\xC3"), "?|a?");
    EXPECT_EQ(EncodeWindows1252("\x80|"), "?|");
}

}  // namespace
}  // namespace lumora

#include <gtest/gtest.h>

#include "window/windows1252.h"

namespace lumora {
namespace {

TEST(Windows1252, KeepsAsciiAndMapsWhatTheCodePageHolds) {
    EXPECT_EQ(EncodeWindows1252("Job\u00A041:1 -> [x]"),
              "Job\xA0"
              "41:1 -> [x]");
    EXPECT_EQ(EncodeWindows1252("\u00D0\u20AC\u2020\u0178\u00FF"), "\xD0\x80\x86\x9F\xFF");
    EXPECT_EQ(EncodeWindows1252("\u4E2D\U0001F600\u0081"), "???");
    EXPECT_EQ(EncodeWindows1252("a\xC3"), "a?");  // cut short
    EXPECT_EQ(EncodeWindows1252("\x80"
                                "b"),
              "?b");  // stray continuation byte
    EXPECT_EQ(EncodeWindows1252(""), "");
}

}  // namespace
}  // namespace lumora

// Real key presses on an X server under layouts other than the US one, given
// by the keys' X codes (the evdev code plus 8), whatever is printed on them.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <vector>

#include "window/qt/virtual_keys.h"

namespace lumora::testing {
namespace {

// Keeps the code of every key pressed in it.
class KeyTarget final : public QWidget {
  public:
    std::vector<std::int16_t> codes;

  protected:
    void keyPressEvent(QKeyEvent* event) override { codes.push_back(VirtualKeyCode(*event)); }
};

struct KeyOnLayout {
    const char* layout;
    int keyCode;
    char actsAs;
};

TEST(KeyboardLayouts, LatinLettersActAsThemselvesOtherLettersByTheirPlaceOnAUsKeyboard) {
    KeyTarget target;
    target.show();
    target.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&target));
    const KeyOnLayout keys[] = {
        // Russian: the keys where a US keyboard has B, N, V, S, C, X and Z.
        {"ru", 56, 'B'},
        {"ru", 57, 'N'},
        {"ru", 55, 'V'},
        {"ru", 39, 'S'},
        {"ru", 54, 'C'},
        {"ru", 53, 'X'},
        {"ru", 52, 'Z'},
        // French: Z is printed where a US keyboard has W, and W where it has Z.
        {"fr", 25, 'Z'},
        {"fr", 52, 'W'},
    };
    for (const auto& [layout, keyCode, actsAs] : keys) {
        ASSERT_EQ(QProcess::execute("setxkbmap", {layout}), 0);
        target.codes.clear();
        ASSERT_EQ(QProcess::execute("xdotool", {"key", QString::number(keyCode)}), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !target.codes.empty(); }, 2000));
        EXPECT_EQ(target.codes, std::vector<std::int16_t>{actsAs}) << layout << " key " << keyCode;
    }
    QProcess::execute("setxkbmap", {"us"});
}

}  // namespace
}  // namespace lumora::testing

// Real key presses on an X server under layouts other than the US one, given
// by the keys' X codes (the evdev code plus 8), whatever is printed on them.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <string>
#include <tuple>
#include <vector>

#include "tests/window/window_driver.h"
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

TEST(KeyboardLayouts, LatinLettersActAsThemselvesOtherLettersByTheirPlaceOnAUsKeyboard) {
    KeyTarget target;
    target.show();
    target.activateWindow();
    // x-window says what went wrong where the window manager did not frame and
    // focus the window, and asks again.
    ASSERT_EQ(QProcess::execute(LUMORA_X_WINDOW, {"activate", QString::number(target.winId())}), 0);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&target, kDeadlineMs));
    // Russian: the keys where a US keyboard has B, N, V, S, C, X and Z.
    // French: Z is printed where a US keyboard has W, and W where it has Z.
    const std::tuple<const char*, std::vector<int>, std::string> layouts[] = {
        {"ru", {56, 57, 55, 39, 54, 53, 52}, "BNVSCXZ"}, {"fr", {25, 52}, "ZW"}};
    for (const auto& [layout, keyCodes, actsAs] : layouts) {
        ASSERT_EQ(QProcess::execute("setxkbmap", {layout}), 0);
        for (std::size_t key = 0; key < keyCodes.size(); ++key) {
            target.codes.clear();
            ASSERT_EQ(QProcess::execute("xdotool", {"key", QString::number(keyCodes[key])}), 0);
            if (!QTest::qWaitFor([&] { return !target.codes.empty(); }, kDeadlineMs)) {
                QProcess::execute(LUMORA_X_WINDOW, {"describe", QString::number(target.winId())});
                FAIL() << layout << " key " << keyCodes[key] << " never arrived";
            }
            EXPECT_EQ(target.codes, std::vector<std::int16_t>{actsAs[key]})
                << layout << " key " << keyCodes[key];
        }
    }
    QProcess::execute("setxkbmap", {"us"});
}

}  // namespace
}  // namespace lumora::testing

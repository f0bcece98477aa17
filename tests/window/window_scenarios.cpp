// What a user sees and does in the real window, written once and run against
// each front-end through its driver.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "catalogue/verse_catalogue.h"
#include "tests/window/window_driver.h"
#include "viewer/show_next_verse.h"
#include "window/windows1252.h"

namespace lumora::testing {
namespace {

namespace fs = std::filesystem;

std::string scripture() {
    std::ifstream file("Scripture.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A record of Scripture.txt: an empty line, then the caption.
std::string recordOf(std::string_view caption) {
    std::string record = "\r\n";
    return record.append(EncodeWindows1252(caption)).append("\r\n");
}

// Each scenario runs in a fresh folder of its own, where Save writes.
class WindowScenario : public ::testing::Test {
  protected:
    void SetUp() override {
        const fs::path folder = fs::temp_directory_path() /
                                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder);
        fs::create_directory(folder);
        fs::current_path(folder);
        ASSERT_TRUE(driver->Start());
    }
    void TearDown() override { fs::current_path(home_); }

    const ViewerState& state() { return driver->window().form().viewer().state(); }
    int versesSince(int advances) const { return (random.advances - advances + 1000) / 2000; }
    void expectShowsTheVerseDrawn() {
        const Look look = driver->Read();
        EXPECT_EQ(look.title, WindowTitle(state().VerseIndex));
        EXPECT_EQ(look.label, LookupVerse(state().VerseIndex).Caption);
    }

    const fs::path home_ = fs::current_path();
    ScriptedRandom random;
    std::unique_ptr<WindowDriver> driver = MakeWindowDriver(random);
};

TEST_F(WindowScenario, StartsAsAGoldenRectangleShowingAVerseInWhiteOnBlackUnderItsMenuBar) {
    const Look look = driver->Read();
    EXPECT_TRUE(look.visible);
    EXPECT_FALSE(look.resizable);
    expectShowsTheVerseDrawn();
    EXPECT_EQ(look.background, 0x000000u);
    EXPECT_EQ(look.menuBar, (std::vector<std::string>{"&File", "Pre&vious", "&Save", "&Auto",
                                                      "Display", "SPIN"}));
    const double twipsPerPixel = 1440.0 / look.dpi;
    EXPECT_EQ(look.outer.width, std::lround(10000 / twipsPerPixel));
    EXPECT_EQ(
        look.outer.height,
        std::lround(GoldenHeight(std::lround(look.outer.width * twipsPerPixel)) / twipsPerPixel));
    const PixelRect label = look.labelRect;
    EXPECT_EQ(std::tuple(label.left, label.top, label.right, label.bottom),
              std::tuple(0, 0, look.client.width, look.client.height));
}

TEST_F(WindowScenario, KeysOfTheMapActWithAnyModifiersAndOthersDoNothing) {
    for (int modifiers : {0, kShift, kControl, kShift | kControl}) {
        for (Key key : std::vector<Key>{'B', kSpace, kTab, kReturn}) {
            const int advances = random.advances;
            driver->Press(key, modifiers);
            EXPECT_EQ(versesSince(advances), 1) << key << " with " << modifiers;
        }
    }
    expectShowsTheVerseDrawn();
    const int advances = random.advances;
    for (Key key : std::vector<Key>{'A', 'C', kDelete, '1', kF1}) driver->Press(key, kShift);
    EXPECT_EQ(random.advances, advances);
    driver->Press(kBackspace);
    EXPECT_EQ(driver->Read().label, state().PreviousVerse);
}

TEST_F(WindowScenario, AClickShowsOneVerseAndADoubleClickToo) {
    const std::pair<Gesture, int> gestures[] = {
        {Gesture::Click, 1}, {Gesture::DoubleClick, 1}, {Gesture::RightClick, 0}};
    for (auto [gesture, verses] : gestures) {
        const int advances = random.advances;
        driver->Do(gesture);
        EXPECT_EQ(versesSince(advances), verses) << static_cast<int>(gesture);
    }
    expectShowsTheVerseDrawn();
}

TEST_F(WindowScenario, TheMenuCommandsAct) {
    const int advances = random.advances;
    driver->Choose("mnuSpin");
    EXPECT_EQ(versesSince(advances), 1000);
    expectShowsTheVerseDrawn();
    driver->Choose("mnuBW");
    EXPECT_EQ(driver->Read().background, 0xFFFFFFu);
    driver->Choose("mnuColor");
    EXPECT_EQ(driver->Read().background, 0x000000u);
    driver->Choose("mnuPrev");
    EXPECT_EQ(driver->Read().label, state().PreviousVerse);
}

TEST_F(WindowScenario, TicksGoOnBehindTheAboutBoxUntilSwitchedOff) {
    driver->Choose("mnu1S");
    driver->window().SetInterval(50);  // keeps the test short; the ticks are what is tested
    int advances = random.advances;
    driver->AnswerNextBox(400);
    driver->Choose("mnuAbout");  // returns once the box is answered
    const BoxSeen box = driver->LastBox();
    ASSERT_TRUE(box.answered);
    EXPECT_GE(versesSince(advances), 3);
    expectShowsTheVerseDrawn();
    EXPECT_EQ(box.title, "Lum\u00D0ra  1100");
    EXPECT_EQ(box.buttons, 1);
    EXPECT_FALSE(box.icon);
    driver->Press('X');
    advances = random.advances;
    driver->Wait(150);
    EXPECT_EQ(random.advances, advances);
}

TEST_F(WindowScenario, KeysAndTicksDuringSpinAreHandledAfterItInOrderAndTicksAreNotMadeUp) {
    driver->Choose("mnu1S");
    driver->window().SetInterval(100);
    const int halfway = random.advances + 1'000'000;
    random.onAdvance = [&] {
        if (random.advances != halfway) return;
        driver->Queue('S');
        driver->Queue('B');
        std::this_thread::sleep_for(std::chrono::milliseconds(500));  // five periods go by
    };
    driver->Choose("mnuSpin");
    random.onAdvance = nullptr;
    const std::string spun = driver->Read().label;
    const int advances = random.advances;
    driver->Wait(50);
    EXPECT_EQ(scripture(), recordOf(spun));
    // B's verse, one tick's for all the periods missed, and at most one more
    // where the timer keeps to its original beat.
    EXPECT_GE(versesSince(advances), 2);
    EXPECT_LE(versesSince(advances), 3);
}

// Then a folder stands where the file should be, then the file leads to a full disk.
TEST_F(WindowScenario, SaveAppendsTheTextShownInTheAnsiCodePageAndReportsAFileThatRefuses) {
    driver->window().SetCaption(LookupVerse(945).Caption);  // holds a no-break space
    driver->Press('S');
    driver->Choose("mnuPrint");
    EXPECT_EQ(scripture(), recordOf(LookupVerse(945).Caption) + recordOf(LookupVerse(945).Caption));
    fs::remove("Scripture.txt");
    fs::create_directory("Scripture.txt");
    for (const char* refusing : {"a folder", "a full disk"}) {
        driver->AnswerNextBox(50);
        driver->Press('S');
        EXPECT_TRUE(driver->LastBox().answered) << refusing;
        EXPECT_TRUE(driver->Read().visible);
        fs::current_path(LUMORA_FULL_DISK_FOLDER);
    }
}

TEST_F(WindowScenario, MinimisingKeepsItRunning) {
    driver->Do(Gesture::Minimise);
    driver->Wait(50);
    EXPECT_FALSE(driver->window().form().Ended());
}

TEST(WindowClosing, EveryWayOutEndsTheProgramWithStatusZero) {
    const std::pair<const char*, void (*)(WindowDriver&)> waysOut[] = {
        {"Esc", [](WindowDriver& driver) { driver.Press(kEscape); }},
        {"Exit", [](WindowDriver& driver) { driver.Choose("mnuExit"); }},
        {"title bar", [](WindowDriver& driver) { driver.Do(Gesture::CloseFromTitleBar); }},
        {"session end", [](WindowDriver& driver) { driver.Do(Gesture::EndSession); }},
        {"own window",
         [](WindowDriver& driver) { driver.Do(Gesture::ActivateAnotherWindowOfTheProgram); }},
    };
    for (const auto& [name, close] : waysOut) {
        ScriptedRandom random;
        const auto driver = MakeWindowDriver(random);
        ASSERT_TRUE(driver->Start()) << name;
        EXPECT_EQ(driver->RunUntilEnded([&, close = close] { close(*driver); }), 0) << name;
        EXPECT_TRUE(driver->window().form().Ended()) << name;
        EXPECT_FALSE(driver->Read().visible) << name;
    }
}

// The draws fail from start-up on, or from a key on, as an overflow would.
TEST(WindowFailures, AFailingHandlerShowsTheErrorBoxAndEndsWithStatusOne) {
    for (bool atStartUp : {true, false}) {
        ScriptedRandom random;
        random.failing = atStartUp;
        const auto driver = MakeWindowDriver(random);
        driver->AnswerNextBox(50);
        ASSERT_EQ(driver->Start(), !atStartUp);
        const auto failAtAKey = [&] {
            random.failing = true;
            driver->Press(kSpace);
        };
        if (!atStartUp) {
            EXPECT_EQ(driver->RunUntilEnded(failAtAKey), 1);
        }
        const BoxSeen box = driver->LastBox();
        EXPECT_TRUE(box.answered && box.icon) << atStartUp;
        EXPECT_EQ(box.text, "Overflow");
        EXPECT_FALSE(driver->Read().visible);
        EXPECT_EQ(driver->window().form().ExitStatus(), 1);
    }
}

}  // namespace
}  // namespace lumora::testing

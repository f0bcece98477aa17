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

namespace lumora::testing {
namespace {

namespace fs = std::filesystem;

// Makes a folder current for one test: a fresh one unless given.
class InFolder {
  public:
    explicit InFolder(const fs::path& folder = fresh()) { fs::current_path(folder); }
    ~InFolder() { fs::current_path(previous_); }

  private:
    static fs::path fresh() {
        const fs::path folder = fs::temp_directory_path() /
                                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder);
        fs::create_directory(folder);
        return folder;
    }
    fs::path previous_ = fs::current_path();
};

std::string scripture() {
    std::ifstream file("Scripture.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A record of Scripture.txt: an empty line, then the caption, its no-break
// spaces one byte each.
std::string recordOf(std::string_view caption) {
    std::string record = "\r\n";
    for (std::size_t at = 0; at < caption.size(); ++at)
        record += caption.substr(at, 2) == "\xC2\xA0" ? caption[++at] : caption[at];
    return record.append("\r\n");
}

class WindowScenario : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(driver->Start()); }

    const ViewerState& state() { return driver->window().form().viewer().state(); }
    int versesSince(int advances) const { return (random.advances - advances + 1000) / 2000; }
    void expectShowsTheVerseDrawn() {
        const CatalogueEntry& entry = LookupVerse(state().VerseIndex);
        EXPECT_EQ(driver->Title(), WindowTitle(state().VerseIndex));
        EXPECT_EQ(driver->LabelText(), entry.Caption);
    }

    ScriptedRandom random;
    std::unique_ptr<WindowDriver> driver = MakeWindowDriver(random);
};

TEST_F(WindowScenario, StartsAsAGoldenRectangleShowingAVerseInWhiteOnBlack) {
    EXPECT_TRUE(driver->Visible());
    expectShowsTheVerseDrawn();
    EXPECT_EQ(driver->BackgroundPixel(), 0x000000u);
    const double twipsPerPixel = 1440.0 / driver->DotsPerInch();
    const PixelSize outer = driver->OuterPixels(), client = driver->ClientPixels();
    EXPECT_EQ(outer.width, std::lround(10000 / twipsPerPixel));
    EXPECT_EQ(outer.height,
              std::lround(GoldenHeight(std::lround(outer.width * twipsPerPixel)) / twipsPerPixel));
    const PixelRect label = driver->LabelPixels();
    EXPECT_EQ(label.left, 0);
    EXPECT_EQ(label.top, 0);
    EXPECT_EQ(label.right, client.width);
    EXPECT_EQ(label.bottom, client.height);
    EXPECT_FALSE(driver->Resizable());
}

TEST_F(WindowScenario, KeysOfTheMapActWithAnyModifiersAndOthersDoNothing) {
    for (int modifiers : {0, kShift, kControl, kShift | kControl}) {
        for (Key key : {Key::B, Key::N, Key::V, Key::Space, Key::Tab, Key::Return}) {
            const int advances = random.advances;
            driver->Press(key, modifiers);
            EXPECT_EQ(versesSince(advances), 1) << static_cast<int>(key) << " with " << modifiers;
        }
    }
    expectShowsTheVerseDrawn();
    const int advances = random.advances;
    const std::string title = driver->Title();
    for (Key key : {Key::A, Key::C, Key::Delete, Key::Digit1, Key::F1}) driver->Press(key, kShift);
    EXPECT_EQ(random.advances, advances);
    EXPECT_EQ(driver->Title(), title);
    driver->Press(Key::Backspace);
    EXPECT_EQ(driver->LabelText(), state().PreviousVerse);
}

TEST_F(WindowScenario, AClickShowsOneVerseAndADoubleClickToo) {
    int advances = random.advances;
    driver->Click();
    EXPECT_EQ(versesSince(advances), 1);
    advances = random.advances;
    driver->DoubleClick();
    EXPECT_EQ(versesSince(advances), 1);
    expectShowsTheVerseDrawn();
    advances = random.advances;
    driver->RightClick();
    EXPECT_EQ(random.advances, advances);
}

TEST_F(WindowScenario, TheMenuBarShowsItsEntriesAndItsCommandsAct) {
    EXPECT_EQ(driver->MenuBarCaptions(), (std::vector<std::string>{"&File", "Pre&vious", "&Save",
                                                                   "&Auto", "Display", "SPIN"}));
    const int advances = random.advances;
    driver->Choose("mnuSpin");
    EXPECT_EQ(versesSince(advances), 1000);
    expectShowsTheVerseDrawn();
    driver->Choose("mnuBW");
    EXPECT_EQ(driver->BackgroundPixel(), 0xFFFFFFu);
    driver->Choose("mnuColor");
    EXPECT_EQ(driver->BackgroundPixel(), 0x000000u);
    driver->Choose("mnuPrev");
    EXPECT_EQ(driver->LabelText(), state().PreviousVerse);
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

    driver->Press(Key::X);
    advances = random.advances;
    driver->Wait(150);
    EXPECT_EQ(random.advances, advances);
}

TEST_F(WindowScenario, KeysAndTicksDuringSpinAreHandledAfterItInOrderAndTicksAreNotMadeUp) {
    InFolder folder;
    driver->Choose("mnu1S");
    driver->window().SetInterval(100);
    const int halfway = random.advances + 1'000'000;
    random.onAdvance = [&] {
        if (random.advances != halfway) return;
        driver->Queue(Key::S);
        driver->Queue(Key::B);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));  // five periods go by
    };
    driver->Choose("mnuSpin");
    random.onAdvance = nullptr;
    const std::string spun = driver->LabelText();
    const int advances = random.advances;
    driver->Wait(50);
    EXPECT_EQ(scripture(), recordOf(spun));
    // B's verse, one tick's for all the periods missed, and at most one more
    // where the timer keeps to its original beat.
    EXPECT_GE(versesSince(advances), 2);
    EXPECT_LE(versesSince(advances), 3);
}

TEST_F(WindowScenario, SaveAppendsTheTextShownInTheAnsiCodePage) {
    InFolder folder;
    driver->window().SetCaption(LookupVerse(945).Caption);  // holds a no-break space
    driver->Press(Key::S);
    driver->Choose("mnuPrint");
    const std::string record = recordOf(LookupVerse(945).Caption);
    EXPECT_EQ(scripture(), record + record);
}

// A folder stands where the file should be, or the file leads to a full disk.
TEST_F(WindowScenario, ASaveTheFileRefusesIsReportedAndTheProgramGoesOn) {
    for (bool fullDisk : {false, true}) {
        InFolder folder = fullDisk ? InFolder(LUMORA_FULL_DISK_FOLDER) : InFolder();
        if (!fullDisk) fs::create_directory("Scripture.txt");
        driver->AnswerNextBox(50);
        driver->Press(Key::S);
        EXPECT_TRUE(driver->LastBox().answered) << fullDisk;
        EXPECT_TRUE(driver->Visible());
    }
}

TEST_F(WindowScenario, MinimisingKeepsItRunning) {
    driver->Minimise();
    driver->Wait(50);
    EXPECT_FALSE(driver->window().form().Ended());
}

TEST(WindowClosing, EveryWayOutEndsTheProgramWithStatusZero) {
    const std::pair<const char*, void (*)(WindowDriver&)> waysOut[] = {
        {"Esc", [](WindowDriver& driver) { driver.Press(Key::Escape); }},
        {"Exit", [](WindowDriver& driver) { driver.Choose("mnuExit"); }},
        {"title bar", [](WindowDriver& driver) { driver.CloseFromTitleBar(); }},
        {"session end", [](WindowDriver& driver) { driver.EndSession(); }},
        {"own window", [](WindowDriver& driver) { driver.ActivateAnotherWindowOfTheProgram(); }},
    };
    for (const auto& [name, close] : waysOut) {
        ScriptedRandom random;
        const auto driver = MakeWindowDriver(random);
        ASSERT_TRUE(driver->Start()) << name;
        EXPECT_EQ(driver->RunUntilEnded([&, close = close] { close(*driver); }), 0) << name;
        EXPECT_TRUE(driver->window().form().Ended()) << name;
        EXPECT_FALSE(driver->Visible()) << name;
    }
}

void expectShownAsAFailure(WindowDriver& driver) {
    const BoxSeen box = driver.LastBox();
    EXPECT_TRUE(box.answered);
    EXPECT_EQ(box.text, "Overflow");
    EXPECT_TRUE(box.icon);
    EXPECT_FALSE(driver.Visible());
    EXPECT_EQ(driver.window().form().ExitStatus(), 1);
}

TEST(WindowFailures, AFailingStartUpShowsTheErrorBoxAndEndsWithStatusOne) {
    ScriptedRandom random;
    random.failing = true;
    const auto driver = MakeWindowDriver(random);
    driver->AnswerNextBox(50);
    EXPECT_FALSE(driver->Start());
    expectShownAsAFailure(*driver);
}

TEST(WindowFailures, AFailingHandlerShowsTheErrorBoxAndEndsWithStatusOne) {
    ScriptedRandom random;
    const auto driver = MakeWindowDriver(random);
    ASSERT_TRUE(driver->Start());
    driver->AnswerNextBox(50);
    EXPECT_EQ(driver->RunUntilEnded([&] {
        random.failing = true;
        driver->Press(Key::Space);
    }),
              1);
    expectShownAsAFailure(*driver);
}

}  // namespace
}  // namespace lumora::testing

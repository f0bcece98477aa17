// Plays each story of tests/transcripts on this program's window and compares
// what a user would observe after every step with the file. Indented lines are
// observations, "#" starts a remark, and the "box: " steps after a step run
// while the box it opened is up. A "<...>" in an observation stands for text
// that differs between platforms.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>

#include "catalogue/verse_catalogue.h"
#include "tests/window/window_driver.h"

namespace lumora::testing {
namespace {

namespace fs = std::filesystem;

// In quotes, CR, LF, quotes and backslashes escaped, and with `bytes` every
// byte past ASCII as \xNN.
std::string inQuotes(std::string_view text, bool bytes = false) {
    std::string out = "\"";
    for (const char c : text) {
        char escaped[8] = {c};
        if (c == '\r' || c == '\n' || c == '"' || c == '\\')
            std::snprintf(escaped, sizeof escaped, "\\%c", c == '\r' ? 'r' : c == '\n' ? 'n' : c);
        else if (bytes && static_cast<unsigned char>(c) >= 0x80)
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
        out += escaped;
    }
    return out + "\"";
}

bool matches(const std::string& expected, const std::string& observed) {
    static const std::regex placeholder("<[a-z][a-z' ]*>");
    std::smatch found;
    if (!std::regex_search(expected, found, placeholder)) return expected == observed;
    const std::string before = found.prefix(), after = found.suffix();
    return observed.size() > before.size() + after.size() && observed.starts_with(before) &&
           observed.ends_with(after);
}

const std::map<std::string, Key> kKeyNames = {
    {"Backspace", kBackspace}, {"Tab", kTab}, {"Enter", kReturn}, {"Esc", kEscape}, {"Space", ' '},
    {"Delete", kDelete},       {"F1", kF1}};

class Player {
  public:
    Player(WindowDriver& driver, ScriptedRandom& random) : driver_(driver), random_(random) {}

    std::vector<std::string> Play(const std::vector<std::string>& lines) {
        for (std::size_t at = 0; at < lines.size(); ++at) {
            const std::string& line = lines[at];
            if (line.empty() || line[0] == '#') out_.push_back(line);
            if (line.empty() || line[0] == '#' || line.starts_with("  ")) continue;
            if (driver_.window().form().Ended()) break;
            std::vector<std::string> inBox;
            while (at + 1 < lines.size() &&
                   (lines[at + 1].starts_with("box: ") || lines[at + 1].starts_with("  ")))
                if (lines[++at].starts_with("box: ")) inBox.push_back(lines[at]);
            step(line, inBox);
        }
        return out_;
    }

  private:
    // A step, then what it shows; a box it opens is seen, and its steps played.
    void step(const std::string& line, const std::vector<std::string>& inBox) {
        out_.push_back(line);
        bool boxOpened = false;
        driver_.AnswerBoxes([&](const BoxSeen& box) {
            boxOpened = true;
            out_.push_back("  box " + inQuotes(box.title) + ": " + inQuotes(box.text) + ", " +
                           std::to_string(box.buttons) + " button, " +
                           (box.icon ? "an icon" : "no icon"));
            for (std::size_t at = 0; at + 1 < inBox.size(); ++at) {  // the last is "box: ok"
                out_.push_back(inBox[at]);
                if (!act(inBox[at].substr(5))) observe();
            }
        });
        const bool setsTheStage = act(line);
        driver_.AnswerBoxes(nullptr);
        if (boxOpened) out_.push_back("box: ok");
        if (!setsTheStage) observe();
    }

    // Carries out a step; true for one that only sets the stage.
    bool act(const std::string& step) {
        const ViewerState& state = driver_.window().form().viewer().state();
        // Draws queued behind a verse are not start-up's.
        if (step.starts_with("draw passage "))
            scriptVerse(random_, random_.script.empty() ? state.VerseIndex : 1,
                        std::stoi(step.substr(13)));
        if (step.starts_with("draw colour ")) random_.script.push_back(std::stof(step.substr(12)));
        if (step == "fail the draws") random_.failing = true;
        if (std::smatch frame;
            std::regex_match(step, frame, std::regex("make the frame (\\d+) pixels taller")))
            driver_.ThickenFrame(std::stoi(frame[1]));
        if (step == "make Scripture.txt a folder") {
            fs::remove("Scripture.txt");
            fs::create_directory("Scripture.txt");
        }
        if (step == "make Scripture.txt lead to a full disk")
            fs::current_path(LUMORA_FULL_DISK_FOLDER);
        if (std::regex_match(step, std::regex("(draw|fail|make) .*"))) return true;
        if (step == "start") driver_.Start();
        if (step == "tick") driver_.Tick();
        if (step.starts_with("choose ")) driver_.Choose(step.substr(7));
        if (step.starts_with("key ")) press(step.substr(4));
        if (!std::regex_match(step, std::regex("start|tick|(choose|key) .*"))) driver_.Do(step);
        return false;
    }

    // "key Shift+Ctrl+Alt+B": a key by its name or character, with modifiers held.
    void press(std::string keys) {
        int modifiers = 0;
        for (const auto& [name, bit] :
             {std::pair("Shift+", kShift), std::pair("Ctrl+", kControl), std::pair("Alt+", kAlt)})
            if (keys.starts_with(name)) keys.erase(0, std::strlen(name)), modifiers |= bit;
        driver_.Press(kKeyNames.contains(keys) ? kKeyNames.at(keys) : keys.at(0), modifiers);
    }

    // A caption as the first row of the table that holds it, else as text.
    static std::string captionName(const std::string& caption) {
        for (std::int16_t row = 1; row <= kCatalogueRows; ++row)
            if (LookupVerse(row).Caption == caption) return "row " + std::to_string(row);
        return inQuotes(caption);
    }

    void observe() {
        const Look look = driver_.Read();
        const Form1& form = driver_.window().form();
        char line[200];
        if (form.Ended()) {
            out_.push_back("  ended with status " + std::to_string(form.ExitStatus()) +
                           (look.visible ? ", the window still shown" : ""));
            return;
        }
        if (!shown_ && (shown_ = look.visible)) {  // once, as the window is first shown
            std::snprintf(line, sizeof line, "  window %d x %d pixels, %s, the label %s",
                          look.outer.width, look.outer.height,
                          look.resizable ? "resizable" : "fixed size",
                          look.labelFillsClient ? "filling its client area" : "elsewhere");
            std::string menu = "  menu bar";
            for (const std::vector<std::string>& entry : look.menuBar)
                for (std::size_t at = 0; at < entry.size(); ++at)
                    menu.append(at == 1 ? " (" : " ")
                        .append(inQuotes(entry[at]))
                        .append(at > 0 && at + 1 == entry.size() ? ")" : "");
            std::string buttons;
            for (const auto& [shown, name] :
                 {std::pair(look.minimiseButton, "minimise"),
                  std::pair(look.maximiseButton, "maximise"), std::pair(look.closeButton, "close")})
                if (shown) buttons.append(buttons.empty() ? "" : ", ").append(name);
            out_.insert(out_.end(), {line, "  title-bar buttons: " + buttons, menu});
        }
        std::snprintf(line, sizeof line, " at %g pt,%s %06X on %06X", look.points,
                      look.captionCut ? " cut off," : "", look.fore, look.back);
        out_.insert(out_.end(),
                    {"  title " + inQuotes(look.title), "  label " + captionName(look.label) + line,
                     look.ticking ? "  timer every " + std::to_string(look.period) + " ms"
                                  : "  timer off"});
        // The bytes Save has appended to Scripture.txt since the last look.
        if (std::ifstream file("Scripture.txt", std::ios::binary);
            fs::is_regular_file("Scripture.txt")) {
            const std::string saved{std::istreambuf_iterator<char>(file), {}};
            if (saved.size() > savedSize_)
                out_.push_back(
                    "  saved " +
                    inQuotes(saved.substr(std::exchange(savedSize_, saved.size())), true));
        }
        for (; beeps_ < driver_.window().BeepsSounded(); ++beeps_) out_.push_back("  beep");
    }

    WindowDriver& driver_;
    ScriptedRandom& random_;
    std::vector<std::string> out_;
    bool shown_ = false;
    int beeps_ = 0;
    std::size_t savedSize_ = 0;
};

class Transcript : public ::testing::TestWithParam<std::string> {};

// Each story runs in a fresh folder of its own, where Save writes.
TEST_P(Transcript, ShowsWhatItSays) {
    const fs::path path = fs::path(LUMORA_TRANSCRIPTS) / (GetParam() + ".txt"),
                   home = fs::current_path(), folder = EnterFreshFolder(GetParam());
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> expected, observed;
    for (std::string line; std::getline(file, line);) expected.push_back(line);
    ScriptedRandom random;
    const auto driver = MakeWindowDriver(random);
    const Form1& form = driver->window().form();
    bool ended = false;
    const int status = driver->Run([&] {
        observed = Player(*driver, random).Play(expected);
        ended = form.Ended();
    });
    fs::current_path(home);
    fs::remove_all(folder);
    EXPECT_EQ(status, ended ? form.ExitStatus() : kStillRunning) << "the platform's own end";
    for (std::size_t at = 0; at < std::max(expected.size(), observed.size()); ++at) {
        if (at < expected.size() && at < observed.size() && matches(expected[at], observed[at]))
            continue;
        ADD_FAILURE() << path.string() << ":" << at + 1
                      << ": the first line that differs\n  expected: "
                      << (at < expected.size() ? expected[at] : "(nothing)")
                      << "\n  observed: " << (at < observed.size() ? observed[at] : "(nothing)");
        break;
    }
}

std::vector<std::string> transcriptNames() {
    std::vector<std::string> names;
    for (const auto& file : fs::directory_iterator(LUMORA_TRANSCRIPTS))
        names.push_back(file.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(, Transcript, ::testing::ValuesIn(transcriptNames()),
                         [](const auto& name) { return name.param; });

}  // namespace
}  // namespace lumora::testing

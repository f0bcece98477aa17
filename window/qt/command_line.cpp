#include "window/qt/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ranges>
#include <string>

namespace lumora {
namespace {

bool set(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

void refuse(const QString& why) {
    std::fprintf(stderr, "lumora: %s\n", why.toLocal8Bit().constData());
}

}  // namespace

// The platforms Qt is asked to try, by -platform or QT_QPA_PLATFORM, each
// with its arguments after a colon; X11 and Wayland need their display named.
bool DisplayNamed(int argc, char* argv[]) {
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    std::string platforms = chosen ? chosen : "";
    for (int at = 1; at + 1 < argc; ++at)
        if (std::strcmp(argv[at], "-platform") == 0 || std::strcmp(argv[at], "--platform") == 0)
            platforms = argv[at + 1];
    if (platforms.empty()) return set("DISPLAY") || set("WAYLAND_DISPLAY");
    for (const auto& each : std::views::split(platforms, ';')) {
        const std::string platform(each.begin(), std::ranges::find(each, ':'));
        if (platform == "xcb"                 ? set("DISPLAY")
            : platform.starts_with("wayland") ? set("WAYLAND_DISPLAY")
                                              : !platform.empty())
            return true;
    }
    return false;
}

std::optional<int> AnswerCommandLine(const QCoreApplication& app, bool displayNamed) {
    QCoreApplication::setApplicationName("lumora");
    QCoreApplication::setApplicationVersion(LUMORA_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Shows one passage of the King James Bible at a time, drawn at random from 1100.\n"
        "The keys, the menus and the timer are described in lumora(1): man lumora.");
    parser.addHelpOption();
    parser.addVersionOption();
    const bool understood = parser.parse(QCoreApplication::arguments());
    const bool asked = parser.isSet("help") || parser.isSet("help-all") || parser.isSet("version");
    if (!displayNamed && !asked) {
        refuse("no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)");
        return EXIT_FAILURE;
    }
    if (!understood || !parser.positionalArguments().isEmpty()) {
        refuse((understood ? "Unexpected argument '" + parser.positionalArguments().first() + "'."
                           : parser.errorText()) +
               " Try 'lumora --help'.");
        return EXIT_FAILURE;
    }
    parser.process(app);  // prints the help or the version asked for, and ends there
    return std::nullopt;
}

}  // namespace lumora

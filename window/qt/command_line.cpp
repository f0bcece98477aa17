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

// The platforms Qt is asked to try, by -platform or QT_QPA_PLATFORM, each
// with its arguments after a colon; empty where the user named none.
std::string platformsNamed(int argc, char* argv[]) {
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    std::string platforms = chosen ? chosen : "";
    for (int at = 1; at + 1 < argc; ++at)
        if (std::strcmp(argv[at], "-platform") == 0 || std::strcmp(argv[at], "--platform") == 0)
            platforms = argv[at + 1];
    return platforms;
}

}  // namespace

// X11 and Wayland need their display named.
bool DisplayNamed(int argc, char* argv[]) {
    const std::string platforms = platformsNamed(argc, argv);
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

// Before 6.5 Qt draws a frame of its own on Wayland, unlike GNOME's and with
// a maximise button on the fixed window. On GNOME the window then goes through
// XWayland, as Qt 5 had it, so that GNOME draws its frame; a platform the user
// names is kept.
void PreferTheDesktopsFrame(int argc, char* argv[]) {
    if (QT_VERSION >= QT_VERSION_CHECK(6, 5, 0) || !platformsNamed(argc, argv).empty() ||
        !set("WAYLAND_DISPLAY") || !set("DISPLAY"))
        return;
    const char* desktops = std::getenv("XDG_CURRENT_DESKTOP");
    for (const auto& each : std::views::split(std::string_view(desktops ? desktops : ""), ':'))
        if (QString::fromLatin1(each.data(), static_cast<qsizetype>(each.size()))
                .compare(QLatin1String("GNOME"), Qt::CaseInsensitive) == 0)
            qputenv("QT_QPA_PLATFORM", "xcb;wayland");
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

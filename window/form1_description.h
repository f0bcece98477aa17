#pragma once

#include <array>
#include <span>
#include <string_view>

#include "viewer/viewer.h"
#include "viewer/window_services.h"

// The fixed description of the window, from which both front-ends build it.
namespace lumora::form1 {

using Handler = void (Viewer::*)();

struct FontDescription {
    std::string_view face;
    double points;
    int weight;  // 700 is bold
};

struct MenuItem {
    std::string_view name;
    std::string_view caption;  // '&' marks the access letter
    Handler onClick;
};

// A top-level entry either opens its items or is a command itself.
struct MenuEntry {
    std::string_view name;
    std::string_view caption;
    std::span<const MenuItem> items;
    Handler onClick = nullptr;
};

inline constexpr std::array kFileItems = {
    MenuItem{"mnuExit", "E&xit", &Viewer::mnuExit_Click},
    MenuItem{"mnuAbout", "&About", &Viewer::mnuAbout_Click},
};
inline constexpr std::array kAutoItems = {
    MenuItem{"mnu1S", "1 sec", &Viewer::mnu1S_Click},
    MenuItem{"mnu2S", "2 Sec", &Viewer::mnu2S_Click},
    MenuItem{"mnu3S", "3 Sec", &Viewer::mnu3S_Click},
    MenuItem{"mnu5S", "5 Sec", &Viewer::mnu5S_Click},
    MenuItem{"mnu10S", "10 Sec", &Viewer::mnu10S_Click},
    MenuItem{"mnu30S", "30 Sec", &Viewer::mnu30S_Click},
    MenuItem{"mnu60S", "60 Sec", &Viewer::mnu60S_Click},
    MenuItem{"mnuAutoOff", "Auto OFF", &Viewer::mnuAutoOff_Click},
};
inline constexpr std::array kDisplayItems = {
    MenuItem{"mnuColor", "Color", &Viewer::mnuColor_Click},
    MenuItem{"mnuBW", "BlackWhite", &Viewer::mnuBW_Click},
    MenuItem{"mnuWB", "WhiteBlack", &Viewer::mnuWB_Click},
};

// The menu bar, left to right.
inline constexpr std::array kMenuBar = {
    MenuEntry{"mnuFile", "&File", kFileItems},
    MenuEntry{"mnuPrev", "Pre&vious", {}, &Viewer::mnuPrev_Click},
    MenuEntry{"mnuPrint", "&Save", {}, &Viewer::mnuPrint_Click},
    MenuEntry{"mnuAuto", "&Auto", kAutoItems},
    MenuEntry{"mnuDisplay", "Display", kDisplayItems},
    MenuEntry{"mnuSpin", "SPIN", {}, &Viewer::mnuSpin_Click},
};

// The entry whose access letter the key with this virtual-key code is, if
// any: with Alt the menu bar opens or runs it, and the key map does not see
// the key. Letters' virtual-key codes are their capitals.
constexpr const MenuEntry* AccessLetterEntry(int keyCode) {
    for (const MenuEntry& entry : kMenuBar) {
        const std::size_t mark = entry.caption.find('&');
        if (mark != std::string_view::npos && (entry.caption[mark + 1] & ~0x20) == keyCode)
            return &entry;
    }
    return nullptr;
}
static_assert(AccessLetterEntry('V') == &kMenuBar[1] && !AccessLetterEntry('D'));

// Form1: its client area is replaced at start-up; its own font draws nothing.
inline constexpr std::string_view kDesignTitle = "Lum\u00D0ra";
// Its frame is fixed, as the label is fitted once, at start-up: the title bar
// has the system menu, minimise and close, and nothing that would grow it.
inline constexpr bool kMinimiseButton = true;
inline constexpr bool kMaximiseButton = false;
inline constexpr int kDesignClientWidth = 9915;  // twips
inline constexpr int kDesignClientHeight = 5190;
inline constexpr Rgb kFormBackColor = 0x000000;
inline constexpr Rgb kFormForeColor = 0xFFFFFF;
inline constexpr FontDescription kFormFont{"Arial", 12, 700};

// Timer1 is described running at 1 s; start-up switches it off before a tick.
inline constexpr int kTimerInterval = 1000;
inline constexpr bool kTimerEnabled = true;

// Label1 covers the design client area from its top-left corner.
inline constexpr int kLabelLeft = 0;
inline constexpr int kLabelTop = 0;
inline constexpr int kLabelWidth = kDesignClientWidth;
inline constexpr int kLabelHeight = kDesignClientHeight;
inline constexpr Rgb kLabelBackColor = 0x000000;
inline constexpr Rgb kLabelForeColor = 0xFFFFFF;
inline constexpr FontDescription kLabelFont{"Microsoft Sans Serif", 15.75, 700};

}  // namespace lumora::form1

#include "window/qt/visible_frame.h"

#include <QGuiApplication>
#include <QWindow>

namespace lumora {
namespace {

// Qt's Adwaita decoration, which it draws on GNOME's Wayland from 6.5 on, has
// a 38-pixel title bar and a 1-pixel border, with its shadow outside them:
// every side's margin but the border is shadow.
constexpr int kAdwaitaTitleBar = 38;
constexpr int kAdwaitaBorder = 1;

bool adwaitaFrame(const QMargins& frame) {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
           frame.left() == frame.right() && frame.right() == frame.bottom() &&
           frame.left() > kAdwaitaBorder && frame.top() - frame.left() == kAdwaitaTitleBar;
}

}  // namespace

QMargins VisibleFrame(const QWindow& window) {
    const QMargins frame = window.frameMargins();
    if (!adwaitaFrame(frame)) return frame;
    const int shadow = frame.left() - kAdwaitaBorder;
    return frame - QMargins(shadow, shadow, shadow, shadow);
}

}  // namespace lumora

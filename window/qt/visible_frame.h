#pragma once

#include <QMargins>

class QWindow;

namespace lumora {

// The frame a user sees around `window`: its frame margins without the
// invisible shadow that a frame Qt draws itself may lay around it.
QMargins VisibleFrame(const QWindow& window);

}  // namespace lumora

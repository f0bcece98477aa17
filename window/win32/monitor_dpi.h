#pragma once

#include <windows.h>

namespace lumora {

// The DPI of the monitor `window` is on, where Windows can tell (10, version
// 1607, and later); elsewhere the system's, which older Windows uses for all.
int MonitorDpi(HWND window);

}  // namespace lumora

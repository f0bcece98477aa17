#include <windows.h>

#include "window/win32/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    lumora::SplitMixRandom random;
    lumora::Win32MainWindow window(random);
    if (window.Start(instance, showCommand)) {
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return window.form().ExitStatus();
}

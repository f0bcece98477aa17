#include "viewer/viewer.h"

namespace lumora {

void Viewer::startTimer(int milliseconds) {
    services_.timer.SetEnabled(true);
    services_.timer.SetInterval(milliseconds);
}

void Viewer::mnu1S_Click() {
    startTimer(1000);
}
void Viewer::mnu2S_Click() {
    startTimer(2000);
}
void Viewer::mnu3S_Click() {
    startTimer(3000);
}
void Viewer::mnu5S_Click() {
    startTimer(5000);
}
void Viewer::mnu10S_Click() {
    startTimer(10000);
}
void Viewer::mnu30S_Click() {
    startTimer(30000);
}
void Viewer::mnu60S_Click() {
    startTimer(60000);
}

// The period is kept for nothing: every interval command sets its own.
void Viewer::mnuAutoOff_Click() {
    services_.timer.SetEnabled(false);
}

void Viewer::Timer1_Timer() {
    Label1_Click();
}

}  // namespace lumora

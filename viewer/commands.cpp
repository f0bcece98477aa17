#include "viewer/commands.h"

#include "viewer/viewer.h"

namespace lumora {

inline constexpr int kPreviousFontSize = 14;
inline constexpr int kSpinPasses = 1000;

std::string AboutPrompt(std::string_view platformLine) {
    std::string prompt = "Lum\u00D0ra      (Ver 1100)\r\n";
    prompt.append(platformLine).append("\r\n\r\n");
    prompt.append(kWebAddress).append("\r\n\r\nFreeWare\r\nPublic Domain");
    return prompt;
}

// Shows the caption drawn before the last one; the history does not move.
void Viewer::mnuPrev_Click() {
    services_.surface.SetFontSize(kPreviousFontSize);
    services_.surface.SetCaption(state_.PreviousVerse);
}

// Appends an empty line and the text shown, in one write so that two copies
// of the program saving at once cannot interleave. The beep means "saved", so
// a failure is reported instead of beeping, and the program carries on.
void Viewer::mnuPrint_Click() {
    const std::string record = "\r\n" + services_.surface.GetCaption() + "\r\n";
    try {
        services_.files.AppendToFile(kSaveFileName, record);
    } catch (const FileFailure& failure) {
        services_.surface.ShowMessage(
            std::string("Could not save to \"") + kSaveFileName + "\":\r\n" + failure.what(),
            kProgramName);
        return;
    }
    services_.surface.Beep();
}

void Viewer::mnuAbout_Click() {
    services_.surface.ShowMessage(AboutPrompt(platformLine_), kAboutTitle);
}

// 1000 verses in a row; each pass paints the verse of the pass before.
void Viewer::mnuSpin_Click() {
    for (state_.SpinCount = 1; state_.SpinCount <= kSpinPasses; ++state_.SpinCount) {
        services_.surface.RefreshLabel();
        Label1_Click();
    }
    services_.surface.Beep();
}

void Viewer::mnuExit_Click() {
    services_.closer.UnloadAndEnd();
}

}  // namespace lumora

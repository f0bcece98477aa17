#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "viewer/random_source.h"
#include "window/form1.h"
#include "window/form1_description.h"
#include "window/win32/base_window.h"
#include "window/window_services.h"

namespace lumora {

// Form1 on the Win32 API: a top-level window whose client area is the label,
// drawn with DrawText, with the menu bar built from the window's description.
// The message switch only turns messages into calls of the handlers.
class Win32MainWindow final : public BaseWindow<Win32MainWindow>, public WindowServices {
  public:
    static constexpr wchar_t kClassName[] = L"LumoraForm1";
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kFirstCommandId = 100;

    explicit Win32MainWindow(RandomSource& random);
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    // Creates the window hidden and starts Form1, which shows it; false when
    // start-up failed and the program has ended.
    bool Start(HINSTANCE instance, int showCommand);

    Form1& form() { return form_; }
    // What the label shows, for tests: text, size in points, colours.
    const std::string& LabelText() const { return caption_; }
    int LabelPoints() const { return fontPoints_; }
    COLORREF LabelForeColor() const { return fore_; }
    COLORREF LabelBackColor() const { return back_; }
    RECT LabelRect() const { return label_; }
    bool TimerEnabled() const { return timerEnabled_; }
    UINT TimerInterval() const { return timerInterval_; }
    // The command id of a menu element of the description, such as "mnuSpin".
    UINT CommandId(std::string_view name) const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Window services.
    void SetTitle(const std::string& title) override;
    void SetCaption(std::string_view caption) override;
    std::string GetCaption() const override;
    void SetFontSize(int points) override;
    void SetForeColor(Rgb colour) override;
    void SetBackColor(Rgb colour) override;
    void RefreshLabel() override;
    void Beep() override;
    void ShowMessage(const std::string& prompt, const std::string& title) override;
    void SetEnabled(bool enabled) override;
    void SetInterval(int milliseconds) override;
    void SetOuterWidth(int twips) override;
    int OuterWidth() const override;
    void SetOuterHeight(float twips) override;
    double ClientWidth() const override;
    double ClientHeight() const override;
    void SetLabelSize(std::int16_t widthTwips, std::int16_t heightTwips) override;
    void AppendToFile(const std::string& fileName, const std::string& text) override;
    void ShowForm() override;
    void ShowFailure(const std::string& reason) override;
    void EndProgram(int exitStatus) override;

  private:
    friend class BaseWindow<Win32MainWindow>;

    void create(HINSTANCE instance);
    HMENU createMenuBar();
    void setFont(double points);
    void paint();
    void onKeyDown(WPARAM key);
    void onLeftButton(UINT message, LPARAM lParam);
    void onActivate(WPARAM wParam, LPARAM lParam);
    double twipsPerPixel() const;

    Form1 form_;
    std::vector<form1::Handler> commands_;  // by command id - kFirstCommandId
    std::vector<std::string_view> commandNames_;
    std::string caption_;
    std::wstring wideCaption_;
    HFONT font_ = nullptr;
    int fontPoints_ = 0;
    COLORREF fore_ = 0, back_ = 0;
    RECT label_{};
    bool timerEnabled_ = false;
    UINT timerInterval_ = 0;
    bool pressed_ = false;
    int showCommand_ = SW_SHOWNORMAL;
    int dpi_ = 96;
};

}  // namespace lumora

#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "viewer/random_source.h"
#include "window/form1_description.h"
#include "window/form_window.h"
#include "window/win32/base_window.h"
#include "window/win32/verse_label_control.h"

namespace lumora {

// Form1 on the Win32 API: a top-level window whose client area the label's
// static control fills, with the menu bar built from the window's description.
// The message switch only hands messages on.
class Win32MainWindow final : public BaseWindow<Win32MainWindow>, public FormWindow {
  public:
    static constexpr wchar_t kClassName[] = L"LumoraForm1";
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kFirstCommandId = 100;
    static constexpr UINT kHandlerReturned = WM_APP;

    explicit Win32MainWindow(RandomSource& random);
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    // Creates the window hidden and starts Form1, which shows it; false when
    // start-up failed and the program has ended.
    bool Start(HINSTANCE instance, int showCommand);

    // The label's control, which screen readers read, for tests.
    const VerseLabelControl& Label() const { return label_; }
    // The command id of a menu element of the description, such as "mnuSpin".
    UINT CommandId(std::string_view name) const;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Window services.
    void SetTitle(const std::string& title) override;
    void ShowMessage(const std::string& prompt, const std::string& title) override;
    void AppendToFile(const std::string& fileName, const std::string& text) override;
    void ShowFailure(const std::string& reason) override;
    void EndProgram(int exitStatus) override;

  protected:
    // The toolkit's primitives.
    double DotsPerInch() const override { return dpi_; }
    void ShowCaption(std::string_view caption) override;
    int TextHeight(std::string_view caption, double points, int width) const override;
    void RepaintLabel() override;
    void AfterHandler() override { PostMessageW(hwnd_, kHandlerReturned, 0, 0); }
    void AnnouncePassage(const std::string&) override { label_.AnnounceText(); }
    void ApplyFont(double points) override;
    void ApplyColours(Rgb fore, Rgb back) override;
    void SoundBeep() override { MessageBeep(MB_OK); }
    void StartTicks(int milliseconds) override;
    void StopTicks() override;
    PixelSize OuterSize() const override;
    void ResizeOuter(PixelSize size) override;
    PixelSize ClientSize() const override;
    void ResizeLabel(PixelSize size) override { label_.Resize(size.width, size.height); }
    PixelRect AvailableArea() const override;
    void ShowAt(int left, int top) override;

  private:
    friend class BaseWindow<Win32MainWindow>;

    void create(HINSTANCE instance);
    HMENU createMenuBar();
    void paintAroundLabel();
    void onLeftButton(LeftButton event, LPARAM lParam);

    std::vector<form1::Handler> commands_;  // by command id - kFirstCommandId
    std::vector<std::string_view> commandNames_;
    VerseLabelControl label_;
    int dpi_ = 96;
    int showCommand_ = SW_SHOWNORMAL;
};

}  // namespace lumora

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "viewer/random_source.h"
#include "viewer/window_services.h"
#include "window/form1.h"
#include "window/form1_description.h"

namespace lumora {

struct PixelSize {
    int width = 0, height = 0;
};

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The left button as the platform reports it over the label.
enum class LeftButton { Press, Release, DoubleClick };

// What the platform tells of the window that takes the activation from Form1.
struct ActivatedWindow {
    bool ofThisProgram = false;  // a window of this program other than Form1
    bool messageBox = false;
    bool popup = false;  // a menu, a tooltip or another window without a frame of its own
};

// Form1's window services with every decision made once: twips and their
// rounding, the design geometry and centring, the timer's restart rule, the
// unchanged-value caches, what a click is, when deactivation counts, and the
// size a caption is drawn at so that it shows whole. A
// front-end derives from it, carries out the primitives below on its toolkit
// and hands every platform event to an On... method.
class FormWindow : public WindowServices {
  public:
    FormWindow(RandomSource& random, std::string platformLine);

    Form1& form() { return form_; }

    // The label's font size as drawn, and its colours as last set.
    double LabelPoints() const { return drawnPoints_; }
    Rgb LabelForeColor() const { return fore_; }
    Rgb LabelBackColor() const { return back_; }
    // Timer1 as last set: whether it ticks, and its period.
    bool TimerEnabled() const { return timerEnabled_; }
    int TimerInterval() const { return timerInterval_; }
    // How often the window has beeped, for whoever cannot hear it.
    int BeepsSounded() const { return beeps_; }

    // Events.
    void OnCommand(form1::Handler handler);
    // Keys reach the key map only while no menu of the window is open.
    void OnKeyDown(std::int16_t keyCode, std::int16_t shift);
    // A key pressed with Alt: the menu bar's access letters are the menu
    // bar's, every other key the key map's.
    void OnAltKeyDown(std::int16_t keyCode, std::int16_t shift);
    void OnMenuOpened();
    void OnMenuClosed();
    void OnTick();
    // True while the label wants the pointer held until the button is released.
    bool OnLeftButton(LeftButton event, bool onLabel);
    void OnCloseRequested();
    void OnTerminated();
    void OnActivationLost(ActivatedWindow activated);
    // The window has moved to a monitor of another resolution, at the same
    // size in twips.
    void OnDpiChanged();
    // The handler that changed the passage has returned; see AfterHandler.
    void OnHandlerReturned();

    // Services decided here.
    void SetCaption(std::string_view caption) final;
    std::string GetCaption() const final;
    void SetFontSize(int points) final;
    void RefreshLabel() final;
    void SetForeColor(Rgb colour) final;
    void SetBackColor(Rgb colour) final;
    void Beep() final;
    void SetEnabled(bool enabled) final;
    void SetInterval(int milliseconds) final;
    void SetOuterWidth(int twips) final;
    int OuterWidth() const final;
    void SetOuterHeight(float twips) final;
    double ClientWidth() const final;
    double ClientHeight() const final;
    void SetLabelSize(std::int16_t widthTwips, std::int16_t heightTwips) final;
    void ShowForm() final;

  protected:
    // The description's geometry at the display's resolution, for creating the window.
    PixelSize DesignClientSize() const;
    PixelRect DesignLabelRect() const;
    // Starts the platform timer as the description has it.
    void StartDescribedTimer();

    // Primitives of the toolkit.
    virtual double DotsPerInch() const = 0;
    virtual void ShowCaption(std::string_view caption) = 0;
    // The height in pixels that `caption` takes at `points`, broken into lines
    // `width` pixels wide as the label breaks them.
    virtual int TextHeight(std::string_view caption, double points, int width) const = 0;
    // Paints the label now, delivering no other event meanwhile.
    virtual void RepaintLabel() = 0;
    // Calls OnHandlerReturned once the running handler has returned.
    virtual void AfterHandler() = 0;
    // Tells screen readers to speak the passage, politely, though the label
    // never has the focus.
    virtual void AnnouncePassage(const std::string& caption) = 0;
    virtual void ApplyFont(double points) = 0;
    // The label's colours; the background fills the whole client area.
    virtual void ApplyColours(Rgb fore, Rgb back) = 0;
    virtual void SoundBeep() = 0;
    // Ticks every `milliseconds` from now on, a running period given up.
    virtual void StartTicks(int milliseconds) = 0;
    virtual void StopTicks() = 0;
    // The outer size, frame included, as the window system realised it.
    virtual PixelSize OuterSize() const = 0;
    virtual void ResizeOuter(PixelSize size) = 0;
    // What the frame, title bar and menu bar leave.
    virtual PixelSize ClientSize() const = 0;
    virtual void ResizeLabel(PixelSize size) = 0;
    // The screen's area for windows, and showing the window with its outer
    // top-left corner at a point of it.
    virtual PixelRect AvailableArea() const = 0;
    virtual void ShowAt(int left, int top) = 0;

  private:
    template <typename Handler>
    void deliver(Handler&& handler);
    double sizeShowingWhole() const;
    void fitCaption();
    double twipsPerPixel() const;
    int toPixels(double twips) const;

    Form1 form_;
    std::string caption_;
    double points_ = form1::kLabelFont.points;  // as asked for
    double drawnPoints_ = points_;
    bool fitDue_ = false;
    std::unordered_map<std::string, double> fittedSizes_;  // by size asked and caption
    int labelWidth_ = form1::kLabelWidth, labelHeight_ = form1::kLabelHeight;  // twips
    Rgb fore_ = form1::kLabelForeColor, back_ = form1::kLabelBackColor;
    bool timerEnabled_ = form1::kTimerEnabled;
    int timerInterval_ = form1::kTimerInterval;
    bool pressed_ = false;
    int menusOpen_ = 0;
    bool announcementDue_ = false;
    int beeps_ = 0;
};

}  // namespace lumora

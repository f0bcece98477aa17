#pragma once

#include "viewer/window_services.h"

namespace lumora::bench {

// A window that does nothing, so that only the handlers' own work is timed.
class NullWindow final : public WindowServices {
  public:
    void SetTitle(const std::string&) override {}
    void SetCaption(std::string_view text) override { caption_.assign(text); }
    std::string GetCaption() const override { return caption_; }
    void SetFontSize(int) override {}
    void SetForeColor(Rgb) override {}
    void SetBackColor(Rgb) override {}
    void RefreshLabel() override {}
    void Beep() override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    void SetEnabled(bool) override {}
    void SetInterval(int) override {}
    void SetOuterWidth(int) override {}
    int OuterWidth() const override { return 10005; }
    void SetOuterHeight(float) override {}
    double ClientWidth() const override { return 9825; }
    double ClientHeight() const override { return 5460; }
    void SetLabelSize(std::int16_t, std::int16_t) override {}
    void AppendToFile(const std::string&, const std::string&) override {}
    void ShowForm() override {}
    void ShowFailure(const std::string&) override {}
    void EndProgram(int) override {}

  private:
    std::string caption_;
};

}  // namespace lumora::bench

#pragma once

#include <QMainWindow>
#include <QMargins>
#include <QTimer>
#include <string>

#include "viewer/random_source.h"
#include "window/form1.h"
#include "window/window_services.h"

namespace lumora {

class VerseLabel;

// Form1 on Qt Widgets: the window services on a QMainWindow with one label,
// and every event delivered to its handler.
class MainWindow final : public QMainWindow, public WindowServices {
    Q_OBJECT

  public:
    explicit MainWindow(RandomSource& random);

    VerseLabel* label() const { return label_; }
    Form1& form() { return form_; }

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

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void createMenus();
    void createLabel();
    void createTimer();
    double twipsPerPixel() const;
    QMargins frameMargins() const;
    void settleFrame();

    Form1 form_;
    VerseLabel* label_ = nullptr;
    QTimer timer1_;
    std::string caption_;
    QSize outerPixels_;     // the outer size asked for, frame included
    QMargins marginsUsed_;  // the frame it was realised with
};

}  // namespace lumora

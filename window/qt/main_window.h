#pragma once

#include <QMainWindow>
#include <QMargins>
#include <QTimer>
#include <string>

#include "viewer/random_source.h"
#include "window/form_window.h"

namespace lumora {

class PassageNotice;
class VerseLabel;

// Form1 on Qt Widgets: a QMainWindow with one label, carrying out the
// toolkit's part of the window services and handing every event on.
class MainWindow final : public QMainWindow, public FormWindow {
    Q_OBJECT

  public:
    explicit MainWindow(RandomSource& random);

    VerseLabel* label() const { return label_; }

    // Window services.
    void SetTitle(const std::string& title) override;
    void ShowMessage(const std::string& prompt, const std::string& title) override;
    void AppendToFile(const std::string& fileName, const std::string& text) override;
    void ShowFailure(const std::string& reason) override;
    void EndProgram(int exitStatus) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;

    // The toolkit's primitives.
    double DotsPerInch() const override;
    void ShowCaption(std::string_view caption) override;
    int TextHeight(std::string_view caption, double points, int width) const override;
    void RepaintLabel() override;
    void AfterHandler() override;
    void AnnouncePassage(const std::string& caption) override;
    void ApplyFont(double points) override;
    void ApplyColours(Rgb fore, Rgb back) override;
    void SoundBeep() override;
    void StartTicks(int milliseconds) override;
    void StopTicks() override;
    PixelSize OuterSize() const override;
    void ResizeOuter(PixelSize size) override;
    PixelSize ClientSize() const override;
    void ResizeLabel(PixelSize size) override;
    PixelRect AvailableArea() const override;
    void ShowAt(int left, int top) override;

  private:
    void createMenus();
    void createLabel();
    void createTimer();
    QMargins frameMargins() const;
    void settleFrame();

    PassageNotice* notice_ = nullptr;
    VerseLabel* label_ = nullptr;
    QTimer timer1_;
    PixelSize outer_;       // the outer size asked for, frame included
    QMargins marginsUsed_;  // the frame it was realised with
};

}  // namespace lumora

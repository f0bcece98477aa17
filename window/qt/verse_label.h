#pragma once

#include <QLabel>

namespace lumora {

// The label that fills the window: word-wrapped lines centred from the top,
// opaque, never focused. A click is a press and release of the left button
// on it; the second click of a double click is not one.
class VerseLabel final : public QLabel {
    Q_OBJECT

  public:
    explicit VerseLabel(QWidget* parent);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

}  // namespace lumora

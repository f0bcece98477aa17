#pragma once

#include <QLabel>

#include "window/form_window.h"

namespace lumora {

// The label that fills the window: word-wrapped lines centred from the top,
// opaque, never focused. It reports the left button; what a click is, the
// window decides.
class VerseLabel final : public QLabel {
    Q_OBJECT

  public:
    explicit VerseLabel(QWidget* parent);

    // The height `text` takes at `points`, broken into lines `width` wide as
    // the label breaks them when it paints.
    int TextHeight(const QString& text, double points, int width) const;

  signals:
    void leftButton(LeftButton event, bool onLabel);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace lumora

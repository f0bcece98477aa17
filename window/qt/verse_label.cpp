#include "window/qt/verse_label.h"

#include <QMouseEvent>

namespace lumora {

VerseLabel::VerseLabel(QWidget* parent) : QLabel(parent) {
    setObjectName("Label1");
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setMargin(0);
}

void VerseLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void VerseLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

// The second press of a double click arrives as this event, which has no handler.
void VerseLabel::mouseDoubleClickEvent(QMouseEvent*) {
    pressed_ = false;
}

}  // namespace lumora

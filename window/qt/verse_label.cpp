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

// The label holds the pointer from the press on, so a release may fall outside it.
void VerseLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit leftButton(LeftButton::Press, true);
}

void VerseLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit leftButton(LeftButton::Release, rect().contains(event->position().toPoint()));
}

void VerseLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit leftButton(LeftButton::DoubleClick, true);
}

}  // namespace lumora

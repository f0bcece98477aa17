#include "window/qt/verse_label.h"

#include <QFontMetrics>
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

// QLabel draws its text with these flags and its own font, on itself.
int VerseLabel::TextHeight(const QString& text, double points, int width) const {
    QFont sized = font();
    sized.setPointSizeF(points);
    const QRect room(0, 0, width, QWIDGETSIZE_MAX);
    return QFontMetrics(sized, this)
        .boundingRect(room, alignment() | Qt::TextWordWrap, text)
        .height();
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

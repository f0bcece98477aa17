// Takes a picture of the window as a user sees it on the desktop it runs on,
// frame and title bar included, started as the program starts it:
//   lumora-screenshot docs/screenshot.png
// It reads the screen, so it needs a desktop whose window manager frames the
// window (make screenshot gives it GNOME's).
#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <cstdio>

#include "window/qt/label_font.h"
#include "window/qt/main_window.h"
#include "window/qt/verse_label.h"

namespace {

// Handles events until `done` holds, for at most a minute: a cold first start
// on a busy machine is slow.
template <typename Condition>
bool waitFor(Condition done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.hasExpired(60'000)) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumora-screenshot FILE.png\n");
        return 2;
    }
    lumora::SplitMixRandom random;
    lumora::MainWindow window(random);
    window.form().Start();
    // A picture in a face the program would not use on a user's desktop is no
    // picture of it.
    const QString face = QFontInfo(window.label()->font()).family();
    if (face != lumora::kPreferredFace && face != lumora::kFallbackFace) {
        std::fprintf(stderr,
                     "lumora-screenshot: the label is drawn in %s, not in %s: is fonts-liberation2 "
                     "installed?\n",
                     qPrintable(face), qPrintable(lumora::kFallbackFace));
        return 1;
    }
    // The frame is the window manager's, drawn once the window is framed; the
    // picture is taken once the screen shows the label's black at the bottom
    // and the frame above it.
    QImage picture;
    const bool framed = waitFor([&] {
        if (window.windowHandle()->frameMargins().top() == 0) return false;
        picture = window.screen()->grabWindow(0, window.frameGeometry().x(),
                                              window.frameGeometry().y(),
                                              window.frameGeometry().width(),
                                              window.frameGeometry().height())
                      .toImage();
        return !picture.isNull() &&
               picture.pixelColor(picture.width() / 2, picture.height() - 3) == Qt::black &&
               picture.pixelColor(picture.width() / 2, 2) != Qt::black;
    });
    if (!framed) {
        std::fprintf(stderr, "lumora-screenshot: no window manager framed the window\n");
        return 1;
    }
    return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

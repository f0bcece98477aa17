// Renders the window, started as the program starts it, to a PNG file:
//   lumora-screenshot docs/screenshot.png
#include <QApplication>
#include <QFontInfo>
#include <QPixmap>
#include <cstdio>

#include "window/qt/label_font.h"
#include "window/qt/main_window.h"
#include "window/qt/verse_label.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumora-screenshot FILE.png\n");
        return 2;
    }
    lumora::SplitMixRandom random;
    lumora::MainWindow window(random);
    window.form().Start();
    QApplication::processEvents();
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
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

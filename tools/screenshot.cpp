// Renders the window, started as the program starts it, to a PNG file:
//   lumora-screenshot docs/screenshot.png
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "window/qt/main_window.h"

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
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

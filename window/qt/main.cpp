#include <QApplication>

#include "window/qt/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lumora::SplitMixRandom random;
    lumora::MainWindow window(random);
    if (window.form().Start()) QApplication::exec();
    return window.form().ExitStatus();
}

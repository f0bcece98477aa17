#include <QApplication>

#include "window/qt/command_line.h"
#include "window/qt/main_window.h"

// Without a display Qt cannot start its GUI at all, so the command line is
// answered by the core application alone.
int main(int argc, char* argv[]) {
    if (!lumora::DisplayNamed(argc, argv)) {
        const QCoreApplication app(argc, argv);
        return lumora::AnswerCommandLine(app, false).value_or(EXIT_FAILURE);
    }
    lumora::PreferTheDesktopsFrame(argc, argv);
    QApplication app(argc, argv);
    if (const auto status = lumora::AnswerCommandLine(app, true)) return *status;
    lumora::SplitMixRandom random;
    lumora::MainWindow window(random);
    if (window.form().Start()) QApplication::exec();
    return window.form().ExitStatus();
}

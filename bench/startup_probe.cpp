// Started by lumora-qt-bench: opens Lumora's window, a bare Qt window of the
// same size ("bare"), or one that shows a line of text ("text"), prints the
// monotonic clock (ns) once the window's content is first painted, and exits.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "window/qt/main_window.h"
#include "window/qt/verse_label.h"

namespace {

// Ends the process as soon as the watched widget has painted once.
class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        static_cast<QWidget*>(watched)->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this,
            [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("%lld\n",
                            static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec);
                std::fflush(stdout);
                std::_Exit(0);
            },
            Qt::QueuedConnection);
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    const char* mode = argc > 1 ? argv[1] : "lumora";
    if (std::strcmp(mode, "bare") == 0 || std::strcmp(mode, "text") == 0) {
        QWidget bare;
        bare.resize(667, 412);
        QLabel* text = std::strcmp(mode, "text") == 0 ? new QLabel("John 3:16", &bare) : nullptr;
        (text ? static_cast<QWidget*>(text) : &bare)->installEventFilter(&firstPaint);
        bare.show();
        return QApplication::exec();
    }
    lumora::SplitMixRandom random;
    lumora::MainWindow window(random);
    window.label()->installEventFilter(&firstPaint);
    window.form().Start();
    return QApplication::exec();
}

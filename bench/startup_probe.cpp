// Started by lumora-qt-bench: opens Lumora's window ("lumora"), the same UI
// built plainly in Qt ("plain") or a bare Qt window of the same size ("bare"),
// prints the monotonic clock (ns) once the window's content is first painted,
// and exits.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>

#include "catalogue/verse_catalogue.h"
#include "window/form1_description.h"
#include "window/qt/label_font.h"
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

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Lumora's window as Qt builds it plainly: the described menu bar, and one
// word-wrapped bold label showing a passage drawn at random at its size, white
// on black; none of the program's handlers, timer or accessibility.
QLabel* buildPlainly(QMainWindow& window) {
    for (const lumora::form1::MenuEntry& entry : lumora::form1::kMenuBar) {
        if (entry.items.empty()) {
            window.menuBar()->addAction(fromUtf8(entry.caption));
            continue;
        }
        QMenu* menu = window.menuBar()->addMenu(fromUtf8(entry.caption));
        for (const lumora::form1::MenuItem& item : entry.items)
            menu->addAction(fromUtf8(item.caption));
    }
    std::random_device device;
    const int row = std::uniform_int_distribution(1, lumora::kCatalogueRows)(device);
    const lumora::CatalogueEntry& verse = lumora::LookupVerse(static_cast<std::int16_t>(row));
    auto* label = new QLabel(fromUtf8(verse.Caption), &window);
    QFont font = lumora::LabelFont();
    font.setPointSizeF(verse.FontSize.value_or(18));
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setPalette(QPalette(Qt::white, Qt::black));
    window.setCentralWidget(label);
    window.setFixedSize(667, 412);
    return label;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    const char* mode = argc > 1 ? argv[1] : "lumora";
    if (std::strcmp(mode, "plain") == 0) {
        QMainWindow plain;
        buildPlainly(plain)->installEventFilter(&firstPaint);
        plain.show();
        return QApplication::exec();
    }
    if (std::strcmp(mode, "bare") == 0) {
        QWidget bare;
        bare.resize(667, 412);
        bare.installEventFilter(&firstPaint);
        bare.show();
        return QApplication::exec();
    }
    lumora::SplitMixRandom random;
    lumora::MainWindow window(random);
    window.label()->installEventFilter(&firstPaint);
    window.form().Start();
    return QApplication::exec();
}

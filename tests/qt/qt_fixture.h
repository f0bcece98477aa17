#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/viewer/fake_window.h"
#include "window/qt/main_window.h"
#include "window/qt/verse_label.h"

namespace lumora::testing {

// Waits for the next message box, notes what it shows, then presses OK.
class MessageBoxAnswerer : public QObject {
  public:
    explicit MessageBoxAnswerer(int waitMs = 0) {
        QTimer::singleShot(waitMs, this, [this] { poll(); });
    }

    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool answered = false;

  private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(5, this, [this] { poll(); });
            return;
        }
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        answered = true;
        box->button(QMessageBox::Ok)->click();
    }
};

// The real window, started as the program starts it, on Qt's offscreen platform.
class QtWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.form().Start());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    const ViewerState& state() { return window.form().viewer().state(); }
    std::string title() const { return window.windowTitle().toStdString(); }
    std::string labelText() const { return window.label()->text().toStdString(); }
    double labelPoints() const { return window.label()->font().pointSizeF(); }
    QColor labelColour(QPalette::ColorRole role) const {
        return window.label()->palette().color(role);
    }
    int versesDrawn() const { return random.advances / 2000; }

    ScriptedRandom random;
    MainWindow window{random};
};

}  // namespace lumora::testing

// The scenarios' driver for the Qt window, on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <map>

#include "tests/window/window_driver.h"
#include "window/qt/main_window.h"
#include "window/qt/verse_label.h"

namespace lumora::testing {
namespace {

// Letters, digits and Space have the same codes in Qt; these keys differ.
Qt::Key qtKey(Key key) {
    const std::map<Key, Qt::Key> differing = {
        {kBackspace, Qt::Key_Backspace}, {kTab, Qt::Key_Tab},       {kReturn, Qt::Key_Return},
        {kEscape, Qt::Key_Escape},       {kDelete, Qt::Key_Delete}, {kF1, Qt::Key_F1}};
    const auto found = differing.find(key);
    return found == differing.end() ? static_cast<Qt::Key>(key) : found->second;
}

class QtDriver final : public WindowDriver {
  public:
    explicit QtDriver(RandomSource& random) : window_(random) {}

    FormWindow& window() override { return window_; }
    bool Start() override {
        return window_.form().Start() && QTest::qWaitForWindowExposed(&window_);
    }
    void Wait(int milliseconds) override { QTest::qWait(milliseconds); }
    int RunUntilEnded(std::function<void()> action) override {
        QTimer::singleShot(0, &window_, action);
        return QApplication::exec();
    }

    void Press(Key key, int modifiers) override {
        Qt::KeyboardModifiers held;
        held.setFlag(Qt::ShiftModifier, modifiers & kShift);
        held.setFlag(Qt::ControlModifier, modifiers & kControl);
        QTest::keyClick(&window_, qtKey(key), held);
    }
    void Queue(Key key) override {
        QCoreApplication::postEvent(&window_, new QKeyEvent(QEvent::KeyPress, qtKey(key), {}));
    }
    void Do(Gesture gesture) override {
        switch (gesture) {
            case Gesture::Click:
                return QTest::mouseClick(window_.label(), Qt::LeftButton);
            case Gesture::DoubleClick:
                return doubleClick();
            case Gesture::RightClick:
                return QTest::mouseClick(window_.label(), Qt::RightButton);
            case Gesture::CloseFromTitleBar:
                window_.close();
                return;
            // The session manager has the application quit.
            case Gesture::EndSession:
                return QCoreApplication::quit();
            case Gesture::Minimise:
                return window_.showMinimized();
            case Gesture::ActivateAnotherWindowOfTheProgram:
                window_.activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
                other_.show();
                other_.activateWindow();
        }
    }
    // Opens the entry with a click on the bar, then takes the item with Enter:
    // Qt 6.8 offscreen drops synthetic clicks on a popup that has just opened.
    void Choose(const char* name) override {
        auto* action = window_.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        auto* menu = qobject_cast<QMenu*>(action->parent());
        QMenuBar* bar = window_.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu ? menu->menuAction() : action).center());
        if (!menu) return;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    }
    void AnswerNextBox(int afterMs) override {
        box_ = {};
        QTimer::singleShot(afterMs, &window_, [this] { answerBox(); });
    }
    BoxSeen LastBox() const override { return box_; }

    Look Read() const override {
        Look look;
        look.visible = window_.isVisible();
        look.resizable = window_.minimumSize() != window_.maximumSize();
        look.title = window_.windowTitle().toStdString();
        look.label = QAccessible::queryAccessibleInterface(window_.label())
                         ->text(QAccessible::Name)
                         .toStdString();
        for (QAction* action : window_.menuBar()->actions())
            look.menuBar.push_back(action->text().toStdString());
        const QImage client = window_.centralWidget()->grab().toImage();
        look.background = client.pixel(client.width() - 2, client.height() - 2) & 0xFFFFFF;
        look.dpi = window_.logicalDpiX();
        look.outer = {window_.frameGeometry().width(), window_.frameGeometry().height()};
        look.client = {client.width(), client.height()};
        const QRect label = window_.label()->geometry();
        look.labelRect = {label.left(), label.top(), label.right() + 1, label.bottom() + 1};
        return look;
    }

  private:
    void doubleClick() {
        const QPoint at = window_.label()->rect().center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, window_.label()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(window_.label(), &event);
        }
    }
    // Looks for the box until it is open, notes what it shows and presses OK.
    void answerBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return QTimer::singleShot(5, &window_, [this] { answerBox(); });
        box_ = {true, box->windowTitle().toStdString(), box->text().toStdString(),
                static_cast<int>(box->buttons().size()), box->icon() != QMessageBox::NoIcon};
        box->button(QMessageBox::Ok)->click();
    }

    MainWindow window_;
    QWidget other_;
    BoxSeen box_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver(RandomSource& random) {
    return std::make_unique<QtDriver>(random);
}

}  // namespace lumora::testing

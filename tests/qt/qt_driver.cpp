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

#include "tests/window/window_driver.h"
#include "window/qt/main_window.h"
#include "window/qt/verse_label.h"

namespace lumora::testing {
namespace {

// In the order of Key.
constexpr Qt::Key kQtKeys[] = {Qt::Key_A,      Qt::Key_B,      Qt::Key_C,      Qt::Key_N,
                               Qt::Key_S,      Qt::Key_V,      Qt::Key_X,      Qt::Key_1,
                               Qt::Key_Space,  Qt::Key_Tab,    Qt::Key_Return, Qt::Key_Backspace,
                               Qt::Key_Escape, Qt::Key_Delete, Qt::Key_F1};

Qt::Key qtKey(Key key) {
    return kQtKeys[static_cast<int>(key)];
}

class QtDriver final : public WindowDriver {
  public:
    explicit QtDriver(RandomSource& random) : window_(random) {}

    FormWindow& window() override { return window_; }

    bool Start() override {
        const bool started = window_.form().Start();
        return started && QTest::qWaitForWindowExposed(&window_);
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
    void Click() override { QTest::mouseClick(window_.label(), Qt::LeftButton); }
    void DoubleClick() override {
        const QPoint at = window_.label()->rect().center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, window_.label()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(window_.label(), &event);
        }
    }
    void RightClick() override { QTest::mouseClick(window_.label(), Qt::RightButton); }

    // Opens the entry with a click on the bar, then takes the item with Enter:
    // Qt 6.8 offscreen drops synthetic clicks on a popup that has just opened.
    void Choose(const char* name) override {
        auto* action = window_.findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        auto* menu = qobject_cast<QMenu*>(action->parent());
        QMenuBar* bar = window_.menuBar();
        QAction* entry = menu ? menu->menuAction() : action;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
        if (!menu) return;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    }
    void CloseFromTitleBar() override { window_.close(); }
    // The session manager has the application quit.
    void EndSession() override { QCoreApplication::quit(); }
    void Minimise() override { window_.showMinimized(); }
    void ActivateAnotherWindowOfTheProgram() override {
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        other_.show();
        other_.activateWindow();
    }
    void AnswerNextBox(int afterMs) override {
        box_ = {};
        QTimer::singleShot(afterMs, &window_, [this] { answerBox(); });
    }
    BoxSeen LastBox() const override { return box_; }

    bool Visible() const override { return window_.isVisible(); }
    std::string Title() const override { return window_.windowTitle().toStdString(); }
    std::vector<std::string> MenuBarCaptions() const override {
        std::vector<std::string> captions;
        for (QAction* action : window_.menuBar()->actions())
            captions.push_back(action->text().toStdString());
        return captions;
    }
    std::string LabelText() const override {
        return QAccessible::queryAccessibleInterface(window_.label())
            ->text(QAccessible::Name)
            .toStdString();
    }
    Rgb BackgroundPixel() const override {
        const QImage client = window_.centralWidget()->grab().toImage();
        return client.pixel(client.width() - 2, client.height() - 2) & 0xFFFFFF;
    }
    int DotsPerInch() const override { return window_.logicalDpiX(); }
    PixelSize OuterPixels() const override {
        return {window_.frameGeometry().width(), window_.frameGeometry().height()};
    }
    PixelSize ClientPixels() const override {
        return {window_.centralWidget()->width(), window_.centralWidget()->height()};
    }
    PixelRect LabelPixels() const override {
        const QRect label = window_.label()->geometry();
        return {label.left(), label.top(), label.right() + 1, label.bottom() + 1};
    }
    bool Resizable() const override { return window_.minimumSize() != window_.maximumSize(); }

  private:
    // Looks for the box until it is open, notes what it shows and presses OK.
    void answerBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(5, &window_, [this] { answerBox(); });
            return;
        }
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

// The driver for the Qt window, on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
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
    explicit QtDriver(RandomSource& random) : window_(random) {
        QObject::connect(&boxPoll_, &QTimer::timeout, &window_, [this] { answerBox(); });
    }

    FormWindow& window() override { return window_; }
    // In the application's own loop, which the end of the program leaves;
    // leaving it while the program runs ends the program too, harmlessly then.
    int Run(const std::function<void()>& play) override {
        QTimer deadline;
        deadline.callOnTimeout([] { QCoreApplication::exit(kTimedOut); });
        deadline.start(kDeadlineMs);
        QTimer::singleShot(0, &window_, [&] {
            play();
            if (!window_.form().Ended()) QCoreApplication::exit(kStillRunning);
        });
        return QApplication::exec();
    }
    bool Start() override {
        return window_.form().Start() && QTest::qWaitForWindowExposed(&window_, kDeadlineMs);
    }
    void Wait(int milliseconds) override { QTest::qWait(milliseconds); }
    // The window's contents start lower, as below a taller title bar.
    void ThickenFrame(int pixels) override { window_.setContentsMargins(0, pixels, 0, 0); }

    // To the open menu, which holds the keyboard, or else to the window.
    void Press(Key key, int modifiers) override {
        Qt::KeyboardModifiers held;
        held.setFlag(Qt::ShiftModifier, modifiers & kShift);
        held.setFlag(Qt::ControlModifier, modifiers & kControl);
        held.setFlag(Qt::AltModifier, modifiers & kAlt);
        QWidget* menu = QApplication::activePopupWidget();
        QTest::keyClick(menu ? menu : &window_, qtKey(key), held);
    }
    void Queue(Key key) override {
        QCoreApplication::postEvent(&window_, new QKeyEvent(QEvent::KeyPress, qtKey(key), {}));
    }
    void Do(const std::string& gesture) override {
        if (gesture == "click") {
            QTest::mouseClick(window_.label(), Qt::LeftButton);
        } else if (gesture == "double click") {  // press, release, double click, release
            QTest::mouseClick(window_.label(), Qt::LeftButton);
            QTest::mouseDClick(window_.label(), Qt::LeftButton);
            QTest::mouseRelease(window_.label(), Qt::LeftButton);
        } else if (gesture == "right click") {
            QTest::mouseClick(window_.label(), Qt::RightButton);
        } else if (gesture == "minimise and restore") {
            window_.showMinimized();
            window_.showNormal();
        } else if (gesture == "close from the title bar") {
            window_.close();
        } else if (gesture == "end the session") {
            QCoreApplication::quit();  // as the session manager has it
        } else if (gesture == "activate another window of the program") {
            activate(window_);
            other_.show();
            activate(other_);
        } else if (gesture == "a menu of the program takes the activation as it closes") {
            // The platform's focus change for the menu is handled only once the
            // menu has closed, as X11's may be. X11 then tells the window that
            // its activation changed, which the offscreen platform does not.
            auto* menu = window_.findChild<QMenu*>("mnuFile");
            menu->popup(window_.geometry().center());
            menu->hide();
            EXPECT_TRUE(QTest::qWaitFor([menu] { return QApplication::activeWindow() == menu; }));
            QEvent activationChange(QEvent::ActivationChange);
            QCoreApplication::sendEvent(&window_, &activationChange);
            activate(window_);
        } else if (gesture == "open the Auto menu") {
            auto* menu = window_.findChild<QMenu*>("mnuAuto");
            QTest::mouseClick(window_.menuBar(), Qt::LeftButton, {},
                              window_.menuBar()->actionGeometry(menu->menuAction()).center());
            EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
        } else if (gesture == "close the menu") {
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }));
        } else {
            ADD_FAILURE() << "no such step: " << gesture;
        }
    }
    // Opens the entry with a click on the bar, then takes the item with Enter:
    // Qt 6.8 offscreen drops synthetic clicks on a popup that has just opened.
    void Choose(const std::string& name) override {
        auto* action = window_.findChild<QAction*>(QString::fromStdString(name));
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
    // The timer's own event, as its period going by raises it.
    void Tick() override {
        if (!timer1()->isActive()) return;
        QTimerEvent elapsed(timer1()->timerId());
        QCoreApplication::sendEvent(timer1(), &elapsed);
    }
    void AnswerBoxes(std::function<void(const BoxSeen&)> whileOpen) override {
        whileOpen_ = std::move(whileOpen);
        whileOpen_ ? boxPoll_.start(5) : boxPoll_.stop();
    }

    Look Read() const override {
        Look look;
        look.visible = window_.isVisible();
        look.resizable = window_.minimumSize() != window_.maximumSize();
        const Qt::WindowFlags frame = window_.windowHandle()->flags();
        look.minimiseButton = frame.testFlag(Qt::WindowMinimizeButtonHint);
        look.maximiseButton = frame.testFlag(Qt::WindowMaximizeButtonHint);
        look.closeButton = frame.testFlag(Qt::WindowCloseButtonHint);
        look.title = window_.windowTitle().toStdString();
        look.label = QAccessible::queryAccessibleInterface(window_.label())
                         ->text(QAccessible::Name)
                         .toStdString();
        look.points = window_.label()->font().pointSizeF();
        // The height QLabel itself asks for to show its text whole.
        look.captionCut =
            window_.label()->heightForWidth(window_.label()->width()) > window_.label()->height();
        look.fore = window_.label()->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF;
        const QImage client = window_.centralWidget()->grab().toImage();
        look.back = client.pixel(client.width() - 2, client.height() - 2) & 0xFFFFFF;
        look.ticking = timer1()->isActive();
        look.period = timer1()->interval();
        for (QAction* entry : window_.menuBar()->actions()) {
            look.menuBar.push_back({entry->text().toStdString()});
            for (QAction* item : entry->menu() ? entry->menu()->actions() : QList<QAction*>())
                look.menuBar.back().push_back(item->text().toStdString());
        }
        look.outer = {window_.frameGeometry().width(), window_.frameGeometry().height()};
        look.labelFillsClient = window_.label()->geometry() == window_.centralWidget()->rect();
        return look;
    }

  private:
    // Activates `window` and waits until the application holds it active, as
    // Form1 is told of it; isActiveWindow() also counts a window whose menu is.
    static void activate(QWidget& window) {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    }
    QTimer* timer1() const { return window_.findChild<QTimer*>("Timer1"); }
    // Once the box is open: what it shows, what runs meanwhile, then OK.
    void answerBox() {
        QPointer box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        boxPoll_.stop();
        whileOpen_({box->windowTitle().toStdString(),
                    box->text().replace('\n', "\r\n").toStdString(),
                    static_cast<int>(box->buttons().size()), box->icon() != QMessageBox::NoIcon});
        if (box) box->button(QMessageBox::Ok)->click();
        boxPoll_.start(5);  // for a box the step opens next
    }

    MainWindow window_;
    QWidget other_;
    QTimer boxPoll_;
    std::function<void(const BoxSeen&)> whileOpen_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver(RandomSource& random) {
    return std::make_unique<QtDriver>(random);
}

}  // namespace lumora::testing

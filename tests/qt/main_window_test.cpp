#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <regex>

#include "catalogue/verse_catalogue.h"
#include "tests/qt/qt_fixture.h"
#include "viewer/show_next_verse.h"

namespace lumora::testing {
namespace {

using QtWindow = QtWindowTest;

// How many verses the handlers drew since `advances` draws had been made.
int versesSince(const ScriptedRandom& random, int advances) {
    return (random.advances - advances + 1000) / 2000;
}

void expectShowsVerse(const QtWindowTest& test, const ViewerState& state, const std::string& title,
                      const std::string& text, double points) {
    const CatalogueEntry& entry = LookupVerse(state.VerseIndex);
    EXPECT_EQ(title, WindowTitle(state.VerseIndex));
    EXPECT_EQ(text, entry.Caption);
    EXPECT_EQ(points, entry.FontSize.value_or(18));
    EXPECT_EQ(text, state.CurrentVerse);
    (void)test;
}

TEST_F(QtWindow, StartsAsAGoldenRectangleShowingAVerseInWhiteOnBlack) {
    EXPECT_TRUE(window.isVisible());
    expectShowsVerse(*this, state(), title(), labelText(), labelPoints());
    EXPECT_TRUE(std::regex_match(title(), std::regex("Lum\u00D0ra  Quo\u2020e   #[1-9][0-9]{0,3}"
                                                     "       ><>   ><>   ><>")));
    EXPECT_EQ(labelColour(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(labelColour(QPalette::Window), QColor(0, 0, 0));
    EXPECT_EQ(window.label()->font().bold(), true);
    // 10000 twips are 666.7 pixels at 96 DPI, realised as 667; 10005 / golden ratio = 412.
    EXPECT_EQ(window.frameGeometry().size(), QSize(667, 412));
    EXPECT_EQ(window.label()->geometry(), window.centralWidget()->rect());
    EXPECT_EQ(window.label()->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST_F(QtWindow, KeysOfTheMapActWhateverTheCaseOrModifiers) {
    const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> nextKeys = {
        {Qt::Key_B, Qt::NoModifier},         {Qt::Key_B, Qt::ShiftModifier},
        {Qt::Key_N, Qt::ControlModifier},    {Qt::Key_V, Qt::NoModifier},
        {Qt::Key_Space, Qt::NoModifier},     {Qt::Key_Tab, Qt::NoModifier},
        {Qt::Key_Return, Qt::ShiftModifier}, {Qt::Key_Enter, Qt::KeypadModifier}};
    for (const auto& [key, modifiers] : nextKeys) {
        const int advances = random.advances;
        const std::string before = state().CurrentVerse;
        QTest::keyClick(&window, key, modifiers);
        EXPECT_EQ(versesSince(random, advances), 1) << key;
        EXPECT_EQ(state().PreviousVerse, before);
        expectShowsVerse(*this, state(), title(), labelText(), labelPoints());
    }
    QTest::keyClick(&window, 'b');  // lower case
    QTest::keyClick(&window, Qt::Key_Backspace);
    EXPECT_EQ(labelText(), state().PreviousVerse);
    EXPECT_EQ(labelPoints(), 14);
}

TEST_F(QtWindow, KeysOutsideTheMapChangeNothing) {
    const std::string shownTitle = title(), shownText = labelText();
    const int advances = random.advances;
    for (Qt::Key key :
         {Qt::Key_A, Qt::Key_Delete, Qt::Key_1, Qt::Key_F1, Qt::Key_Left, Qt::Key_Comma})
        QTest::keyClick(&window, key, Qt::ShiftModifier);
    QTest::keyClick(&window, Qt::Key_C);  // shuffle: only in the Color scheme
    EXPECT_EQ(random.advances, advances);
    EXPECT_EQ(title(), shownTitle);
    EXPECT_EQ(labelText(), shownText);
}

TEST_F(QtWindow, AClickShowsOneVerseAndADoubleClickToo) {
    int advances = random.advances;
    QTest::mouseClick(window.label(), Qt::LeftButton);
    EXPECT_EQ(versesSince(random, advances), 1);
    expectShowsVerse(*this, state(), title(), labelText(), labelPoints());

    // A double click as the platform reports it: press, release, double click, release.
    advances = random.advances;
    const QPoint at = window.label()->rect().center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, window.label()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(window.label(), &event);
    }
    EXPECT_EQ(versesSince(random, advances), 1);

    advances = random.advances;
    QTest::mouseClick(window.label(), Qt::RightButton);
    EXPECT_EQ(random.advances, advances);
}

QAction* menuAction(QMainWindow& window, const char* name) {
    auto* action = window.findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name;
    return action;
}

// Clicks a top-level entry of the menu bar, then, for an entry with items, picks the item.
void chooseFromMenuBar(QMainWindow& window, const char* entry, const char* item = nullptr) {
    QMenuBar* bar = window.menuBar();
    QAction* top = nullptr;
    for (QAction* action : bar->actions())
        if (action->objectName() == entry ||
            (action->menu() && action->menu()->objectName() == entry))
            top = action;
    ASSERT_NE(top, nullptr) << entry;
    if (!item) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
        return;
    }
    QMenu* menu = top->menu();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    // The item is chosen with the keyboard: Qt 6.8 offscreen drops synthetic
    // clicks on a popup that has just opened, and Enter works on every version.
    menu->setActiveAction(menuAction(window, item));
    QTest::keyClick(menu, Qt::Key_Return);
}

TEST_F(QtWindow, MenuBarHasTheCaptionsAndCommandsOfTheDescription) {
    QStringList captions;
    for (QAction* action : window.menuBar()->actions()) captions << action->text();
    EXPECT_EQ(captions, (QStringList{"&File", "Pre&vious", "&Save", "&Auto", "Display", "SPIN"}));
    EXPECT_EQ(menuAction(window, "mnu1S")->text(), "1 sec");
    EXPECT_EQ(menuAction(window, "mnuExit")->text(), "E&xit");

    const int advances = random.advances;
    chooseFromMenuBar(window, "mnuSpin");
    EXPECT_EQ(state().SpinCount, 1001);
    EXPECT_EQ(versesSince(random, advances), 1000);
    expectShowsVerse(*this, state(), title(), labelText(), labelPoints());

    chooseFromMenuBar(window, "mnuDisplay", "mnuBW");
    EXPECT_EQ(labelColour(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(labelColour(QPalette::Window), QColor(255, 255, 255));
    chooseFromMenuBar(window, "mnuDisplay", "mnuColor");
    EXPECT_TRUE(state().ColorMode);
    EXPECT_EQ(labelColour(QPalette::Window), QColor(0, 0, 0));

    const std::string before = state().CurrentVerse;
    chooseFromMenuBar(window, "mnuPrev");
    EXPECT_EQ(labelText(), state().PreviousVerse);
    EXPECT_EQ(labelPoints(), 14);
}

TEST_F(QtWindow, AnIntervalTicksUntilSwitchedOffAndTheAboutBoxLetsTicksThrough) {
    chooseFromMenuBar(window, "mnuAuto", "mnu1S");
    auto* timer = window.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    timer->setInterval(50);  // keep the test short; the ticks are what is tested

    int advances = random.advances;
    MessageBoxAnswerer answer(400);
    menuAction(window, "mnuAbout")->trigger();  // returns once the box is answered
    ASSERT_TRUE(answer.answered);
    EXPECT_GE(versesSince(random, advances), 3);
    expectShowsVerse(*this, state(), title(), labelText(), labelPoints());
    EXPECT_EQ(answer.title.toStdString(), "Lum\u00D0ra  1100");
    EXPECT_TRUE(
        answer.text.startsWith(QString::fromUtf8("Lum\u00D0ra      (Ver 1100)\n"
                                                 "Written in C++ with Qt for Linux\n\n")));
    EXPECT_TRUE(answer.text.endsWith("\n\nFreeWare\nPublic Domain"));
    EXPECT_EQ(answer.icon, QMessageBox::NoIcon);
    EXPECT_EQ(answer.buttons, 1);

    QTest::keyClick(&window, Qt::Key_X);
    EXPECT_FALSE(timer->isActive());
    advances = random.advances;
    QTest::qWait(150);
    EXPECT_EQ(random.advances, advances);
}

TEST_F(QtWindow, SaveAppendsTheTextShownInWindows1252) {
    QTemporaryDir directory;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(directory.path());
    window.SetCaption(LookupVerse(945).Caption);  // the no-break space is one byte, 0xA0
    QTest::keyClick(&window, Qt::Key_S);
    chooseFromMenuBar(window, "mnuPrint");
    QFile file("Scripture.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray line = "\r\n" + QByteArray(
                                         "1Samuel\xA0"
                                         "8:7 -> And the LORD said unto Samuel, ");
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith(line));
    const std::string caption(LookupVerse(945).Caption);
    EXPECT_EQ(bytes.size(), 2 * (static_cast<qsizetype>(caption.size()) - 1 + 4));
    EXPECT_TRUE(bytes.endsWith("do they ever?]\r\n"));
    QDir::setCurrent(previous);
}

TEST_F(QtWindow, ASaveThatCannotOpenOrWriteIsReportedAndTheProgramGoesOn) {
    // A folder cannot be opened for appending; a full disk refuses the write.
    const std::vector<std::pair<const char*, bool (*)()>> failures = {
        {"open", [] { return QDir().mkdir("Scripture.txt"); }},
        {"write", [] { return QFile::link("/dev/full", "Scripture.txt"); }},
    };
    for (const auto& [step, makeItFail] : failures) {
        QTemporaryDir directory;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(directory.path());
        ASSERT_TRUE(makeItFail()) << step;
        MessageBoxAnswerer answer;
        QTest::keyClick(&window, Qt::Key_S);
        EXPECT_TRUE(answer.answered) << step;
        EXPECT_TRUE(answer.text.contains("\"Scripture.txt\"")) << answer.text.toStdString();
        EXPECT_TRUE(window.isVisible()) << step;
        QDir::setCurrent(previous);
    }
}

TEST(QtClosing, EscExitAndTheWindowsCloseEachEndTheLoopWithStatusZero) {
    const std::vector<std::pair<const char*, void (*)(MainWindow&)>> waysOut = {
        {"Esc", [](MainWindow& window) { QTest::keyClick(&window, Qt::Key_Escape); }},
        {"Exit", [](MainWindow& window) { menuAction(window, "mnuExit")->trigger(); }},
        {"close", [](MainWindow& window) { window.close(); }},
    };
    for (const auto& [name, close] : waysOut) {
        ScriptedRandom random;
        MainWindow window{random};
        ASSERT_TRUE(window.form().Start());
        QTimer::singleShot(0, &window, [&window, close = close] { close(window); });
        EXPECT_EQ(QApplication::exec(), 0) << name;
        EXPECT_TRUE(window.form().Ended()) << name;
        EXPECT_FALSE(window.isVisible()) << name;
    }
}

TEST_F(QtWindow, MinimisingKeepsItRunningAndAnotherWindowOfItsOwnTakingOverEndsIt) {
    window.showMinimized();
    QTest::qWait(50);
    EXPECT_FALSE(window.form().Ended());

    window.showNormal();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget ownWindow;
    ownWindow.show();
    ownWindow.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.form().Ended(); }));
    EXPECT_FALSE(window.isVisible());
}

TEST(QtStartUp, AFailureShowsTheErrorBoxEndsWithStatusOneAndNeverShowsTheWindow) {
    FailingRandom random;
    MainWindow window{random};
    MessageBoxAnswerer answer;
    EXPECT_FALSE(window.form().Start());
    EXPECT_TRUE(answer.answered);
    EXPECT_EQ(answer.text, "Overflow");
    EXPECT_EQ(answer.icon, QMessageBox::Critical);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.form().ExitStatus(), 1);
}

}  // namespace
}  // namespace lumora::testing

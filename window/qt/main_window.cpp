#include "window/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <utility>

#include "window/form1_description.h"
#include "window/qt/label_font.h"
#include "window/qt/passage_notice.h"
#include "window/qt/verse_label.h"
#include "window/qt/virtual_keys.h"
#include "window/qt/visible_frame.h"
#include "window/windows1252.h"

namespace lumora {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor toColor(Rgb colour) {
    return QColor::fromRgb(static_cast<QRgb>(colour));
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/lumora.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace

MainWindow::MainWindow(RandomSource& random)
    : FormWindow(random, "Written in C++ with Qt for Linux") {
    setObjectName("Form1");
    setWindowTitle(fromUtf8(form1::kDesignTitle));
    setWindowIcon(programIcon());
    Qt::WindowFlags frame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    frame.setFlag(Qt::WindowMinimizeButtonHint, form1::kMinimiseButton);
    frame.setFlag(Qt::WindowMaximizeButtonHint, form1::kMaximiseButton);
    setWindowFlags(frame);
    setFocusPolicy(Qt::StrongFocus);
    createMenus();
    createLabel();
    createTimer();
    // The program ends when Form1 says so, not when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { OnTerminated(); });
}

void MainWindow::createMenus() {
    auto addCommand = [this](auto* menu, const auto& element) {
        QAction* action = menu->addAction(fromUtf8(element.caption));
        action->setObjectName(fromUtf8(element.name));
        connect(action, &QAction::triggered, this,
                [this, handler = element.onClick] { OnCommand(handler); });
    };
    for (const form1::MenuEntry& entry : form1::kMenuBar) {
        if (entry.items.empty()) {
            addCommand(menuBar(), entry);
            continue;
        }
        QMenu* menu = menuBar()->addMenu(fromUtf8(entry.caption));
        menu->setObjectName(fromUtf8(entry.name));
        connect(menu, &QMenu::aboutToShow, this, [this] { OnMenuOpened(); });
        connect(menu, &QMenu::aboutToHide, this, [this] { OnMenuClosed(); });
        for (const form1::MenuItem& item : entry.items) addCommand(menu, item);
    }
}

void MainWindow::createLabel() {
    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    client->setPalette(QPalette(toColor(form1::kFormForeColor), toColor(form1::kFormBackColor)));
    setCentralWidget(client);

    label_ = new VerseLabel(client);
    notice_ = new PassageNotice(client, label_);
    QFont font = LabelFont();
    font.setPointSizeF(form1::kLabelFont.points);
    label_->setFont(font);
    QPalette colours = label_->palette();
    colours.setColor(QPalette::WindowText, toColor(form1::kLabelForeColor));
    colours.setColor(QPalette::Window, toColor(form1::kLabelBackColor));
    label_->setPalette(colours);
    const PixelRect rect = DesignLabelRect();
    label_->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    connect(label_, &VerseLabel::leftButton, this,
            [this](LeftButton event, bool onLabel) { OnLeftButton(event, onLabel); });

    const PixelSize design = DesignClientSize();
    outer_ = {design.width, design.height + menuBar()->sizeHint().height()};
    setFixedSize(outer_.width, outer_.height);
}

void MainWindow::createTimer() {
    timer1_.setParent(this);
    timer1_.setObjectName("Timer1");
    connect(&timer1_, &QTimer::timeout, this, [this] { OnTick(); });
    StartDescribedTimer();
}

// Display services.

void MainWindow::SetTitle(const std::string& title) {
    setWindowTitle(fromUtf8(title));
}

void MainWindow::ShowCaption(std::string_view caption) {
    label_->setText(fromUtf8(caption));  // raises the change of the label's accessible name
}

int MainWindow::TextHeight(std::string_view caption, double points, int width) const {
    return label_->TextHeight(fromUtf8(caption), points, width);
}

void MainWindow::AfterHandler() {
    QMetaObject::invokeMethod(
        this, [this] { OnHandlerReturned(); }, Qt::QueuedConnection);
}

// Screen readers speak a name change only on the focused object, but speak an
// announcement or a notification from anywhere.
void MainWindow::AnnouncePassage(const std::string& caption) {
    notice_->Announce(fromUtf8(caption));
}

void MainWindow::ApplyFont(double points) {
    QFont font = label_->font();
    font.setPointSizeF(points);
    label_->setFont(font);
}

void MainWindow::ApplyColours(Rgb fore, Rgb back) {
    QPalette colours = label_->palette();
    colours.setColor(QPalette::WindowText, toColor(fore));
    colours.setColor(QPalette::Window, toColor(back));
    label_->setPalette(colours);
    centralWidget()->setPalette(colours);  // the background fills the client area
}

void MainWindow::RepaintLabel() {
    label_->repaint();
}

void MainWindow::SoundBeep() {
    QApplication::beep();
}

void MainWindow::ShowMessage(const std::string& prompt, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(title), fromUtf8(prompt).replace("\r\n", "\n"),
                    QMessageBox::Ok, this);
    box.setObjectName("MessageBox");
    box.exec();  // its loop goes on delivering timer ticks
}

// Timer1: start() with a period gives up a running one.

void MainWindow::StartTicks(int milliseconds) {
    timer1_.start(milliseconds);
}

void MainWindow::StopTicks() {
    timer1_.stop();
}

// Geometry.

double MainWindow::DotsPerInch() const {
    return screen()->logicalDotsPerInchX();
}

QMargins MainWindow::frameMargins() const {
    return windowHandle() ? VisibleFrame(*windowHandle()) : QMargins();
}

PixelSize MainWindow::OuterSize() const {
    return outer_;
}

void MainWindow::ResizeOuter(PixelSize size) {
    outer_ = size;
    marginsUsed_ = frameMargins();
    setFixedSize(size.width - marginsUsed_.left() - marginsUsed_.right(),
                 size.height - marginsUsed_.top() - marginsUsed_.bottom());
}

PixelSize MainWindow::ClientSize() const {
    const QRect inside = contentsRect();
    return {inside.width(), inside.height() - menuBar()->sizeHint().height()};
}

void MainWindow::ResizeLabel(PixelSize size) {
    label_->resize(size.width, size.height);
}

PixelRect MainWindow::AvailableArea() const {
    const QRect area = screen()->availableGeometry();
    return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

void MainWindow::ShowAt(int left, int top) {
    move(left, top);
    show();
    setFocus();
    settleFrame();
}

// A window manager adds its frame only once the window is shown; the outer
// size then shrinks the client area by the frame, and the label is fitted to it.
void MainWindow::settleFrame() {
    if (frameMargins() == marginsUsed_) return;
    ResizeOuter(outer_);
    form().Deliver([&] { form().FitLabel(); });
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (isVisible()) settleFrame();
}

// Saving.

void MainWindow::AppendToFile(const std::string& fileName, const std::string& text) {
    QFile file(fromUtf8(fileName));
    // Unbuffered, so that the record reaches the file in one append.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        throw FileFailure(file.errorString().toStdString());
    const std::string bytes = EncodeWindows1252(text);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size()))
        throw FileFailure(file.errorString().toStdString());
    file.close();
    if (file.error() != QFileDevice::NoError) throw FileFailure(file.errorString().toStdString());
}

// Failures and closing.

void MainWindow::ShowFailure(const std::string& reason) {
    QMessageBox::critical(this, fromUtf8(form1::kDesignTitle), fromUtf8(reason));
}

void MainWindow::EndProgram(int exitStatus) {
    timer1_.stop();
    QApplication::closeAllWindows();
    QCoreApplication::exit(exitStatus);  // leaves every event loop, the About box's included
}

// Form1 never refuses an unload, so the window may always close.
void MainWindow::closeEvent(QCloseEvent* event) {
    OnCloseRequested();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (isActiveWindow()) notice_->WindowActivated();
    // Form1 is active while it is the application's active window; a window
    // whose menu holds the activation counts itself active too.
    const QWidget* active = QApplication::activeWindow();
    if (active == this) return;
    // Another application, the desktop or nothing leaves no active window here.
    const Qt::WindowType type = active ? active->windowType() : Qt::Widget;
    OnActivationLost({.ofThisProgram = active && active != this,
                      .messageBox = qobject_cast<const QMessageBox*>(active) != nullptr,
                      .popup = type == Qt::Popup || type == Qt::ToolTip});
}

// Keys.

void MainWindow::keyPressEvent(QKeyEvent* event) {
    OnKeyDown(VirtualKeyCode(*event), ShiftMask(*event));
}

// Tab belongs to the key map, not to focus changes.
bool MainWindow::focusNextPrevChild(bool) {
    return false;
}

}  // namespace lumora

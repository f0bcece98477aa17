#include "window/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <cmath>

#include "window/form1_description.h"
#include "window/qt/label_font.h"
#include "window/qt/verse_label.h"
#include "window/qt/virtual_keys.h"
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
    : form_(*this, random, "Written in C++ with Qt for Linux") {
    setObjectName("Form1");
    setWindowTitle(fromUtf8(form1::kDesignTitle));
    setWindowIcon(programIcon());
    // A fixed frame: the label is fitted once, at start-up.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFocusPolicy(Qt::StrongFocus);
    createMenus();
    createLabel();
    createTimer();
    // The program ends when Form1 says so, not when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { form_.Terminated(); });
}

void MainWindow::createMenus() {
    for (const form1::MenuEntry& entry : form1::kMenuBar) {
        if (entry.items.empty()) {
            QAction* command = menuBar()->addAction(fromUtf8(entry.caption));
            command->setObjectName(fromUtf8(entry.name));
            connect(command, &QAction::triggered, this, [this, handler = entry.onClick] {
                form_.Deliver([&] { (form_.viewer().*handler)(); });
            });
            continue;
        }
        QMenu* menu = menuBar()->addMenu(fromUtf8(entry.caption));
        menu->setObjectName(fromUtf8(entry.name));
        for (const form1::MenuItem& item : entry.items) {
            QAction* action = menu->addAction(fromUtf8(item.caption));
            action->setObjectName(fromUtf8(item.name));
            connect(action, &QAction::triggered, this, [this, handler = item.onClick] {
                form_.Deliver([&] { (form_.viewer().*handler)(); });
            });
        }
    }
}

void MainWindow::createLabel() {
    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    client->setPalette(QPalette(toColor(form1::kFormForeColor), toColor(form1::kFormBackColor)));
    setCentralWidget(client);

    label_ = new VerseLabel(client);
    QFont font = LabelFont();
    font.setPointSizeF(form1::kLabelFont.points);
    label_->setFont(font);
    QPalette colours = label_->palette();
    colours.setColor(QPalette::WindowText, toColor(form1::kLabelForeColor));
    colours.setColor(QPalette::Window, toColor(form1::kLabelBackColor));
    label_->setPalette(colours);
    const double twips = twipsPerPixel();
    label_->setGeometry(form1::kLabelLeft, form1::kLabelTop,
                        static_cast<int>(std::lround(form1::kLabelWidth / twips)),
                        static_cast<int>(std::lround(form1::kLabelHeight / twips)));
    connect(label_, &VerseLabel::clicked, this,
            [this] { form_.Deliver([&] { form_.viewer().Label1_Click(); }); });

    const QSize design(static_cast<int>(std::lround(form1::kDesignClientWidth / twips)),
                       static_cast<int>(std::lround(form1::kDesignClientHeight / twips)));
    setFixedSize(design.width(), design.height() + menuBar()->sizeHint().height());
}

void MainWindow::createTimer() {
    timer1_.setParent(this);
    timer1_.setObjectName("Timer1");
    timer1_.setInterval(form1::kTimerInterval);
    connect(&timer1_, &QTimer::timeout, this,
            [this] { form_.Deliver([&] { form_.viewer().Timer1_Timer(); }); });
    if (form1::kTimerEnabled) timer1_.start();
}

void MainWindow::ShowForm() {
    const QRect screen = this->screen()->availableGeometry();
    move(screen.center() - QPoint(outerPixels_.width() / 2, outerPixels_.height() / 2));
    show();
    setFocus();
    settleFrame();
}

// Display services.

void MainWindow::SetTitle(const std::string& title) {
    setWindowTitle(fromUtf8(title));
}

void MainWindow::SetCaption(std::string_view caption) {
    caption_.assign(caption);
    label_->setText(fromUtf8(caption));
}

std::string MainWindow::GetCaption() const {
    return caption_;
}

void MainWindow::SetFontSize(int points) {
    if (label_->font().pointSizeF() == points) return;
    QFont font = label_->font();
    font.setPointSizeF(points);
    label_->setFont(font);
}

void MainWindow::SetForeColor(Rgb colour) {
    if (label_->palette().color(QPalette::WindowText) == toColor(colour)) return;
    QPalette colours = label_->palette();
    colours.setColor(QPalette::WindowText, toColor(colour));
    label_->setPalette(colours);
}

void MainWindow::SetBackColor(Rgb colour) {
    if (label_->palette().color(QPalette::Window) == toColor(colour)) return;
    QPalette colours = label_->palette();
    colours.setColor(QPalette::Window, toColor(colour));
    label_->setPalette(colours);
    centralWidget()->setPalette(colours);  // the background fills the client area
}

void MainWindow::RefreshLabel() {
    label_->repaint();
}

void MainWindow::Beep() {
    QApplication::beep();
}

void MainWindow::ShowMessage(const std::string& prompt, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(title), fromUtf8(prompt).replace("\r\n", "\n"),
                    QMessageBox::Ok, this);
    box.setObjectName("MessageBox");
    box.exec();  // its loop goes on delivering timer ticks
}

// Timer1.

void MainWindow::SetEnabled(bool enabled) {
    enabled ? timer1_.start() : timer1_.stop();
}

// Setting the interval of a running timer starts its period afresh.
void MainWindow::SetInterval(int milliseconds) {
    timer1_.setInterval(milliseconds);
}

// Geometry, in twips at the screen's resolution.

double MainWindow::twipsPerPixel() const {
    return 1440.0 / screen()->logicalDotsPerInchX();
}

QMargins MainWindow::frameMargins() const {
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

void MainWindow::SetOuterWidth(int twips) {
    outerPixels_.setWidth(static_cast<int>(std::lround(twips / twipsPerPixel())));
    marginsUsed_ = frameMargins();
    setFixedWidth(outerPixels_.width() - marginsUsed_.left() - marginsUsed_.right());
}

int MainWindow::OuterWidth() const {
    return static_cast<int>(std::lround(outerPixels_.width() * twipsPerPixel()));
}

void MainWindow::SetOuterHeight(float twips) {
    outerPixels_.setHeight(static_cast<int>(std::lround(twips / twipsPerPixel())));
    marginsUsed_ = frameMargins();
    setFixedHeight(outerPixels_.height() - marginsUsed_.top() - marginsUsed_.bottom());
}

double MainWindow::ClientWidth() const {
    return width() * twipsPerPixel();
}

double MainWindow::ClientHeight() const {
    return (height() - menuBar()->sizeHint().height()) * twipsPerPixel();
}

void MainWindow::SetLabelSize(std::int16_t widthTwips, std::int16_t heightTwips) {
    label_->resize(static_cast<int>(std::lround(widthTwips / twipsPerPixel())),
                   static_cast<int>(std::lround(heightTwips / twipsPerPixel())));
}

// A window manager adds its frame only once the window is shown; the outer
// size then shrinks the client area by the frame, and the label is fitted to it.
void MainWindow::settleFrame() {
    const QMargins margins = frameMargins();
    if (margins == marginsUsed_) return;
    marginsUsed_ = margins;
    setFixedSize(outerPixels_.width() - margins.left() - margins.right(),
                 outerPixels_.height() - margins.top() - margins.bottom());
    form_.Deliver([&] { form_.FitLabel(); });
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
    form_.CloseRequested();
    event->accept();
}

// Deactivation counts only when another window of the program itself becomes
// active; the program has none (a message box is not one), so it never ends here.
void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || isActiveWindow()) return;
    QWidget* active = QApplication::activeWindow();
    if (active && active != this && !qobject_cast<QMessageBox*>(active)) form_.Deactivated();
}

// Keys.

void MainWindow::keyPressEvent(QKeyEvent* event) {
    form_.Deliver([&] { form_.viewer().Form_KeyDown(VirtualKeyCode(*event), ShiftMask(*event)); });
}

// Tab belongs to the key map, not to focus changes.
bool MainWindow::focusNextPrevChild(bool) {
    return false;
}

}  // namespace lumora

#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace lumora {

// Tells screen readers of each passage shown. Qt 6.8 and later make a polite
// announcement from `speaker`; before, this widget shows anew as a
// notification with the passage as its name, which screen readers that do not
// hear Qt's announcements (Orca 43 on Debian 12) speak as it shows. A screen
// reader hears either once Qt's accessibility bridge is connected and the
// window has been active: a passage shown before waits until then, and only
// the latest is told, once. It takes no room and no focus.
class PassageNotice final : public QWidget, public QAccessible::ActivationObserver {
    Q_OBJECT

  public:
    PassageNotice(QWidget* parent, QWidget* speaker);
    ~PassageNotice() override;

    void Announce(const QString& passage);
    void WindowActivated();

  private:
    void accessibilityActiveChanged(bool active) override;
    void tellWhenHeard();

    QWidget* speaker_;
    QString untold_;
    bool windowWasActive_ = false;
};

}  // namespace lumora

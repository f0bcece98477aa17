#pragma once

#include <QWidget>

namespace lumora {

// A notification that screen readers see with the passage as its name, shown
// anew for each passage. Screen readers that do not hear Qt's announcements
// (Qt before 6.8; Orca 43 on Debian 12) speak a notification as it shows. It
// takes no room and no focus.
class PassageNotice final : public QWidget {
    Q_OBJECT

  public:
    explicit PassageNotice(QWidget* parent);

    void Announce(const QString& passage);
};

}  // namespace lumora

#include "window/qt/passage_notice.h"

#include <QAccessibleWidget>
#include <utility>

namespace lumora {
namespace {

QAccessibleInterface* asNotification(const QString& className, QObject* object) {
    if (className != QLatin1String(PassageNotice::staticMetaObject.className())) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

}  // namespace

PassageNotice::PassageNotice(QWidget* parent, QWidget* speaker)
    : QWidget(parent), speaker_(speaker) {
    static const bool installed = (QAccessible::installFactory(asNotification), true);
    Q_UNUSED(installed);
    resize(0, 0);
    QAccessible::installActivationObserver(this);
}

PassageNotice::~PassageNotice() {
    QAccessible::removeActivationObserver(this);
}

void PassageNotice::Announce(const QString& passage) {
    untold_ = passage;
    tellWhenHeard();
}

void PassageNotice::WindowActivated() {
    windowWasActive_ = true;
    tellWhenHeard();
}

void PassageNotice::accessibilityActiveChanged(bool active) {
    if (active) tellWhenHeard();
}

void PassageNotice::tellWhenHeard() {
    if (untold_.isNull() || !windowWasActive_ || !QAccessible::isActive()) return;
    const QString passage = std::exchange(untold_, QString());
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(speaker_, passage);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
#else
    setAccessibleName(passage);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace lumora

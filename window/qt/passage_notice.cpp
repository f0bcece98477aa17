#include "window/qt/passage_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace lumora {
namespace {

QAccessibleInterface* asNotification(const QString& className, QObject* object) {
    if (className != QLatin1String(PassageNotice::staticMetaObject.className())) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

}  // namespace

PassageNotice::PassageNotice(QWidget* parent) : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(asNotification), true);
    Q_UNUSED(installed);
    resize(0, 0);
}

void PassageNotice::Announce(const QString& passage) {
    setAccessibleName(passage);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace lumora

#include "formkit/announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &message)
{
    setText(message);
    setAccessibleName(message);
    if (isHidden()) {
        show();
        lower();
        return;
    }
    // Said to be hidden and shown again, so that the showing is news even
    // when the message is the same as the last. Only said: hiding and
    // showing a widget asks the display where the pointer is, twice a
    // second while the timer fires.
    QAccessibleEvent hidden(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hidden);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

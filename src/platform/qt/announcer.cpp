#include "platform/qt/announcer.h"

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
    // Hidden and shown again, so that the showing is news even when the
    // message is the same as the last.
    hide();
    setText(message);
    setAccessibleName(message);
    show();
    lower();
}

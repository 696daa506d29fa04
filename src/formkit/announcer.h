#pragma once

#include <QLabel>

// Says something to a screen reader without moving the focus: an object of
// the notification role that becomes showing, which screen readers speak
// (Qt 6.4 has no announcement event of its own). It takes no room on the
// window. A new message replaces the one before.
class Announcer final : public QLabel
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &message);
};

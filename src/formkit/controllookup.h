#pragma once

#include <QObject>
#include <QString>

class QWidget;

// A fault in how the program is put together (a control missing from a
// design or of the wrong kind, a window used while it is not loaded):
// nothing sensible can follow, in any build type. Says so in one line on
// standard error and ends the process with status 70.
[[noreturn]] void stopOnWiringFault(const QString &what);

// Finds the controls a factory made for a window, once per load, so that
// handlers hold typed references instead of looking controls up by name.
class ControlLookup
{
public:
    ControlLookup(const QWidget &window, QString windowName);

    // The window's control of that name; stops the program when there is
    // none or it is not a Control.
    template <class Control>
    Control &get(const char *name) const
    {
        QObject *found = child(name);
        if (auto *control = qobject_cast<Control *>(found))
            return *control;
        fault(name, Control::staticMetaObject.className(), found);
    }

private:
    QObject *child(const char *name) const;
    [[noreturn]] void fault(const char *name, const char *kind, const QObject *found) const;

    const QWidget &window_;
    QString windowName_;
};

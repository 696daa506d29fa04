#pragma once

#include <QString>

// The two modal dialogs of the program. Tests answer them from a script, so
// that no test ever waits for a person.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // The text of the field on OK; an empty text on Cancel or when closed.
    virtual QString InputBox(const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;
    // buttons 0 is a single OK button without an icon; the result is 1 (OK)
    // however the box was dismissed.
    virtual int MsgBox(const QString &prompt, int buttons, const QString &title) = 0;
};

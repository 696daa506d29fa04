#pragma once

#include "runtime/dialogs.h"

class FormRuntime;

// The real dialogs: QInputDialog and QMessageBox in the program's font,
// standing over the active form.
class QtDialogs final : public Dialogs
{
public:
    explicit QtDialogs(FormRuntime &runtime);

    QString InputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    int MsgBox(const QString &prompt, int buttons, const QString &title) override;

private:
    FormRuntime &runtime_;
};

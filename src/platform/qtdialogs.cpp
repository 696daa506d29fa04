#include "platform/qtdialogs.h"

#include "platform/designunits.h"
#include "platform/formruntime.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {
QFont dialogFont()
{
    return design::gothicFont(9.75, false);
}
} // namespace

QtDialogs::QtDialogs(const FormRuntime &runtime)
    : runtime_(runtime)
{
}

QString QtDialogs::InputBox(const QString &prompt, const QString &title,
                            const QString &defaultText)
{
    QInputDialog dialog(runtime_.dialogParent());
    dialog.setFont(dialogFont());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

int QtDialogs::MsgBox(const QString &prompt, int /*buttons*/, const QString &title)
{
    // The program only ever asks for a single OK button without an icon.
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, runtime_.dialogParent());
    box.setFont(dialogFont());
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return 1; // OK, Esc and the close button all mean OK
}

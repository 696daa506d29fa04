#include "formkit/qtdialogs.h"

#include "look/designunits.h"
#include "formkit/formruntime.h"

#include <QApplication>
#include <QGridLayout>
#include <QLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

namespace {

// The dialogs' face at the size of the designs' own text: 9.75 points is
// 13 pixels at 96 dpi, the size the windows' labels and buttons are set in.
constexpr double DialogPointSize = 9.75;
// What a window manager's title bar takes beside the title's text: the
// window's icon on one side, three buttons on the other.
constexpr int TitleBarExtras = 160;
// The entry box's top edge stands this share of the way down the form
// (in twentieths): just below the middle, so that the target above it
// stays in sight.
constexpr int EntryTopTwentieths = 9;
// Room kept free at the screen's edges, and above the dialog for its
// title bar, so that it can be seen and grabbed whole.
constexpr QMargins ScreenEdges(8, 40, 8, 8);

QFont dialogFont()
{
    return design::gothicFont(DialogPointSize, false);
}

// Wide enough that a window manager can show the whole title, with room
// for its icon and buttons.
int widthForTitle(const QString &title)
{
    return QFontMetrics(QApplication::font()).horizontalAdvance(title) + TitleBarExtras;
}

// The dialog belongs to no form: a form can be unloaded, and its window
// destroyed, while the dialog is open. It stands over the form's window as a
// transient window all the same.
void standOver(QDialog &dialog, const QWidget *form)
{
    dialog.setWindowModality(Qt::ApplicationModal);
    if (!form || !form->windowHandle())
        return;
    dialog.winId(); // makes the dialog's window, to give it its transient parent
    dialog.windowHandle()->setTransientParent(form->windowHandle());
}

} // namespace

QtDialogs::QtDialogs(FormRuntime &runtime)
    : runtime_(runtime)
{
}

QString QtDialogs::InputBox(const QString &prompt, const QString &title,
                            const QString &defaultText)
{
    QInputDialog dialog;
    dialog.setLayoutDirection(Qt::LeftToRight); // as designed, in every language
    standOver(dialog, runtime_.dialogParent());
    dialog.setFont(dialogFont());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // The dialog fixes its own size from its layout, which asking for its
    // size hint builds: widen that layout.
    dialog.sizeHint();
    if (QLayout *layout = dialog.layout())
        layout->addItem(new QSpacerItem(widthForTitle(title), 0, QSizePolicy::Minimum,
                                        QSizePolicy::Minimum));
    // Over the lower half of the form, so that what the form shows at its
    // middle (the main window's target) stays in sight while N is asked.
    if (const QWidget *form = runtime_.dialogParent()) {
        dialog.adjustSize();
        const QRect frame = form->geometry();
        QRect placed(QPoint(frame.center().x() - dialog.width() / 2, frame.top() + frame.height() * EntryTopTwentieths / 20),
                     dialog.size());
        // Wholly on the screen, its title bar included, however small the screen.
        if (const QScreen *screen = form->screen()) {
            const QRect room = screen->availableGeometry().marginsRemoved(ScreenEdges);
            placed.moveRight(std::min(placed.right(), room.right()));
            placed.moveBottom(std::min(placed.bottom(), room.bottom()));
            placed.moveLeft(std::max(placed.left(), room.left()));
            placed.moveTop(std::max(placed.top(), room.top()));
        }
        dialog.move(placed.topLeft());
    }
    const FormRuntime::ModalScope modal(runtime_);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

int QtDialogs::MsgBox(const QString &prompt, int /*buttons*/, const QString &title)
{
    // The program only ever asks for a single OK button without an icon.
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok);
    box.setLayoutDirection(Qt::LeftToRight); // as designed, in every language
    standOver(box, runtime_.dialogParent());
    box.setFont(dialogFont());
    box.setEscapeButton(QMessageBox::Ok);
    // QMessageBox sizes itself from its text; a spacer in its grid keeps
    // the title from being cut.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(title), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    const FormRuntime::ModalScope modal(runtime_);
    box.exec();
    return 1; // OK, Esc and the close button all mean OK
}

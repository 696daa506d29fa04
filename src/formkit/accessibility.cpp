#include "formkit/accessibility.h"

#include "formkit/announcer.h"
#include "formkit/formwindow.h"
#include "formkit/picturebox.h"

#include <QAccessibleWidget>

namespace {

// A form's window: a frame whose children are the controls one can see.
class FormWindowAccessible final : public QAccessibleWidget
{
public:
    explicit FormWindowAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Window) {}

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shown();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shown().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget *> shown() const
    {
        QList<QWidget *> children;
        for (QObject *o : widget()->children())
            if (auto *w = qobject_cast<QWidget *>(o); w && !w->isWindow() && !w->isHidden())
                children << w;
        return children;
    }
};

// The help area: read-only text, its printed lines one per line.
class PrintedTextAccessible final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit PrintedTextAccessible(PictureBox *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                               : QAccessibleWidget::interface_cast(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? all() : QAccessibleWidget::text(t);
    }

    // QAccessibleTextInterface, over the printed lines.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return all().mid(start, end - start); }
    int characterCount() const override { return int(all().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    QString all() const { return static_cast<PictureBox *>(widget())->printedLines().join(u'\n'); }
};

class AnnouncerAccessible final : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel *>(widget())->text() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *formsFactory(const QString &className, QObject *object)
{
    if (className == u"FormWindow")
        return new FormWindowAccessible(static_cast<QWidget *>(object));
    if (className == u"PictureBox") {
        auto *box = static_cast<PictureBox *>(object);
        if (box->printsText())
            return new PrintedTextAccessible(box);
        return new QAccessibleWidget(box, QAccessible::Graphic);
    }
    if (className == u"Announcer")
        return new AnnouncerAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(formsFactory), true);
    Q_UNUSED(installed);
}

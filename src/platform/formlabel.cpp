#include "platform/formlabel.h"

FormLabel::FormLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    // Labels paint their whole rectangle and clip what does not fit.
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void FormLabel::setCaption(const QString &caption)
{
    setText(caption);
}

QString FormLabel::caption() const
{
    return text();
}

void FormLabel::setForeColor(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor FormLabel::foreColor() const
{
    return palette().color(QPalette::WindowText);
}

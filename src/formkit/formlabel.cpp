#include "formkit/formlabel.h"

#include "look/designunits.h"

#include <QPainter>

FormLabel::FormLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    // Labels paint their whole rectangle and clip what does not fit.
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void FormLabel::setFramed(bool framed)
{
    setFrameWidth(framed ? 1 : 0);
}

void FormLabel::setFrameWidth(int width)
{
    // QFrame would draw the frame in the caption's colour; the label draws
    // its own instead and keeps the room for it.
    if (width == frameWidth_)
        return;
    frameWidth_ = width;
    setContentsMargins(width, width, width, width);
    update();
}

void FormLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (frameWidth_ > 0) {
        QPainter painter(this);
        const QRect r = rect();
        const int w = frameWidth_;
        for (const QRect &edge : {QRect(0, 0, r.width(), w), QRect(0, r.height() - w, r.width(), w),
                                  QRect(0, 0, w, r.height()), QRect(r.width() - w, 0, w, r.height())})
            painter.fillRect(edge, Qt::black);
    }
}

void FormLabel::setCaption(const QString &caption)
{
    // The tally sets its captions at every shot, most often to what they
    // already say; fitting a caption that did not fit can take a dozen
    // measurements.
    if (caption == text())
        return;
    setText(caption);
    fitCaption();
    nameForScreenReaders();
}

void FormLabel::setCaptionLabel(const FormLabel *caption)
{
    captionLabel_ = caption;
    nameForScreenReaders();
}

void FormLabel::nameForScreenReaders()
{
    if (captionLabel_)
        setAccessibleName(text().isEmpty() ? captionLabel_->text()
                                           : captionLabel_->text() + QStringLiteral(": ") + text());
}

void FormLabel::setDesignFont(const QFont &font)
{
    designFont_ = font;
    setFont(font);
    fitCaption();
}

void FormLabel::fitCaption()
{
    // The designs were drawn for a narrow Japanese Gothic face; its Linux
    // stand-ins set Latin text wider, and a caption that fitted its label
    // would lose its last words. Such a caption is shown up to a quarter
    // smaller rather than cut; beyond that it is clipped as designed.
    if (designFont_.pixelSize() <= 0)
        return;
    const QRect room = contentsRect();
    const QFontMetrics designMetrics(designFont_);
    // The characters' own advances added up need no text shaping, which
    // matters for the counters rewritten at every automatic shot; kerning
    // can make the shaped text a little wider, so only a clear fit is taken
    // on their word, and a close one is measured as the label will set it.
    int width = 0;
    for (QChar c : text())
        width += designMetrics.horizontalAdvance(c);
    if (width + width / 20 + 2 >= room.width())
        width = designMetrics.horizontalAdvance(text());
    if (width < room.width() && designMetrics.height() <= room.height()) {
        if (font() != designFont_)
            setFont(designFont_);
        return; // one line at the design size: the usual case, and a cheap one
    }
    QFont f = designFont_;
    const auto fits = [&](int size) {
        f.setPixelSize(size);
        const QRect needed = QFontMetrics(f).boundingRect(
            QRect(0, 0, room.width(), 100000), int(alignment()) | Qt::TextWordWrap, text());
        return needed.height() <= room.height() && needed.width() <= room.width();
    };
    const int smallest = designFont_.pixelSize() * design::SmallestTextPercent / 100;
    int size = designFont_.pixelSize();
    while (size > smallest && !fits(size))
        --size;
    // A count past what the design's pace could reach (fast runs go to
    // millions) is one word that no wrapping helps: it is set as small as
    // it must be to be seen whole, never cut.
    if (!fits(size) && !text().contains(QLatin1Char(' ')))
        while (size > 1 && !fits(size))
            --size;
    if (f != font())
        setFont(f);
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

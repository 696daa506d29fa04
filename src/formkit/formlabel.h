#pragma once

#include "runtime/controls.h"

#include <QLabel>

// A label control: a real QLabel, so screen readers see its text.
class FormLabel final : public QLabel, public LabelControl
{
    Q_OBJECT

public:
    explicit FormLabel(QWidget *parent);

    void setCaption(const QString &caption) override;
    QString caption() const override;
    void setForeColor(const QColor &colour) override;
    QColor foreColor() const;

    // The font the design gives; the label may show its caption a little
    // smaller (see fitCaption).
    void setDesignFont(const QFont &font);
    const QFont &designFont() const { return designFont_; }

    // The label whose caption names this one's value: a screen reader hears
    // "Number of hits: 2", not a bare "2".
    void setCaptionLabel(const FormLabel *caption);

    // A single black line around the label, whatever colour the caption has.
    void setFramed(bool framed);
    bool isFramed() const { return frameWidth_ > 0; }
    // The frame's width in pixels, which grows with the window's zoom; 0: none.
    void setFrameWidth(int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitCaption();

    void nameForScreenReaders();

    QFont designFont_;
    const FormLabel *captionLabel_ = nullptr; // a sibling, made and destroyed with this one
    int frameWidth_ = 0;
};

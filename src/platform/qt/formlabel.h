#pragma once

#include "platform/runtime/controls.h"

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

    // A single black line around the label, whatever colour the caption has.
    void setFramed(bool framed);
    bool isFramed() const { return framed_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitCaption();

    QFont designFont_;
    bool framed_ = false;
};

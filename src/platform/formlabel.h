#pragma once

#include "platform/controls.h"

#include <QLabel>

// A label control: a real QLabel, so screen readers see its text.
class FormLabel final : public QLabel, public LabelControl
{
public:
    explicit FormLabel(QWidget *parent);

    void setCaption(const QString &caption) override;
    QString caption() const override;
    void setForeColor(const QColor &colour) override;
    QColor foreColor() const;
};

#pragma once

#include <QDoubleSpinBox>

#include <optional>

// The learner's guess at the success rate, in percent with at most one
// decimal, in the learner's own notation ("87.5 %", "87,5 %"), or none. What
// it cannot take (beyond 100, not a number) is refused visibly: the field
// says so while it is typed, and the prediction stays as it was, rather
// than being quietly cut to something else.
class PredictionField final : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit PredictionField(QWidget *parent = nullptr);

    // The prediction as a rate from 0 to 1; nothing when none is given.
    std::optional<double> rate() const;
    // Shows a prediction; nothing for none. Tells no change.
    void showRate(std::optional<double> rate);
    // Whether what is typed now is refused.
    bool isRefusing() const { return refusing_; }

    QValidator::State validate(QString &input, int &pos) const override;
    QString textFromValue(double value) const override;

signals:
    // The prediction given, or taken back (nothing).
    void rateChosen(std::optional<double> rate);
    // Turned on as soon as what is typed cannot be taken, off once it can,
    // or once the field shows its prediction again.
    void refusingChanged(bool refusing);

private:
    void setRefusing(bool refusing);

    bool refusing_ = false;
    bool unfinished_ = false;  // what was typed last could not be taken
    bool typedNothing_ = false; // the field was emptied
};

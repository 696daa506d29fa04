#include "results/predictionfield.h"

#include <QLineEdit>

#include <cmath>

namespace {

constexpr double None = -1; // the special value, shown as "none"

} // namespace

PredictionField::PredictionField(QWidget *parent) : QDoubleSpinBox(parent)
{
    setDecimals(1);
    setRange(None, 100);
    setSingleStep(1);
    setSpecialValueText(tr("none"));
    setSuffix(tr(" %"));
    // What cannot be taken leaves the prediction as it was.
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(false);
    setValue(None);
    connect(this, &QDoubleSpinBox::valueChanged, this, [this](double value) {
        setRefusing(false);
        emit rateChosen(rate());
        Q_UNUSED(value);
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString &typed) {
        QString text = typed;
        int pos = 0;
        const QValidator::State state = QDoubleSpinBox::validate(text, pos);
        typedNothing_ = typed.trimmed().isEmpty() || typed.trimmed() == suffix().trimmed();
        unfinished_ = state != QValidator::Acceptable && !typedNothing_;
        // Beyond what can ever be taken: said at once.
        setRefusing(state == QValidator::Invalid);
    });
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        if (typedNothing_) {
            // A field emptied takes the prediction back.
            typedNothing_ = false;
            setValue(None);
        } else if (unfinished_) {
            // The spin box has gone back to the prediction it had; the
            // learner is told why, until the next thing typed.
            setRefusing(true);
        }
        unfinished_ = false;
    });
}

std::optional<double> PredictionField::rate() const
{
    if (value() < 0)
        return std::nullopt;
    return value() / 100.0;
}

void PredictionField::showRate(std::optional<double> rate)
{
    const double shown = rate ? std::round(*rate * 1000) / 10 : None;
    if (value() == shown)
        return;
    const QSignalBlocker quiet(this);
    setValue(shown);
    setRefusing(false);
}

QValidator::State PredictionField::validate(QString &input, int &pos) const
{
    // Everything may be typed, so that the field can say what it cannot
    // take; only what it can take becomes the prediction.
    const QValidator::State state = QDoubleSpinBox::validate(input, pos);
    return state == QValidator::Invalid ? QValidator::Intermediate : state;
}

QString PredictionField::textFromValue(double value) const
{
    // A whole percent reads as one, "60 %", not "60.0 %".
    const bool whole = std::abs(value - std::round(value)) < 0.05;
    return locale().toString(value, 'f', whole ? 0 : 1);
}

void PredictionField::setRefusing(bool refusing)
{
    if (refusing == refusing_)
        return;
    refusing_ = refusing;
    emit refusingChanged(refusing);
}

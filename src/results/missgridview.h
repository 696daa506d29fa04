#pragma once

#include <QWidget>

#include <vector>

// The last 100 judged experiments as a 10 x 10 grid, one cell each, oldest
// first, row by row: those in which every shot missed are filled, so that
// 0.9^N is seen as a count ("12 in 100") rather than read as a
// probability. It fills as the experiments are judged; a screen reader
// hears its sentence.
class MissGridView final : public QWidget
{
    Q_OBJECT

public:
    explicit MissGridView(QWidget *parent = nullptr);

    // hits: of the experiments shown, oldest first (at most 100).
    void setExperiments(const std::vector<int> &hits, const QString &inWords);
    // How many of those shown missed every shot.
    int missedEveryShot() const;
    void setFocusColour(const QColor &colour);

    QSize sizeHint() const override { return {220, 260}; }
    QSize minimumSizeHint() const override { return {150, 180}; }

    static constexpr int Side = 10;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<int> hits_;
    QString inWords_;
    QColor focusColour_;
};

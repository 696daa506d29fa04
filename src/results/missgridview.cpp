#include "results/missgridview.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor Ink(40, 40, 40);
// Okabe and Ito's vermillion for the experiments that missed every shot
// (the naive guess's colour elsewhere is its orange), a pale blue for the
// rest, and grey for the cells still to come.
const QColor Missed(213, 94, 0);
const QColor Hit(204, 226, 240);
const QColor ToCome(240, 240, 240);

} // namespace

MissGridView::MissGridView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    setAccessibleName(tr("The last 100 experiments"));
}

void MissGridView::setExperiments(const std::vector<int> &hits, const QString &inWords)
{
    const std::size_t shown = std::min<std::size_t>(hits.size(), Side * Side);
    std::vector<int> kept(hits.end() - std::ptrdiff_t(shown), hits.end());
    if (kept == hits_ && inWords == inWords_)
        return;
    hits_ = std::move(kept);
    inWords_ = inWords;
    setAccessibleDescription(inWords_);
    update();
}

int MissGridView::missedEveryShot() const
{
    return int(std::count(hits_.begin(), hits_.end(), 0));
}

void MissGridView::setFocusColour(const QColor &colour)
{
    focusColour_ = colour;
    if (hasFocus())
        update();
}

void MissGridView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    const double gap = metrics.height() * 0.4;
    QFont titleFont = font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(Ink);
    // The title wraps where the grid stands narrow.
    const QRectF titleRect = QFontMetricsF(titleFont).boundingRect(
        QRectF(gap, gap, width() - 2 * gap, 10000), Qt::AlignLeft | Qt::TextWordWrap, accessibleName());
    painter.drawText(titleRect, Qt::AlignLeft | Qt::TextWordWrap, accessibleName());
    painter.setFont(font());
    // The key: what a filled cell is.
    const double line = metrics.height();
    const QRectF key(gap, titleRect.bottom() + gap * 0.5, line * 0.8, line * 0.8);
    painter.fillRect(key.translated(0, line * 0.1), Missed);
    painter.drawText(QRectF(key.right() + gap * 0.5, key.top(), width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("every shot missed"));

    // The sentence under the grid, as many lines as it takes.
    const QRectF wordsRoom(gap, 0, width() - 2 * gap, height());
    const QRectF words = metrics.boundingRect(wordsRoom, Qt::TextWordWrap, inWords_);
    const double top = key.top() + line + gap * 0.5;
    const double bottom = height() - gap - words.height() - gap;
    const double cellRoom = std::min(width() - 2 * gap, bottom - top) / Side;
    if (cellRoom >= 3) {
        const double cell = std::floor(cellRoom);
        const QPointF origin((width() - cell * Side) / 2, top);
        for (int i = 0; i < Side * Side; ++i) {
            const QRectF r(origin.x() + (i % Side) * cell, origin.y() + (i / Side) * cell, cell, cell);
            const bool judged = std::size_t(i) < hits_.size();
            const QColor fill = !judged ? ToCome : hits_[std::size_t(i)] == 0 ? Missed : Hit;
            painter.fillRect(r.adjusted(1, 1, -1, -1), fill);
        }
        painter.setPen(Ink);
        painter.drawText(QRectF(gap, origin.y() + cell * Side + gap, width() - 2 * gap, words.height()),
                         Qt::TextWordWrap | Qt::AlignLeft, inWords_);
    }
    if (hasFocus()) {
        painter.setPen(QPen(focusColour_.isValid() ? focusColour_ : palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

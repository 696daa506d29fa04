#include "runtime/clock.h"

#include <QDateTime>

float SystemClock::Timer()
{
    constexpr qint64 msecsPerMinute = 60 * 1000;
    constexpr qint64 msecsPerDay = 24 * 60 * msecsPerMinute;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const qint64 utc = now.toMSecsSinceEpoch();
    const qint64 minute = utc / msecsPerMinute;
    if (minute != offsetMinute_) {
        offsetMSecs_ = qint64(now.toLocalTime().offsetFromUtc()) * 1000;
        offsetMinute_ = minute;
    }
    const qint64 sinceMidnight = ((utc + offsetMSecs_) % msecsPerDay + msecsPerDay) % msecsPerDay;
    return static_cast<float>(sinceMidnight / 1000.0);
}

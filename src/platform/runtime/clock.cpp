#include "platform/runtime/clock.h"

#include <QTime>

float SystemClock::Timer()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

#pragma once

#include <QtGlobal>

// The time of day as the shot step reseeds from it.
class Clock
{
public:
    virtual ~Clock() = default;
    // Seconds since midnight.
    virtual float Timer() = 0;
};

class SystemClock final : public Clock
{
public:
    float Timer() override;

private:
    // The local time's offset from UTC, looked up once a minute: looking it
    // up reads the time zone afresh, and the shot step asks at every shot.
    // Offsets change only on the minute, so this is never stale.
    qint64 offsetMSecs_ = 0;
    qint64 offsetMinute_ = -1; // the UTC minute it was looked up in
};

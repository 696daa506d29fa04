#pragma once

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
};

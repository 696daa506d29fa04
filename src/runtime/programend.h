#pragma once

// Ending the program. The caller returns straight after End(), so that
// nothing of its handler runs afterwards; the real implementation leaves the
// event loop with status 0, tests only record the call.
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void End() = 0;
};

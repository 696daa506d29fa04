#pragma once

#include "runtime/programend.h"

// Ends the program by leaving the application's event loop with status 0.
class ApplicationEnd final : public ProgramEnd
{
public:
    void End() override;
};

#pragma once

#include "forms/form1.h"
#include "forms/form2.h"

// The program's two windows, wired to each other. The program shows the
// main window and the rest follows from its events.
class ShootALot
{
public:
    ShootALot(FormRuntime &runtime, const MainWindowServices &services);

    void start() { form1_.Show(); }

    Form1 &mainWindow() { return form1_; }
    Form2 &helpWindow() { return form2_; }

private:
    Form1 form1_;
    Form2 form2_;
};

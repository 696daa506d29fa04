#include "forms/shootalot.h"

// Each window keeps a reference to the other; neither uses it before start().
ShootALot::ShootALot(FormRuntime &runtime, const MainWindowServices &services)
    : form1_(runtime, services, form2_), form2_(runtime, form1_)
{
}

#include "forms/shootalot.h"

ShootALot::ShootALot(FormRuntime &runtime, const MainWindowServices &services)
    : form1_(runtime, services), form2_(runtime)
{
    form1_.setHelpForm(form2_);
    form2_.setMainForm(form1_);
}

#include "forms/form2.h"

#include "forms/form2design.h"
#include "forms/helptext.h"
#include "platform/picturebox.h"

Form2::Form2(FormRuntime &runtime)
    : Form(runtime, form2Design())
{
}

void Form2::connectEvents()
{
    onClick("Command1", [this] { Command1_Click(); });
}

void Form2::Activate()
{
    auto &text = control<PictureBox>("Picture1");
    text.Cls();
    for (const auto &line : helpText()) {
        if (line)
            text.Print(line->toString());
        else
            text.Print();
    }
}

void Form2::Command1_Click()
{
    Unload();
    if (mainForm_)
        mainForm_->Show();
}

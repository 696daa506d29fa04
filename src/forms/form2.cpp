#include "forms/form2.h"

#include "forms/form2design.h"
#include "forms/helptext.h"
#include "formkit/picturebox.h"

#include <QPushButton>

Form2::Form2(FormRuntime &runtime, Form &main)
    : DesignedForm(runtime, form2Design()), mainForm_(main)
{
}

void Form2::connectEvents()
{
    onClick(controls().Command1, [this] { Command1_Click(); });
}

void Form2::Activate()
{
    PictureBox &text = controls().Picture1;
    text.Cls();
    QStringList lines;
    for (const auto &line : helpText())
        if (line)
            lines << line->toString();
    text.fitTextWidth(lines);
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
    mainForm_.Show();
}

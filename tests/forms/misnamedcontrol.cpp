// Loads the main window from its design with one fault put in: Label2
// misspelt ("missing") or made a button ("wrongkind"). The program must stop
// at load naming the window and the control; reaching the end of main
// means it did not.
#include "programfixture.h"

#include "forms/form1design.h"
#include "formkit/formdesign.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

struct Windows
{
    Windows(FormRuntime &runtime, const MainWindowServices &services, const FormDesign &design)
        : main(runtime, services, help, design), help(runtime, main) {}
    Form1 main;
    Form2 help;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool wrongKind = argc > 1 && std::strcmp(argv[1], "wrongkind") == 0;
    FormDesign design = form1Design();
    for (ControlDesign &c : design.controls)
        if (std::strcmp(c.name, "Label2") == 0)
            wrongKind ? void(c.kind = ControlKind::CommandButton) : void(c.name = "Lable2");
    ProgramFixture fakes;
    Windows windows(fakes.runtime, {fakes.scripted, fakes.clock, fakes.dialogs, fakes.sound}, design);
    windows.main.Show();
    std::printf("the faulty design loaded\n");
    return 0;
}

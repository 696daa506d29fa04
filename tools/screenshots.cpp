// Renders the program's two windows to PNG files, for README.md:
//   shootalot_screenshots DIR
// The main window after a run of automatic shots, then the help window.
#include "programfixture.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.click(program.ui().Command2); // AutoStart
    // 61 experiments and 7 shots of the next one, fired as the timer would.
    for (int shot = 0; shot < 61 * 20 + 7; ++shot)
        program.tick();
    program.click(program.ui().Command3); // AutoStop
    program.form1().window()->grab().save(out.filePath(QStringLiteral("main-window.png")));

    program.click(program.ui().Command6); // Help
    program.form2().window()->grab().save(out.filePath(QStringLiteral("help-window.png")));
    std::printf("wrote %s and %s\n", qPrintable(out.filePath(QStringLiteral("main-window.png"))),
                qPrintable(out.filePath(QStringLiteral("help-window.png"))));
    return 0;
}

// Renders the program's two windows to PNG files, for README.md:
//   shootalot_screenshots DIR [SUFFIX]
// The main window after a run of automatic shots (main-window<SUFFIX>.png),
// the target at its middle (plot<SUFFIX>.png), then the help window
// (help-window<SUFFIX>.png), at whatever scale and theme it is started with.
#include "programfixture.h"

#include "platform/qt/designlook.h"
#include "platform/qt/picturebox.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    design::applyDesignLook();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const auto save = [&](QWidget &w, const QString &name, const QRect &area = QRect()) {
        const QString path = out.filePath(name + suffix + QStringLiteral(".png"));
        w.grab(area.isNull() ? w.rect() : area).save(path);
        std::printf("wrote %s\n", qPrintable(path));
    };

    ProgramFixture program(ProgramFixture::Randomness::Production);
    program.start(QStringLiteral("20"));
    program.click(program.ui().Command2); // AutoStart
    // 61 experiments and 7 shots of the next one, fired as the timer would.
    for (int shot = 0; shot < 61 * 20 + 7; ++shot)
        program.tick();
    program.click(program.ui().Command3); // AutoStop
    save(*program.form1().window(), QStringLiteral("main-window"));
    PictureBox &plot = program.ui().Picture1;
    save(plot, QStringLiteral("plot"), QRect(plot.rect().center() - QPoint(40, 40), QSize(80, 80)));

    program.click(program.ui().Command6); // Help
    save(*program.form2().window(), QStringLiteral("help-window"));
    return 0;
}

// Renders the program's two windows to PNG files, for README.md, in the
// desktop's language:
//   shootalot_screenshots DIR [SUFFIX [NAME,NAME...]]
// The main window after a run of automatic shots (main-window<SUFFIX>.png),
// the target at its middle (plot<SUFFIX>.png), then the help window
// (help-window<SUFFIX>.png), at whatever scale and theme it is started with.
// Then the Results window after 1,000 experiments at N = 20
// (results-window<SUFFIX>.png), and its chart across N after 1,000
// experiments at each of N = 5, 10, 20 and 50 (results-across-n<SUFFIX>.png),
// a class of 25 pooled at N = 20 (results-class<SUFFIX>.png) and the
// handout of both (handout<SUFFIX>.png).
#include "learnerfiles.h"
#include "programfixture.h"

#include "l10n/translations.h"
#include "look/designlook.h"
#include "formkit/picturebox.h"
#include "results/handout.h"
#include "results/resultswindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    design::applyDesignLook();
    const Translations translations; // in the desktop's language, as the program is
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    // The pictures to write, by name; all of them when none is named.
    const QStringList only = argc > 3 ? QString::fromLocal8Bit(argv[3]).split(u',') : QStringList();
    const auto save = [&](QWidget &w, const QString &name, const QRect &area = QRect()) {
        if (!only.isEmpty() && !only.contains(name))
            return;
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

    // The Results window beside a fresh series, a prediction made first.
    const auto freshSeries = [&](const QString &n) {
        program.dialogs.answer(n);
        program.click(program.ui().Command5); // Init
    };
    const auto fastRun = [&](qint64 experiments) {
        emit program.form1().resultsWindow()->fastRunRequested(experiments, RunPace::AtOnce);
        program.settle();
    };
    program.form1().showResults();
    ResultsWindow &results = *program.form1().resultsWindow();
    results.resize(960, 700);
    freshSeries(QStringLiteral("20"));
    program.form1().results().setPrediction(20, 0.6);
    fastRun(1000);
    save(results, QStringLiteral("results-window"));
    // A class of 25, each learner's file of 20 to 80 experiments at N = 20.
    QTemporaryDir classFolder;
    QStringList files;
    const QStringList names = {"Aiko", "Ben", "Chen", "Dana", "Emil", "Fatima", "Goro", "Hana", "Ines",
                               "Jonas", "Kenji", "Lea", "Mateo", "Nour", "Omar", "Pia", "Quentin", "Rosa",
                               "Sami", "Tom\u00e1s", "Uma", "Viktor", "Wen", "Yara", "Zoe"};
    QRandomGenerator random(25);
    for (const QString &name : names) {
        const int experiments = 20 + int(random.bounded(61));
        const QString path = classFolder.filePath(name + QStringLiteral(".csv"));
        if (!writeLearnerFile(path, learnerSeries(random, 20, experiments, name)))
            return 1;
        files << path;
    }
    results.addResultsFiles(files);
    while (results.isReadingFiles())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    program.settle();
    save(results, QStringLiteral("results-class"));
    // The handout of both, on A4, drawn at one and a half times its pixels.
    {
        const QSizeF page = QPageSize(QPageSize::A4).sizePixels(96);
        QImage sheet((page * 1.5).toSize(), QImage::Format_RGB32);
        sheet.setDevicePixelRatio(1.5);
        QPainter painter(&sheet);
        Handout(program.form1().results(), QDate::currentDate(), &results.classResults()).paint(painter, page);
        painter.end();
        const QString path = out.filePath(QStringLiteral("handout") + suffix + QStringLiteral(".png"));
        if (only.isEmpty() || only.contains(QStringLiteral("handout"))) {
            sheet.save(path);
            std::printf("wrote %s\n", qPrintable(path));
        }
    }
    results.showClass(false);
    program.settle();

    // The same series grown to 10,000: successes minus expected, and the
    // last hundred.
    fastRun(9000);
    results.findChild<QAbstractButton *>(QStringLiteral("differenceView"))->click();
    program.settle();
    save(*results.findChild<QWidget *>(QStringLiteral("runningRate")), QStringLiteral("results-difference"));
    save(*results.findChild<QWidget *>(QStringLiteral("lastHundred")), QStringLiteral("results-last-hundred"));
    results.findChild<QAbstractButton *>(QStringLiteral("rateView"))->click();
    program.settle();
    for (const char *n : {"5", "10", "50"}) {
        freshSeries(QString::fromLatin1(n));
        fastRun(1000);
    }
    results.resize(1400, 1000); // the chart across N large enough to read on its own
    QWidget *acrossN = results.findChild<QWidget *>(QStringLiteral("acrossN"));
    save(*acrossN, QStringLiteral("results-across-n"));

    program.click(program.ui().Command6); // Help
    save(*program.form2().window(), QStringLiteral("help-window"));
    return 0;
}

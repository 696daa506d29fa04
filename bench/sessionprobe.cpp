// A stand-in for the program, started by the benchmarks:
//   shootalot_probe startup   builds the program as main() does and prints
//                             "prompt" once the shot-count box is on screen
//   shootalot_probe session   fires 10^4 shots at N = 20 through the Firing
//                             handler and prints the peak resident memory in KiB
//   shootalot_probe million  10^6 experiments at N = 20 by fast runs, the
//                             Results window open; prints the resident memory in KiB
//   shootalot_probe helprounds  1000 rounds of Help and Close through the real
//                             program; prints the resident memory in KiB at
//                             rounds 50 and 1000 (SHOOTALOT_ROUNDS: more)
//   shootalot_probe bare      a bare Qt window asking the same question, for
//                             comparison: prints "prompt" once its box is shown
//   shootalot_probe ticking   a bare Qt window whose one label counts 1 to 5
//                             ten times a second, as the shot counter does while
//                             AutoStart fires at N = 5: what any window costs
//                             at that pace, for comparison; runs until killed
#include "l10n/translations.h"
#include "processmemory.h"
#include "programfixture.h"

#include "runtime/clock.h"
#include "formkit/formruntime.h"
#include "runtime/mixingrandomgenerator.h"
#include "sound/cueplayer.h"
#include "look/designlook.h"
#include "app/fontconfigwarmup.h"
#include "results/resultswindow.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Shows the real input box, says so, and then answers Cancel.
class ReportingDialogs final : public Dialogs
{
public:
    explicit ReportingDialogs(FormRuntime &runtime) : runtime_(runtime) {}
    QString InputBox(const QString &prompt, const QString &title, const QString &text) override
    {
        QInputDialog dialog(runtime_.dialogParent());
        dialog.setWindowTitle(title);
        dialog.setLabelText(prompt);
        dialog.setTextValue(text);
        dialog.show();
        QCoreApplication::processEvents();
        std::printf("prompt\n");
        std::fflush(stdout);
        return {};
    }
    int MsgBox(const QString &, int, const QString &) override { return 1; }

private:
    FormRuntime &runtime_;
};

// Answers the shot-count box with 20 at once, and keeps nothing.
class AnsweringDialogs final : public Dialogs
{
public:
    QString InputBox(const QString &, const QString &, const QString &) override
    {
        return QStringLiteral("20");
    }
    int MsgBox(const QString &, int, const QString &) override { return 1; }
};

class QuitEnd final : public ProgramEnd
{
public:
    void End() override { QCoreApplication::exit(0); }
};

// What main() gives the program, in the order it makes them (the look
// first), but for the dialogs, which each mode brings.
struct RealParts
{
    Translations translations; // the desktop's language, before any word is shown
    struct Look
    {
        Look() { design::applyDesignLook(); } // style, palette and icon
    } look;
    MixingRandomGenerator random;
    SystemClock clock;
    CuePlayer sound;
    QuitEnd end;
    FormRuntime runtime{end};

    MainWindowServices with(Dialogs &dialogs) { return {random, clock, dialogs, sound}; }
};

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("startup");
    if (mode == "startup")
        startReadingFontConfiguration(); // as main() does, first
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    if (mode == "bare") {
        QWidget window;
        window.resize(547, 620);
        window.show();
        QInputDialog dialog(&window);
        dialog.setWindowTitle(QStringLiteral("Setting the number of shots of the gun"));
        dialog.setLabelText(QStringLiteral("Please enter an integer between 5 and 50."));
        dialog.setTextValue(QStringLiteral("20"));
        dialog.show();
        QCoreApplication::processEvents();
        std::printf("prompt\n");
        std::fflush(stdout);
        return 0;
    }
    if (mode == "ticking") {
        QWidget window;
        window.setWindowTitle(QStringLiteral("Ticking window"));
        window.resize(547, 620);
        QLabel counter(&window);
        counter.setGeometry(10, 10, 40, 20);
        counter.setFrameShape(QFrame::Box);
        int shot = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, &counter,
                         [&] { counter.setNum(shot++ % 5 + 1); });
        tick.start(100);
        window.show();
        return QApplication::exec();
    }
    if (mode == "helprounds") {
        RealParts parts;
        AnsweringDialogs dialogs;
        ShootALot program(parts.runtime, parts.with(dialogs));
        program.start();
        ProgramFixture::settle();
        const int rounds = qEnvironmentVariableIsSet("SHOOTALOT_ROUNDS")
                               ? qEnvironmentVariableIntValue("SHOOTALOT_ROUNDS") : 1000;
        for (int round = 1; round <= rounds; ++round) {
            program.mainWindow().controls().Command6.click();
            ProgramFixture::settle();
            program.helpWindow().controls().Command1.click();
            ProgramFixture::settle();
            QCoreApplication::processEvents(); // what the accessibility bus has to say
            if (round == 50 || round % 1000 == 0)
                std::printf("round %d: %lld KiB\n", round, residentKiB());
        }
        return 0;
    }
    if (mode == "million") {
        ProgramFixture program(ProgramFixture::Randomness::Production);
        program.start(QStringLiteral("20"));
        program.form1().showResults();
        for (int run = 0; run < 100; ++run) {
            emit program.form1().resultsWindow()->fastRunRequested(10'000, RunPace::AtOnce);
            QCoreApplication::processEvents();
        }
        std::printf("%lld\n", residentKiB());
        return 0;
    }
    if (mode == "session") {
        ProgramFixture program(ProgramFixture::Randomness::Production);
        program.start(QStringLiteral("20"));
        for (int shot = 0; shot < 10'000; ++shot)
            program.click(program.ui().Command1);
        std::printf("%lld\n", peakResidentKiB());
        return 0;
    }

    RealParts parts;
    ReportingDialogs dialogs(parts.runtime);
    ShootALot shootALot(parts.runtime, parts.with(dialogs));
    shootALot.start();
    return QApplication::exec();
}

#include "programfixture.h"

#include "formkit/formlabel.h"
#include "formkit/picturebox.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

struct HelpLine
{
    int ideographic;
    int spaces;
    const char *text; // nullptr: an empty line
};

// The help text as the window must print it; trailing spaces are part of the text.
const HelpLine Expected[] = {
    {0, 0, nullptr},
    {1, 0, "【Problem】"},
    {3, 10, "Have you ever heard the ward 「Even those who shoot bad guns will hit it "},
    {3, 6, "if they shoot a lot」 ?"},
    {3, 10, "Supposse that a person who has the skill to hit once when shooting a gun "},
    {3, 6, "10 times shoots a gun."},
    {8, 0, "To find the probability of hitting at least once by shooting a gun several times ,"},
    {6, 0, "mathematically subtract the probability of all deriation from 1."},
    {8, 0, "Please experience the ward「Even those who shoot bad guns will hit it if they"},
    {6, 0, "shoot a lo"},
    {8, 0, "Also , compare the theoretical probability obtained mathematically with the "},
    {6, 0, "probability of the experimental result for the probability of hitting at least once."},
    {0, 0, nullptr},
    {1, 0, "【Concept of experiment】"},
    {7, 2, "The person who hits it once when he shoots a gun 10 times shoots the gun."},
    {8, 0, "For example , consider the case of firing 20 guns per experiment."},
    {8, 0, "If you hit at least once out of 20 times , it will be 「success」, otherwise"},
    {6, 0, "it will be 「failure」."},
    {8, 0, "Experiment several times and find the probability of hitting at least once "},
    {6, 0, "(number of successes / number of experiments)"},
    {0, 0, nullptr},
    {1, 0, "【Operation method】"},
    {5, 0, "■Compare the theoretical numbers with the numbers from the experimental results."},
    {8, 0, "In the gun firing count setting window , enter the number of shots of the gun"},
    {4, 4, "in one experiment as an integer and click the [OK] button."},
    {8, 0, "If you wznt to experiment manually , click the [Firing] button."},
    {8, 0, "If you want to experiment automatically , clic the [AutoStart] button."},
    {8, 0, "Click the [AutoStop] button to stop the automatic firing of the gun."},
    {8, 0, "You can restart the experiment from the beginning by clicking the [Init] button."},
};

PictureBox &helpText(ProgramFixture &program)
{
    return program.help().Picture1;
}

void openHelp(ProgramFixture &program)
{
    program.click(program.ui().Command6);
}

void closeHelp(ProgramFixture &program, const QString &n = QStringLiteral("20"))
{
    program.dialogs.answer(n);
    program.help().Command1.click();
    ProgramFixture::settle();
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void window()
    {
        ProgramFixture program;
        program.start();
        openHelp(program);
        FormWindow *window = program.form2().window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(),
                 QStringLiteral(" Even those who shoot bad guns \uFF3FHelp\uFF08Question and "
                                "Operation method\uFF09   Orvane 6.2022"));
        QCOMPARE(window->size(), QSize(617, 503));
        auto &close = program.help().Command1;
        QCOMPARE(close.text(), QStringLiteral("Close"));
        QCOMPARE(close.geometry(), QRect(560, 0, 49, 25));
        QCOMPARE(window->focusWidget(), &close);
        PictureBox &text = helpText(program);
        QCOMPARE(text.geometry(), QRect(8, 32, 601, 465));
        QCOMPARE(text.geometry().right() + 1, close.geometry().right() + 1); // edges line up
        QCOMPARE(text.palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(text.font().pixelSize(), 15);
        QCOMPARE(program.help().Line1.geometry(), QRect(8, 24, 601, 1));
    }

    void printsTheTextExactly()
    {
        ProgramFixture program;
        program.start();
        openHelp(program);
        const QStringList lines = helpText(program).printedLines();
        QCOMPARE(lines.size(), 29);
        // Screen readers read the printed text, line by line, as read-only text.
        QAccessibleInterface *read = QAccessible::queryAccessibleInterface(&helpText(program));
        QCOMPARE(read->role(), QAccessible::EditableText);
        QVERIFY(read->state().readOnly);
        QCOMPARE(read->text(QAccessible::Name), QStringLiteral("Help text"));
        QCOMPARE(read->textInterface()->text(0, read->textInterface()->characterCount()),
                 lines.join(u'\n'));
        QCOMPARE(QAccessible::queryAccessibleInterface(program.form2().window())->role(),
                 QAccessible::Window);
        for (int i = 0; i < 29; ++i) {
            const HelpLine &e = Expected[i];
            const QString &line = lines[i];
            if (!e.text) {
                QVERIFY2(line.isEmpty(), qPrintable(QStringLiteral("line %1").arg(i + 1)));
                continue;
            }
            int k = 0;
            while (k < line.size() && line[k] == QChar(0x3000))
                ++k;
            QCOMPARE(k, e.ideographic);
            int spaces = 0;
            while (k < line.size() && line[k] == u' ') {
                ++k;
                ++spaces;
            }
            QCOMPARE(spaces, e.spaces);
            QCOMPARE(line.mid(k), QString::fromUtf8(e.text));
        }
        // Everything printed stands inside the area, the last line's
        // descenders included, and no line is cut at its right edge: the
        // last columns hold nothing but the white background, and the face
        // is narrowed by no more than a quarter.
        const PictureBox &area = helpText(program);
        const QFontMetrics metrics(area.font());
        const QImage &canvas = area.canvas();
        const int edge = int(canvas.width() - 2 * canvas.devicePixelRatio());
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = edge; x < canvas.width(); ++x)
                QVERIFY2(canvas.pixel(x, y) == qRgb(255, 255, 255),
                         qPrintable(QStringLiteral("text at the edge, line %1").arg(1 + y / 15)));
        QVERIFY(area.font().stretch() >= 75);
        QCOMPARE(area.printPosition(), 29 * area.lineHeight());
        QVERIFY(28 * area.lineHeight() + metrics.height() <= area.canvas().height());
        QVERIFY(area.lineHeight() >= metrics.ascent() + 1);
    }

    void helpCloseHelpPrintsOnceFromTheTop()
    {
        ProgramFixture program;
        program.start();
        openHelp(program);
        const QImage first = helpText(program).canvas();
        closeHelp(program);
        openHelp(program);
        QCOMPARE(helpText(program).printedLines().size(), 29);
        QCOMPARE(helpText(program).canvas(), first);
    }

    void helpPlaysItsCueAndSwapsTheWindows()
    {
        ProgramFixture program;
        program.start(QStringLiteral("5"));
        for (int i = 0; i < 7; ++i)
            program.click(program.ui().Command1);
        const int playsBefore = program.sound.plays; // the verdict's chime
        openHelp(program);
        // The window is gone; the experiment state is not.
        QCOMPARE(program.state().ShotIndex, 2);
        QCOMPARE(program.state().experimentsJudged(), qint64(1));
        QVERIFY(!program.form1().isLoaded());
        QVERIFY(program.form2().isLoaded());
        QCOMPARE(program.sound.plays, playsBefore + 1);
        QCOMPARE(program.sound.lastPlayed, QStringLiteral("pinpon.wav"));
        QCOMPARE(program.runtime.loadedCount(), 1);
        closeHelp(program, QStringLiteral("7"));
        QVERIFY(program.form1().isLoaded());
        QVERIFY(!program.form2().isLoaded());
        QCOMPARE(program.runtime.loadedCount(), 1);
        QCOMPARE(program.sound.plays, playsBefore + 1); // Close plays nothing
        QCOMPARE(program.state().ShotsPerExperiment, 7);
        QCOMPARE(program.dialogs.prompts.back().defaultText, QStringLiteral("20"));
        QCOMPARE(program.programEnd.ends, 0);
    }

    void manyRoundTripsLeaveNothingBehind()
    {
        ProgramFixture program;
        program.start(QStringLiteral("5"));
        int widgetsAfterFirstRound = -1;
        int topLevelsAfterFirstRound = -1;
        for (int round = 0; round < 200; ++round) {
            for (int shot = 0; shot < program.state().ShotsPerExperiment + 2; ++shot) {
                program.scripted.pushShot(shot % 2 ? 10 : 100);
                program.click(program.ui().Command1);
            }
            QVERIFY(program.state().experimentsJudged() > 0);
            openHelp(program);
            closeHelp(program, QString::number(5 + round % 46));
            if (round == 0) {
                widgetsAfterFirstRound = int(QApplication::allWidgets().size());
                topLevelsAfterFirstRound = int(QApplication::topLevelWidgets().size());
            }
        }
        const ExperimentState &state = program.state();
        QCOMPARE(state.Hits, 0);
        QCOMPARE(state.ShotIndex, 0);
        QCOMPARE(state.Successes, qint64(0));
        QCOMPARE(state.Failures, qint64(0));
        float expected = 1;
        for (int i = 0; i < state.ShotsPerExperiment; ++i)
            expected = float(double(expected) * 0.9);
        QCOMPARE(state.MissProbability, expected); // rebuilt from 1, not accumulated
        QCOMPARE(program.valueCaptions(), QStringList(6));
        QVERIFY(!program.ui().Label15.caption().isEmpty());
        QCOMPARE(program.ui().Label9.foreColor(), QColor(Qt::black));

        QCOMPARE(int(QApplication::topLevelWidgets().size()), topLevelsAfterFirstRound);
        QCOMPARE(int(QApplication::allWidgets().size()), widgetsAfterFirstRound);

        // Only the fresh ring on the plot.
        ProgramFixture reference;
        reference.start(QStringLiteral("5"));
        QCOMPARE(program.ui().Picture1.canvas(), reference.ui().Picture1.canvas());
        QCOMPARE(program.programEnd.ends, 0);
    }

    // Nothing watches a window closing: with no window left the program
    // ends, without the exit message or its cue.
    void closingAWindowThroughItsFrameEnds_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<bool>("closeButton"); // whether the frame offers one
        QTest::newRow("the main window") << false << true;
        QTest::newRow("the help window, by Alt+F4 (no close button)") << true << false;
    }
    void closingAWindowThroughItsFrameEnds()
    {
        QFETCH(bool, help);
        QFETCH(bool, closeButton);
        ProgramFixture program;
        program.start();
        if (help)
            openHelp(program);
        const int plays = program.sound.plays;
        FormWindow *window = (help ? static_cast<Form &>(program.form2()) : program.form1()).window();
        QCOMPARE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint), closeButton);
        QVERIFY(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint)); // for a projector
        window->close();
        QCOMPARE(program.programEnd.ends, 1);
        QVERIFY(!program.form1().isLoaded() && !program.form2().isLoaded());
        QVERIFY(program.dialogs.messages.empty());
        QCOMPARE(program.sound.plays, plays);
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"

#include "fakes.h"

#include "experiment/experimentoperations.h"
#include "experiment/experimentstate.h"
#include "runtime/runtimefunctions.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

namespace {

struct EntryRig
{
    EntryRig() { ResetCounters(state); }
    ExperimentOperations operations()
    {
        return ExperimentOperations(state,
                                    {.Label2 = l, .Label4 = l, .Label5 = l, .Label9 = l,
                                     .Label11 = l, .Label13 = l, .Label15 = label15,
                                     .Picture1 = plot, .MMControl1 = multimedia},
                                    {random, clock, dialogs, end});
    }
    ExperimentState state;
    FakeLabel l, label15;
    NullPlot plot;
    RecordingMultimedia multimedia;
    ScriptedRandom random;
    FixedClock clock;
    ScriptedDialogs dialogs;
    RecordingEnd end;
};

const QString Prompt = QStringLiteral("Please enter an integer between 5 and 50.");
const QString Title = QStringLiteral("Setting the number of shots of the gun");

} // namespace

class TestShotCountEntry : public QObject
{
    Q_OBJECT

private slots:
    // Each row: the texts typed in turn; the N accepted (0: the program
    // ended) and how many times the box was shown.
    void entry_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("boxes");
        QTest::newRow("lowest bound 5 accepted") << QStringList{"5"} << 5 << 1;
        QTest::newRow("highest bound 50 accepted") << QStringList{"50"} << 50 << 1;
        QTest::newRow("50.0 gives 50") << QStringList{"50.0"} << 50 << 1;
        QTest::newRow("4.99 asked again") << QStringList{"4.99", "6"} << 6 << 2;
        QTest::newRow("50.5 asked again") << QStringList{"50.5", "6"} << 6 << 2;
        QTest::newRow("7.9 truncates to 7") << QStringList{"7.9"} << 7 << 1;
        QTest::newRow("5.5 truncates to 5") << QStringList{"5.5"} << 5 << 1;
        QTest::newRow("letters asked again") << QStringList{"abc", "8"} << 8 << 2;
        QTest::newRow("a single blank is not empty: asked again") << QStringList{" ", "9"} << 9 << 2;
        QTest::newRow("-10 asked again") << QStringList{"-10", "10"} << 10 << 2;
        QTest::newRow("12abc reads as 12") << QStringList{"12abc"} << 12 << 1;
        QTest::newRow("unchanged default gives 20") << QStringList{"20"} << 20 << 1;
        QTest::newRow("1e999 is out of range, not a crash") << QStringList{"1e999", "11"} << 11 << 2;
        QTest::newRow("many rejections, no limit")
            << QStringList{"0", "1", "2", "3", "4", "51", "99", "x", "13"} << 13 << 9;
        QTest::newRow("Cancel at the first box ends") << QStringList{""} << 0 << 1;
        QTest::newRow("emptied field after rejections ends") << QStringList{"abc", "4", ""} << 0 << 3;
    }
    void entry()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, n);
        QFETCH(int, boxes);
        EntryRig rig;
        rig.state.ShotsPerExperiment = 33; // the previous N
        for (const QString &a : answers)
            rig.dialogs.answer(a);
        const EntryOutcome outcome = rig.operations().AskShotsPerExperiment();

        QCOMPARE(int(rig.dialogs.prompts.size()), boxes);
        for (const auto &box : rig.dialogs.prompts) {
            QCOMPARE(box.prompt, Prompt);
            QCOMPARE(box.title, Title);
            QCOMPARE(box.defaultText, QStringLiteral("20")); // never the rejected text
        }
        QCOMPARE(rig.state.EntryText, answers.last());
        if (n == 0) {
            QCOMPARE(outcome, EntryOutcome::ProgramEnded);
            QCOMPARE(rig.end.ends, 1);
            QCOMPARE(int(rig.dialogs.messages.size()), 1);
            QCOMPARE(rig.dialogs.messages[0].prompt, QStringLiteral("This software will exit."));
            QCOMPARE(rig.dialogs.messages[0].title, QStringLiteral("Even those who shoots bad guns"));
            QCOMPARE(rig.dialogs.messages[0].buttons, 0);
            QCOMPARE(rig.state.Answer, 1);
            QCOMPARE(rig.state.ShotsPerExperiment, 33); // untouched
        } else {
            QCOMPARE(outcome, EntryOutcome::Accepted);
            QCOMPARE(rig.state.ShotsPerExperiment, n);
            QCOMPARE(rig.end.ends, 0); // the program ends only through the message
            QVERIFY(rig.dialogs.messages.empty());
        }
    }

    void theory_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("caption");
        QTest::newRow("N = 5") << 5 << "0.4095100";
        QTest::newRow("N = 12, double products") << 12 << "0.7175705";
        QTest::newRow("N = 20") << 20 << "0.8784233";
        QTest::newRow("N = 50") << 50 << "0.9948462";
    }
    void theory()
    {
        QFETCH(int, n);
        QFETCH(QString, caption);
        EntryRig rig;
        rig.state.ShotsPerExperiment = n;
        rig.operations().ShowTheory();
        QCOMPARE(rig.label15.text, caption);
        QCOMPARE(rig.state.LoopValue, float(n + 1));
    }

    // ShowTheory multiplies into what is there: only a reset makes it right.
    void theoryWithoutAResetAccumulates()
    {
        EntryRig rig;
        rig.state.ShotsPerExperiment = 5;
        rig.operations().ShowTheory();
        rig.operations().ShowTheory();
        EntryRig ten;
        ten.state.ShotsPerExperiment = 10;
        ten.operations().ShowTheory();
        QCOMPARE(rig.label15.text, ten.label15.text); // 0.9^5 twice is 0.9^10
        QVERIFY(rig.label15.text != QStringLiteral("0.4095100"));
    }

    // Random and hostile texts never crash the entry; each is either
    // accepted as a whole N from 5 to 50 or asked again.
    void fuzzEntry()
    {
        const quint32 seed = testSeed();
        QRandomGenerator random(seed);
        const QStringList pieces{"1e999", "-", "+", ".", "e", "E", "D", " ", "\t", "\n", "\r",
                                 "0", "5", "9", "50", "1e1", "&H", "\u3000", "\uFF15", QString(QChar(0)),
                                 "\uFFFF", "nan", "inf", "0x", "1e-999"};
        int accepted = 0;
        for (int i = 0; i < 100'000; ++i) {
            QString text;
            // One text in a hundred is very long; the rest are short and varied.
            const int roll = random.bounded(100);
            const int kind = roll == 0 ? 0 : 1 + roll % 3;
            const int length = kind == 0 ? random.bounded(100'000) : random.bounded(40);
            if (kind <= 1) {
                for (int k = 0; k < length; ++k)
                    text += QChar(char16_t(random.bounded(0x10000)));
            } else if (kind == 2) {
                const QByteArray bytes = [&] {
                    QByteArray b;
                    for (int k = 0; k < length; ++k)
                        b += char(random.bounded(256)); // invalid UTF-8 as often as not
                    return b;
                }();
                text = QString::fromUtf8(bytes);
            } else {
                for (int k = 0; k < length; ++k)
                    text += pieces[random.bounded(int(pieces.size()))];
            }
            if (text.isEmpty())
                continue;
            EntryRig rig;
            rig.dialogs.answer(text);
            rig.dialogs.answer(QStringLiteral("30"));
            QCOMPARE(rig.operations().AskShotsPerExperiment(), EntryOutcome::Accepted);
            const int n = rig.state.ShotsPerExperiment;
            QVERIFY(n >= 5 && n <= 50);
            const double value = runtime::Val(text);
            const bool inRange = value >= 5 && value <= 50;
            if (rig.dialogs.prompts.size() == 1) {
                QVERIFY(inRange); // accepted: its leading number, whole part only
                QCOMPARE(n, int(std::floor(value)));
                ++accepted;
            } else {
                QVERIFY(!inRange); // asked again, and the next answer taken
                QCOMPARE(n, 30);
            }
        }
        QVERIFY(accepted > 0); // some of them were numbers in range
    }
};

QTEST_GUILESS_MAIN(TestShotCountEntry)
#include "tst_shotcountentry.moc"

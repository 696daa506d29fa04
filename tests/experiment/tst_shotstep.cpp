#include "fakes.h"

#include "experiment/experimentoperations.h"
#include "results/experimentresults.h"
#include "experiment/experimentstate.h"
#include "runtime/mixingrandomgenerator.h"
#include "runtime/runtimefunctions.h"

#include <QTest>

#include <cmath>

namespace {

// The main window's experiment, with recorders in place of its controls.
struct Rig
{
    explicit Rig(int n, RandomSource *randomSource = nullptr)
    {
        ResetCounters(state);
        state.ShotsPerExperiment = n;
        random = randomSource ? randomSource : &scripted;
    }
    ExperimentOperations operations(PlotSurface *surface = nullptr)
    {
        return ExperimentOperations(state,
                                    {.Label2 = label2, .Label4 = label4, .Label5 = label5,
                                     .Label9 = label9, .Label11 = label11, .Label13 = label13,
                                     .Label15 = label15, .Picture1 = surface ? *surface : plot,
                                     .MMControl1 = multimedia},
                                    {*random, clock, dialogs, end,
                                     qEnvironmentVariableIsSet("SHOOTALOT_TEST_WITH_RESULTS") ? &results : nullptr});
    }
    void fire(const QString &success = QStringLiteral("成功"),
              const QString &failure = QStringLiteral("失敗"))
    {
        operations().FireShot(success, failure);
    }
    // Fires one shot landing at distance.
    void fireAt(int distance)
    {
        scripted.pushShot(distance);
        fire();
    }

    ExperimentState state;
    FakeLabel label2, label4, label5, label9, label11, label13, label15;
    RecordingPlot plot;
    RecordingMultimedia multimedia;
    ScriptedRandom scripted;
    RandomSource *random;
    FixedClock clock;
    ScriptedDialogs dialogs;
    RecordingEnd end;
    ExperimentResults results;
};

const QColor Blue = runtime::QBColor(9);
const QColor Red = runtime::QBColor(12);

} // namespace

class TestShotStep : public QObject
{
    Q_OBJECT

private slots:
    void drawTargetPlotsTheRing()
    {
        Rig rig(20);
        rig.operations().DrawTarget();
        QCOMPARE(int(rig.plot.points.size()), 6284);
        QCOMPARE(rig.plot.clears, 0); // the ring is drawn over what is there
        QCOMPARE(rig.plot.points.front(), QPointF(270, 250));
        for (const QPointF &p : rig.plot.points)
            QVERIFY(std::abs(std::hypot(p.x() - 250, p.y() - 250) - 20) < 1e-4);
        QVERIFY(std::abs(rig.state.LoopValue - 6.2837f) < 1e-3f);
    }

    void firstShotAfterAResetNeitherClearsNorRedraws()
    {
        Rig rig(5);
        rig.label9.text = QStringLiteral("成功");
        rig.fireAt(100);
        QCOMPARE(rig.state.ShotIndex, 1);
        QCOMPARE(rig.label4.text, QStringLiteral("1"));
        QCOMPARE(rig.plot.clears, 0);
        QVERIFY(rig.plot.points.empty());
        QCOMPARE(rig.label9.text, QStringLiteral("成功"));
    }

    void hitLimit_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("distance");
        QTest::addColumn<bool>("hit");
        QTest::newRow("r = 0 lands at 1, a hit") << 0.0f << 1 << true;
        QTest::newRow("distance 20 is a hit") << 0.0975f << 20 << true;
        QTest::newRow("distance 21 is a miss") << 0.1025f << 21 << false;
        QTest::newRow("largest draw lands at 200, never 201") << 1.0f - 0x1.0p-24f << 200 << false;
    }
    void hitLimit()
    {
        QFETCH(float, r);
        QFETCH(int, distance);
        QFETCH(bool, hit);
        Rig rig(5);
        rig.scripted.push(r);
        rig.scripted.push(0.0f); // direction 0: straight to the right
        rig.fire();
        QCOMPARE(rig.state.Distance, distance);
        QCOMPARE(rig.state.Hits, hit ? 1 : 0);
        QCOMPARE(rig.label2.text, hit ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(int(rig.plot.marks.size()), 1);
        const auto &mark = rig.plot.marks.front();
        QCOMPARE(mark.colour, hit ? Blue : Red);
        QCOMPARE(mark.radius, 2.0f);
        QCOMPARE(mark.centre, QPointF(250 + distance, 250));
    }

    void eachShotReseedsOnceThenDrawsTwice()
    {
        Rig rig(5);
        rig.clock.seconds = 3600.25f;
        rig.fireAt(50);
        rig.fireAt(60);
        QCOMPARE(rig.scripted.seeds, (std::vector<float>{3600.25f, 3600.25f}));
        QCOMPARE(rig.scripted.draws, 4);
    }

    void verdictOnTheLastShot_data()
    {
        QTest::addColumn<QList<int>>("distances");
        QTest::addColumn<bool>("success");
        QTest::addColumn<QString>("hits");
        QTest::newRow("no hit is a failure") << QList<int>{100, 100, 100, 100, 100} << false << "0";
        QTest::newRow("a first-shot hit is a success") << QList<int>{5, 100, 100, 100, 100} << true << "1";
        QTest::newRow("only the last shot hits: still a success")
            << QList<int>{100, 100, 100, 100, 20} << true << "1";
        QTest::newRow("last shot a miss after hits") << QList<int>{1, 2, 100, 100, 21} << true << "2";
    }
    void verdictOnTheLastShot()
    {
        QFETCH(QList<int>, distances);
        QFETCH(bool, success);
        QFETCH(QString, hits);
        Rig rig(5);
        for (int i = 0; i < 4; ++i) {
            rig.fireAt(distances[i]);
            QCOMPARE(rig.label9.text, QString()); // no verdict before the last shot
            QVERIFY(rig.multimedia.log.isEmpty());
        }
        rig.fireAt(distances[4]);
        QCOMPARE(rig.label4.text, QStringLiteral("5"));
        QCOMPARE(rig.label2.text, hits);
        QCOMPARE(rig.label9.text, success ? QStringLiteral("成功") : QStringLiteral("失敗"));
        QCOMPARE(rig.label9.foreColor, success ? Blue : Red);
        QCOMPARE(rig.state.Successes, success ? 1 : 0);
        QCOMPARE(rig.state.Failures, success ? 0 : 1);
        QCOMPARE(rig.label11.text, QStringLiteral("1"));
        QCOMPARE(rig.label5.text, success ? QStringLiteral("1.0000000") : QStringLiteral("0.0000000"));
        const QString cue = success ? QStringLiteral("Chimes.wav") : QStringLiteral("Chimes2.wav");
        QCOMPARE(rig.multimedia.log,
                 (QStringList{"command close", "file " + cue, "command Open", "command Sound"}));
    }

    void theShotAfterTheVerdictStartsAFreshExperiment()
    {
        Rig rig(5);
        for (int i = 0; i < 5; ++i)
            rig.fireAt(10);
        QCOMPARE(rig.plot.marks.size(), std::size_t(5));
        rig.fireAt(150);
        QCOMPARE(rig.label9.text, QString());
        QCOMPARE(rig.plot.clears, 1);
        QCOMPARE(int(rig.plot.points.size()), 6284); // the ring again
        QCOMPARE(int(rig.plot.marks.size()), 1);     // only the new shot's mark
        QCOMPARE(rig.label4.text, QStringLiteral("1"));
        QCOMPARE(rig.label2.text, QStringLiteral("0"));
        QCOMPARE(rig.state.Hits, 0);
    }

    void successRateReadings()
    {
        Rig rig(5);
        rig.label5.text = QStringLiteral("kept");
        for (int i = 0; i < 4; ++i)
            rig.fireAt(10);
        QCOMPARE(rig.label11.text, QStringLiteral("0"));
        QCOMPARE(rig.label13.text, QStringLiteral("0"));
        QCOMPARE(rig.label5.text, QStringLiteral("kept")); // nothing judged yet
        rig.fireAt(10);
        QCOMPARE(rig.label5.text, QStringLiteral("1.0000000"));
        for (int i = 0; i < 5; ++i)
            rig.fireAt(10);
        for (int i = 0; i < 5; ++i)
            rig.fireAt(150);
        QCOMPARE(rig.label13.text, QStringLiteral("2"));
        QCOMPARE(rig.label11.text, QStringLiteral("3"));
        QCOMPARE(rig.label5.text, QStringLiteral("0.6666667"));
    }

    void theTallyGoesPast32767()
    {
        Rig rig(5);
        rig.state.Successes = 32767;
        rig.state.Failures = 40000;
        for (int i = 0; i < 5; ++i)
            rig.fireAt(10);
        QCOMPARE(rig.state.Successes, qint64(32768));
        QCOMPARE(rig.label13.text, QStringLiteral("32768"));
        QCOMPARE(rig.label11.text, QStringLiteral("72768"));
        QCOMPARE(rig.label5.text, runtime::Format(32768.0 / 72768.0, u"0.0000000"));
    }

    // Through the real shot step and the program's generator: the hit rate
    // is 1/10 and the success rate 1 - 0.9^N, within 4 standard deviations.
    void ratesMatchTheTheory_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("N = 5") << 5;
        QTest::newRow("N = 20") << 20;
    }
    void ratesMatchTheTheory()
    {
        QFETCH(int, n);
        const quint32 seed = testSeed();
        MixingRandomGenerator generator(seed);
        Rig rig(n, &generator);
        NullPlot plot;
        ExperimentOperations experiment = rig.operations(&plot);
        const int shots = 1'000'000 / n * n;
        qint64 hits = 0;
        for (int i = 0; i < shots; ++i) {
            rig.clock.seconds = float(i / 10) * 0.01f; // the clock moves slower than the shots
            experiment.FireShot(QStringLiteral("Success"), QStringLiteral("Failure"));
            hits += IsHit(rig.state.Distance);
        }
        const double hitRate = double(hits) / shots;
        const double hitSd = std::sqrt(0.1 * 0.9 / shots);
        QVERIFY2(std::abs(hitRate - 0.1) < 4 * hitSd,
                 qPrintable(QStringLiteral("hit rate %1, seed %2").arg(hitRate).arg(seed)));

        const qint64 experiments = rig.state.experimentsJudged();
        QCOMPARE(experiments, qint64(shots / n));
        const double p = 1 - std::pow(0.9, n);
        const double rate = double(rig.state.Successes) / double(experiments);
        const double sd = std::sqrt(p * (1 - p) / double(experiments));
        QVERIFY2(std::abs(rate - p) < 4 * sd,
                 qPrintable(QStringLiteral("rate %1, expected %2 +- %3, seed %4")
                                .arg(rate).arg(p).arg(4 * sd).arg(seed)));
    }
};

QTEST_GUILESS_MAIN(TestShotStep)
#include "tst_shotstep.moc"

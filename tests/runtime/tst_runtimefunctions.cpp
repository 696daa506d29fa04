#include "fakes.h"

#include "runtime/clock.h"
#include "runtime/playcue.h"
#include "runtime/runtimefunctions.h"

#include <QLocale>
#include <QTime>
#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

class TestRuntimeFunctions : public QObject
{
    Q_OBJECT

private slots:
    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("whole number") << "20" << 20.0;
        QTest::newRow("decimal") << "7.9" << 7.9;
        QTest::newRow("trailing point") << "50." << 50.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("negative") << "-10" << -10.0;
        QTest::newRow("explicit plus") << "+12" << 12.0;
        QTest::newRow("letters after the number are ignored") << "12abc" << 12.0;
        QTest::newRow("letters only") << "abc" << 0.0;
        QTest::newRow("single blank") << " " << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks inside the digits") << " 1 2 . 5 " << 12.5;
        QTest::newRow("tabs and line ends are blanks") << "\t1\n2\r" << 12.0;
        QTest::newRow("blank between sign and digits") << "- 7" << -7.0;
        QTest::newRow("exponent") << "1.5e1" << 15.0;
        QTest::newRow("D exponent") << "2D1" << 20.0;
        QTest::newRow("exponent with sign") << "500e-1" << 50.0;
        QTest::newRow("exponent without digits stops") << "12e" << 12.0;
        QTest::newRow("exponent sign without digits stops") << "12e+x" << 12.0;
        QTest::newRow("comma is not a decimal point") << "7,9" << 7.0;
        QTest::newRow("second point ends the number") << "1.2.3" << 1.2;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("fullwidth digits are not digits") << QString::fromUtf8("２０") << 0.0;
        QTest::newRow("overflow is infinite") << "1e999" << inf;
        QTest::newRow("negative overflow") << "-1e999" << -inf;
        QTest::newRow("huge digit string") << QString(400, u'9') << inf;
        QTest::newRow("underflow is zero") << "1e-999" << 0.0;
        QTest::newRow("small fraction with huge exponent overflows") << "0.0001e400" << inf;
        QTest::newRow("absurd exponent") << "1e99999999999999999999999" << inf;
    }
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(runtime::Val(text), expected);
    }

    void valIgnoresTheUsersLocale()
    {
        // A German user writes "7,9"; the entry still reads "." as the point.
        QLocale::setDefault(QLocale(QLocale::German));
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        QCOMPARE(runtime::Val(u"7.9"), 7.9);
        QCOMPARE(runtime::Format(0.5, u"0.0000000"), QStringLiteral("0.5000000"));
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }

    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one") << 1.0 << "1.0000000";
        QTest::newRow("two thirds rounds up") << 2.0 / 3.0 << "0.6666667";
        QTest::newRow("zero keeps its leading digit") << 0.0 << "0.0000000";
        QTest::newRow("one third rounds down") << 1.0 / 3.0 << "0.3333333";
        QTest::newRow("single precision value") << double(0.8784233f) << "0.8784233";
    }
    void format()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(runtime::Format(value, u"0.0000000"), expected);
    }

    void intFloorsTowardsMinusInfinity_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("fraction dropped") << 7.9 << 7;
        QTest::newRow("whole") << 50.0 << 50;
        QTest::newRow("negative goes down") << -0.5 << -1;
        QTest::newRow("just below 201") << 200.99998 << 200;
    }
    void intFloorsTowardsMinusInfinity()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(runtime::Int(value), expected);
    }

    // The multimedia control hears the command words in a fixed order.
    // Seconds since local midnight, wherever the school is.
    void timerIsTheLocalTimeOfDay_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("UTC") << QByteArray("UTC");
        QTest::newRow("Tokyo, ahead of UTC") << QByteArray("Asia/Tokyo");
        QTest::newRow("Newfoundland, half an hour off and behind") << QByteArray("America/St_Johns");
        QTest::newRow("Kiritimati, 14 hours ahead") << QByteArray("Pacific/Kiritimati");
    }
    void timerIsTheLocalTimeOfDay()
    {
        QFETCH(QByteArray, zone);
        const QByteArray saved = qgetenv("TZ");
        qputenv("TZ", zone);
        SystemClock clock;
        const double expected = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
        const double told = clock.Timer();
        const double again = clock.Timer();
        if (saved.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", saved);
        constexpr double day = 24 * 60 * 60;
        const double apart = std::fmod(told - expected + 1.5 * day, day) - 0.5 * day; // across midnight too
        QVERIFY2(std::abs(apart) < 1.0, qPrintable(QStringLiteral("%1 s against %2 s").arg(told).arg(expected)));
        QVERIFY(told >= 0 && told < day);
        QVERIFY(again >= told || told - again > day - 2); // the second ask, later or past midnight
    }

    void playCueSendsTheCommandSequence_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("full cue stops and closes first")
            << "pinpon.wav" << int(CueKind::Full)
            << QStringList{"command Stop", "command Close", "file pinpon.wav", "command Open",
                           "command Sound"};
        QTest::newRow("short cue only closes, in lower case")
            << "Chimes.wav" << int(CueKind::Short)
            << QStringList{"command close", "file Chimes.wav", "command Open", "command Sound"};
    }
    void playCueSendsTheCommandSequence()
    {
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(QStringList, expected);
        RecordingMultimedia control;
        PlayCue(control, file, CueKind(kind));
        QCOMPARE(control.log, expected);
    }
};

QTEST_GUILESS_MAIN(TestRuntimeFunctions)
#include "tst_runtimefunctions.moc"

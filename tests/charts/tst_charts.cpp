// The chart widget and its scales: ticks where a reader expects them, data
// units on the right pixels, and a chart drawn over its kept backdrop
// exactly as one drawn afresh.
#include "charts/chartscale.h"
#include "charts/chartview.h"

#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(ChartData)

class TestCharts : public QObject
{
    Q_OBJECT

private slots:
    void niceStepCutsTheRange_data();
    void niceStepCutsTheRange();
    void ticks_data();
    void ticks();
    void mapping_data();
    void mapping();
    void keptBackdropDrawsAsAfresh_data();
    void keptBackdropDrawsAsAfresh();
    void aDraggedCornerIsDrawnAfreshOnceItRests();
};

void TestCharts::niceStepCutsTheRange_data()
{
    QTest::addColumn<double>("range");
    QTest::addColumn<int>("most");
    QTest::addColumn<double>("step");
    QTest::newRow("0 to 1 in at most 5: fifths") << 1.0 << 5 << 0.2;
    QTest::newRow("100 in at most 8: twenties") << 100.0 << 8 << 20.0;
    QTest::newRow("50 in at most 8: tens") << 50.0 << 8 << 10.0;
    QTest::newRow("7 in at most 7: ones") << 7.0 << 7 << 1.0;
    QTest::newRow("0.03 in at most 5: hundredths") << 0.03 << 5 << 0.01;
    QTest::newRow("a million in at most 5: 200,000") << 1e6 << 5 << 2e5;
    QTest::newRow("no range") << 0.0 << 5 << 1.0;
    QTest::newRow("upside down") << -3.0 << 5 << 1.0;
}

void TestCharts::niceStepCutsTheRange()
{
    QFETCH(double, range);
    QFETCH(int, most);
    QFETCH(double, step);
    QCOMPARE(niceStep(range, most), step);
}

namespace {

ChartData axes(double xMin, double xMax, double yMin, double yMax)
{
    ChartData chart;
    chart.xMin = xMin;
    chart.xMax = xMax;
    chart.yMin = yMin;
    chart.yMax = yMax;
    return chart;
}

QString inWords(const QList<double> &ticks)
{
    QStringList words;
    for (double tick : ticks)
        words << QString::number(tick);
    return words.join(QStringLiteral(", "));
}

bool sameTicks(const QList<double> &got, const QList<double> &expected)
{
    if (got.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < got.size(); ++i)
        if (std::abs(got[i] - expected[i]) > 1e-9 * std::max(1.0, std::abs(expected[i])))
            return false;
    return true;
}

} // namespace

void TestCharts::ticks_data()
{
    QTest::addColumn<ChartData>("chart");
    QTest::addColumn<QList<double>>("xExpected");
    QTest::addColumn<QList<double>>("yExpected");

    QTest::newRow("N from 0 to 50, rates from 0 to 1")
        << axes(0, 50, 0, 1) << QList<double>{0, 10, 20, 30, 40, 50} << QList<double>{0, 0.2, 0.4, 0.6, 0.8, 1};
    ChartData whole = axes(0, 3, 0, 10);
    whole.integerX = true;
    QTest::newRow("hits from 0 to 3: whole numbers only")
        << whole << QList<double>{0, 1, 2, 3} << QList<double>{0, 2, 4, 6, 8, 10};
    QTest::newRow("0 to 3 where halves may stand")
        << axes(0, 3, 0, 10) << QList<double>{0, 0.5, 1, 1.5, 2, 2.5, 3} << QList<double>{0, 2, 4, 6, 8, 10};
    QTest::newRow("an axis that starts between steps")
        << axes(3, 17, 0.25, 0.75) << QList<double>{4, 6, 8, 10, 12, 14, 16} << QList<double>{0.3, 0.4, 0.5, 0.6, 0.7};
    QTest::newRow("rates with room above 100 %: still by fifths")
        << axes(0, 50, 0, 1.06) << QList<double>{0, 10, 20, 30, 40, 50} << QList<double>{0, 0.2, 0.4, 0.6, 0.8, 1};
    ChartData decades = axes(1, 10000, 0, 1);
    decades.logX = true;
    QTest::newRow("experiments from 1 to 10,000 by decades")
        << decades << QList<double>{1, 10, 100, 1000, 10000} << QList<double>{0, 0.2, 0.4, 0.6, 0.8, 1};
}

void TestCharts::ticks()
{
    QFETCH(ChartData, chart);
    QFETCH(QList<double>, xExpected);
    QFETCH(QList<double>, yExpected);
    const QList<double> x = xTicks(chart);
    const QList<double> y = yTicks(chart);
    QVERIFY2(sameTicks(x, xExpected), qPrintable(QStringLiteral("x ticks %1").arg(inWords(x))));
    QVERIFY2(sameTicks(y, yExpected), qPrintable(QStringLiteral("y ticks %1").arg(inWords(y))));
}

void TestCharts::mapping_data()
{
    QTest::addColumn<ChartData>("chart");
    QTest::addColumn<QPointF>("value");
    QTest::addColumn<QPointF>("pixel");
    const ChartData linear = axes(0, 10, 0, 1);
    QTest::newRow("the axes' start: bottom left") << linear << QPointF(0, 0) << QPointF(100, 50);
    QTest::newRow("the middle") << linear << QPointF(5, 0.5) << QPointF(200, 25);
    QTest::newRow("the axes' end: top right") << linear << QPointF(10, 1) << QPointF(300, 0);
    ChartData decades = axes(1, 100, 0, 1);
    decades.logX = true;
    QTest::newRow("a decade of two: halfway") << decades << QPointF(10, 0) << QPointF(200, 50);
    QTest::newRow("below a logarithmic axis: at its start") << decades << QPointF(0.5, 1) << QPointF(100, 0);
}

void TestCharts::mapping()
{
    QFETCH(ChartData, chart);
    QFETCH(QPointF, value);
    QFETCH(QPointF, pixel);
    const ChartMapping map(chart, QRectF(100, 0, 200, 50));
    const QPointF got = map.at(value);
    QVERIFY2(std::abs(got.x() - pixel.x()) < 1e-9 && std::abs(got.y() - pixel.y()) < 1e-9,
             qPrintable(QStringLiteral("(%1, %2)").arg(got.x()).arg(got.y())));
}

namespace {

// A chart with every kind of series and something of everything around it.
ChartData everything()
{
    ChartData chart = axes(0, 20, 0, 1);
    chart.title = QStringLiteral("Success rate");
    chart.xTitle = QStringLiteral("Experiments");
    chart.yTitle = QStringLiteral("Rate");
    chart.yAsPercent = true;
    ChartSeries band;
    band.kind = ChartSeries::Kind::Band;
    band.label = QStringLiteral("95 % band");
    band.colour = QColor(200, 220, 255);
    band.points = {{0, 0.9}, {20, 0.95}};
    band.lower = {{0, 0.6}, {20, 0.8}};
    ChartSeries theory;
    theory.label = QStringLiteral("Theory");
    theory.colour = Qt::darkGreen;
    theory.style = Qt::DashLine;
    theory.points = {{0, 0.88}, {20, 0.88}};
    ChartSeries bars;
    bars.kind = ChartSeries::Kind::Bars;
    bars.label = QStringLiteral("Hits");
    bars.colour = QColor(120, 120, 200);
    bars.points = {{2, 0.3}, {5, 0.5}, {9, 0.2}};
    ChartSeries measured;
    measured.kind = ChartSeries::Kind::Points;
    measured.label = QStringLiteral("Measured");
    measured.colour = Qt::red;
    measured.marker = ChartSeries::Marker::Diamond;
    measured.points = {{4, 0.7}, {12, 0.85}};
    measured.intervals = {{0.6, 0.8}, {0.8, 0.9}};
    ChartSeries running;
    running.label = QStringLiteral("So far");
    running.colour = Qt::blue;
    running.marker = ChartSeries::Marker::Circle;
    running.live = true;
    running.points = {{1, 1}, {2, 0.5}, {3, 0.67}, {4, 0.75}};
    chart.series = {band, theory, bars, measured, running};
    chart.notes = {{QPointF(10, 0.5), QStringLiteral("n = 4")}};
    chart.description = QStringLiteral("Four experiments");
    return chart;
}

using Change = std::function<void(ChartData &)>;

} // namespace

Q_DECLARE_METATYPE(Change)

void TestCharts::keptBackdropDrawsAsAfresh_data()
{
    QTest::addColumn<Change>("change");
    auto row = [](const char *name, Change change) { QTest::newRow(name) << change; };
    row("the title", [](ChartData &c) { c.title = QStringLiteral("Hits"); });
    row("the x axis's title", [](ChartData &c) { c.xTitle = QStringLiteral("N"); });
    row("the y axis's title", [](ChartData &c) { c.yTitle = QStringLiteral("Share"); });
    row("the x axis's start", [](ChartData &c) { c.xMin = 1; });
    row("the x axis's end", [](ChartData &c) { c.xMax = 50; });
    row("the y axis's start", [](ChartData &c) { c.yMin = 0.5; });
    row("the y axis's end", [](ChartData &c) { c.yMax = 2; });
    row("a logarithmic x axis", [](ChartData &c) { c.xMin = 1; c.logX = true; });
    row("y as plain numbers", [](ChartData &c) { c.yAsPercent = false; });
    row("whole-number x ticks", [](ChartData &c) { c.xMax = 3; c.integerX = true; });
    row("a kept series' points", [](ChartData &c) { c.series[1].points = {{0, 0.7}, {20, 0.7}}; });
    row("a kept band's lower edge", [](ChartData &c) { c.series[0].lower = {{0, 0.3}, {20, 0.4}}; });
    row("a kept series' intervals", [](ChartData &c) { c.series[3].intervals = {{0.2, 0.9}, {0.1, 0.95}}; });
    row("a kept bar's width", [](ChartData &c) { c.series[2].barWidth = 0.3; });
    row("a kept series' pen", [](ChartData &c) { c.series[1].width = 5; });
    row("a kept series' colour", [](ChartData &c) { c.series[1].colour = Qt::magenta; });
    row("a live series' colour", [](ChartData &c) { c.series[4].colour = Qt::darkYellow; });
    row("a live series' line style", [](ChartData &c) { c.series[4].style = Qt::DotLine; });
    row("a live series' pen", [](ChartData &c) { c.series[4].width = 6; });
    row("a live series' marker", [](ChartData &c) { c.series[4].marker = ChartSeries::Marker::None; });
    row("a live series' label", [](ChartData &c) { c.series[4].label = QStringLiteral("Running rate"); });
    row("a live series' kind", [](ChartData &c) { c.series[4].kind = ChartSeries::Kind::Points; });
    row("a series no longer live", [](ChartData &c) { c.series[4].live = false; });
    row("a series fewer", [](ChartData &c) { c.series.removeAt(2); });
    row("a live series' points", [](ChartData &c) { c.series[4].points << QPointF(5, 0.8); });
    row("the notes", [](ChartData &c) { c.notes = {{QPointF(15, 0.2), QStringLiteral("n = 5")}}; });
    row("nothing", [](ChartData &) {});
}

void TestCharts::keptBackdropDrawsAsAfresh()
{
    QFETCH(Change, change);
    ChartData changed = everything();
    change(changed);

    // Shown, so that its size is settled: a hidden widget is sent its size
    // again at every grab, which would throw the backdrop away.
    // Neither takes the focus, whose ring only the window shown last would
    // wear.
    ChartView kept;
    kept.setFocusPolicy(Qt::NoFocus);
    kept.resize(420, 260);
    kept.setChart(everything());
    kept.show();
    QVERIFY(QTest::qWaitForWindowExposed(&kept));
    kept.grab(); // the backdrop drawn and kept
    kept.setChart(changed);
    const QImage overKept = kept.grab().toImage();

    ChartView fresh;
    fresh.setFocusPolicy(Qt::NoFocus);
    fresh.resize(420, 260);
    fresh.setChart(changed);
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    const QImage afresh = fresh.grab().toImage();

    QCOMPARE(overKept.size(), afresh.size());
    QVERIFY2(overKept == afresh, "the chart drawn over its kept backdrop differs from one drawn afresh");
}

void TestCharts::aDraggedCornerIsDrawnAfreshOnceItRests()
{
    // In a window, as the charts are: a child is resized at once.
    QWidget window;
    window.resize(600, 400);
    ChartView fresh(&window), dragged(&window);
    for (ChartView *view : {&fresh, &dragged}) {
        view->setFocusPolicy(Qt::NoFocus);
        view->setChart(everything());
    }
    fresh.setGeometry(0, 0, 560, 340);
    dragged.setGeometry(0, 0, 420, 260);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage afresh = fresh.grab().toImage();
    fresh.hide();

    // The sizes of a drag, one after the other, each painted: shown
    // stretched meanwhile.
    dragged.resize(500, 300);
    dragged.grab();
    dragged.resize(560, 340);
    QVERIFY2(dragged.grab().toImage() != afresh, "no drawing was spared while the size changed");
    QTRY_VERIFY2(dragged.grab().toImage() == afresh, "the chart was not drawn anew once the size rested");
}

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"

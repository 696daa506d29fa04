// The windows on the screens schools have, with a real window manager: run
// by CTest on virtual X displays of several sizes and scales (see
// tests/CMakeLists.txt and tests/app/with-window-manager.sh).
#include "programfixture.h"

#include "forms/form1design.h"
#include "formkit/designlayout.h"
#include "look/designlook.h"
#include "formkit/picturebox.h"
#include "results/resultswindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <optional>

namespace {

QRect screenArea()
{
    return QGuiApplication::primaryScreen()->geometry();
}

// The frame the window manager put around window, from what it says on the
// window itself (_NET_FRAME_EXTENTS, in the screen's pixels); none until it
// has framed it. (Qt's own idea of the frame can lag behind.)
std::optional<QMargins> frameExtents(QWidget &window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                          QStringLiteral("_NET_FRAME_EXTENTS")});
    xprop.waitForFinished();
    const QString said = QString::fromLatin1(xprop.readAllStandardOutput());
    const qsizetype equals = said.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    const QStringList values = said.mid(equals + 1).split(u',');
    if (values.size() != 4)
        return std::nullopt;
    const auto at = [&](int i) { return values[i].trimmed().toInt(); };
    return QMargins(at(0), at(2), at(1), at(3)); // said as left, right, top, bottom
}

std::optional<QPoint> xPosition(QWidget &window);

// Every visible control of window, and the window's frame, lie on the
// screen. (A maximised window's frame may hang its borders over the edge.)
// The frame is measured in the screen's own pixels, as the X server has it.
void checkOnScreen(QWidget &window, const char *what)
{
    const QRect screen = screenArea();
    const qreal ratio = window.devicePixelRatioF();
    const QRect nativeScreen(QPoint(0, 0), screen.size() * ratio);
    const QRect frame = QRect(xPosition(window).value_or(QPoint()), window.size() * ratio)
                            .marginsAdded(frameExtents(window).value_or(QMargins()));
    QVERIFY2(window.isMaximized() || nativeScreen.contains(frame),
             qPrintable(QStringLiteral("%1: frame %2,%3 %4x%5 on a screen of %6x%7 pixels")
                            .arg(QLatin1String(what)).arg(frame.x()).arg(frame.y()).arg(frame.width())
                            .arg(frame.height()).arg(nativeScreen.width()).arg(nativeScreen.height())));
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (!control->isVisible() || control->size().isEmpty())
            continue;
        const QRect global(control->mapToGlobal(QPoint(0, 0)), control->size());
        QVERIFY2(screen.contains(global),
                 qPrintable(QStringLiteral("%1: %2 at %3,%4 %5x%6")
                                .arg(QLatin1String(what), control->objectName()).arg(global.x())
                                .arg(global.y()).arg(global.width()).arg(global.height())));
    }
}

// Where the X server has the window's client area now, in its pixels.
std::optional<QPoint> xPosition(QWidget &window)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window.winId())});
    xwininfo.waitForFinished();
    const QString said = QString::fromLatin1(xwininfo.readAllStandardOutput());
    const auto value = [&](const QString &key) -> std::optional<int> {
        const qsizetype at = said.indexOf(key);
        if (at < 0)
            return std::nullopt;
        return said.mid(at + key.size()).section(u'\n', 0, 0).trimmed().toInt();
    };
    const auto x = value(QStringLiteral("Absolute upper-left X:"));
    const auto y = value(QStringLiteral("Absolute upper-left Y:"));
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y); // in the screen's pixels
}

// The window manager has framed the window and put it where it will stay,
// and Qt knows where that is. (Not necessarily exposed: with keys sent from
// inside the program, a window manager may stack a new window below the
// one it thinks in use.)
void waitForTheFrame(QWidget &window)
{
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                     if (!window.isVisible() || !frameExtents(window))
                         return false;
                     const std::optional<QPoint> placed = xPosition(window);
                     const QPoint qt = window.geometry().topLeft() * window.devicePixelRatioF();
                     return placed && (*placed - qt).manhattanLength() <= 3;
                 },
                 10000),
             qPrintable(window.windowTitle() + QStringLiteral(" was never framed where Qt has it")));
}

// Looks at the next dialog to open, then answers it. The watch ends (the
// pointer turns null) once it has.
QPointer<QTimer> whenADialogOpens(std::function<void(QDialog &)> look)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, look] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        waitForTheFrame(*dialog);
        look(*dialog);
    });
    poll->start();
    return poll;
}

void checkTheBoxAndAnswer(QDialog &box)
{
    checkOnScreen(box, "the shot-count box");
    auto &input = dynamic_cast<QInputDialog &>(box);
    input.setTextValue(QStringLiteral("5"));
    input.accept();
}

// The main window shown, and N = 5 entered in the real box.
void startWithFiveShots(ProgramFixture &program)
{
    const QPointer<QTimer> answering = whenADialogOpens(checkTheBoxAndAnswer);
    program.form1().Show();
    QTRY_VERIFY(answering.isNull());
    QCOMPARE(program.state().ShotsPerExperiment, 5);
}

} // namespace

class TestScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("needs a real X display with a window manager (tests/app/with-window-manager.sh)");
        design::applyDesignLook();
        const QRect screen = screenArea();
        qInfo("screen %dx%d at scale %s", screen.width(), screen.height(),
              qgetenv("QT_SCALE_FACTOR").constData());
    }

    // The main window, the shot-count box, the help window and the exit
    // message: nothing of them lies outside the screen.
    void everythingFitsTheScreen()
    {
        ProgramFixture program(ProgramFixture::Randomness::Scripted, ProgramFixture::Boxes::Real);
        startWithFiveShots(program);
        QVERIFY(!QTest::currentTestFailed());
        waitForTheFrame(*program.form1().window());
        checkOnScreen(*program.form1().window(), "the main window");

        program.click(program.ui().Command6);
        waitForTheFrame(*program.form2().window());
        checkOnScreen(*program.form2().window(), "the help window");

        const QPointer<QTimer> answering = whenADialogOpens(checkTheBoxAndAnswer);
        program.help().Command1.click();
        QTRY_VERIFY(answering.isNull());
        waitForTheFrame(*program.form1().window());
        checkOnScreen(*program.form1().window(), "the main window after Help");

        bool looked = false;
        whenADialogOpens([&looked](QDialog &box) {
            checkOnScreen(box, "the exit message");
            looked = true;
            box.accept();
        });
        program.click(program.ui().Command4);
        QVERIFY(looked);
        QCOMPARE(program.programEnd.ends, 1);
    }

    // The zoom keys resize the window to the design at the next step, and
    // every control follows: its place, its size, what assistive technology
    // is told of it. Nothing else changes, and Help and Close keep the zoom.
    void zoomKeys_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<double>("zoom"); // 0: larger than every step (full screen)
        QTest::newRow("Ctrl++") << QStringList{"Ctrl++"} << 1.25;
        QTest::newRow("Ctrl++ twice") << QStringList{"Ctrl++", "Ctrl++"} << 1.5;
        QTest::newRow("Ctrl+-") << QStringList{"Ctrl+-"} << 0.9;
        QTest::newRow("Ctrl+- down to the least") << QStringList(4, "Ctrl+-") << DesignLayout::MinimumZoom;
        QTest::newRow("Ctrl++ then Ctrl+0") << QStringList{"Ctrl++", "Ctrl+0"} << 1.0;
        QTest::newRow("F11: full screen") << QStringList{"F11"} << 0.0;
        QTest::newRow("F11 twice: back") << QStringList{"F11", "F11"} << 1.0;
    }
    void zoomKeys()
    {
        QFETCH(QStringList, keys);
        QFETCH(double, zoom);
        if (screenArea().width() < 1920)
            QSKIP("a screen smaller than a projector's");
        ProgramFixture program(ProgramFixture::Randomness::Scripted, ProgramFixture::Boxes::Real);
        startWithFiveShots(program);
        QVERIFY(!QTest::currentTestFailed());
        FormWindow *window = program.form1().window();
        program.click(program.ui().Command1);
        const QString runState = program.runState();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));

        for (const QString &key : keys) {
            const QSize before = window->size();
            QTest::keySequence(window, QKeySequence(key));
            QTRY_VERIFY_WITH_TIMEOUT(window->size() != before, 5000);
        }
        if (zoom == 0)
            QTRY_VERIFY(window->isFullScreen() && window->zoom() > 1.5);
        else
            QTRY_COMPARE(window->zoom(), zoom);
        QCOMPARE(program.runState(), runState);

        const QSize used = window->clientSize(window->zoom());
        const QPoint origin((window->width() - used.width()) / 2, (window->height() - used.height()) / 2);
        for (const ControlDesign &c : form1Design().controls) {
            auto *control = window->findChild<QWidget *>(QString::fromLatin1(c.name));
            if (!control || !control->isVisible())
                continue;
            QCOMPARE(control->geometry(), DesignLayout::pixelGeometry(c, window->zoom()).translated(origin));
            if (c.kind == ControlKind::CommandButton || c.kind == ControlKind::Label)
                QCOMPARE(QAccessible::queryAccessibleInterface(control)->rect(),
                         QRect(control->mapToGlobal(QPoint(0, 0)), control->size()));
        }

        // Help, then Close: the main window comes back as it stood.
        const double kept = window->zoom();
        const bool fullScreen = window->isFullScreen();
        program.click(program.ui().Command6);
        const QPointer<QTimer> answering = whenADialogOpens(checkTheBoxAndAnswer);
        program.help().Command1.click();
        QTRY_VERIFY(answering.isNull());
        QTRY_VERIFY(program.form1().isLoaded() && program.form1().window()->isVisible());
        window = program.form1().window();
        QTRY_COMPARE(window->isFullScreen(), fullScreen);
        QTRY_COMPARE(window->zoom(), kept);
    }

    // F2 opens the Results window beside the main window where the screen
    // has room for both; "Side by side" puts both whole on the screen, not
    // overlapping, zooming the main window down as it must; and Help and
    // Close keep them so.
    void resultsBesideTheMainWindow()
    {
        ProgramFixture program(ProgramFixture::Randomness::Scripted, ProgramFixture::Boxes::Real);
        startWithFiveShots(program);
        QVERIFY(!QTest::currentTestFailed());
        FormWindow *main = program.form1().window();
        waitForTheFrame(*main);
        const auto frameOf = [](QWidget &window) {
            const qreal ratio = window.devicePixelRatioF();
            return QRect(xPosition(window).value_or(QPoint()), window.size() * ratio)
                .marginsAdded(frameExtents(window).value_or(QMargins()));
        };
        const auto apart = [&](ResultsWindow &results, const char *when) {
            waitForTheFrame(*program.form1().window());
            waitForTheFrame(results);
            const QRect a = frameOf(*program.form1().window()), b = frameOf(results);
            QVERIFY2(!a.intersects(b), qPrintable(QStringLiteral("%1: the main window at %2,%3 %4x%5, the Results "
                                                                 "window at %6,%7 %8x%9")
                                                      .arg(QLatin1String(when)).arg(a.x()).arg(a.y()).arg(a.width())
                                                      .arg(a.height()).arg(b.x()).arg(b.y()).arg(b.width())
                                                      .arg(b.height())));
            checkOnScreen(*program.form1().window(), when);
            checkOnScreen(results, when);
        };

        main->findChild<QAction *>(QStringLiteral("showResults"))->trigger(); // F2
        ResultsWindow *results = program.form1().resultsWindow();
        QVERIFY(results);
        QTRY_VERIFY(results->isVisible());
        waitForTheFrame(*results);
        // Room for both: the main window's frame, and the Results window's
        // least, side by side.
        const QSize mainFrame = frameOf(*main).size() / main->devicePixelRatioF();
        const QSize resultsLeast = results->minimumSizeHint() + (frameOf(*results).size() / results->devicePixelRatioF()
                                                                 - results->size());
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        if (mainFrame.width() + resultsLeast.width() <= available.width()
            && std::max(mainFrame.height(), resultsLeast.height()) <= available.height())
            apart(*results, "F2 on a screen with room for both");

        const int mainMargin = mainFrame.width() - main->width();
        results->findChild<QPushButton *>(QStringLiteral("sideBySide"))->click();
        const double least = DesignLayout::MinimumZoom;
        if (main->clientSize(least).width() + mainMargin + resultsLeast.width() > available.width())
            QSKIP("no room for both side by side even at the smallest zoom");
        apart(*results, "side by side");

        // Help, then Close, then F2: as they were.
        const QRect mainBefore = frameOf(*program.form1().window());
        const QRect resultsBefore = frameOf(*results);
        program.click(program.ui().Command6);
        const QPointer<QTimer> answering = whenADialogOpens(checkTheBoxAndAnswer);
        program.help().Command1.click();
        QTRY_VERIFY(answering.isNull());
        QTRY_VERIFY(program.form1().isLoaded() && program.form1().window()->isVisible());
        waitForTheFrame(*program.form1().window());
        program.form1().window()->findChild<QAction *>(QStringLiteral("showResults"))->trigger();
        results = program.form1().resultsWindow();
        QTRY_VERIFY(results && results->isVisible());
        apart(*results, "side by side after Help and Close");
        QCOMPARE(frameOf(*program.form1().window()).topLeft(), mainBefore.topLeft());
        QCOMPARE(frameOf(*results), resultsBefore);
    }

    // Maximised on a projector or a 4K screen, the design fills the height
    // with its proportions kept, the plot is drawn at the new size (not
    // scaled up), and what it showed is still there.
    void maximisedFillsTheScreen()
    {
        if (screenArea().width() < 1920)
            QSKIP("a screen smaller than a projector's");
        ProgramFixture program(ProgramFixture::Randomness::Scripted, ProgramFixture::Boxes::Real);
        startWithFiveShots(program);
        QVERIFY(!QTest::currentTestFailed());
        FormWindow &window = *program.form1().window();
        QCOMPARE(window.zoom(), 1.0);

        struct Mark { QPointF centre; QRgb colour; };
        std::vector<Mark> marks;
        for (int shot = 0; shot < 4; ++shot) {
            program.scripted.pushShot(shot == 1 ? 10 : 60 + 30 * shot, 0.2f * float(shot));
            program.click(program.ui().Command1);
            marks.push_back({QPointF(program.state().ImpactX, program.state().ImpactY),
                             IsHit(program.state().Distance) ? qRgb(0, 0, 255) : qRgb(255, 0, 0)});
        }
        PictureBox &plot = program.ui().Picture1;
        const QSize plotBefore = plot.size();

        window.showMaximized();
        QTRY_VERIFY_WITH_TIMEOUT(window.height() > screenArea().height() * 3 / 4, 10000);
        QTRY_VERIFY(window.zoom() > 1.4);
        waitForTheFrame(window);
        const int designHeight = window.clientSize(window.zoom()).height();
        QVERIFY2(window.height() - designHeight <= 4,
                 qPrintable(QStringLiteral("the design is %1 px high in a window of %2")
                                .arg(designHeight).arg(window.height())));
        const double aspectBefore = double(plotBefore.width()) / plotBefore.height();
        const double aspectAfter = double(plot.width()) / plot.height();
        QVERIFY2(std::abs(aspectAfter - aspectBefore) < 0.01,
                 qPrintable(QStringLiteral("%1 then %2").arg(aspectBefore).arg(aspectAfter)));

        // Drawn at the new size: the canvas has the screen's own pixels.
        const QImage canvas = plot.canvas();
        QCOMPARE(canvas.size(), plot.contentsRect().size() * canvas.devicePixelRatio());
        const double perUnitX = canvas.width() / 500.0;
        const double perUnitY = canvas.height() / 500.0;
        for (const Mark &m : marks) {
            const QPoint centre(int(m.centre.x() * perUnitX), int(m.centre.y() * perUnitY));
            const int reach = int(2 * perUnitX) + 2;
            bool found = false;
            for (int y = centre.y() - reach; y <= centre.y() + reach && !found; ++y)
                for (int x = centre.x() - reach; x <= centre.x() + reach && !found; ++x)
                    found = canvas.valid(x, y) && (canvas.pixel(x, y) | 0xff000000) == m.colour;
            QVERIFY2(found, qPrintable(QStringLiteral("no mark at %1,%2").arg(m.centre.x()).arg(m.centre.y())));
        }
        // The ring is there too, a ring pixel of the design still a dot.
        const QPoint ringTop(int(250 * perUnitX), int(230 * perUnitY));
        bool ring = false;
        for (int y = ringTop.y() - 3; y <= ringTop.y() + 3 && !ring; ++y)
            ring = qGray(canvas.pixel(ringTop.x(), y)) < 64;
        QVERIFY2(ring, "the target ring is gone");
        checkOnScreen(window, "the maximised main window");
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"

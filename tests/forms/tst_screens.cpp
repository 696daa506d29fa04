// The windows on the screens schools have, with a real window manager: run
// by CTest on virtual X displays of several sizes and scales (see
// tests/CMakeLists.txt and tests/app/with-window-manager.sh).
#include "programfixture.h"

#include "platform/qt/designlook.h"
#include "platform/qt/picturebox.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QRect screenArea()
{
    return QGuiApplication::primaryScreen()->geometry();
}

// Every visible control of window, and the window's frame, lie on the
// screen. (A maximised window's frame may hang its borders over the edge.)
void checkOnScreen(QWidget &window, const char *what)
{
    const QRect screen = screenArea();
    QVERIFY2(window.isMaximized() || screen.contains(window.frameGeometry()),
             qPrintable(QStringLiteral("%1: frame %2,%3 %4x%5 on a screen of %6x%7")
                            .arg(QLatin1String(what)).arg(window.frameGeometry().x())
                            .arg(window.frameGeometry().y()).arg(window.frameGeometry().width())
                            .arg(window.frameGeometry().height()).arg(screen.width()).arg(screen.height())));
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

// The window manager has framed the window and put it where it will stay.
void waitForTheFrame(QWidget &window)
{
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY_WITH_TIMEOUT(window.frameGeometry().height() > window.geometry().height(), 10000);
}

// Looks at the next dialog to open, then answers it.
void whenADialogOpens(std::function<void(QDialog &)> look)
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
}

void checkTheBoxAndAnswer(QDialog &box)
{
    checkOnScreen(box, "the shot-count box");
    auto &input = dynamic_cast<QInputDialog &>(box);
    input.setTextValue(QStringLiteral("5"));
    input.accept();
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
        whenADialogOpens(checkTheBoxAndAnswer);
        program.form1().Show();
        QTRY_COMPARE(program.state().ShotsPerExperiment, 5);
        waitForTheFrame(*program.form1().window());
        checkOnScreen(*program.form1().window(), "the main window");

        program.click(program.ui().Command6);
        waitForTheFrame(*program.form2().window());
        checkOnScreen(*program.form2().window(), "the help window");

        whenADialogOpens(checkTheBoxAndAnswer);
        program.help().Command1.click();
        QTRY_COMPARE(program.state().ShotsPerExperiment, 5);
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

    // Maximised on a projector or a 4K screen, the design fills the height
    // with its proportions kept, the plot is drawn at the new size (not
    // scaled up), and what it showed is still there.
    void maximisedFillsTheScreen()
    {
        if (screenArea().width() < 1920)
            QSKIP("a screen smaller than a projector's");
        ProgramFixture program(ProgramFixture::Randomness::Scripted, ProgramFixture::Boxes::Real);
        whenADialogOpens(checkTheBoxAndAnswer);
        program.form1().Show();
        QTRY_COMPARE(program.state().ShotsPerExperiment, 5);
        FormWindow &window = *program.form1().window();
        waitForTheFrame(window);
        QCOMPARE(window.zoom(), 1.0);

        struct Mark { QPointF centre; QRgb colour; };
        std::vector<Mark> marks;
        for (int shot = 0; shot < 4; ++shot) {
            program.scripted.pushShot(shot == 1 ? 10 : 60 + 30 * shot, 0.2f * float(shot));
            program.click(program.ui().Command1);
            marks.push_back({QPointF(program.state().ImpactX, program.state().ImpactY),
                             program.state().Distance > 20 ? qRgb(255, 0, 0) : qRgb(0, 0, 255)});
        }
        PictureBox &plot = program.ui().Picture1;
        const QSize plotBefore = plot.size();

        window.showMaximized();
        QTRY_VERIFY_WITH_TIMEOUT(window.height() > screenArea().height() * 3 / 4, 10000);
        QTRY_VERIFY(window.zoom() > 1.4);
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

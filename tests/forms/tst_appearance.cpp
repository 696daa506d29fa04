// What the windows look like on the desktop they run on: run by CTest under
// the default look, GNOME's dark theme, the Adwaita-Dark style and at scale
// 2 (see tests/CMakeLists.txt). Everything is measured from the pixels.
#include "programfixture.h"

#include "look/designlook.h"
#include "look/designpalette.h"
#include "formkit/qtdialogs.h"
#include "formkit/formlabel.h"
#include "formkit/picturebox.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <map>
#include <memory>

namespace {

double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the text in image: its background is its most frequent
// colour, its text the colour that stands out most from it (the inside of
// the strokes; their antialiased edges lie in between). 0 without text.
double textContrast(const QImage &image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    QRgb background = 0;
    int most = 0;
    for (const auto &[colour, n] : counts)
        if (n > most)
            most = n, background = colour;
    double best = 0;
    for (const auto &[colour, n] : counts)
        if (n >= 3) // a stray pixel is no text
            best = std::max(best, contrast(colour, background));
    return best;
}

QImage inside(QWidget &w, int margin)
{
    return w.grab(w.rect().adjusted(margin, margin, -margin, -margin)).toImage();
}

// Shows the dialog that call opens, hands it to look, then dismisses it.
void withDialog(const std::function<void()> &call, const std::function<void(QWidget &)> &look)
{
    QTimer::singleShot(0, [look] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        look(*dialog);
        dialog->close();
    });
    call();
}

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

    bool themeWasDark_ = false;

private slots:
    void initTestCase()
    {
        // The theme's own palette, before the program sets its look.
        themeWasDark_ = QApplication::palette().color(QPalette::Window).lightness() < 128;
        qInfo("style %s, theme palette %s", qPrintable(QApplication::style()->name()),
              themeWasDark_ ? "dark" : "light");
        if (qEnvironmentVariableIsSet("SHOOTALOT_EXPECT_DARK") && !themeWasDark_)
            QSKIP("the dark theme asked for did not take effect here: nothing to measure against");
        design::applyDesignLook();
    }

    // Every label, the help text and both dialogs: at least 4.5 to 1, or 3
    // to 1 for large text (14 pt bold and up, 19 px here), as WCAG asks.
    void textIsReadable()
    {
        ProgramFixture program;
        program.start(QStringLiteral("5"));
        for (int shot = 0; shot < 5; ++shot) {
            program.scripted.pushShot(shot == 2 ? 10 : 150);
            program.click(program.ui().Command1);
        }
        Form1Controls &c = program.ui();
        for (FormLabel *label : {&c.Label1, &c.Label2, &c.Label3, &c.Label4, &c.Label5, &c.Label6,
                                 &c.Label7, &c.Label8, &c.Label9, &c.Label10, &c.Label11, &c.Label12,
                                 &c.Label13, &c.Label14, &c.Label15}) {
            const bool large = label->font().bold() && label->font().pixelSize() >= 19;
            const double ratio = textContrast(inside(*label, label->isFramed() ? 1 : 0));
            QVERIFY2(ratio >= (large ? 3.0 : 4.5),
                     qPrintable(QStringLiteral("%1 \"%2\": %3 to 1")
                                    .arg(label->objectName(), label->caption()).arg(ratio)));
        }

        // The face around them is the designs' light grey, whatever the theme.
        const QColor face = design::lightPalette().color(QPalette::Window);
        QCOMPARE(QColor(program.form1().window()->grab(QRect(540, 610, 1, 1)).toImage().pixel(0, 0)), face);

        program.click(program.ui().Command6);
        QCOMPARE(QColor(program.form2().window()->grab(QRect(2, 2, 1, 1)).toImage().pixel(0, 0)), face);
        const double help = textContrast(inside(program.help().Picture1, 2));
        QVERIFY2(help >= 4.5, qPrintable(QStringLiteral("help text: %1 to 1").arg(help)));

        RecordingEnd end;
        FormRuntime runtime(end);
        QtDialogs dialogs(runtime);
        const auto checkLabels = [](QWidget &dialog) {
            for (QLabel *label : dialog.findChildren<QLabel *>()) {
                if (label->text().isEmpty())
                    continue;
                const double ratio = textContrast(inside(*label, 0));
                QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("dialog text \"%1\": %2 to 1")
                                                      .arg(label->text()).arg(ratio)));
            }
        };
        withDialog([&] { dialogs.InputBox(QStringLiteral("Please enter an integer between 5 and 50."),
                                          QStringLiteral("Setting the number of shots of the gun"),
                                          QStringLiteral("20")); },
                   checkLabels);
        withDialog([&] { dialogs.MsgBox(QStringLiteral("This software will exit."), 0,
                                        QStringLiteral("Even those who shoots bad guns")); },
                   checkLabels);
    }

    // On a high-density screen the plot and the help text are drawn at the
    // screen's resolution, not scaled up, and bold stays bold.
    void crispAtHighDensity()
    {
        ProgramFixture program;
        program.start(QStringLiteral("5"));
        const qreal ratio = program.ui().Picture1.devicePixelRatioF();
        if (ratio < 1.25)
            QSKIP("a screen of ordinary density (run with QT_SCALE_FACTOR=2)");
        program.click(program.ui().Command1);
        // Scaled up, every 2 x 2 block of screen pixels would be of one colour.
        const auto drawnAtScreenResolution = [](const QImage &image) {
            for (int y = 0; y + 1 < image.height(); y += 2)
                for (int x = 0; x + 1 < image.width(); x += 2)
                    if (image.pixel(x, y) != image.pixel(x + 1, y)
                        || image.pixel(x, y) != image.pixel(x, y + 1))
                        return true;
            return false;
        };
        PictureBox &plot = program.ui().Picture1;
        const QImage onScreen = plot.grab(plot.contentsRect()).toImage();
        QCOMPARE(onScreen.size(), plot.contentsRect().size() * ratio);
        QVERIFY2(drawnAtScreenResolution(onScreen), "the plot is scaled up");

        // The title's bold: more ink on its pink than the same text set regular.
        FormLabel &title = program.ui().Label7;
        const int pink = qGray(title.palette().color(QPalette::Window).rgb());
        const auto ink = [pink](const QImage &image) {
            qint64 sum = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    sum += std::abs(pink - qGray(image.pixel(x, y)));
            return sum;
        };
        const qint64 bold = ink(inside(title, 1));
        QFont regular = title.font();
        regular.setBold(false);
        title.setFont(regular);
        const qint64 plain = ink(inside(title, 1));
        QVERIFY2(bold > plain * 5 / 4,
                 qPrintable(QStringLiteral("bold %1, regular %2").arg(bold).arg(plain)));

        program.click(program.ui().Command6);
        PictureBox &help = program.help().Picture1;
        QVERIFY2(drawnAtScreenResolution(help.grab(help.contentsRect()).toImage()),
                 "the help text is scaled up");
    }

    // The button with the focus wears a ring at least 2 px wide, at 3 to 1
    // or more against the face around it, whatever the theme.
    void focusIsClearlySeen_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Firing, the largest") << "Command1";
        QTest::newRow("AutoStart") << "Command2";
        QTest::newRow("Init, the smallest") << "Command5";
    }
    void focusIsClearlySeen()
    {
        QFETCH(QString, button);
        ProgramFixture program;
        program.start(QStringLiteral("5"));
        program.click(program.ui().Command1);
        FormWindow *window = program.form1().window();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *b = window->findChild<QPushButton *>(button);
        const QImage before = b->grab().toImage();
        b->setFocus(Qt::TabFocusReason);
        QVERIFY(b->hasFocus());
        const QImage focused = b->grab().toImage();
        // Across the middle of the button, from its left edge inwards: the
        // ring is the first run of pixels that the focus changed.
        const int y = focused.height() / 2;
        int x = 0;
        while (x < focused.width() / 2 && focused.pixel(x, y) == before.pixel(x, y))
            ++x;
        QVERIFY2(x < focused.width() / 2, "no focus ring");
        const QRgb ring = focused.pixel(x, y);
        int width = 0;
        while (x + width < focused.width() && focused.pixel(x + width, y) == ring)
            ++width;
        const qreal ratio = focused.devicePixelRatio();
        QVERIFY2(width >= 2 * ratio, qPrintable(QStringLiteral("%1 px wide").arg(width / ratio)));
        const double outside = contrast(ring, focused.pixel(x - 1, y));
        const double inside = contrast(ring, focused.pixel(x + width, y));
        QVERIFY2(std::min(outside, inside) >= 3.0,
                 qPrintable(QStringLiteral("%1 and %2 to 1").arg(outside).arg(inside)));
    }

    // OK and Cancel of the shot-count box and the messages wear the pictures
    // Fusion gives them, at every size a button may draw them.
    void dialogButtonIcons_data()
    {
        QTest::addColumn<QStyle::StandardPixmap>("which");
        QTest::newRow("OK") << QStyle::SP_DialogOkButton;
        QTest::newRow("Cancel") << QStyle::SP_DialogCancelButton;
    }
    void dialogButtonIcons()
    {
        QFETCH(QStyle::StandardPixmap, which);
        ProgramFixture program; // the program's look
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const QIcon expected = fusion->standardIcon(which);
        const QIcon shown = QApplication::style()->standardIcon(which);
        QVERIFY(!expected.isNull());
        for (int size : {16, 20, 24, 32, 48, 64, 128})
            QVERIFY2(shown.pixmap(size).toImage() == expected.pixmap(size).toImage(),
                     qPrintable(QString::number(size)));
    }

    // One icon for every window and dialog, at every size a desktop asks for
    // once the first window is on the screen.
    void theProgramsIcon()
    {
        ProgramFixture program;
        program.start();
        QVERIFY(QTest::qWaitForWindowExposed(program.form1().window()));
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTRY_VERIFY2(QApplication::windowIcon().availableSizes().contains(QSize(size, size)),
                         qPrintable(QString::number(size)));
        const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
        QCOMPARE(program.form1().window()->windowIcon().availableSizes(), sizes);
        program.click(program.ui().Command6);
        QCOMPARE(program.form2().window()->windowIcon().availableSizes(), sizes);
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"

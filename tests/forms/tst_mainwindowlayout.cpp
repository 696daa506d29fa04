#include "programfixture.h"

#include "formkit/formlabel.h"
#include "formkit/mcicontrol.h"
#include "formkit/picturebox.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Reaches the control a row is about through the window's typed controls.
using ControlOf = QWidget *(*)(Form1Controls &);
Q_DECLARE_METATYPE(ControlOf)
#define CONTROL(name) ControlOf([](Form1Controls &c) -> QWidget * { return &c.name; })

// Adds up the regions a widget is asked to paint.
class PaintRecorder : public QObject
{
public:
    PaintRecorder(QWidget &widget, QRegion &painted) : painted_(painted) { widget.installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted_ += static_cast<QPaintEvent *>(event)->region();
        return false;
    }

private:
    QRegion &painted_;
};

class TestMainWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    // The design of the main window, in pixels at 96 dpi (15 twips each),
    // font sizes in pixels (points * 4 / 3).
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ControlOf>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("fontPixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("framed");
        QTest::addColumn<QColor>("background"); // invalid: the default

        const QColor white(255, 255, 255);
        const QColor none;
        // Buttons
        QTest::newRow("Command4 Exit") << "Command4" << CONTROL(Command4) << "Exit" << QRect(0, 0, 49, 25) << 13 << false << false << none;
        QTest::newRow("Command6 Help") << "Command6" << CONTROL(Command6) << "Help" << QRect(448, 0, 49, 25) << 13 << false << false << none;
        QTest::newRow("Command5 Init") << "Command5" << CONTROL(Command5) << "Init" << QRect(496, 0, 49, 25) << 13 << false << false << none;
        QTest::newRow("Command2 AutoStart") << "Command2" << CONTROL(Command2) << "AutoStart" << QRect(40, 544, 97, 33) << 15 << true << false << none;
        QTest::newRow("Command1 Firing") << "Command1" << CONTROL(Command1) << "Firing" << QRect(160, 552, 129, 49) << 24 << true << false << none;
        QTest::newRow("Command3 AutoStop") << "Command3" << CONTROL(Command3) << "AutoStop" << QRect(40, 576, 97, 33) << 15 << true << false << none;
        // Labels
        QTest::newRow("Label7 title") << "Label7" << CONTROL(Label7) << "Even those who shoot bad guns will hit it" << QRect(48, 0, 401, 25) << 19 << true << true << QColor(255, 192, 255);
        QTest::newRow("Label8 subtitle") << "Label8" << CONTROL(Label8) << "A person who hits the gun skill once in 10 times shoots the gun" << QRect(56, 424, 441, 17) << 16 << false << false << none;
        QTest::newRow("Label1") << "Label1" << CONTROL(Label1) << "Number of hits" << QRect(32, 448, 121, 25) << 15 << true << true << white;
        QTest::newRow("Label2") << "Label2" << CONTROL(Label2) << "" << QRect(152, 448, 49, 25) << 19 << true << true << white;
        QTest::newRow("Label3") << "Label3" << CONTROL(Label3) << "Number of shots" << QRect(216, 448, 137, 25) << 15 << true << true << white;
        QTest::newRow("Label4") << "Label4" << CONTROL(Label4) << "" << QRect(352, 448, 49, 25) << 19 << true << true << white;
        QTest::newRow("Label9") << "Label9" << CONTROL(Label9) << "" << QRect(416, 448, 97, 25) << 19 << true << true << white;
        QTest::newRow("Label12") << "Label12" << CONTROL(Label12) << "Number of successes" << QRect(32, 480, 169, 25) << 15 << true << true << white;
        QTest::newRow("Label13") << "Label13" << CONTROL(Label13) << "" << QRect(200, 480, 73, 25) << 19 << true << true << white;
        QTest::newRow("Label6") << "Label6" << CONTROL(Label6) << "Success rate" << QRect(280, 496, 113, 25) << 15 << true << true << white;
        QTest::newRow("Label5") << "Label5" << CONTROL(Label5) << "" << QRect(392, 496, 121, 25) << 19 << true << true << white;
        QTest::newRow("Label10") << "Label10" << CONTROL(Label10) << "Number of experiments" << QRect(32, 512, 185, 25) << 15 << true << true << white;
        QTest::newRow("Label11") << "Label11" << CONTROL(Label11) << "" << QRect(216, 512, 65, 25) << 19 << true << true << white;
        QTest::newRow("Label14") << "Label14" << CONTROL(Label14) << "Mathematical probability of hitting at least once" << QRect(312, 528, 209, 41) << 15 << true << true << white;
        QTest::newRow("Label15") << "Label15" << CONTROL(Label15) << "" << QRect(328, 568, 177, 25) << 19 << true << true << white;
        // The plot
        QTest::newRow("Picture1") << "Picture1" << CONTROL(Picture1) << "" << QRect(72, 40, 401, 377) << 12 << false << false << none;
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(ControlOf, control);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        QFETCH(int, fontPixels);
        QFETCH(bool, bold);
        QFETCH(bool, framed);
        QFETCH(QColor, background);

        ProgramFixture program;
        program.form1().Show(); // loaded, Activate not yet run
        QWidget *widget = control(program.ui());
        QCOMPARE(widget->objectName(), name);
        QCOMPARE(widget->geometry(), geometry);
        auto *label = dynamic_cast<FormLabel *>(widget);
        const QFont font = label ? label->designFont() : widget->font();
        QCOMPARE(font.pixelSize(), fontPixels);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.families().value(0), QStringLiteral("ＭＳ Ｐゴシック"));
        QVERIFY(font.families().contains(QStringLiteral("IPAPGothic")));
        QVERIFY(widget->isVisible());
        if (label || qobject_cast<QPushButton *>(widget)) {
            // Set glyph by glyph, as captions are for speed, it looks just as shaped.
            const QImage asSet = widget->grab().toImage();
            QFont shaped = widget->font();
            shaped.setStyleStrategy(QFont::StyleStrategy(shaped.styleStrategy() & ~QFont::PreferNoShaping));
            widget->setFont(shaped);
            QCOMPARE(widget->grab().toImage(), asSet);
        }
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            QCOMPARE(button->text(), caption);
            QVERIFY(button->isEnabled());
            QVERIFY(!button->isDefault() && !button->autoDefault());
            return;
        }
        if (label) {
            QCOMPARE(label->caption(), caption);
            // The caption is shown whole, at no less than three quarters of its size.
            const QRect needed = QFontMetrics(label->font()).boundingRect(
                QRect(0, 0, label->contentsRect().width(), 1000),
                int(label->alignment()) | Qt::TextWordWrap, caption);
            QVERIFY(needed.height() <= label->contentsRect().height());
            QVERIFY(label->font().pixelSize() * 4 >= fontPixels * 3);
            QVERIFY(label->alignment() & Qt::AlignHCenter);
            QVERIFY(label->wordWrap());
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->isFramed(), framed);
            if (background.isValid())
                QCOMPARE(label->palette().color(QPalette::Window), background);
            if (name == u"Label2" || name == u"Label7")
                QCOMPARE(label->foreColor(), QColor(Qt::black));
            return;
        }
        auto *picture = dynamic_cast<PictureBox *>(widget);
        QVERIFY(picture);
        QCOMPARE(picture->contentsRect().size(), QSize(397, 373)); // the inner area
        QCOMPARE(picture->canvas().size(), QSize(397, 373));
    }

    void window()
    {
        ProgramFixture program;
        program.form1().Show();
        FormWindow *window = program.form1().window();
        QCOMPARE(window->size(), QSize(547, 620));
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("Even those who shoot bad guns will hit it if they shoot a lot"
                                "           Orvane 6.2022"));
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->windowIcon().availableSizes().value(0), QSize(32, 32));
        QCOMPARE(window->font().pixelSize(), 11);
    }

    void invisibleControls()
    {
        ProgramFixture program;
        program.form1().Show();
        auto &player = program.ui().MMControl1;
        QVERIFY(!player.isVisible());
        QCOMPARE(player.geometry(), QRect(120, 24, 244, 22));
        auto &timer = program.ui().Timer1;
        QCOMPARE(timer.interval(), 100);
        QVERIFY(!timer.isActive());
        QCOMPARE(program.ui().Line1.geometry(), QRect(0, 24, 545, 1));
    }

    // What a screen reader meets: the window as a frame without its
    // invisible player, the plot as a graphic saying what it shows, each
    // value under its caption's words, and a notification after each shot.
    // The counters past what the design's pace reached: whole in their
    // frames, and read whole; the counts that fitted stay as they were.
    void countsPastTheDesign_data()
    {
        QTest::addColumn<ControlOf>("control");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("heard");
        QTest::addColumn<bool>("asDesigned"); // at three quarters of the design's size or more
        QTest::newRow("experiments, 99,999: as today") << CONTROL(Label11) << "99999" << "Number of experiments: 99999" << true;
        QTest::newRow("successes, 87,840: as today") << CONTROL(Label13) << "87840" << "Number of successes: 87840" << true;
        QTest::newRow("experiments after 1,000,000") << CONTROL(Label11) << "1000000" << "Number of experiments: 1000000" << false;
        QTest::newRow("experiments after 10,010,100") << CONTROL(Label11) << "10010100" << "Number of experiments: 10010100" << false;
        QTest::newRow("successes after 10,000,000") << CONTROL(Label13) << "8784213" << "Number of successes: 8784213" << false;
        QTest::newRow("experiments after 100,000,000") << CONTROL(Label11) << "100000000" << "Number of experiments: 100000000" << false;
    }
    void countsPastTheDesign()
    {
        QFETCH(ControlOf, control);
        QFETCH(QString, count);
        QFETCH(QString, heard);
        QFETCH(bool, asDesigned);
        ProgramFixture program;
        program.start(QStringLiteral("20"));
        auto *label = dynamic_cast<FormLabel *>(control(program.ui()));
        QVERIFY(label);
        label->setCaption(count);
        const QRect room = label->contentsRect();
        const QRect needed = QFontMetrics(label->font()).boundingRect(
            QRect(0, 0, room.width(), 1000), int(label->alignment()) | Qt::TextWordWrap, count);
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(QStringLiteral("%1 needs %2x%3 in %4x%5").arg(count).arg(needed.width())
                                .arg(needed.height()).arg(room.width()).arg(room.height())));
        // Within the frame, the frame itself untouched.
        QVERIFY(room.contains(QRect(room.topLeft() + QPoint(0, (room.height() - needed.height()) / 2), needed.size())));
        QCOMPARE(label->accessibleName(), heard);
        const int design = label->designFont().pixelSize();
        QCOMPARE(label->font().pixelSize() * 4 >= design * 3, asDesigned);
        QVERIFY(label->font().pixelSize() >= 1);
    }

    void whatAScreenReaderHears()
    {
        ProgramFixture program;
        program.start(QStringLiteral("5"));
        QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(program.form1().window());
        QCOMPARE(frame->role(), QAccessible::Window);
        for (int i = 0; i < frame->childCount(); ++i)
            QVERIFY(frame->child(i)->object() != &program.ui().MMControl1);
        program.scripted.pushShot(10);
        program.click(program.ui().Command1);
        QAccessibleInterface *plot = QAccessible::queryAccessibleInterface(&program.ui().Picture1);
        QCOMPARE(plot->role(), QAccessible::Graphic);
        QCOMPARE(plot->text(QAccessible::Name), QStringLiteral("Target plot"));
        QCOMPARE(plot->text(QAccessible::Description), QStringLiteral("Shot 1 of 5, 1 hit(s) in this experiment."));
        QCOMPARE(program.ui().Label2.accessibleName(), QStringLiteral("Number of hits: 1"));
        QCOMPARE(program.ui().Label15.accessibleName(),
                 QStringLiteral("Mathematical probability of hitting at least once: 0.4095100"));
        const auto heard = [&] {
            for (int i = 0; i < frame->childCount(); ++i)
                if (frame->child(i)->role() == QAccessible::Notification)
                    return frame->child(i)->text(QAccessible::Name);
            return QString();
        };
        QCOMPARE(heard(), QStringLiteral("Shot 1: hit."));
        for (int shot = 2; shot <= 5; ++shot) {
            program.scripted.pushShot(150);
            program.click(program.ui().Command1);
        }
        QCOMPARE(heard(), QStringLiteral("Shot 5: miss. 成功. Success rate 1.0000000."));

        // Init blanks the plot and the counts: the plot says no more of the old shots.
        program.dialogs.answer(QStringLiteral("5"));
        program.click(program.ui().Command5);
        QCOMPARE(plot->text(QAccessible::Description), QStringLiteral("Target plot"));
    }

    void tabOrderStartsAtThePlot()
    {
        ProgramFixture program;
        program.form1().Show();
        FormWindow *window = program.form1().window();
        QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("Picture1"));
        QStringList chain;
        QWidget *w = window->focusWidget();
        for (int i = 0; i < 7; ++i, w = w->nextInFocusChain()) {
            while (w->focusPolicy() != Qt::StrongFocus)
                w = w->nextInFocusChain();
            chain << w->objectName();
        }
        QCOMPARE(chain, (QStringList{"Picture1", "Command1", "Command2", "Command3", "Command4",
                                     "Command5", "Command6"}));
    }

    // The plot's user scale: (0, 0) is the top-left inner corner, (250, 250)
    // the middle, and the farthest shot stays inside.
    void plotScale_data()
    {
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("origin") << QPointF(0, 0) << QPoint(0, 0);
        QTest::newRow("centre") << QPointF(250, 250) << QPoint(198, 186);
        QTest::newRow("last inner pixel") << QPointF(499.9, 499.9) << QPoint(396, 372);
        QTest::newRow("farthest shot left") << QPointF(50, 250) << QPoint(39, 186);
    }
    void plotScale()
    {
        QFETCH(QPointF, point);
        QFETCH(QPoint, pixel);
        ProgramFixture program;
        program.form1().Show();
        PictureBox &plot = program.ui().Picture1;
        const QRgb before = plot.canvas().pixel(pixel);
        plot.PSet(float(point.x()), float(point.y()));
        QCOMPARE(plot.canvas().pixel(pixel), qRgb(0, 0, 0));
        QVERIFY(before != qRgb(0, 0, 0));
    }

    // What a shot repaints on screen: the pixels its mark changed, all of
    // them, and little else; when a new experiment clears the plot and draws
    // the same ring, the last experiment's marks and no more.
    void shotRepaints_data()
    {
        QTest::addColumn<int>("shotsBefore");
        QTest::addColumn<int>("share"); // the most of the plot repainted, as a fraction 1/share
        QTest::newRow("the first shot: its mark") << 0 << 50;
        QTest::newRow("a later shot") << 1 << 50;
        QTest::newRow("a shot beside an earlier one") << 3 << 50;
        QTest::newRow("the first of the next experiment: where the 20 marks were") << 20 << 20;
    }
    void shotRepaints()
    {
        QFETCH(int, shotsBefore);
        QFETCH(int, share);
        ProgramFixture program;
        program.start();
        PictureBox &plot = program.ui().Picture1;
        QVERIFY(QTest::qWaitForWindowExposed(plot.window()));
        for (int i = 0; i < shotsBefore; ++i) {
            program.scripted.pushShot(150, 0.1f * float(i));
            program.click(program.ui().Command1);
        }
        ProgramFixture::settle();
        const QImage before = plot.canvas();
        QRegion repainted;
        PaintRecorder recorder(plot, repainted);
        program.scripted.pushShot(120, 0.35f);
        program.click(program.ui().Command1);
        ProgramFixture::settle();

        QRegion changed;
        const QImage after = plot.canvas();
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y))
                    changed += QRect(x, y, 1, 1);
        QVERIFY(!changed.isEmpty());
        changed.translate(plot.contentsRect().topLeft());
        QVERIFY2((changed - repainted).isEmpty(), "a changed pixel was left unpainted");
        qint64 area = 0;
        for (const QRect &r : repainted)
            area += qint64(r.width()) * r.height();
        QVERIFY2(area * share < qint64(plot.width()) * plot.height(),
                 qPrintable(QStringLiteral("repainted %1 pixels").arg(area)));
    }

    // What is on screen is what was drawn, also after the window was covered.
    void drawingSurvivesBeingCovered()
    {
        ProgramFixture program;
        program.start();
        program.scripted.pushShot(150);
        program.click(program.ui().Command1);
        program.form1().window()->hide();
        program.form1().window()->show();
        ProgramFixture::settle();
        PictureBox &plot = program.ui().Picture1;
        const QImage onScreen = plot.grab(plot.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(onScreen, plot.canvas());
    }
};

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindowlayout.moc"

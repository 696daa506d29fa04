#include "programfixture.h"

#include "formkit/formlabel.h"
#include "formkit/qtdialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QTest>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

ProgramFixture::ProgramFixture(Randomness randomness, Boxes boxes)
{
    RandomSource &random = randomness == Randomness::Scripted ? static_cast<RandomSource &>(scripted)
                                                               : production;
    if (boxes == Boxes::Real)
        realBoxes = std::make_unique<QtDialogs>(runtime);
    Dialogs &shown = realBoxes ? static_cast<Dialogs &>(*realBoxes) : dialogs;
    program = std::make_unique<ShootALot>(runtime, MainWindowServices{random, clock, shown, sound, &resultsDialogs});
}

void ProgramFixture::answerNextBoxByKeys(const QString &n)
{
    // Polls until the box is open: it opens inside a handler, which waits on it.
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, n] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        QLineEdit *field = box->findChild<QLineEdit *>();
        QVERIFY(field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, n);
        QTest::keyClick(field, Qt::Key_Return);
    });
    poll->start();
}

ProgramFixture::~ProgramFixture()
{
    program.reset();
    settle();
}

void ProgramFixture::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void ProgramFixture::start(const QString &n)
{
    if (realBoxes)
        answerNextBoxByKeys(n);
    dialogs.answer(n);
    program->start();
    settle();
    if (qEnvironmentVariableIsSet("SHOOTALOT_TEST_WITH_RESULTS") && form1().isLoaded()) {
        // Beside the main window, never over it: it is a window of its own.
        form1().showResults();
        form1().window()->activateWindow();
        settle();
    }
}

void ProgramFixture::click(QPushButton &button)
{
    button.click();
    settle();
}

void ProgramFixture::tick()
{
    QTimer &t = ui().Timer1;
    if (t.isActive())
        QMetaObject::invokeMethod(&t, "timeout", Qt::DirectConnection);
}

QString ProgramFixture::runState()
{
    Form1Controls &c = ui();
    QString s;
    for (const QPushButton *b : {&c.Command1, &c.Command2, &c.Command3, &c.Command4, &c.Command5,
                                 &c.Command6})
        s += b->isEnabled() ? u'1' : u'0';
    s += c.Timer1.isActive() ? u'1' : u'0';
    return s;
}

QStringList ProgramFixture::valueCaptions()
{
    Form1Controls &c = ui();
    QStringList captions;
    for (const FormLabel *label : {&c.Label2, &c.Label4, &c.Label5, &c.Label9, &c.Label11, &c.Label13})
        captions << label->caption();
    return captions;
}

void ProgramFixture::keepJournal()
{
    dialogs.journal = &journal;
    sound.journal = &journal;
    programEnd.journal = &journal;
}

void ScriptedResultsDialogs::printPreview(QWidget *, const std::function<void(QPrinter &)> &paint)
{
    ++previews;
    if (printedTo.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printedTo);
    paint(printer);
    printedLayout = printer.pageLayout();
}

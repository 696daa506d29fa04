#include "programfixture.h"

#include "platform/formlabel.h"
#include "platform/picturebox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

ProgramFixture::ProgramFixture(Randomness randomness)
{
    RandomSource &random = randomness == Randomness::Scripted ? static_cast<RandomSource &>(scripted)
                                                               : production;
    program = std::make_unique<ShootALot>(runtime, MainWindowServices{random, clock, dialogs, sound});
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
    dialogs.answer(n);
    program->start();
    settle();
}

QPushButton &ProgramFixture::button(const char *name)
{
    return form1().control<QPushButton>(name);
}

QString ProgramFixture::caption(const char *label)
{
    return form1().control<FormLabel>(label).caption();
}

PictureBox &ProgramFixture::plot()
{
    return form1().control<PictureBox>("Picture1");
}

QTimer &ProgramFixture::timer()
{
    return form1().control<QTimer>("Timer1");
}

void ProgramFixture::click(const char *name)
{
    button(name).click();
    settle();
}

void ProgramFixture::tick()
{
    QTimer &t = timer();
    if (t.isActive())
        QMetaObject::invokeMethod(&t, "timeout", Qt::DirectConnection);
}

QString ProgramFixture::runState()
{
    QString s;
    for (const char *name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6"})
        s += button(name).isEnabled() ? u'1' : u'0';
    s += timer().isActive() ? u'1' : u'0';
    return s;
}

#include "fakes.h"

#include "formkit/form.h"
#include "formkit/formruntime.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

FormDesign smallDesign(const char *name)
{
    FormDesign d;
    d.name = name;
    d.caption = QString::fromLatin1(name);
    d.clientWidth = 1500;
    d.clientHeight = 750;
    ControlDesign button;
    button.kind = ControlKind::CommandButton;
    button.name = "Command1";
    button.caption = QStringLiteral("Go");
    button.width = 735;
    button.height = 375;
    button.tabIndex = 0;
    d.controls.push_back(button);
    return d;
}

struct OneButton
{
    QPushButton &Command1;
    static OneButton bind(const ControlLookup &lookup)
    {
        return {.Command1 = lookup.get<QPushButton>("Command1")};
    }
};

// Records its events; its button unloads it and shows the other form.
class LoggingForm final : public DesignedForm<OneButton>
{
public:
    LoggingForm(FormRuntime &runtime, const FormDesign &design, QStringList &log)
        : DesignedForm(runtime, design), log_(log), name_(QString::fromLatin1(design.name))
    {
    }
    Form *other = nullptr;

protected:
    void Load() override { log_ << name_ + ".Load"; }
    void Activate() override { log_ << name_ + ".Activate"; }
    void connectEvents() override
    {
        onClick(controls().Command1, [this] {
            Unload();
            log_ << name_ + ".after unload"; // the handler carries on
            if (other)
                other->Show();
        });
    }

private:
    QStringList &log_;
    QString name_;
};

// One form on a runtime of its own.
struct OneForm
{
    RecordingEnd end;
    FormRuntime runtime{end};
    QStringList log;
    FormDesign design = smallDesign("A");
    LoggingForm form{runtime, design, log};
};

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestFormRuntime : public QObject
{
    Q_OBJECT

private slots:
    void loadThenActivateAfterTheHandler()
    {
        OneForm one;
        auto &[end, runtime, log, design, form] = one;
        form.Show();
        QCOMPARE(log, QStringList{"A.Load"}); // Activate waits for the event loop
        settle();
        QCOMPARE(log, (QStringList{"A.Load", "A.Activate"}));
        form.Show(); // already the active form
        settle();
        QCOMPARE(log.size(), 2);
    }

    void unloadAndShowAgainMakesAFreshWindow()
    {
        RecordingEnd end;
        FormRuntime runtime(end);
        QStringList log;
        const FormDesign a = smallDesign("A");
        const FormDesign b = smallDesign("B");
        LoggingForm formA(runtime, a, log);
        LoggingForm formB(runtime, b, log);
        formA.other = &formB;
        formB.other = &formA;
        formA.Show();
        settle();
        QPointer<QWidget> firstWindow = formA.window();
        formA.controls().Command1.setText(QStringLiteral("changed"));

        formA.controls().Command1.click();
        QVERIFY(!formA.isLoaded());
        QVERIFY(formB.isLoaded());
        QCOMPARE(runtime.loadedCount(), 1);
        settle();
        QVERIFY(firstWindow.isNull()); // destroyed once the handler was done

        formB.controls().Command1.click();
        settle();
        QCOMPARE(formA.controls().Command1.text(), QStringLiteral("Go"));
        QCOMPARE(log, (QStringList{"A.Load", "A.Activate", "A.after unload", "B.Load",
                                   "B.Activate", "B.after unload", "A.Load", "A.Activate"}));
        QCOMPARE(end.ends, 0);
    }

    void closingTheLastWindowEndsTheProgram()
    {
        OneForm one;
        auto &[end, runtime, log, design, form] = one;
        form.Show();
        settle();
        form.window()->close();
        QVERIFY(!form.isLoaded());
        QCOMPARE(end.ends, 1);
        QVERIFY(runtime.isEnding());
        form.Show(); // nothing loads once the program is ending
        QVERIFY(!form.isLoaded());
    }

    void endUnloadsEveryFormAndSilencesEvents()
    {
        OneForm one;
        auto &[end, runtime, log, design, form] = one;
        form.Show();
        runtime.End(); // before the queued Activate runs
        settle();
        QCOMPARE(log, QStringList{"A.Load"});
        QVERIFY(!form.isLoaded());
        QCOMPARE(end.ends, 1);
        runtime.End();
        QCOMPARE(end.ends, 1);
    }
};

QTEST_MAIN(TestFormRuntime)
#include "tst_formruntime.moc"

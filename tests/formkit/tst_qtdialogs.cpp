#include "fakes.h"

#include "formkit/formruntime.h"
#include "formkit/qtdialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Acts on the modal dialog as soon as it is open, so the test never waits on it.
void whenDialogOpens(std::function<void(QWidget &)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        act(*dialog);
    });
}

} // namespace

class TestQtDialogs : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxAnswersOkHoweverDismissed_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK button") << "ok";
        QTest::newRow("Esc key") << "escape";
        QTest::newRow("close button of its frame") << "close";
    }
    void messageBoxAnswersOkHoweverDismissed()
    {
        QFETCH(QString, how);
        RecordingEnd end;
        FormRuntime runtime(end);
        QtDialogs dialogs(runtime);
        QString shownText;
        QString shownTitle;
        int buttons = 0;
        whenDialogOpens([&](QWidget &w) {
            auto &box = dynamic_cast<QMessageBox &>(w);
            shownText = box.text();
            shownTitle = box.windowTitle();
            buttons = int(box.buttons().size());
            QCOMPARE(box.icon(), QMessageBox::NoIcon);
            if (how == u"ok")
                box.button(QMessageBox::Ok)->click();
            else if (how == u"escape")
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                box.close();
        });
        QCOMPARE(dialogs.MsgBox(QStringLiteral("This software will exit."), 0,
                                QStringLiteral("Even those who shoots bad guns")),
                 1);
        QCOMPARE(shownText, QStringLiteral("This software will exit."));
        QCOMPARE(shownTitle, QStringLiteral("Even those who shoots bad guns"));
        QCOMPARE(buttons, 1);
    }

    void inputBox_data()
    {
        QTest::addColumn<QString>("typed"); // empty: keep the default
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("expected");
        QTest::newRow("OK on the default") << "" << true << "20";
        QTest::newRow("OK on typed text") << "7.9" << true << "7.9";
        QTest::newRow("OK on an emptied field") << "\b" << true << "";
        QTest::newRow("Cancel gives empty text") << "33" << false << "";
    }
    void inputBox()
    {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QString, expected);
        RecordingEnd end;
        FormRuntime runtime(end);
        QtDialogs dialogs(runtime);
        QString shownDefault;
        whenDialogOpens([&](QWidget &w) {
            auto &dialog = dynamic_cast<QInputDialog &>(w);
            shownDefault = dialog.textValue();
            if (typed == u"\b")
                dialog.setTextValue(QString());
            else if (!typed.isEmpty())
                dialog.setTextValue(typed);
            if (ok)
                dialog.accept();
            else
                dialog.reject();
        });
        QCOMPARE(dialogs.InputBox(QStringLiteral("Please enter an integer between 5 and 50."),
                                  QStringLiteral("Setting the number of shots of the gun"),
                                  QStringLiteral("20")),
                 expected);
        QCOMPARE(shownDefault, QStringLiteral("20"));
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"

#include "programfixture.h"

#include <QTest>

class TestRunControls : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestRunControls)
#include "tst_runcontrols.moc"

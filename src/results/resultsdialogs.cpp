#include "results/resultsdialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

QString QtResultsDialogs::saveFileName(QWidget *parent, const QString &suggestedName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("ResultsWindow", "Save the results"),
                                        QDir(folder).filePath(suggestedName),
                                        QCoreApplication::translate("ResultsWindow", "CSV files (*.csv)"));
}

void QtResultsDialogs::tellFailure(QWidget *parent, const QString &message)
{
    QMessageBox::warning(parent, QCoreApplication::translate("ResultsWindow", "Results not saved"), message);
}

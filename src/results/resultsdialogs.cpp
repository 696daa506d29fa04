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
    QFileDialog dialog(parent, QCoreApplication::translate("ResultsWindow", "Save the results"),
                       QDir(folder).filePath(suggestedName),
                       QCoreApplication::translate("ResultsWindow", "CSV files (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets .csv before the dialog asks
    // whether to replace a file of that name.
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtResultsDialogs::tellFailure(QWidget *parent, const QString &message)
{
    QMessageBox::warning(parent, QCoreApplication::translate("ResultsWindow", "Results not saved"), message);
}

#include "results/resultsdialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace {

QString askForFile(QWidget *parent, const QString &title, const QString &suggestedName, const QString &filters,
                   const QString &suffix)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(parent, title, QDir(folder).filePath(suggestedName), filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets one before the dialog asks
    // whether to replace a file of that name.
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtResultsDialogs::saveFileName(QWidget *parent, const QString &suggestedName)
{
    return askForFile(parent, QCoreApplication::translate("ResultsWindow", "Save the results"), suggestedName,
                      QCoreApplication::translate("ResultsWindow", "CSV files (*.csv)"), QStringLiteral("csv"));
}

QString QtResultsDialogs::savePictureName(QWidget *parent, const QString &suggestedName)
{
    return askForFile(parent, QCoreApplication::translate("ResultsWindow", "Save the picture"), suggestedName,
                      QCoreApplication::translate("ResultsWindow",
                                                  "PNG pictures (*.png);;SVG pictures (*.svg);;PDF documents (*.pdf)"),
                      QStringLiteral("png"));
}

QString QtResultsDialogs::saveHandoutName(QWidget *parent, const QString &suggestedName)
{
    return askForFile(parent, QCoreApplication::translate("ResultsWindow", "Export the handout"), suggestedName,
                      QCoreApplication::translate("ResultsWindow", "PDF documents (*.pdf)"), QStringLiteral("pdf"));
}

void QtResultsDialogs::printPreview(QWidget *parent, const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog preview(parent);
    preview.setWindowTitle(QCoreApplication::translate("ResultsWindow", "Print the handout"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter *printer) { paint(*printer); });
    preview.exec();
}

void QtResultsDialogs::tellFailure(QWidget *parent, const QString &message)
{
    QMessageBox::warning(parent, QCoreApplication::translate("ResultsWindow", "Results not saved"), message);
}

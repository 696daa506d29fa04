#include "results/resultsdialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <utility>

namespace {

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

QString askForFile(QWidget *parent, const QString &title, const QString &suggestedName, const QString &filters,
                   const QString &suffix)
{
    QFileDialog dialog(parent, title, QDir(documentsFolder()).filePath(suggestedName), filters);
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

PictureTarget PictureTarget::from(const QString &path, PictureFormat chosen)
{
    if (path.isEmpty())
        return {};
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"svg")
        return {path, PictureFormat::Svg};
    if (suffix == u"pdf")
        return {path, PictureFormat::Pdf};
    if (suffix == u"png") {
        const bool pngChosen = chosen != PictureFormat::Svg && chosen != PictureFormat::Pdf;
        return {path, pngChosen ? chosen : PictureFormat::PngForSlide};
    }
    return {path + QLatin1Char('.') + suffixOf(chosen), chosen};
}

QString PictureTarget::suffixOf(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Svg:
        return QStringLiteral("svg");
    case PictureFormat::Pdf:
        return QStringLiteral("pdf");
    default:
        return QStringLiteral("png");
    }
}

PictureTarget QtResultsDialogs::pictureTarget(QWidget *parent, const QString &title, const QString &suggestedStem)
{
    // One kind of file for each format, PNG in its three sizes.
    const std::pair<PictureFormat, QString> kinds[] = {
        {PictureFormat::PngForSlide,
         QCoreApplication::translate("ResultsWindow", "PNG picture for a slide, 1920 \u00d7 1080 (*.png)")},
        {PictureFormat::PngForPrint, QCoreApplication::translate("ResultsWindow", "PNG picture for print, 300 dpi (*.png)")},
        {PictureFormat::PngAsOnScreen,
         QCoreApplication::translate("ResultsWindow", "PNG picture as on the screen (*.png)")},
        {PictureFormat::Svg, QCoreApplication::translate("ResultsWindow", "SVG picture, lines and text kept (*.svg)")},
        {PictureFormat::Pdf, QCoreApplication::translate("ResultsWindow", "PDF document (*.pdf)")},
    };
    QStringList filters;
    QString lastFilter;
    for (const auto &[format, filter] : kinds) {
        filters << filter;
        if (format == lastPictureFormat_)
            lastFilter = filter;
    }
    QFileDialog dialog(parent, title,
                       QDir(documentsFolder()).filePath(suggestedStem + QLatin1Char('.')
                                                        + PictureTarget::suffixOf(lastPictureFormat_)),
                       filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectNameFilter(lastFilter);
    dialog.setDefaultSuffix(PictureTarget::suffixOf(lastPictureFormat_));
    const auto formatOf = [&kinds](const QString &filter) {
        for (const auto &[format, each] : kinds) {
            if (each == filter)
                return format;
        }
        return PictureFormat::PngForSlide;
    };
    // A name typed without an extension gets the kind chosen's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &formatOf](const QString &filter) {
        dialog.setDefaultSuffix(PictureTarget::suffixOf(formatOf(filter)));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const PictureTarget target = PictureTarget::from(dialog.selectedFiles().constFirst(), formatOf(dialog.selectedNameFilter()));
    lastPictureFormat_ = target.format;
    return target;
}

bool QtResultsDialogs::confirmReplace(QWidget *parent, const QStringList &paths)
{
    QStringList shown;
    for (const QString &path : paths)
        shown << QDir::toNativeSeparators(path);
    return QMessageBox::question(parent, QCoreApplication::translate("ResultsWindow", "Replace the pictures?"),
                                 QCoreApplication::translate("ResultsWindow", "These files are there already:\n%1\n\n"
                                                                              "Replace them?")
                                     .arg(shown.join(QLatin1Char('\n'))),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
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

std::optional<QString> QtResultsDialogs::askLearner(QWidget *parent, const QString &current)
{
    bool ok = false;
    const QString learner = QInputDialog::getText(
        parent, QCoreApplication::translate("ResultsWindow", "Save the results"),
        QCoreApplication::translate("ResultsWindow",
                                    "Your name, or your group's: it names these results when the class is pooled."),
        QLineEdit::Normal, current, &ok);
    if (!ok)
        return std::nullopt;
    return learner.simplified();
}

QStringList QtResultsDialogs::openResultsFiles(QWidget *parent)
{
    return QFileDialog::getOpenFileNames(
        parent, QCoreApplication::translate("ResultsWindow", "Add the class's results"), documentsFolder(),
        QCoreApplication::translate("ResultsWindow", "Results files (*.csv);;All files (*)"));
}

std::optional<LearnerRun> QtResultsDialogs::askTally(QWidget *parent, int shots)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("ResultsWindow", "Add a tally counted by hand"));
    auto *label = new QLineEdit(&dialog);
    label->setObjectName(QStringLiteral("tallyLabel"));
    auto *n = new QSpinBox(&dialog);
    n->setRange(5, 50);
    n->setValue(shots >= 5 && shots <= 50 ? shots : 20);
    auto *experiments = new QSpinBox(&dialog);
    experiments->setRange(1, 1000000);
    experiments->setValue(20);
    experiments->setGroupSeparatorShown(true);
    auto *successes = new QSpinBox(&dialog);
    successes->setRange(0, experiments->value());
    successes->setGroupSeparatorShown(true);
    // Never more successes than experiments.
    QObject::connect(experiments, &QSpinBox::valueChanged, successes, [successes](int value) {
        successes->setMaximum(value);
    });
    auto *form = new QFormLayout(&dialog);
    form->addRow(QCoreApplication::translate("ResultsWindow", "&Name or group:"), label);
    form->addRow(QCoreApplication::translate("ResultsWindow", "&Shots per experiment N:"), n);
    form->addRow(QCoreApplication::translate("ResultsWindow", "&Experiments:"), experiments);
    form->addRow(QCoreApplication::translate("ResultsWindow", "S&uccesses (at least one hit):"), successes);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    LearnerRun tally;
    tally.label = label->text().simplified();
    if (tally.label.isEmpty())
        tally.label = QCoreApplication::translate("ResultsWindow", "Counted by hand");
    tally.shots = n->value();
    tally.experiments = experiments->value();
    tally.successes = std::min(successes->value(), experiments->value());
    return tally;
}

QString QtResultsDialogs::saveClassName(QWidget *parent, const QString &suggestedName)
{
    return askForFile(parent, QCoreApplication::translate("ResultsWindow", "Save the class"), suggestedName,
                      QCoreApplication::translate("ResultsWindow", "CSV files (*.csv)"), QStringLiteral("csv"));
}

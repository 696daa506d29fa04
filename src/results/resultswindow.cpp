#include "results/resultswindow.h"

#include "results/experimentresults.h"
#include "results/resultsreport.h"
#include "formkit/announcer.h"
#include "formkit/designlayout.h"
#include "look/designlook.h"
#include "look/designpalette.h"
#include "look/designstyle.h"
#include "charts/chartpicture.h"
#include "charts/chartview.h"
#include "results/safefile.h"
#include "results/handout.h"
#include "results/resultscharts.h"
#include "results/resultsdialogs.h"
#include "results/predictionfield.h"
#include "results/missgridview.h"
#include "results/classreport.h"
#include "results/classtablemodel.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QMimeData>
#include <QTabWidget>
#include <QTableView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <cmath>

namespace {

// A window to assistive technology (a frame), as the main window is; a
// plain widget would be a filler.
QAccessibleInterface *resultsWindowAccessible(const QString &className, QObject *object)
{
    if (className == u"ResultsWindow")
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

// The size the window opens at where the screen has room, and the size its
// text is the desktop's own at.
constexpr QSize BaseSize(960, 700);
// The room between controls at the opening size.
constexpr int BaseSpacing = 6;
// A prediction that cannot be taken: the field and the words that say so.
const QColor RefusedField(255, 224, 224);
const QColor RefusedText(176, 0, 32);
// How long the window's size rests before its text follows it.
constexpr int TextScalingRestMilliseconds = 150;
// Work on a worker (a save, files read) that takes longer than this shows
// its progress, with Cancel.
constexpr int ProgressShownAfterMilliseconds = 300;

// The file Save offers: the learner's name in it, so that a class's files
// in one folder are told apart.
QString fileNameFor(const QString &learner)
{
    QString name;
    for (const QChar c : learner.simplified()) {
        if (c.isLetterOrNumber())
            name += c;
        else if (!name.endsWith(u'-'))
            name += u'-';
    }
    while (name.endsWith(u'-'))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("shootalot-results.csv")
                          : QStringLiteral("shootalot-%1.csv").arg(name.left(40));
}

} // namespace

ResultsWindow::ResultsWindow(ExperimentResults &results, ResultsDialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), results_(results), dialogs_(dialogs),
      summary_(new QLabel(this)), predictionLabel_(new QLabel(this)), prediction_(new PredictionField(this)),
      predictionRefused_(new QLabel(this)),
      runningRate_(new ChartView(this)), histogram_(new ChartView(this)), acrossN_(new ChartView(this)),
      missGrid_(new MissGridView(this)),
      announcer_(new Announcer(this)), baseTextSize_(font().pointSizeF())
{
    static const bool accessible = (QAccessible::installFactory(resultsWindowAccessible), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("ResultsWindow"));
    setFont(design::textFontFor(font(), QLocale()));
    setWindowTitle(tr("Results"));
    setWindowIcon(design::programIcon());
    setPalette(design::lightPalette());
    setAutoFillBackground(true);
    for (ChartView *chart : {runningRate_, histogram_, acrossN_})
        chart->setFocusColour(design::DesignStyle::focusRingColour());

    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary_->setFocusPolicy(Qt::StrongFocus);
    summary_->setAccessibleName(tr("Summary"));
    summary_->setMinimumHeight(summary_->fontMetrics().height() * 3);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    prediction_->setObjectName(QStringLiteral("prediction"));
    prediction_->setAccessibleDescription(
        tr("Your guess at the success rate, in percent from 0 to 100 with at most one decimal, before running"));
    predictionLabel_->setBuddy(prediction_);
    connect(prediction_, &PredictionField::rateChosen, this, [this](std::optional<double> rate) {
        const int n = results_.shotsPerExperiment();
        if (n > 0)
            results_.setPrediction(n, rate);
    });
    predictionRefused_->setObjectName(QStringLiteral("predictionRefused"));
    {
        QPalette warning = predictionRefused_->palette();
        warning.setColor(QPalette::WindowText, RefusedText);
        predictionRefused_->setPalette(warning);
    }
    connect(prediction_, &PredictionField::refusingChanged, this, [this](bool refusing) {
        QPalette field = palette();
        if (refusing)
            field.setColor(QPalette::Base, RefusedField);
        prediction_->setPalette(field);
        const QString why = refusing ? tr("Not taken: a percent from 0 to 100, with at most one decimal. "
                                          "The prediction stays as it was.")
                                     : QString();
        predictionRefused_->setText(why);
        predictionRefused_->setVisible(refusing);
        if (refusing)
            announcer_->announce(why);
    });

    auto *commands = new QHBoxLayout;
    commands->addWidget(predictionLabel_);
    commands->addWidget(prediction_);
    commands->addSpacing(16);
    const QStringList runTexts = runCaptions();
    for (qsizetype i = 0; i < runTexts.size(); ++i) {
        auto *button = new QPushButton(runTexts[i], this);
        const qint64 experiments = FastRuns[i];
        button->setObjectName(QStringLiteral("run%1").arg(experiments));
        button->setAccessibleDescription(tr("Fires %1 experiments at once at the present number of shots")
                                             .arg(QLocale().toString(experiments)));
        connect(button, &QPushButton::clicked, this, [this, experiments] {
            if (playing_ > 0) {
                emit stopRequested();
            } else {
                // A run is this computer's: it is shown as it goes.
                showClass(false);
                emit fastRunRequested(experiments, RunPace(pace_->currentData().toInt()));
            }
        });
        commands->addWidget(button);
        fastRunButtons_ << button;
    }
    // How a run is shown: at once, as always, or watched as it goes.
    pace_ = new QComboBox(this);
    pace_->setObjectName(QStringLiteral("pace"));
    pace_->addItem(tr("at once"), int(RunPace::AtOnce));
    pace_->addItem(tr("watched, faster"), int(RunPace::Faster));
    pace_->addItem(tr("watched, slowly"), int(RunPace::Watch));
    pace_->setAccessibleName(tr("How a run is shown"));
    pace_->setToolTip(tr("At once, or judged in order while the counts and charts grow"));
    auto *paceLabel = new QLabel(tr("Sho&wn:"), this);
    paceLabel->setBuddy(pace_);
    commands->addSpacing(8);
    commands->addWidget(paceLabel);
    commands->addWidget(pace_);
    commands->addStretch(1);
    auto *sideBySide = new QPushButton(tr("Si&de by side"), this);
    sideBySide->setObjectName(QStringLiteral("sideBySide"));
    sideBySide->setAccessibleDescription(tr("Puts this window and the main window side by side on the screen"));
    connect(sideBySide, &QPushButton::clicked, this, &ResultsWindow::sideBySideRequested);

    auto *saveButton = new QPushButton(tr("&Save..."), this);
    saveButton->setObjectName(QStringLiteral("save"));
    saveButton_ = saveButton;
    connect(saveButton, &QPushButton::clicked, this, &ResultsWindow::save);
    connect(&saver_, &ResultsSaver::finished, this, &ResultsWindow::saved);
    connect(&reader_, &ClassReader::finished, this, &ResultsWindow::filesRead);
    auto *copyButton = new QPushButton(tr("&Copy"), this);
    copyButton->setObjectName(QStringLiteral("copy"));
    connect(copyButton, &QPushButton::clicked, this, &ResultsWindow::copy);
    auto *closeButton = new QPushButton(tr("C&lose"), this);
    closeButton->setObjectName(QStringLiteral("close"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);


    QWidget *classPage = makeClassPage();
    // Each chart as a picture: Ctrl+C and its context menu.
    for (ChartView *chart : findChildren<ChartView *>()) {
        chart->setContextMenuPolicy(Qt::ActionsContextMenu);
        auto *copyPicture = new QAction(tr("Copy picture"), chart);
        copyPicture->setShortcut(QKeySequence::Copy);
        copyPicture->setShortcutContext(Qt::WidgetShortcut);
        connect(copyPicture, &QAction::triggered, this, [this, chart] { copyPictureOf(*chart); });
        auto *savePicture = new QAction(tr("Save picture..."), chart);
        connect(savePicture, &QAction::triggered, this, [this, chart] { savePictureOf(*chart); });
        chart->addAction(copyPicture);
        chart->addAction(savePicture);
    }
    runningRate_->setObjectName(QStringLiteral("runningRate"));
    histogram_->setObjectName(QStringLiteral("histogram"));
    acrossN_->setObjectName(QStringLiteral("acrossN"));
    missGrid_->setObjectName(QStringLiteral("lastHundred"));
    missGrid_->setFocusColour(design::DesignStyle::focusRingColour());

    // The running chart shows the rate, or the count it comes from.
    auto *views = new QHBoxLayout;
    auto *rateView = new QRadioButton(tr("Success ra&te"), this);
    rateView->setObjectName(QStringLiteral("rateView"));
    differenceView_ = new QRadioButton(tr("Successes minus e&xpected"), this);
    differenceView_->setObjectName(QStringLiteral("differenceView"));
    rateView->setChecked(true);
    connect(differenceView_, &QRadioButton::toggled, this, &ResultsWindow::scheduleRefresh);
    auto *together = new QLabel(ResultsReport::rateAndDifferenceTogether(), this);
    together->setObjectName(QStringLiteral("together"));
    together->setWordWrap(true);
    views->addWidget(rateView);
    views->addWidget(differenceView_);
    views->addStretch(1);
    // The window's own commands, on this row so that the window stays
    // narrow enough to stand beside the main one on a laptop.
    views->addWidget(sideBySide);
    views->addWidget(saveButton);
    views->addWidget(copyButton);
    views->addWidget(closeButton);

    auto *minePage = new QWidget(this);
    minePage->setObjectName(QStringLiteral("mine"));
    auto *charts = new QGridLayout(minePage);
    charts->setContentsMargins(0, BaseSpacing, 0, 0);
    charts->addWidget(runningRate_, 0, 0, 1, 3);
    charts->addWidget(histogram_, 1, 0);
    charts->addWidget(missGrid_, 1, 1);
    charts->addWidget(acrossN_, 1, 2);
    charts->setRowStretch(0, 1);
    charts->setRowStretch(1, 1);
    charts->setColumnStretch(0, 2);
    charts->setColumnStretch(1, 1);
    charts->setColumnStretch(2, 2);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(BaseSpacing);
    layout->setContentsMargins(2 * BaseSpacing, 2 * BaseSpacing, 2 * BaseSpacing, 2 * BaseSpacing);
    commands->setSpacing(BaseSpacing);
    charts->setSpacing(BaseSpacing);
    layout->addWidget(summary_);
    layout->addLayout(commands);
    layout->addWidget(predictionRefused_);
    layout->addLayout(views);
    layout->addWidget(together);
    predictionRefused_->hide();
    // This computer's experiments, or the class's pooled.
    views_ = new QTabWidget(this);
    views_->setObjectName(QStringLiteral("views"));
    views_->setDocumentMode(true);
    views_->addTab(minePage, tr("&Mine"));
    views_->setTabToolTip(0, tr("The experiments of this computer"));
    views_->addTab(classPage, tr("Cl&ass"));
    views_->setTabToolTip(1, tr("The whole class pooled, from every learner's results file"));
    connect(views_, &QTabWidget::currentChanged, this, [this] {
        refresh();
        announceSummary();
    });
    layout->addWidget(views_, 1);
    setAcceptDrops(true);

    // Predict first: the field is where the window starts.
    const QList<QWidget *> order = {prediction_, fastRunButtons_[0], fastRunButtons_[1], fastRunButtons_[2],
                                    pace_, sideBySide, saveButton, copyButton, closeButton, summary_, rateView, differenceView_,
                                    views_, runningRate_, histogram_, missGrid_, acrossN_};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    prediction_->setFocus();

    // The handout: Ctrl+P and the window's context menu.
    auto *print = new QAction(tr("Print handout..."), this);
    print->setObjectName(QStringLiteral("printHandout"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &ResultsWindow::printHandout);
    addAction(print);
    auto *exportPdf = new QAction(tr("Export handout as PDF..."), this);
    exportPdf->setObjectName(QStringLiteral("exportHandout"));
    connect(exportPdf, &QAction::triggered, this, &ResultsWindow::exportHandout);
    addAction(exportPdf);
    auto *saveCharts = new QAction(tr("Save all charts..."), this);
    saveCharts->setObjectName(QStringLiteral("saveAllCharts"));
    saveCharts->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveCharts, &QAction::triggered, this, &ResultsWindow::saveAllCharts);
    addAction(saveCharts);
    for (ChartView *chart : findChildren<ChartView *>())
        chart->addAction(saveCharts);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this, print, exportPdf, saveCharts](const QPoint &at) {
        auto *menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(print);
        menu->addAction(exportPdf);
        menu->addAction(saveCharts);
        menu->popup(mapToGlobal(at));
    });

    auto *closeKey = new QAction(this);
    closeKey->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(closeKey, &QAction::triggered, this, &QWidget::close);
    addAction(closeKey);

    textScaling_.setSingleShot(true);
    textScaling_.setInterval(TextScalingRestMilliseconds);
    connect(&textScaling_, &QTimer::timeout, this, &ResultsWindow::scaleText);

    connect(&results_, &ExperimentResults::changed, this, &ResultsWindow::scheduleRefresh);
    connect(&results_, &ExperimentResults::seriesStarted, this, &ResultsWindow::scheduleRefresh);
    connect(&results_, &ExperimentResults::predictionChanged, this, &ResultsWindow::scheduleRefresh);

    // As large as it was designed, within the screen and in its middle,
    // frame included.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(BaseSize.boundedTo(available.size() - DesignLayout::FrameAllowance).expandedTo(minimumSizeHint()));
        QRect frame(QPoint(), size() + DesignLayout::FrameAllowance);
        frame.moveCenter(available.center());
        move(QPoint(std::max(frame.left(), available.left()), std::max(frame.top(), available.top())));
    } else {
        resize(BaseSize);
    }
    refresh();
}

ResultsWindow::~ResultsWindow() = default;

QWidget *ResultsWindow::makeClassPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("class"));
    classRunning_ = new ChartView(page);
    classRunning_->setObjectName(QStringLiteral("classRunningRate"));
    classHistogram_ = new ChartView(page);
    classHistogram_->setObjectName(QStringLiteral("classHistogram"));
    classAcrossN_ = new ChartView(page);
    classAcrossN_->setObjectName(QStringLiteral("classAcrossN"));
    learners_ = new ChartView(page);
    learners_->setObjectName(QStringLiteral("learners"));
    for (ChartView *chart : {classRunning_, classHistogram_, classAcrossN_, learners_})
        chart->setFocusColour(design::DesignStyle::focusRingColour());
    // A dot pointed at, or reached with the arrow keys, is named aloud too.
    connect(learners_, &ChartView::pointChosen, announcer_, &Announcer::announce);

    classTable_ = std::make_unique<ClassTableModel>(class_);
    classList_ = new QTableView(page);
    classList_->setObjectName(QStringLiteral("classList"));
    classList_->setModel(classTable_.get());
    classList_->setAccessibleName(tr("The class's learners"));
    classList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    classList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    classList_->setTabKeyNavigation(false);
    classList_->setWordWrap(false);
    classList_->verticalHeader()->hide();
    classList_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    classList_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    classList_->horizontalHeader()->setStretchLastSection(true);

    auto *add = new QPushButton(tr("Add r&esults..."), page);
    add->setObjectName(QStringLiteral("addResults"));
    add->setAccessibleDescription(tr("Adds the results files saved on the class's computers (several at once); "
                                     "files can be dropped on the window too"));
    connect(add, &QPushButton::clicked, this, [this] { addResultsFiles(dialogs_.openResultsFiles(this)); });
    auto *tally = new QPushButton(tr("Add a tall&y..."), page);
    tally->setObjectName(QStringLiteral("addTally"));
    tally->setAccessibleDescription(tr("Adds experiments counted by hand, such as a game with ten-sided dice"));
    connect(tally, &QPushButton::clicked, this, &ResultsWindow::addTally);
    removeLearner_ = new QPushButton(tr("Remo&ve"), page);
    removeLearner_->setObjectName(QStringLiteral("removeLearner"));
    removeLearner_->setAccessibleDescription(tr("Takes the chosen learners out of the class"));
    removeLearner_->setEnabled(false);
    connect(removeLearner_, &QPushButton::clicked, this, &ResultsWindow::removeChosenLearners);
    connect(classList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { removeLearner_->setEnabled(classList_->selectionModel()->hasSelection()); });
    connect(classTable_.get(), &QAbstractItemModel::modelReset, this,
            [this] { removeLearner_->setEnabled(classList_->selectionModel()->hasSelection()); });
    auto *saveClass = new QPushButton(tr("Save t&he class..."), page);
    saveClass->setObjectName(QStringLiteral("saveClass"));
    connect(saveClass, &QPushButton::clicked, this, &ResultsWindow::saveClass);
    auto *copyClass = new QPushButton(tr("Copy class ta&ble"), page);
    copyClass->setObjectName(QStringLiteral("copyClass"));
    connect(copyClass, &QPushButton::clicked, this, &ResultsWindow::copyClass);
    for (QPushButton *each : {saveClass, copyClass})
        each->setEnabled(false);
    connect(&class_, &ClassResults::changed, this, [this, saveClass, copyClass] {
        saveClass->setEnabled(!class_.isEmpty());
        copyClass->setEnabled(!class_.isEmpty());
        scheduleRefresh();
    });

    classNotes_ = new QLabel(page);
    classNotes_->setObjectName(QStringLiteral("classNotes"));
    classNotes_->setWordWrap(true);
    classNotes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    classNotes_->hide();

    // The learners and what is done with them, in a column of their own
    // beside the charts, so that the window is no wider than with this
    // computer's experiments.
    auto *learnersColumn = new QVBoxLayout;
    learnersColumn->setContentsMargins(0, 0, 0, 0);
    learnersColumn->addWidget(classList_, 1);
    for (QPushButton *each : {add, tally, removeLearner_, saveClass, copyClass})
        learnersColumn->addWidget(each);

    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, BaseSpacing, 0, 0);
    grid->addWidget(classRunning_, 0, 0);
    grid->addWidget(learners_, 0, 1);
    grid->addWidget(classHistogram_, 1, 0);
    grid->addWidget(classAcrossN_, 1, 1);
    grid->addLayout(learnersColumn, 0, 2, 2, 1);
    grid->addWidget(classNotes_, 2, 0, 1, 3);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);
    // The charts take the room; the table scrolls sideways where it must.
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);

    setTabOrder(add, tally);
    setTabOrder(tally, removeLearner_);
    setTabOrder(removeLearner_, saveClass);
    setTabOrder(saveClass, copyClass);
    setTabOrder(copyClass, classRunning_);
    setTabOrder(classRunning_, learners_);
    setTabOrder(learners_, classHistogram_);
    setTabOrder(classHistogram_, classAcrossN_);
    setTabOrder(classAcrossN_, classList_);
    return page;
}

bool ResultsWindow::showsClass() const
{
    return views_ && views_->currentIndex() == 1;
}

void ResultsWindow::showClass(bool shown)
{
    views_->setCurrentIndex(shown ? 1 : 0);
}

void ResultsWindow::addResultsFiles(const QStringList &paths)
{
    if (paths.isEmpty() || reader_.isReading())
        return;
    showClass(true);
    reader_.read(paths);
    // Shown only when the reading takes more than a moment (a slow stick,
    // a huge file); the window goes on meanwhile.
    reading_ = workProgress(QStringLiteral("reading"), tr("Adding results"), tr("Reading the class's results..."),
                            int(paths.size()));
    connect(&reader_, &ClassReader::progressed, reading_, &QProgressDialog::setValue, Qt::UniqueConnection);
    connect(reading_, &QProgressDialog::canceled, &reader_, &ClassReader::cancel);
}

void ResultsWindow::filesRead(const ClassReader::Outcomes &outcomes, bool cancelled)
{
    closeWorkProgress(reading_);
    if (cancelled) {
        classNotes_->setText(tr("Adding was cancelled: no file was added."));
        classNotes_->show();
        return;
    }
    // The files read, pooled at once; then what became of each.
    std::vector<LearnerRun> runs;
    for (const ClassReader::FileOutcome &each : outcomes) {
        if (each.outcome.run)
            runs.push_back(*each.outcome.run);
    }
    const std::vector<ClassResults::Addition> additions = class_.add(std::move(runs));
    int added = 0;
    QStringList notes;
    std::size_t next = 0;
    for (const ClassReader::FileOutcome &each : outcomes) {
        const QString name = QFileInfo(each.path).fileName();
        if (!each.outcome.run) {
            notes << tr("%1 was not added: %2.").arg(name, each.outcome.problem);
            continue;
        }
        const QString &label = each.outcome.run->label;
        switch (additions.at(next++)) {
        case ClassResults::Addition::Added:
            ++added;
            break;
        case ClassResults::Addition::Replaced:
            ++added;
            notes << tr("%1 is %2's run again, saved later: it takes the place of the earlier file.")
                         .arg(name, label);
            break;
        case ClassResults::Addition::AlreadyThere:
            notes << tr("%1 is %2's run, already in the class: it counts once.").arg(name, label);
            break;
        }
    }
    notes.removeDuplicates(); // a file chosen twice is told of once
    QString text = added == 1 ? tr("1 file added.") : tr("%1 files added.").arg(QLocale().toString(added));
    if (!notes.isEmpty())
        text += QLatin1Char(' ') + notes.join(QLatin1Char(' '));
    classNotes_->setText(text);
    classNotes_->show();
    announcer_->announce(text + QLatin1Char(' ') + ClassReport(class_).summary());
}

void ResultsWindow::addTally()
{
    std::optional<LearnerRun> tally = dialogs_.askTally(this, results_.shotsPerExperiment());
    if (!tally || tally->experiments <= 0)
        return;
    tally->source.clear();
    tally->hits.clear();
    tally->successes = std::clamp<qint64>(tally->successes, 0, tally->experiments);
    class_.add(*tally);
    showClass(true);
}

void ResultsWindow::removeChosenLearners()
{
    QList<int> rows;
    for (const QModelIndex &index : classList_->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (int row : rows)
        class_.remove(row);
}

void ResultsWindow::saveClass()
{
    if (class_.isEmpty())
        return;
    QString path = dialogs_.saveClassName(this, QStringLiteral("shootalot-class.csv"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    const QString failure = SafeFile::writeWhole(path, ClassReport(class_).csv());
    if (!failure.isEmpty())
        dialogs_.tellFailure(this, tr("The class could not be saved to %1: %2. Nothing there was changed.")
                                       .arg(QDir::toNativeSeparators(path), failure));
}

void ResultsWindow::copyClass()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromUtf8(ClassReport(class_).csv('\t')));
}

void ResultsWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl &url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void ResultsWindow::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    addResultsFiles(paths);
}

QSize ResultsWindow::openingSize()
{
    return BaseSize;
}

QSize ResultsWindow::leastSize()
{
    // A wrapped label asks for more room with more words: the summary is
    // given its words before it is measured.
    ensurePolished();
    summary_->setText(ResultsReport(results_).summary());
    showPrediction();
    layout()->activate();
    return minimumSizeHint().expandedTo(minimumSize());
}

void ResultsWindow::setFastRunsEnabled(bool enabled)
{
    fastRunsEnabled_ = enabled;
    for (qsizetype i = 0; i < fastRunButtons_.size(); ++i)
        fastRunButtons_[i]->setEnabled(enabled && (playing_ == 0 || FastRuns[i] == playing_));
    pace_->setEnabled(enabled && playing_ == 0);
}

void ResultsWindow::setRunPlaying(qint64 experiments)
{
    playing_ = experiments;
    const QStringList runTexts = runCaptions();
    for (qsizetype i = 0; i < fastRunButtons_.size(); ++i) {
        QPushButton *button = fastRunButtons_[i];
        if (experiments > 0 && FastRuns[i] == experiments) {
            // Its place kept, so that nothing moves under the pointer.
            button->setMinimumWidth(button->width());
            button->setText(tr("St&op"));
            button->setAccessibleDescription(tr("Stops the run, finishing the experiment under way"));
        } else {
            button->setText(runTexts[i]);
            button->setAccessibleDescription(tr("Fires %1 experiments at once at the present number of shots")
                                                 .arg(QLocale().toString(FastRuns[i])));
        }
    }
    setFastRunsEnabled(fastRunsEnabled_);
}

QStringList ResultsWindow::runCaptions()
{
    // Each its own key: the digits of the two larger runs are the same.
    return {tr("Run &100"), tr("Run 1,&000"), tr("&Run 10,000")};
}

void ResultsWindow::announceSummary()
{
    announcer_->announce(showsClass() ? ClassReport(class_).summary() : ResultsReport(results_).summary());
}

void ResultsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void ResultsWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A new text size lays every control out anew; while a corner is
    // dragged that would come at every step and hold the automatic pace up,
    // so after the first step the text follows once the size rests.
    if (!isVisible() || !textScaling_.isActive())
        scaleText();
    if (isVisible())
        textScaling_.start();
}

void ResultsWindow::scaleText()
{
    // Never smaller than the desktop's text; larger as the window grows
    // past its opening size (a projector, a maximised 4K window).
    const double scale = std::clamp(std::min(double(width()) / BaseSize.width(),
                                             double(height()) / BaseSize.height()),
                                    1.0, 4.0);
    if (std::abs(scale - textScale_) < 0.05 || baseTextSize_ <= 0)
        return;
    textScale_ = scale;
    QFont scaled = font();
    scaled.setPointSizeF(baseTextSize_ * scale);
    setFont(scaled);
    // The room between the controls grows with their words.
    const int spacing = int(std::lround(BaseSpacing * scale));
    for (QLayout *each : findChildren<QLayout *>()) {
        each->setSpacing(spacing);
        if (each == layout())
            each->setContentsMargins(spacing * 2, spacing * 2, spacing * 2, spacing * 2);
    }
    // The style's room around a button's words is the same at every size:
    // it grows with them too (nothing added at the opening size).
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setMinimumWidth(0);
        button->setMinimumWidth(button->sizeHint().width() + 4 * (spacing - BaseSpacing));
    }
    // Laid out for the new words at once, not when the event loop next
    // comes round: nothing is seen, or measured, half laid out.
    layout()->activate();
}

void ResultsWindow::scheduleRefresh()
{
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshPending_ = false;
            refresh();
        },
        Qt::QueuedConnection);
}

void ResultsWindow::refresh()
{
    // A closed window is brought up to date when it is shown again.
    if (!isVisible())
        return;
    const ResultsReport report(results_);
    const QString summary = showsClass() ? ClassReport(class_).summary() : report.summary();
    if (summary_->text() != summary) {
        summary_->setText(summary);
        summary_->setAccessibleDescription(summary);
    }
    showPrediction();
    runningRate_->setChart(differenceView_->isChecked() ? ResultsCharts::successesMinusExpected(results_)
                                                        : ResultsCharts::runningRate(results_));
    std::vector<int> lastHundred;
    const qint64 experiments = results_.experiments();
    for (qint64 number = std::max<qint64>(1, experiments - ResultsReport::LastHundred + 1); number <= experiments;
         ++number)
        lastHundred.push_back(results_.hitsOf(number));
    missGrid_->setExperiments(lastHundred, report.lastHundredInWords());
    histogram_->setChart(ResultsCharts::hitsPerExperiment(results_));
    acrossN_->setChart(ResultsCharts::acrossN(results_));
    if (showsClass()) {
        // The class's prediction is the one typed here.
        class_.setPredictions(results_.predictions());
        const ExperimentResults &pooled = class_.pooled();
        classRunning_->setChart(differenceView_->isChecked() ? ResultsCharts::successesMinusExpected(pooled)
                                                             : ResultsCharts::runningRate(pooled));
        classHistogram_->setChart(ResultsCharts::hitsPerExperiment(pooled));
        classAcrossN_->setChart(ResultsCharts::acrossN(pooled));
        learners_->setChart(ResultsCharts::learners(class_));
    }
}

void ResultsWindow::showPrediction()
{
    const int n = results_.shotsPerExperiment();
    predictionLabel_->setText(n > 0 ? tr("Your &prediction for N = %1:").arg(n) : tr("Your &prediction:"));
    prediction_->setEnabled(n > 0);
    prediction_->showRate(results_.prediction(n));
}

void ResultsWindow::save()
{
    if (saver_.isSaving())
        return;
    // Whose results they are, so that the class can be pooled from the files.
    const std::optional<QString> learner = dialogs_.askLearner(this, results_.learner());
    if (!learner)
        return;
    results_.setLearner(*learner);
    QString path = dialogs_.saveFileName(this, fileNameFor(*learner));
    if (path.isEmpty())
        return;
    // A name typed without an extension is a CSV file, as the dialog offers.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    saveButton_->setEnabled(false);
    saver_.save(path, results_.series());
    // Shown only when the save takes more than a moment (a long series on
    // a slow disk); the window and the main one go on meanwhile.
    saving_ = workProgress(QStringLiteral("saving"), tr("Saving"),
                           tr("Saving the results to %1...").arg(QDir::toNativeSeparators(path)),
                           ResultsSaver::ProgressSteps);
    connect(&saver_, &ResultsSaver::progressed, saving_, &QProgressDialog::setValue, Qt::UniqueConnection);
    connect(saving_, &QProgressDialog::canceled, &saver_, &ResultsSaver::cancel);
}

QProgressDialog *ResultsWindow::workProgress(const QString &name, const QString &title, const QString &label,
                                            int steps)
{
    auto *progress = new QProgressDialog(label, tr("Cancel"), 0, steps, this);
    progress->setObjectName(name);
    progress->setWindowTitle(title);
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(ProgressShownAfterMilliseconds);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setValue(0);
    return progress;
}

void ResultsWindow::closeWorkProgress(QProgressDialog *progress)
{
    if (progress) {
        progress->hide();
        progress->deleteLater();
    }
}

void ResultsWindow::saved(const QString &path, const QString &failure, bool cancelled)
{
    closeWorkProgress(saving_);
    saveButton_->setEnabled(true);
    if (!cancelled && !failure.isEmpty())
        dialogs_.tellFailure(this, tr("The results could not be saved to %1: %2. Nothing there was changed.")
                                       .arg(QDir::toNativeSeparators(path), failure));
}

ChartPicture ResultsWindow::pictureOf(const ChartView &chart) const
{
    // What the picture is, under it, so that it stands alone on a slide.
    const int n = results_.shotsPerExperiment();
    const QLocale locale;
    const QString caption = tr("Shoot a Lot: %1 experiments at N = %2, %3")
                                .arg(locale.toString(results_.experiments()))
                                .arg(n)
                                .arg(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    return ChartPicture(chart.chart(), caption, chart.size(), chart.font());
}

void ResultsWindow::copyPictureOf(const ChartView &chart)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(pictureOf(chart).mimeData());
}

void ResultsWindow::savePictureOf(const ChartView &chart)
{
    const PictureTarget target = dialogs_.pictureTarget(this, tr("Save the picture"), chart.objectName());
    if (target.path.isEmpty())
        return;
    const QString failure = writePicture(chart, target.path, target.format);
    if (!failure.isEmpty())
        dialogs_.tellFailure(this, failure);
}

void ResultsWindow::saveAllCharts()
{
    const PictureTarget target = dialogs_.pictureTarget(this, tr("Save all charts"), QStringLiteral("shootalot-charts"));
    if (target.path.isEmpty())
        return;
    // One file a chart, each named after the one the dialog gave.
    const QFileInfo given(target.path);
    const QString stem = given.dir().filePath(given.completeBaseName());
    const QString suffix = QLatin1Char('.') + given.suffix();
    QList<std::pair<const ChartView *, QString>> charts = chartsShown();
    for (auto &[chart, name] : charts)
        name = stem + QLatin1Char('-') + name + suffix;
    // The dialog asked about the name it gave, not about these.
    QStringList there;
    for (const auto &[chart, path] : charts) {
        if (QFileInfo::exists(path))
            there << path;
    }
    if (!there.isEmpty() && !dialogs_.confirmReplace(this, there))
        return;
    QStringList failures;
    for (const auto &[chart, path] : charts) {
        const QString failure = writePicture(*chart, path, target.format);
        if (!failure.isEmpty())
            failures << failure;
    }
    if (!failures.isEmpty())
        dialogs_.tellFailure(this, failures.join(QLatin1Char('\n')));
}

QList<std::pair<const ChartView *, QString>> ResultsWindow::chartsShown() const
{
    if (showsClass())
        return {{classRunning_, QStringLiteral("class-running")},
                {learners_, QStringLiteral("class-learners")},
                {classHistogram_, QStringLiteral("class-hits")},
                {classAcrossN_, QStringLiteral("class-across-n")}};
    return {{runningRate_, QStringLiteral("running")},
            {histogram_, QStringLiteral("hits")},
            {acrossN_, QStringLiteral("across-n")}};
}

QString ResultsWindow::writePicture(const ChartView &chart, const QString &path, PictureFormat format) const
{
    const QString failure = SafeFile::writeWhole(path, pictureOf(chart).encoded(format, chart.devicePixelRatioF()));
    if (failure.isEmpty())
        return {};
    return tr("The picture could not be saved to %1: %2. Nothing there was changed.")
        .arg(QDir::toNativeSeparators(path), failure);
}

void ResultsWindow::printHandout()
{
    const Handout handout(results_, QDate::currentDate(), &class_);
    dialogs_.printPreview(this, [&handout](QPrinter &printer) {
        // On the printer's own paper, as its page setup has it.
        printer.setFullPage(true); // the handout keeps its own margins
        QPainter painter(&printer);
        // The page is laid out in pixels at 96 to the inch, whatever the
        // printer's resolution.
        const double scale = printer.resolution() / 96.0;
        painter.scale(scale, scale);
        handout.paint(painter, printer.pageLayout().fullRectPixels(96).size());
    });
}

void ResultsWindow::exportHandout()
{
    QString path = dialogs_.saveHandoutName(this, QStringLiteral("shootalot-handout.pdf"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const QString failure =
        SafeFile::writeWhole(path, Handout(results_, QDate::currentDate(), &class_).pdf(Handout::paperFor(QLocale())));
    if (!failure.isEmpty())
        dialogs_.tellFailure(this, tr("The handout could not be saved to %1: %2. Nothing there was changed.")
                                       .arg(QDir::toNativeSeparators(path), failure));
}

void ResultsWindow::copy()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(ResultsReport(results_).table());
}

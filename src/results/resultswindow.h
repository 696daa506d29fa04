#pragma once

#include "charts/chartpicture.h"
#include "experiment/watchedrun.h"
#include "results/classreader.h"
#include "results/classresults.h"
#include "results/resultssaver.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class Announcer;
class ChartView;
class ExperimentResults;
class QComboBox;
class QLabel;
class QProgressDialog;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class ClassTableModel;
class MissGridView;
class PredictionField;
class ResultsDialogs;

// The companion of the main window: the results of the experiments as they
// come, in three charts and in words, the learner's prediction, fast runs
// and the results saved or copied. It only reads the results; a fast run is
// asked of whoever fires the shots.
class ResultsWindow final : public QWidget
{
    Q_OBJECT

public:
    ResultsWindow(ExperimentResults &results, ResultsDialogs &dialogs, QWidget *parent = nullptr);
    ~ResultsWindow() override;

    // Fast runs are offered only while nothing else fires.
    void setFastRunsEnabled(bool enabled);
    // While a watched run of `experiments` plays (0: none), its button is
    // its Stop and the others wait.
    void setRunPlaying(qint64 experiments);
    // Tells a screen reader the summary, as a run of experiments ends.
    void announceSummary();

    // The size the window opens at where the screen has room.
    static QSize openingSize();
    // The least the window takes with the words it will show: to place it
    // before it is shown.
    QSize leastSize();
    // What the fast run buttons say.
    static QStringList runCaptions();

    // The experiments each fast run button asks for.
    static constexpr qint64 FastRuns[] = {100, 1000, 10000};

    // Whether Save is still writing (on a worker: the window goes on).
    bool isSaving() const { return saver_.isSaving(); }

    // The class pooled from the learners' files and tallies.
    const ClassResults &classResults() const { return class_; }
    // Reads the files (on a worker) and adds their runs to the class, as
    // Add results and a drop do; the class is shown once they are read.
    void addResultsFiles(const QStringList &paths);
    bool isReadingFiles() const { return reader_.isReading(); }
    // Whether the class is shown, rather than this computer's experiments.
    bool showsClass() const;
    void showClass(bool shown);

signals:
    void fastRunRequested(qint64 experiments, RunPace pace);
    void stopRequested();
    // The learner asks for both windows side by side on the screen.
    void sideBySideRequested();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Brings the window up to date once the present event has been handled:
    // many changes in a row (a timer that fires faster than the window is
    // drawn, a test that fires a million shots) cost one refresh.
    void scheduleRefresh();
    void refresh();
    void showPrediction();
    void save();
    void saved(const QString &path, const QString &failure, bool cancelled);
    // The progress of work on a worker, shown once it takes more than a
    // moment, with Cancel; closed once the work is done.
    QProgressDialog *workProgress(const QString &name, const QString &title, const QString &label, int steps);
    static void closeWorkProgress(QProgressDialog *progress);
    void copy();
    ChartPicture pictureOf(const ChartView &chart) const;
    void copyPictureOf(const ChartView &chart);
    void savePictureOf(const ChartView &chart);
    // The three charts, each in a file of its own.
    void saveAllCharts();
    // Writes the chart's picture safely; why not, in words, or empty.
    QString writePicture(const ChartView &chart, const QString &path, PictureFormat format) const;
    // One page of what the experiments found: printed through the print
    // preview, or exported as PDF.
    void printHandout();
    void exportHandout();
    QWidget *makeClassPage();
    void filesRead(const ClassReader::Outcomes &outcomes, bool cancelled);
    void addTally();
    void removeChosenLearners();
    void saveClass();
    void copyClass();
    // The charts of the view shown, each with the name of its file.
    QList<std::pair<const ChartView *, QString>> chartsShown() const;
    // Text grows with the window, as the designed windows' does.
    void scaleText();

    ExperimentResults &results_;
    ResultsDialogs &dialogs_;
    QLabel *summary_;
    QLabel *predictionLabel_;
    PredictionField *prediction_;
    QLabel *predictionRefused_;
    QList<QPushButton *> fastRunButtons_;
    QComboBox *pace_ = nullptr;
    qint64 playing_ = 0; // the watched run's size, while it plays
    bool fastRunsEnabled_ = true;
    ChartView *runningRate_;
    ChartView *histogram_;
    ChartView *acrossN_;
    MissGridView *missGrid_;
    QRadioButton *differenceView_ = nullptr;
    Announcer *announcer_;
    QPushButton *saveButton_ = nullptr;
    ResultsSaver saver_;
    QPointer<QProgressDialog> saving_;
    double baseTextSize_;
    double textScale_ = 1;
    QTimer textScaling_;
    bool refreshPending_ = false;

    ClassResults class_;
    ClassReader reader_;
    QPointer<QProgressDialog> reading_;
    QTabWidget *views_ = nullptr;
    ChartView *classRunning_ = nullptr;
    ChartView *classHistogram_ = nullptr;
    ChartView *classAcrossN_ = nullptr;
    ChartView *learners_ = nullptr;
    // Goes before the class it shows (its view learns that it went).
    std::unique_ptr<ClassTableModel> classTable_;
    QTableView *classList_ = nullptr;
    QLabel *classNotes_ = nullptr;
    QPushButton *removeLearner_ = nullptr;
};

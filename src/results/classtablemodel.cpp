#include "results/classtablemodel.h"

#include "results/classreport.h"
#include "results/classresults.h"
#include "results/resultsreport.h"

#include <QFileInfo>
#include <QLocale>

ClassTableModel::ClassTableModel(const ClassResults &pool, QObject *parent) : QAbstractTableModel(parent), pool_(pool)
{
    // A class is a few dozen rows: told anew whole at every change.
    connect(&pool_, &ClassResults::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int ClassTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(pool_.learners().size());
}

int ClassTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant ClassTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const LearnerRun &run = pool_.learners().at(std::size_t(index.row()));
    if (role == Qt::TextAlignmentRole)
        return index.column() == Learner || index.column() == Source ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                                     : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)
        return run.isTally() ? ClassReport::learnerInWords(run)
                             : ClassReport::learnerInWords(run) + QLatin1Char('\n') + run.source;
    if (role != Qt::DisplayRole)
        return {};
    const QLocale locale;
    switch (Column(index.column())) {
    case Learner:
        return run.label;
    case Shots:
        return locale.toString(run.shots);
    case Experiments:
        return locale.toString(run.experiments);
    case Successes:
        return locale.toString(run.successes);
    case Rate:
        return ResultsReport::percent(run.rate());
    case Source:
        return run.isTally() ? tr("counted by hand") : QFileInfo(run.source).fileName();
    case Columns:
        break;
    }
    return {};
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QLocale().toString(section + 1);
    switch (Column(section)) {
    case Learner:
        return tr("Learner");
    case Shots:
        return tr("N");
    case Experiments:
        return tr("Experiments");
    case Successes:
        return tr("Successes");
    case Rate:
        return tr("Rate");
    case Source:
        return tr("From");
    case Columns:
        break;
    }
    return {};
}

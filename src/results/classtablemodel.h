#pragma once

#include <QAbstractTableModel>

class ClassResults;

// The class's learners as a table, one row each, in the order they were
// added: the view of ClassResults that the Results window lists them in.
class ClassTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Learner, Shots, Experiments, Successes, Rate, Source, Columns };

    explicit ClassTableModel(const ClassResults &pool, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const ClassResults &pool_;
};

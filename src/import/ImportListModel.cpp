#include "import/ImportListModel.h"

#include "import/ImportPlan.h"

ImportListModel::ImportListModel(const ImportPlan &plan, QObject *parent)
    : QAbstractTableModel(parent), m_plan(plan)
{
    rebuild();
}

void ImportListModel::rebuild()
{
    // The plan's entries are the award's records and the refused ones: shown as they
    // are. Every record merges in those outside the award.
    m_rows = m_all ? m_plan.allRows() : m_plan.listedRows();
}

void ImportListModel::setShowAll(bool all)
{
    if (all == m_all)
        return;
    beginResetModel();
    m_all = all;
    rebuild();
    endResetModel();
}

void ImportListModel::refresh()
{
    beginResetModel();
    rebuild();
    endResetModel();
}

int ImportListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return int(m_rows.size());
}

int ImportListModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ImportListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == Number)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const ImportPlan::Shown s = m_plan.shownRow(entryAt(index.row()), Wording::Screen);
    switch (index.column()) {
    case Number: return s.number;
    case Call: return s.call;
    case Date: return s.date;
    case Time: return s.time;
    case Band: return s.band;
    case Mode: return s.mode;
    case Reference: return s.reference;
    case Outcome: return s.outcome;
    default: return {};
    }
}

QVariant ImportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const names[] = {
        QT_TR_NOOP("N°"),    QT_TR_NOOP("Indicatif"), QT_TR_NOOP("Date"),      QT_TR_NOOP("Heure"),
        QT_TR_NOOP("Bande"), QT_TR_NOOP("Mode"),      QT_TR_NOOP("Référence"), QT_TR_NOOP("Résultat")};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}

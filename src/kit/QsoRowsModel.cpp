#include "kit/QsoRowsModel.h"

#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"

QsoRowsModel::QsoRowsModel(const LogSession &session, QList<int> columns, bool checkable, QObject *parent)
    : QAbstractTableModel(parent), m_session(session), m_columns(std::move(columns)), m_checkable(checkable)
{
}

void QsoRowsModel::insertRow(int at, int logRow)
{
    at = qBound(0, at, int(m_rows.size()));
    beginInsertRows({}, at, at);
    m_rows.insert(at, logRow);
    endInsertRows();
}

void QsoRowsModel::setRows(QList<int> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QList<int> QsoRowsModel::checkedRows() const
{
    QList<int> out;
    if (m_checked.isEmpty())
        return out;
    for (int row : m_rows) {
        if (m_checked.contains(row))
            out.append(row);
    }
    return out;
}

void QsoRowsModel::setChecked(int logRow, bool checked)
{
    if (checked)
        m_checked.insert(logRow);
    else
        m_checked.remove(logRow);
    const qsizetype at = m_rows.indexOf(logRow);
    if (at >= 0)
        emit dataChanged(index(int(at), 0), index(int(at), 0), {Qt::CheckStateRole});
}

void QsoRowsModel::clearChecks()
{
    // Nothing checked, nothing to draw again.
    if (m_checked.isEmpty())
        return;
    m_checked.clear();
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

QString QsoRowsModel::title(int column)
{
    switch (column) {
    case Number:
        return tr("N°");
    case QsoRecord::Indicatif:
        return tr("Indicatif");
    case QsoRecord::Locator:
        return tr("Locator");
    case QsoRecord::Prenom:
        return tr("Prénom");
    case QsoRecord::Reference:
        return tr("Référence");
    case QsoRecord::Date:
        return tr("Date");
    case QsoRecord::Heure:
        return tr("Heure");
    case QsoRecord::Mode:
        return tr("Mode");
    case QsoRecord::Bande:
        return tr("Bande");
    case QsoRecord::RstRecu:
        return tr("RST reçu");
    case QsoRecord::RstEnvoye:
        return tr("RST envoyé");
    case QsoRecord::NomAbbaye:
        return tr("Nom de l'Abbaye");
    case QsoRecord::Qsl:
        return tr("QSL");
    default:
        return {};
    }
}

QString QsoRowsModel::cell(int logRow, int column) const
{
    if (column == Number)
        return QString::number(logRow + 1);
    if (logRow < 0 || logRow >= m_session.lineCount() || column < 0 || column >= QsoRecord::FieldCount)
        return {};
    return Cp1252::decode(QsoRecord::fieldOf(m_session.line(logRow), QsoRecord::Field(column))).trimmed();
}

int QsoRowsModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int QsoRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant QsoRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const int logRow = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cell(logRow, m_columns.at(index.column()));
    case Qt::CheckStateRole:
        if (m_checkable && index.column() == 0)
            return m_checked.contains(logRow) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return int((m_columns.at(index.column()) == Number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case LogRowRole:
        return logRow;
    default:
        return {};
    }
}

bool QsoRowsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!m_checkable || role != Qt::CheckStateRole || !index.isValid() || index.column() != 0)
        return false;
    setChecked(m_rows.at(index.row()), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags QsoRowsModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_checkable && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant QsoRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return title(m_columns.at(section));
    return QAbstractTableModel::headerData(section, orientation, role);
}

#include "app/QsoListModel.h"

#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>

#include <algorithm>

namespace {

// Titles are the words of the list's column header.
const char *const kTitles[QsoListModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("QsoListModel", "N°"),
    QT_TRANSLATE_NOOP("QsoListModel", "Indicatif"),
    QT_TRANSLATE_NOOP("QsoListModel", "Locator"),
    QT_TRANSLATE_NOOP("QsoListModel", "Prenom"),
    QT_TRANSLATE_NOOP("QsoListModel", "Ref"),
    QT_TRANSLATE_NOOP("QsoListModel", "Date"),
    QT_TRANSLATE_NOOP("QsoListModel", "QTR"),
    QT_TRANSLATE_NOOP("QsoListModel", "Mode"),
    QT_TRANSLATE_NOOP("QsoListModel", "QRG"),
    QT_TRANSLATE_NOOP("QsoListModel", "RSTR"),
    QT_TRANSLATE_NOOP("QsoListModel", "RSTE"),
    QT_TRANSLATE_NOOP("QsoListModel", "Mom de l'Abbaye"),
    QT_TRANSLATE_NOOP("QsoListModel", "QSL"),
};

// A column's title in the interface's language.
QString title(int column)
{
    return QCoreApplication::translate("QsoListModel", kTitles[column]);
}

QString visible(QString text)
{
    // Control characters of a hand-edited line would garble the row.
    for (QChar &c : text) {
        if (c.unicode() < 0x20)
            c = QChar(0x00B7);
    }
    return text;
}

} // namespace

QsoListModel::QsoListModel(const LogSession &session, QObject *parent)
    : QAbstractTableModel(parent), m_session(session)
{
    connect(&session, &LogSession::logChanged, this, &QsoListModel::follow);
    refresh();
}

void QsoListModel::refresh()
{
    beginResetModel();
    m_rows = m_session.lineCount();
    m_malformed = m_session.malformedLines();
    endResetModel();
}

void QsoListModel::follow(const LogChange &change)
{
    const int now = m_session.lineCount();
    if (change.keepsRows() && now == m_rows) {
        m_malformed = m_session.malformedLines();
        for (const int row : change.replaced) {
            if (row >= 0 && row < m_rows)
                emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        }
        return;
    }
    if (change.isEdit() && change.replaced.isEmpty() && change.removed.isEmpty() && change.added.size() == 1
        && change.added.first() == m_rows && now == m_rows + 1) {
        beginInsertRows({}, m_rows, m_rows);
        m_rows = now;
        m_malformed = m_session.malformedLines();
        endInsertRows();
        return;
    }
    refresh();
}

bool QsoListModel::isMalformed(int row) const
{
    return std::binary_search(m_malformed.cbegin(), m_malformed.cend(), row + 1);
}

QByteArray QsoListModel::rawLine(int row) const
{
    if (row < 0 || row >= m_session.lineCount())
        return {};
    return m_session.line(row).toByteArray();
}

int QsoListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int QsoListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString QsoListModel::listLine(int row) const
{
    return m_session.listLine(row);
}

int QsoListModel::columnChars(int column)
{
    if (column == ColNumero)
        return QsoRecord::CounterWidth;
    const int width = QsoRecord::logLayout()[column - 1].width;
    return qMax(width, int(title(column).size()));
}

QVariant QsoListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    const int row = index.row();
    const bool bad = isMalformed(row);
    switch (role) {
    case Qt::DisplayRole: {
        if (index.column() == ColNumero)
            return QString::number(row + 1);
        const QString line = m_session.text(row);
        const QsoRecord::Column c = QsoRecord::logLayout()[index.column() - 1];
        if (bad && index.column() == ColIndicatif && line.size() <= c.width)
            return visible(line);
        return visible(line.mid(c.start - 1, c.width)).trimmed();
    }
    case Qt::TextAlignmentRole:
        if (index.column() == ColNumero)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (bad)
            return QBrush(QColor(0xFF, 0xD0, 0xD0));
        return {};
    case Qt::ToolTipRole:
        if (bad)
            return tr("Ligne %1 du journal mal formée : elle est conservée telle quelle.")
                .arg(row + 1);
        return {};
    default:
        return {};
    }
}

QVariant QsoListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return title(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

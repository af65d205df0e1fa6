#include "reports/ListingModel.h"

#include "logstore/Cp1252.h"

ListingModel::ListingModel(ReportListing::Kind kind, QObject *parent)
    : QAbstractTableModel(parent), m_listing(ReportListing::fromLines(kind, {}))
{
    // Titles are the words of the list's header, over the entry pieces they name.
    if (kind == ReportListing::Kind::Alphanumeric) {
        m_columns = {{QT_TR_NOOP("REF"), 1}, {QT_TR_NOOP("Indicatif"), 3}, {QT_TR_NOOP("Date"), 5},
                     {QT_TR_NOOP("Heure"), 7}, {QT_TR_NOOP("Nom de l'Abbaye"), 9}, {QT_TR_NOOP("QSL"), 11}};
    } else {
        m_columns = {{QT_TR_NOOP("REF"), 1}, {QT_TR_NOOP("nom de l'Abbaye"), 3}, {QT_TR_NOOP("Date"), 5},
                     {QT_TR_NOOP("Indicatif"), 7}, {QT_TR_NOOP("QSL"), 9}};
    }
}

void ListingModel::setListing(ReportListing listing)
{
    beginResetModel();
    m_listing = std::move(listing);
    endResetModel();
}

bool ListingModel::follow(const LogChange &change)
{
    ReportListing next = m_listing;
    if (!next.follow(change))
        return false;
    setListing(std::move(next));
    return true;
}

int ListingModel::columnChars(int column) const
{
    const ReportListing::Layout &l = ReportListing::layout(m_listing.kind());
    const Column &c = m_columns.at(column);
    return qMax(l.segments[c.segment].width, int(tr(c.title).size()));
}

int ListingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_listing.count() + 1;
}

int ListingModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ListingModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() > m_listing.count() || index.column() >= m_columns.size())
        return {};
    // Row 0 is the list's empty entry.
    const int i = index.row() - 1;
    switch (role) {
    case Qt::DisplayRole: {
        if (i < 0)
            return QString();
        QString text = Cp1252::decode(m_listing.segment(i, m_columns.at(index.column()).segment));
        // Control characters of a hand-edited line would garble the row.
        for (QChar &c : text) {
            if (c.unicode() < 0x20)
                c = QChar(0x00B7);
        }
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
            --end;
        text.truncate(end);
        return text;
    }
    case EntryRole:
        return i < 0 ? QString() : m_listing.text(i);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ListingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_columns.size())
        return tr(m_columns.at(section).title);
    return QAbstractTableModel::headerData(section, orientation, role);
}

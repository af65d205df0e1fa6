#include "spots/SpotModel.h"

#include "spots/SpotReader.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace {

// Needed spots first, those outside the log's bands after the others needed.
int rank(AwardIndex::Status s, const Spot &spot)
{
    switch (s) {
    case AwardIndex::Status::NewRegion:
        return spot.band.isEmpty() ? 2 : 0;
    case AwardIndex::Status::NewAbbey:
        return spot.band.isEmpty() ? 2 : 1;
    case AwardIndex::Status::Unknown:
        return 3;
    case AwardIndex::Status::Worked:
        return 4;
    case AwardIndex::Status::Confirmed:
        return 5;
    }
    return 6;
}

} // namespace

SpotModel::SpotModel(AwardIndex &index, QObject *parent) : QAbstractTableModel(parent), m_index(index)
{
    connect(&index, &AwardIndex::changed, this, &SpotModel::restatus);
}

int SpotModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int SpotModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant SpotModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char16_t *const titles[ColumnCount] = {u"UTC",       u"kHz",    u"Bande",      u"Indicatif",
                                                        u"Référence", u"Abbaye", u"Région",     u"Annoncé par",
                                                        u"Commentaire", u"Statut"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf16(titles[section]) : QVariant();
}

QString SpotModel::spokenText(int row) const
{
    const Spot &s = spot(row);
    return QStringLiteral("%1 : %2 sur %3 kHz, %4, %5 %6, annoncé par %7 à %8")
        .arg(AwardIndex::text(status(row)), s.call, s.kHzText(), s.reference, s.abbey, s.region, s.spotter,
             s.time);
}

QVariant SpotModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &r = m_rows.at(index.row());
    const Spot &s = r.spot;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColTime: return s.time;
        case ColKHz: return s.kHzText();
        case ColBand: return s.band.isEmpty() ? QStringLiteral("hors bandes") : s.band;
        case ColCall: return s.call;
        case ColReference: return s.reference;
        case ColAbbey: return s.abbey;
        case ColRegion: return s.region;
        case ColSpotter: return s.spotter;
        case ColComment: return s.comment;
        case ColStatus: return AwardIndex::text(r.status);
        }
        return {};
    // Each cell reads its own value; the whole spot, status first, is its description.
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return spokenText(index.row());
    case Qt::ForegroundRole:
        // A spot the log's bands cannot hold is shown greyed.
        if (s.band.isEmpty())
            return QBrush(QColor(0x80, 0x80, 0x80));
        return {};
    case Qt::BackgroundRole:
        if (r.status == AwardIndex::Status::NewRegion)
            return QBrush(QColor(0xff, 0xd0, 0x90));
        if (r.status == AwardIndex::Status::NewAbbey)
            return QBrush(QColor(0xc8, 0xf0, 0xc0));
        return {};
    case NeededRole:
        return AwardIndex::needed(r.status);
    }
    return {};
}

int SpotModel::rowOf(const QString &key) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).spot.key() == key)
            return i;
    }
    return -1;
}

QList<Spot> SpotModel::addLines(const QList<QByteArray> &lines, const AbbeyTable &abbeys)
{
    QList<Spot> spots;
    for (const QByteArray &line : lines) {
        if (std::optional<Spot> s = SpotReader::abbeySpot(line, abbeys))
            spots.append(std::move(*s));
    }
    return addSpots(spots);
}

QList<Spot> SpotModel::addSpots(const QList<Spot> &spots)
{
    QList<Spot> announce;
    if (spots.isEmpty())
        return announce;
    // Only the newest Capacity spots of a flood can stay: the older ones are never shown.
    const qsizetype first = qMax<qsizetype>(0, spots.size() - Capacity);
    QHash<QString, qsizetype> byKey;
    byKey.reserve(m_rows.size() + spots.size() - first);
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        byKey.insert(m_rows.at(i).spot.key(), i);
    beginResetModel();
    for (qsizetype i = first; i < spots.size(); ++i) {
        const Spot &s = spots.at(i);
        Row row{s, m_index.status(s.reference), s.listed ? -++m_listings : ++m_arrivals};
        const QString key = row.spot.key();
        const auto known = byKey.constFind(key);
        if (known != byKey.cend()) {
            m_rows[known.value()] = std::move(row);
            continue;
        }
        // A spot outside the log's bands is shown, greyed, but not announced: no band of the log holds it.
        if (!row.spot.listed && !row.spot.band.isEmpty() && AwardIndex::needed(row.status))
            announce.append(row.spot);
        byKey.insert(key, m_rows.size());
        m_rows.append(std::move(row));
    }
    if (m_rows.size() > Capacity) {
        // The oldest go.
        std::sort(m_rows.begin(), m_rows.end(), [](const Row &a, const Row &b) { return a.order > b.order; });
        m_rows.resize(Capacity);
    }
    sortRows();
    endResetModel();
    return announce;
}

void SpotModel::sortRows()
{
    std::sort(m_rows.begin(), m_rows.end(), [](const Row &a, const Row &b) {
        const int ra = rank(a.status, a.spot);
        const int rb = rank(b.status, b.spot);
        return ra != rb ? ra < rb : a.order > b.order;
    });
}

void SpotModel::restatus()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    for (Row &r : m_rows)
        r.status = m_index.status(r.spot.reference);
    sortRows();
    endResetModel();
}

#include "spots/SpotModel.h"

#include "refdata/AbbeyTable.h"
#include "refdata/LogIndex.h"
#include "regions/RegionNames.h"
#include "spots/SpotReader.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace {

// Needed spots first, those outside the log's bands after the others needed, then
// the references the list does not hold.
int rank(SpotStanding::Status s, bool offList, const Spot &spot)
{
    switch (s) {
    case SpotStanding::Status::NewRegion:
    case SpotStanding::Status::NewAbbey:
        if (offList)
            return 3;
        if (spot.band.isEmpty())
            return 2;
        return s == SpotStanding::Status::NewRegion ? 0 : 1;
    case SpotStanding::Status::Unknown:
        return 3;
    case SpotStanding::Status::Worked:
        return 4;
    case SpotStanding::Status::Confirmed:
        return 5;
    }
    return 6;
}

// A node's clock may run a little ahead of ours: a spot this much "in the future"
// is of now, not of the day before.
constexpr qint64 ClockSlackMs = 5 * 60 * 1000;

} // namespace

SpotModel::SpotModel(LogIndex &index, QObject *parent)
    : QAbstractTableModel(parent), m_logIndex(index), m_index(index)
{
    connect(&index, &LogIndex::changed, this, &SpotModel::restatus);
}

int SpotModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int SpotModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant SpotModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[ColumnCount] = {
        QT_TR_NOOP("UTC"),    QT_TR_NOOP("kHz"),         QT_TR_NOOP("Bande"), QT_TR_NOOP("Indicatif"),
        QT_TR_NOOP("Référence"), QT_TR_NOOP("Abbaye"),   QT_TR_NOOP("Région"), QT_TR_NOOP("Annoncé par"),
        QT_TR_NOOP("Commentaire"), QT_TR_NOOP("Statut")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}

QDateTime SpotModel::timeOf(const QString &hhmm, const QDateTime &nowUtc)
{
    const QDateTime now = nowUtc.toUTC();
    const QTime time = QTime::fromString(hhmm, QStringLiteral("HH:mm"));
    if (!time.isValid())
        return now;
    QDateTime at(now.date(), time, Qt::UTC);
    if (at.toMSecsSinceEpoch() > now.toMSecsSinceEpoch() + ClockSlackMs)
        at = at.addDays(-1);
    return at;
}

QString SpotModel::statusText(const Row &r)
{
    if (!r.offList || r.status == SpotStanding::Status::Unknown)
        return SpotStanding::text(r.status);
    if (r.status == SpotStanding::Status::Worked || r.status == SpotStanding::Status::Confirmed)
        return tr("%1 (hors liste)").arg(SpotStanding::text(r.status));
    return tr("hors liste");
}

QString SpotModel::statusText(int row) const { return statusText(m_rows.at(row)); }

QString SpotModel::spokenText(int row) const
{
    const Spot &s = spot(row);
    const QString band = s.band.isEmpty() ? tr("hors bandes") : s.band;
    const QString comment = s.comment.trimmed();
    if (comment.isEmpty())
        return tr("%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9")
            .arg(statusText(row), s.call, s.kHzText(), band, s.reference, s.abbey, RegionNames::shown(s.region), s.spotter, s.time);
    return tr("%1 : %2 sur %3 kHz (%4), %5, %6 %7, annoncé par %8 à %9 : « %10 »")
        .arg(statusText(row), s.call, s.kHzText(), band, s.reference, s.abbey, RegionNames::shown(s.region), s.spotter, s.time, comment);
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
        case ColBand: return s.band.isEmpty() ? tr("hors bandes") : s.band;
        case ColCall: return s.call;
        case ColReference: return s.reference;
        case ColAbbey: return s.abbey;
        case ColRegion: return RegionNames::shown(s.region);
        case ColSpotter: return s.spotter;
        case ColComment: return s.comment;
        case ColStatus: return statusText(r);
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
        if (!needed(r))
            return {};
        if (r.status == SpotStanding::Status::NewRegion)
            return QBrush(QColor(0xff, 0xd0, 0x90));
        return QBrush(QColor(0xc8, 0xf0, 0xc0));
    case NeededRole:
        return needed(r);
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
    return addSpots(spots, &abbeys);
}

QList<Spot> SpotModel::addSpots(const QList<Spot> &spots, const AbbeyTable *abbeys)
{
    QList<Spot> announce;
    if (spots.isEmpty())
        return announce;
    const QDateTime now = m_clock->utcNow();
    // Only the newest Capacity spots of a flood can stay: the older ones are never shown.
    const qsizetype first = qMax<qsizetype>(0, spots.size() - Capacity);
    QHash<QString, qsizetype> known;
    known.reserve(m_rows.size() + m_waiting.size());
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        known.insert(m_rows.at(i).spot.key(), i);
    for (const Row &r : std::as_const(m_waiting))
        known.insert(r.spot.key(), -1);
    QList<Row> rows;
    rows.reserve(spots.size() - first);
    for (qsizetype i = first; i < spots.size(); ++i) {
        const Spot &s = spots.at(i);
        Row row{s, m_index.status(s.reference), abbeys && !abbeys->contains(s.reference),
                timeOf(s.time, now).toMSecsSinceEpoch(), s.listed ? -++m_listings : ++m_arrivals};
        const QString key = row.spot.key();
        // A spot outside the log's bands is shown, greyed, but not announced: no band of the log holds it.
        if (!known.contains(key) && !row.spot.listed && !row.spot.band.isEmpty() && needed(row))
            announce.append(row.spot);
        known.insert(key, -1);
        rows.append(std::move(row));
    }
    if (m_held) {
        for (Row &row : rows) {
            const QString key = row.spot.key();
            const auto same = std::find_if(m_waiting.begin(), m_waiting.end(),
                                           [&key](const Row &w) { return w.spot.key() == key; });
            if (same != m_waiting.end())
                *same = std::move(row);
            else
                m_waiting.append(std::move(row));
        }
        if (m_waiting.size() > Capacity)
            m_waiting.remove(0, m_waiting.size() - Capacity);
        emit waitingChanged(waitingCount());
    } else {
        merge(std::move(rows));
    }
    return announce;
}

bool SpotModel::before(const Row &a, const Row &b)
{
    const int ra = rank(a.status, a.offList, a.spot);
    const int rb = rank(b.status, b.offList, b.spot);
    if (ra != rb)
        return ra < rb;
    if (a.when != b.when)
        return a.when > b.when;
    return a.order > b.order;
}

void SpotModel::merge(QList<Row> rows)
{
    // The last of the same call, abbey and band counts.
    QHash<QString, qsizetype> incoming;
    incoming.reserve(rows.size());
    QList<Row> fresh;
    fresh.reserve(rows.size());
    for (Row &row : rows) {
        const QString key = row.spot.key();
        const auto at = incoming.constFind(key);
        if (at != incoming.cend()) {
            fresh[*at] = std::move(row);
        } else {
            incoming.insert(key, fresh.size());
            fresh.append(std::move(row));
        }
    }
    // Their older spots go.
    for (int i = int(m_rows.size()) - 1; i >= 0; --i) {
        if (incoming.contains(m_rows.at(i).spot.key()))
            removeAt(i);
    }
    // Then the oldest of all, beyond the capacity.
    const qsizetype excess = m_rows.size() + fresh.size() - Capacity;
    if (excess > 0) {
        auto older = [](const Row &a, const Row &b) { return a.when != b.when ? a.when < b.when : a.order < b.order; };
        std::sort(fresh.begin(), fresh.end(), older);
        QList<const Row *> all;
        all.reserve(m_rows.size() + fresh.size());
        for (const Row &r : std::as_const(m_rows))
            all.append(&r);
        for (const Row &r : std::as_const(fresh))
            all.append(&r);
        std::nth_element(all.begin(), all.begin() + (excess - 1), all.end(),
                         [&older](const Row *a, const Row *b) { return older(*a, *b); });
        const Row limit = *all.at(excess - 1); // the newest of those that go
        for (int i = int(m_rows.size()) - 1; i >= 0; --i) {
            if (!older(limit, m_rows.at(i)))
                removeAt(i);
        }
        fresh.erase(std::remove_if(fresh.begin(), fresh.end(), [&](const Row &r) { return !older(limit, r); }),
                    fresh.end());
    }
    for (Row &row : fresh)
        insertSorted(std::move(row));
}

void SpotModel::insertSorted(Row row)
{
    const auto at = std::upper_bound(m_rows.begin(), m_rows.end(), row,
                                     [](const Row &a, const Row &b) { return before(a, b); });
    const int pos = int(at - m_rows.begin());
    beginInsertRows({}, pos, pos);
    m_rows.insert(pos, std::move(row));
    endInsertRows();
}

void SpotModel::removeAt(int row)
{
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void SpotModel::setHeld(bool held)
{
    if (m_held == held)
        return;
    m_held = held;
    if (!held)
        release();
}

void SpotModel::release()
{
    if (m_unsorted)
        resort();
    if (m_waiting.isEmpty())
        return;
    QList<Row> rows = std::move(m_waiting);
    m_waiting.clear();
    merge(std::move(rows));
    emit waitingChanged(0);
}

void SpotModel::relist(const AbbeyTable &abbeys) { restatusRows(&abbeys); }

// After a change of the log, only the spots whose abbey or region it touched.
void SpotModel::restatus() { restatusRows(nullptr, true); }

void SpotModel::restatusRows(const AbbeyTable *abbeys, bool touchedOnly)
{
    const LogIndex &log = m_logIndex;
    auto update = [this, abbeys, touchedOnly, &log](Row &r) {
        if (touchedOnly && !log.mayHaveChanged(r.spot.reference))
            return false;
        bool changed = false;
        if (abbeys) {
            const AbbeyTable::Entry *entry = abbeys->find(r.spot.reference);
            const QString name = entry ? entry->name : QString();
            changed = name != r.spot.abbey || r.offList != !entry;
            r.spot.abbey = name;
            r.offList = !entry;
        }
        const SpotStanding::Status status = m_index.status(r.spot.reference);
        changed = changed || status != r.status;
        r.status = status;
        return changed;
    };
    for (Row &r : m_waiting)
        update(r);
    bool any = false;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (update(m_rows[i])) {
            any = true;
            emit dataChanged(index(i, 0), index(i, ColumnCount - 1));
        }
    }
    if (!any)
        return;
    // While the operator aims, the rows stay put: they move when the hold ends.
    if (m_held)
        m_unsorted = true;
    else
        resort();
}

void SpotModel::resort()
{
    m_unsorted = false;
    if (std::is_sorted(m_rows.begin(), m_rows.end(), &SpotModel::before))
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList kept = persistentIndexList();
    QList<QString> keys;
    keys.reserve(kept.size());
    for (const QModelIndex &i : kept)
        keys.append(m_rows.at(i.row()).spot.key());
    std::stable_sort(m_rows.begin(), m_rows.end(), &SpotModel::before);
    QHash<QString, int> rowByKey;
    rowByKey.reserve(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i)
        rowByKey.insert(m_rows.at(i).spot.key(), i);
    QModelIndexList moved;
    moved.reserve(kept.size());
    for (qsizetype i = 0; i < kept.size(); ++i)
        moved.append(index(rowByKey.value(keys.at(i)), kept.at(i).column()));
    changePersistentIndexList(kept, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

#include "spots/AwardIndex.h"

#include "logstore/Cp1252.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "refdata/LogLookups.h"
#include "refdata/RegionTable.h"

AwardIndex::AwardIndex(LogSession &session, QObject *parent) : QObject(parent), m_session(session)
{
    connect(&session, &LogSession::logChanged, this, &AwardIndex::invalidate);
}

void AwardIndex::invalidate()
{
    m_stale = true;
    emit changed();
}

void AwardIndex::note(const QString &reference, bool confirmed) const
{
    const QString key = reference.trimmed().toUpper();
    if (key.isEmpty())
        return;
    bool &known = m_abbeys[key];
    known = known || confirmed;
    const QString code = key.left(2);
    const int slot = RegionTable::slotOfTallyCode(code);
    if (slot != 0)
        m_regions.insert(slot);
    else
        m_otherCodes.insert(code);
}

void AwardIndex::rebuild()
{
    build();
    emit changed();
}

void AwardIndex::build() const
{
    m_stale = false;
    m_abbeys.clear();
    m_regions.clear();
    m_otherCodes.clear();
    m_codeWorked.assign(size_t(1) << 14, -1);
    m_unreadable = !m_session.loadError().isEmpty();
    const QsoRecord::Column ref = QsoRecord::logLayout()[QsoRecord::Reference];
    const int count = m_session.lineCount();
    m_abbeys.reserve(count);
    for (int row = 0; row < count; ++row) {
        const QByteArrayView line = m_session.line(row);
        if (LogFile::isWellFormed(line)) {
            note(Cp1252::decode(line.sliced(ref.start - 1, ref.width)), QsoRecord::isConfirmedLine(line));
            continue;
        }
        // A line edited by hand still names its abbey when it can be recognised.
        for (const LogLookups::Recognised &r : LogLookups::recognise(line))
            note(r.reference, QsoRecord::isConfirmedLine(line));
    }
}

int AwardIndex::codeIndex(QStringView code)
{
    if (code.size() != 2 || code[0].unicode() >= 0x80 || code[1].unicode() >= 0x80)
        return -1;
    return code[0].unicode() << 7 | code[1].unicode();
}

bool AwardIndex::regionWorked(QStringView code) const
{
    const int at = codeIndex(code);
    if (at >= 0 && m_codeWorked[size_t(at)] >= 0)
        return m_codeWorked[size_t(at)] == 1;
    const QString text = code.toString();
    const int slot = RegionTable::slotOfTallyCode(text);
    const bool worked = slot != 0 ? m_regions.contains(slot) : m_otherCodes.contains(text);
    if (at >= 0)
        m_codeWorked[size_t(at)] = worked ? 1 : 0;
    return worked;
}

AwardIndex::Status AwardIndex::status(const QString &reference) const
{
    if (m_stale)
        build();
    if (m_unreadable)
        return Status::Unknown;
    // References come in capitals from the reader: no copy is made for them.
    bool plain = !reference.isEmpty() && !reference.front().isSpace() && !reference.back().isSpace();
    for (qsizetype i = 0; plain && i < reference.size(); ++i)
        plain = !reference.at(i).isLower();
    const QString key = plain ? reference : reference.trimmed().toUpper();
    const auto found = m_abbeys.constFind(key);
    if (found != m_abbeys.cend())
        return found.value() ? Status::Confirmed : Status::Worked;
    return regionWorked(QStringView(key).first(qMin<qsizetype>(2, key.size()))) ? Status::NewAbbey
                                                                                  : Status::NewRegion;
}

QString AwardIndex::text(Status s)
{
    switch (s) {
    case Status::NewRegion:
        return QStringLiteral("Nouvelle abbaye, Nouvelle région");
    case Status::NewAbbey:
        return QStringLiteral("Nouvelle abbaye");
    case Status::Worked:
        return QStringLiteral("Contactée");
    case Status::Confirmed:
        return QStringLiteral("Confirmée");
    case Status::Unknown:
        break;
    }
    return QStringLiteral("Inconnu (log illisible)");
}

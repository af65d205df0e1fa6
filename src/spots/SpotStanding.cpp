#include "spots/SpotStanding.h"

#include "refdata/LogIndex.h"

SpotStanding::Status SpotStanding::status(const QString &reference) const
{
    if (!m_index.readable())
        return Status::Unknown;
    if (m_index.confirmed(reference))
        return Status::Confirmed;
    if (m_index.contacted(reference))
        return Status::Worked;
    const QString code = reference.trimmed().left(2).toUpper();
    return m_index.regionWorked(code) ? Status::NewAbbey : Status::NewRegion;
}

QString SpotStanding::text(Status s)
{
    switch (s) {
    case Status::NewRegion:
        return tr("Nouvelle abbaye, Nouvelle région");
    case Status::NewAbbey:
        return tr("Nouvelle abbaye");
    case Status::Worked:
        return tr("Contactée");
    case Status::Confirmed:
        return tr("Confirmée");
    case Status::Unknown:
        break;
    }
    return tr("Inconnu (log illisible)");
}

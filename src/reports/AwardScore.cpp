#include "reports/AwardScore.h"

#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "refdata/LogIndex.h"

void AwardScore::add(QByteArrayView line)
{
    ++m_contacted;
    if (QsoRecord::isConfirmedLine(line))
        ++m_confirmed;
}

AwardScore AwardScore::fromLines(const QList<QByteArrayView> &lines)
{
    AwardScore s;
    for (const QByteArrayView line : lines)
        s.add(line);
    return s;
}

AwardScore AwardScore::fromSession(const LogSession &session)
{
    AwardScore s;
    for (int row = 0; row < session.lineCount(); ++row)
        s.add(session.line(row));
    return s;
}

AwardScore AwardScore::fromIndex(const LogIndex &index)
{
    AwardScore s;
    if (!index.readable())
        return s;
    s.m_contacted = index.lineCount();
    s.m_confirmed = index.confirmedLines();
    return s;
}

QString AwardScore::verdict(bool reached)
{
    return reached ? tr("Bravo, vous pouvez obtenir")
                   : tr("Vous ne pouvez pas encore obtenir");
}

QColor AwardScore::colour(bool reached) { return reached ? QColor(0, 128, 0) : QColor(255, 0, 0); }

QStringList AwardScore::rules()
{
    QStringList lines{tr("Pour obtenir les diplomes des Abbayes"),
                      tr("Italiennes il vous faut la confirmation de"),
                      tr("10 Abbayes pour le diplome de base"),
                      tr("12 niveaux pour le diplome Excellence")};
    for (int level = 1; level <= 12; ++level)
        lines << tr("%1 Abbayes contactées et confirmées").arg(level * ExcellenceLevel);
    return lines;
}

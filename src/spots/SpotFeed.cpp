#include "spots/SpotFeed.h"

#include "refdata/ProgramDir.h"
#include "logstore/LogSession.h"
#include "refdata/AbbeyTable.h"

#include <QRegularExpression>

SpotFeed::SpotFeed(LogSession &session, QObject *parent)
    : QObject(parent), m_session(session), m_index(session), m_connection(), m_model(m_index)
{
    connect(&m_connection, &ClusterConnection::linesReceived, this, &SpotFeed::read);
}

void SpotFeed::read(const QList<QByteArray> &lines)
{
    const AbbeyTable &abbeys = AbbeyTable::current(m_session.filePath(ProgramDir::abbeyListName()));
    const QList<Spot> news = m_model.addLines(lines, abbeys);
    for (const Spot &s : news)
        emit announced(s);
}

QString SpotFeed::dxCommand(const QString &kHz, const QString &call, const QString &comment)
{
    QString number = kHz.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    const QString dx = call.trimmed().toUpper();
    static const QRegularExpression callsign(QStringLiteral("^[A-Z0-9/]*[0-9][A-Z0-9/]*$"));
    if (!ok || value <= 0 || value > 1e9 || !callsign.match(dx).hasMatch() || !dx.contains(QRegularExpression(QStringLiteral("[A-Z]"))))
        return {};
    QString text;
    for (QChar c : comment) {
        // One line to the node: no line end or control character may split it.
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            text.append(c);
        else if (c.isSpace())
            text.append(QLatin1Char(' '));
    }
    QString command = QStringLiteral("DX %1 %2").arg(QString::number(value, 'f', 1), dx);
    text = text.simplified();
    if (!text.isEmpty())
        command += QLatin1Char(' ') + text;
    return command;
}

#include "qsl/QslMarking.h"

#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"

QList<QslMarking::Candidate> QslMarking::candidates(const LogSession &session, const QString &text)
{
    const QString key = text.toUpper();
    QList<Candidate> out;
    for (int row = 0; row < session.lineCount(); ++row) {
        const QByteArrayView line = session.line(row);
        if (!QsoRecord::isMarkableLine(line))
            continue;
        const QString callsign = Cp1252::decode(QsoRecord::fieldOf(line, QsoRecord::Indicatif)).trimmed();
        if (callsign.contains(key))
            out.append({row, session.listLine(row), line.toByteArray()});
    }
    return out;
}

AtomicFile::Result QslMarking::Modif_Fichier_Log(LogSession &session, const QList<int> &numbers,
                                                 const QList<QByteArray> &shown)
{
    QList<int> rows;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const int row = numbers.at(i) - 1;
        if (row < 0 || row >= session.lineCount() || (i < shown.size() && session.line(row) != shown.at(i))) {
            return {false, tr("Les QSL n'ont pas été enregistrées : le journal a été modifié "
                              "depuis la recherche.\r\nCliquez de nouveau sur Rechercher.")};
        }
        rows.append(row);
    }
    return session.markConfirmed(rows);
}

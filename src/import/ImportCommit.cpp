#include "import/ImportCommit.h"

#include "logstore/AtomicFile.h"
#include "logstore/LogRewriter.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "refdata/FirstNameList.h"
#include "refdata/FirstNameWriter.h"

#include <QFileInfo>
#include <QHash>
#include <QStorageInfo>

namespace {

QString notImported(const QString &why)
{
    return ImportCommit::tr("Les QSO n'ont pas été importés :\r\n%1\r\n\r\nLe log et la liste des prénoms "
                            "n'ont pas été modifiés.")
        .arg(why);
}

} // namespace

QList<QByteArray> ImportCommit::learnt(const QList<QByteArray> &logLines)
{
    const QsoRecord::Column call = QsoRecord::logLayout()[QsoRecord::Indicatif];
    const QsoRecord::Column first = QsoRecord::logLayout()[QsoRecord::Prenom];
    QHash<QByteArray, QByteArray> names;
    QList<QByteArray> order;
    for (const QByteArray &line : logLines) {
        const QByteArray key = line.mid(call.start - 1, call.width);
        if (key.trimmed().isEmpty())
            continue; // a line without a callsign names nobody
        const QByteArray name = line.mid(first.start - 1, first.width).trimmed();
        const auto at = names.find(key);
        if (at == names.end()) {
            names.insert(key, name);
            order.append(key);
        } else if (!name.isEmpty()) {
            *at = name; // the latest QSO's name wins
        }
    }
    QList<QByteArray> records;
    records.reserve(order.size());
    for (const QByteArray &key : order)
        records.append(key + "    " + names.value(key));
    return records;
}

ImportCommit::Result ImportCommit::run(LogSession &session, const QList<QByteArray> &lines, int lockTimeout,
                                       const std::function<void()> &betweenWrites,
                                       const QList<LogRewriter::Mark> &marks)
{
    Result result;
    if (!session.hasStation()) {
        result.message = tr("Aucune station n'est encore choisie : il n'y a pas de log où importer.\r\n\r\n"
                            "Créez d'abord la station (menu Station, Nouvel Indicatif).");
        return result;
    }
    if (lines.isEmpty() && marks.isEmpty()) {
        result.message = tr("Aucun QSO à importer ni QSL à marquer.");
        return result;
    }
    const QString listPath = session.filePath(FirstNameList::FileName);
    const QString listName = QFileInfo(listPath).fileName();
    FirstNameWriter names(listPath);
    const FirstNameWriter::Status opened = names.open(lockTimeout);
    if (opened != FirstNameWriter::Status::Ready) {
        QString why = names.reason();
        if (opened == FirstNameWriter::Status::HeldByOther)
            why = tr("la liste des prénoms %1 est en cours de modification par une autre copie de KVR_ZEL.")
                      .arg(listName);
        else if (opened == FirstNameWriter::Status::Unreadable)
            // Never rewrite a list that could not be read: its stations would be lost.
            why = tr("la liste des prénoms %1 n'a pas pu être lue : %2").arg(listName, names.reason());
        result.message = notImported(why);
        return result;
    }

    // The names are learnt in the order of the log, so the latest QSO's name stays.
    LogRewriter::Lines views(lines.cbegin(), lines.cend());
    QList<QByteArray> chronological;
    chronological.reserve(lines.size());
    for (const QByteArrayView l : LogRewriter::merged({}, views))
        chronological.append(l.toByteArray());
    // A name replaces the stored one; a QSO without a name never blanks a stored one.
    for (const QByteArray &record : learnt(chronological))
        names.put(record, FirstNameWriter::EmptyName::KeepsListed);
    const bool listChanges = names.changes();
    // Both new copies must fit before anything is written: a full disk then stops
    // the import before the log changes, not between the two writes.
    const QStorageInfo disk(QFileInfo(listPath).absolutePath());
    const qint64 logSize = QFileInfo(session.logPath()).size();
    qint64 needed = logSize + 2 * lines.size() + lines.size() * qint64(QsoRecord::LogLineLength) + 4096;
    if (listChanges)
        needed += names.size() + 4096;
    if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < needed) {
        result.message = notImported(tr("le disque est plein (%1 octets libres, il en faut %2).")
                                         .arg(disk.bytesAvailable())
                                         .arg(needed));
        return result;
    }
    // The log first: the list may then lag behind it, never run ahead of it.
    LogRewriter::MarkCount placed;
    const AtomicFile::Result r = session.merge(lines, marks, &placed);
    if (!r.ok) {
        result.message = r.error + tr("\r\nAucun QSO n'a été importé ; la liste des prénoms "
                                      "n'a pas été modifiée.");
        if (!marks.isEmpty())
            result.message += tr("\r\nAucune QSL n'a été marquée.");
        return result;
    }
    if (betweenWrites)
        betweenWrites();
    QString listProblem;
    if (listChanges) {
        const AtomicFile::Result w = names.commit();
        if (!w.ok)
            listProblem = tr("\r\n\r\nLa liste des prénoms %1 n'a pas pu être mise à jour : %2\r\n"
                             "Elle garde les prénoms qu'elle avait.")
                              .arg(listName, w.error);
    }
    result.ok = true;
    result.added = int(lines.size());
    result.marked = placed.marked;
    result.alreadyMarked = placed.alreadyMarked;
    result.notMarked = placed.notFound;
    QStringList said;
    if (result.added > 0 || (result.marked == 0 && result.notMarked == 0 && result.alreadyMarked == 0))
        said << (result.added == 1 ? tr("1 QSO a été ajouté au log %1.").arg(session.logFileName())
                                   : tr("%n QSO ont été ajoutés au log %1.", nullptr, result.added)
                                         .arg(session.logFileName()));
    if (result.marked > 0)
        said << (result.marked == 1
                     ? tr("1 QSL a été marquée reçue dans le log %1.").arg(session.logFileName())
                     : tr("%n QSL ont été marquées reçues dans le log %1.", nullptr, result.marked)
                           .arg(session.logFileName()));
    if (result.alreadyMarked > 0)
        said << tr("QSL déjà marquée : %1").arg(result.alreadyMarked);
    if (result.notMarked > 0)
        said << tr("%n QSL n'ont pas été marquées : leur QSO a changé dans le log depuis l'aperçu.", nullptr,
                   result.notMarked);
    result.message = said.join(QStringLiteral("\r\n"));
    result.message += listProblem;
    return result;
}

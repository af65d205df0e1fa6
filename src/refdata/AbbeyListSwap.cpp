#include "refdata/AbbeyListSwap.h"

#include "logstore/AtomicFile.h"
#include "logstore/FileLock.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"

#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRefData, "zel.refdata")

namespace {

QString notReplaced(const QString &why)
{
    return QStringLiteral("La liste des abbayes n'a pas été remplacée :\r\n%1\r\n\r\n"
                          "Aucun fichier n'a été modifié.")
        .arg(why);
}

QString lockProblem(FileLock &lock, const QString &what)
{
    if (lock.status() == FileLock::Status::HeldByOther)
        return QStringLiteral("%1 est en cours de modification par une autre copie de KVR_ZEL.").arg(what);
    return lock.reason();
}

// Whether the file at path is still what was read (held), or still absent.
bool unchanged(const QString &path, const QByteArray &held, bool existed)
{
    if (!existed)
        return !LogFile::stampOf(path).exists;
    return LogFile::compare(path, held) == LogFile::Match::Same;
}

} // namespace

AbbeyListSwap::Result AbbeyListSwap::run(const Request &request)
{
    Result result;
    const QString listName = QFileInfo(request.listPath).fileName();
    const QString previous = previousPath(request.listPath);
    const QString previousName = QFileInfo(previous).fileName();
    const bool rename = request.session && !request.renames.isEmpty();

    FileLock lock(FileLock::lockPathFor(request.listPath));
    if (lock.lock(request.lockTimeout) != FileLock::Status::Locked) {
        result.message = notReplaced(lockProblem(lock, QStringLiteral("la liste ") + listName));
        return result;
    }
    if (rename) {
        // The names are written last: a log another copy is rewriting is found
        // now, before the list changes, rather than after.
        FileLock logLock(FileLock::lockPathFor(request.session->logPath()));
        if (logLock.lock(request.lockTimeout) != FileLock::Status::Locked) {
            result.message = notReplaced(
                lockProblem(logLock, QStringLiteral("le journal ") + request.session->logFileName())
                + QStringLiteral("\r\nSes noms d'abbaye ne pourraient pas être mis à jour."));
            return result;
        }
    }
    // The files on disk are the truth: a list changed since it was compared (by hand,
    // by another copy) is compared again before anything is written.
    if (!unchanged(request.listPath, request.heldList, request.listExisted)
        || (!request.sourcePath.isEmpty() && !unchanged(request.sourcePath, request.heldSource, true))) {
        result.stale = true;
        result.message = notReplaced(
            QStringLiteral("la liste a été modifiée sur le disque depuis la comparaison (par un autre programme "
                           "ou une autre copie de KVR_ZEL).\r\nLa comparaison est refaite : vérifiez-la, puis "
                           "remplacez de nouveau."));
        return result;
    }

    if (request.listExisted) {
        const AtomicFile::Result kept = AtomicFile::write(previous, request.heldList);
        if (!kept.ok) {
            qCWarning(lcRefData) << "keeping" << previous << "failed:" << kept.error;
            result.message = notReplaced(QStringLiteral("impossible d'enregistrer %1 : %2").arg(previousName, kept.error));
            return result;
        }
    }
    const AtomicFile::Result written = AtomicFile::write(request.listPath, request.newList);
    if (!written.ok) {
        qCWarning(lcRefData) << "writing" << request.listPath << "failed:" << written.error;
        result.message = QStringLiteral("La liste des abbayes n'a pas été remplacée :\r\n"
                                        "impossible d'enregistrer %1 : %2\r\n\r\n"
                                        "La liste en service est restée l'ancienne.")
                             .arg(listName, written.error);
        return result;
    }
    result.listReplaced = true;
    lock.unlock();

    result.message = request.listExisted
        ? QStringLiteral("La liste des abbayes %1 a été remplacée ; l'ancienne est gardée sous le nom %2.")
              .arg(listName, previousName)
        : QStringLiteral("La liste des abbayes %1 a été enregistrée.").arg(listName);
    if (!rename)
        return result;

    QList<int> rows;
    QList<QByteArray> expected, lines;
    for (const AbbeyListUpdate::Rename &r : request.renames) {
        rows.append(r.row);
        expected.append(r.oldLine);
        lines.append(r.newLine);
    }
    const AtomicFile::Result names = request.session->replaceLines(rows, expected, lines);
    if (names.ok) {
        result.logRewritten = true;
        result.message += QStringLiteral("\r\nLe nom d'abbaye de %1 QSO du log a été mis à jour.").arg(rows.size());
    } else {
        result.message += QStringLiteral("\r\n\r\nMais les noms d'abbaye du log n'ont pas été mis à jour : "
                                         "le log est resté tel qu'il était.\r\n")
            + names.error;
    }
    return result;
}

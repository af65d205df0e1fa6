#include "refdata/AbbeyListSwap.h"

#include "logstore/AtomicFile.h"
#include "logstore/Cp1252.h"
#include "logstore/FileLock.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QStorageInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

Q_LOGGING_CATEGORY(lcRefData, "zel.refdata")

namespace {

QString notReplaced(const QString &why)
{
    return AbbeyListSwap::tr("La liste des abbayes n'a pas été remplacée :\r\n%1\r\n\r\n"
                             "Aucun fichier n'a été modifié.")
        .arg(why);
}

QString lockProblem(FileLock &lock, const QString &what)
{
    if (lock.status() == FileLock::Status::HeldByOther)
        return AbbeyListSwap::tr("%1 est en cours de modification par une autre copie de KVR_ZEL.").arg(what);
    return lock.reason();
}

QString nameOf(const QString &path) { return QFileInfo(path).fileName(); }

// Whether the file at path is still what was read (held), or still absent.
bool unchanged(const QString &path, const QByteArray &held, bool existed)
{
    if (!existed)
        return !LogFile::stampOf(path).exists;
    return LogFile::compare(path, held) == LogFile::Match::Same;
}

// Where a file named through a link is really written (the link stays), as the
// atomic writer does.
QString realPath(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

const QByteArray Absent = "absent";

QByteArray fingerprint(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// The file's fingerprint as it now stands, "absent" when there is none, empty
// when it cannot be read.
QByteArray fingerprintOf(const QString &path)
{
    const LogFile::Bytes read = LogFile::readBytes(path);
    if (!read.exists)
        return Absent;
    if (!read.error.isEmpty())
        return {};
    return fingerprint(read.content);
}

bool exists(const QString &path) { return QFileInfo::exists(path) || QFileInfo(path).isSymLink(); }

// One abbey name to put into the log: the line as it was and as it becomes.
struct NameChange
{
    int row = 0;
    QByteArray oldLine, newLine;
};

// The note of an update under way, written through the atomic writer beside the
// list: what is to be replaced, each file's fingerprint before, and the names.
// "preparee" while the copies are being written (a stop then undoes them),
// "decidee" once all are on disk (a stop then is finished at the next start).
struct Note
{
    bool decided = false;
    QString list;             // the list's path as the program names it
    QByteArray listBefore;    // its fingerprint before, or "absent"
    bool keepPrevious = false;
    QString log;              // empty: the log is not touched
    QByteArray logBefore;
    QList<NameChange> names;

    static constexpr const char *Header = "KVR_ZEL remplacement de la liste des abbayes";

    QByteArray toBytes() const
    {
        QByteArray out = QByteArray(Header) + '\n';
        out += QByteArray("etat ") + (decided ? "decidee" : "preparee") + '\n';
        out += "liste " + listBefore + ' ' + list.toUtf8() + '\n';
        if (keepPrevious)
            out += "precedente\n";
        if (!log.isEmpty()) {
            out += "log " + logBefore + ' ' + log.toUtf8() + '\n';
            for (const NameChange &n : names)
                out += "nom " + QByteArray::number(n.row) + ' ' + n.oldLine.toHex() + ' ' + n.newLine.toHex() + '\n';
        }
        out += "fin\n";
        return out;
    }

    // A note this program wrote for this list; false for anything else (a damaged
    // or hand-made file is never acted upon).
    static bool read(const QByteArray &bytes, const QString &listPath, Note *note)
    {
        const QList<QByteArray> lines = bytes.split('\n');
        if (lines.size() < 4 || lines.first() != Header || lines.at(lines.size() - 2) != "fin" || !lines.last().isEmpty())
            return false;
        Note n;
        bool sawState = false, sawList = false;
        for (qsizetype i = 1; i + 2 < lines.size(); ++i) {
            const QByteArray &l = lines.at(i);
            const auto value = [&l](int at) { return l.mid(at); };
            if (l == "etat preparee" || l == "etat decidee") {
                n.decided = l == "etat decidee";
                sawState = true;
            } else if (l.startsWith("liste ")) {
                const qsizetype space = l.indexOf(' ', 6);
                if (space < 0)
                    return false;
                n.listBefore = l.mid(6, space - 6);
                n.list = QString::fromUtf8(value(int(space + 1)));
                sawList = true;
            } else if (l == "precedente") {
                n.keepPrevious = true;
            } else if (l.startsWith("log ")) {
                const qsizetype space = l.indexOf(' ', 4);
                if (space < 0)
                    return false;
                n.logBefore = l.mid(4, space - 4);
                n.log = QString::fromUtf8(value(int(space + 1)));
            } else if (l.startsWith("nom ")) {
                const QList<QByteArray> parts = l.split(' ');
                bool ok = false;
                NameChange c;
                c.row = parts.value(1).toInt(&ok);
                if (parts.size() != 4 || !ok || c.row < 0)
                    return false;
                c.oldLine = QByteArray::fromHex(parts.at(2));
                c.newLine = QByteArray::fromHex(parts.at(3));
                if (c.oldLine.isEmpty() || c.oldLine.size() != c.newLine.size() || c.oldLine.contains('\n')
                    || c.newLine.contains('\n'))
                    return false;
                n.names.append(c);
            } else {
                return false;
            }
        }
        // Only this list, and only a station's log of the same folder.
        if (!sawState || !sawList || n.list != listPath)
            return false;
        if (!n.log.isEmpty()
            && (QFileInfo(n.log).absolutePath() != QFileInfo(listPath).absolutePath()
                || !n.log.endsWith(QLatin1String("_ZEL.log"))))
            return false;
        *note = std::move(n);
        return true;
    }
};

// Where each line of bytes (LF or CR LF, as the log's reader finds them) starts,
// and its length without its end.
struct LineSpan
{
    qsizetype start = 0, length = 0;
};
QList<LineSpan> linesOf(const QByteArray &bytes)
{
    const QList<QByteArrayView> lines = Cp1252::lineViews(bytes);
    QList<LineSpan> spans;
    spans.reserve(lines.size());
    for (const QByteArrayView line : lines)
        spans.append({line.data() - bytes.constData(), line.size()});
    return spans;
}

// The log with the names put in: each line at its row must still be the line
// expected. When byRowOnly is false, a QSO whose row moved (another copy added
// or removed QSOs meanwhile) is found by its whole line; one no longer there
// keeps the log as it is. False when a line expected at its row is not there.
bool putNames(QByteArray &log, const QList<NameChange> &names, bool byRowOnly)
{
    const QList<LineSpan> spans = linesOf(log);
    QHash<QByteArray, qsizetype> where;
    if (!byRowOnly) {
        for (const LineSpan &s : spans)
            where.insert(log.mid(s.start, s.length), s.start);
    }
    for (const NameChange &n : names) {
        qsizetype at = -1;
        if (n.row < spans.size() && spans.at(n.row).length == n.oldLine.size()
            && QByteArrayView(log).sliced(spans.at(n.row).start, n.oldLine.size()) == n.oldLine) {
            at = spans.at(n.row).start;
        } else if (!byRowOnly) {
            at = where.value(n.oldLine, -1);
        }
        if (at < 0) {
            if (byRowOnly)
                return false;
            continue;
        }
        std::memcpy(log.data() + at, n.newLine.constData(), size_t(n.newLine.size()));
    }
    return true;
}

#ifdef Q_OS_UNIX
// Why a file (or, when it does not exist, its folder) cannot be written, or empty.
QString protection(const QString &path, const QString &what)
{
    const QString real = realPath(path);
    const QByteArray native = QFile::encodeName(QFileInfo::exists(real) ? real : QFileInfo(real).absolutePath());
    if (::access(native.constData(), W_OK) == 0)
        return {};
    const int why = errno;
    if (why != EACCES && why != EROFS && why != EPERM)
        return {};
    return AbbeyListSwap::tr("%1 est protégé en écriture (%2).").arg(what, qt_error_string(why));
}
#else
QString protection(const QString &, const QString &) { return {}; }
#endif

// Whether the disk and the limits of this process leave room for every copy, all
// on disk at once beside the files they replace.
QString roomProblem(const QList<QPair<QString, qint64>> &copies)
{
    QHash<QString, qint64> neededPerDisk;
    QHash<QString, QString> folderOfDisk;
    qint64 largest = 0;
    for (const auto &[path, size] : copies) {
        const QString dir = QFileInfo(realPath(path)).absolutePath();
        const QStorageInfo disk(dir);
        const QString key = disk.isValid() ? disk.rootPath() : dir;
        neededPerDisk[key] += size + 4096;
        folderOfDisk.insert(key, dir);
        largest = qMax(largest, size);
    }
    for (auto it = neededPerDisk.cbegin(); it != neededPerDisk.cend(); ++it) {
        const QStorageInfo disk(folderOfDisk.value(it.key()));
        if (disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < it.value())
            return AbbeyListSwap::tr("le disque est plein (%1 octets libres, %2 nécessaires).")
                .arg(disk.bytesAvailable())
                .arg(it.value());
    }
#ifdef Q_OS_UNIX
    struct rlimit limit;
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        && quint64(largest) > quint64(limit.rlim_cur))
        return AbbeyListSwap::tr("le disque est plein (un fichier ne peut pas dépasser ici %1 octets, "
                                 "il en faut %2).")
            .arg(qulonglong(limit.rlim_cur))
            .arg(largest);
#endif
    return {};
}

// A copy keeps the rights of the file it replaces.
void keepMode(const QString &staged, const QString &target)
{
#ifdef Q_OS_UNIX
    struct stat old;
    if (::stat(QFile::encodeName(target).constData(), &old) == 0)
        ::chmod(QFile::encodeName(staged).constData(), old.st_mode & 07777);
#else
    Q_UNUSED(staged);
    Q_UNUSED(target);
#endif
}

bool renameOver(const QString &from, const QString &to, QString *error)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    const int why = errno;
    *error = AtomicFile::reason(qt_error_string(why), why, QFileInfo(to).absolutePath(), 0);
    return false;
}

// The files an update replaces, as they are really written.
struct Targets
{
    QString list, previous, log;
    explicit Targets(const Note &n)
        : list(realPath(n.list)), previous(n.keepPrevious ? realPath(AbbeyListSwap::previousPath(n.list)) : QString()),
          log(n.log.isEmpty() ? QString() : realPath(n.log))
    {
    }
    QStringList all() const
    {
        QStringList out;
        for (const QString &t : {previous, list, log}) {
            if (!t.isEmpty())
                out << t;
        }
        return out;
    }
};

// Removes the copies of an update that was not decided, then its note.
void undo(const Note &n)
{
    const Targets t(n);
    for (const QString &target : t.all())
        QFile::remove(AbbeyListSwap::stagedPath(target));
    QFile::remove(AbbeyListSwap::notePath(n.list));
    for (const QString &target : t.all())
        AtomicFile::syncDirectory(QFileInfo(target).absolutePath());
}

struct Finished
{
    bool ok = true;
    QString error;
    bool listKept = false; // the list had been changed by hand meanwhile: it stays
    bool logFollowedChanges = false;
};

// Puts every copy of a decided update in place, then removes its note. Done
// again after a stop, each step finds what the last one left: a copy already
// renamed is no longer there. The log's copy is renamed only over the log it was
// made from; a log changed since (another copy of the program, in between) gets
// the names put into it as it now stands.
Finished finish(const Note &n)
{
    Finished f;
    const Targets t(n);
    if (!t.previous.isEmpty() && exists(AbbeyListSwap::stagedPath(t.previous))
        && !renameOver(AbbeyListSwap::stagedPath(t.previous), t.previous, &f.error)) {
        f.ok = false;
        return f;
    }
    const QString stagedList = AbbeyListSwap::stagedPath(t.list);
    if (exists(stagedList)) {
        if (fingerprintOf(t.list) == n.listBefore) {
            if (!renameOver(stagedList, t.list, &f.error)) {
                f.ok = false;
                return f;
            }
        } else {
            f.listKept = true;
            QFile::remove(stagedList);
        }
    }
    if (!t.log.isEmpty() && exists(AbbeyListSwap::stagedPath(t.log))) {
        const QString stagedLog = AbbeyListSwap::stagedPath(t.log);
        const LogFile::Bytes now = LogFile::readBytes(t.log);
        if (now.exists && now.error.isEmpty() && fingerprint(now.content) == n.logBefore) {
            if (!renameOver(stagedLog, t.log, &f.error)) {
                f.ok = false;
                return f;
            }
        } else if (now.exists && now.error.isEmpty()) {
            QByteArray content = now.content;
            putNames(content, n.names, false);
            const AtomicFile::Result written = AtomicFile::write(t.log, content);
            if (!written.ok) {
                f.ok = false;
                f.error = written.error;
                return f;
            }
            f.logFollowedChanges = true;
            QFile::remove(stagedLog);
        } else {
            QFile::remove(stagedLog);
        }
    }
    for (const QString &target : t.all())
        AtomicFile::syncDirectory(QFileInfo(target).absolutePath());
    QFile::remove(AbbeyListSwap::notePath(n.list));
    AtomicFile::syncDirectory(QFileInfo(AbbeyListSwap::notePath(n.list)).absolutePath());
    return f;
}

enum class Resumed { Nothing, Undone, Finished, Pending, Unreadable };

// With the list's lock held: what an update stopped earlier left.
Resumed resumeLocked(const QString &listPath, int lockTimeout, QString *message)
{
    const QString notePath = AbbeyListSwap::notePath(listPath);
    if (!exists(notePath))
        return Resumed::Nothing;
    const QString listName = nameOf(listPath);
    const LogFile::Bytes read = LogFile::readBytes(notePath);
    Note n;
    if (!read.error.isEmpty() || !Note::read(read.content, listPath, &n)) {
        *message = AbbeyListSwap::tr("Le fichier %1, laissé par une mise à jour de la liste des abbayes, est illisible : "
                                     "rien n'en a été repris.\r\nSupprimez-le pour pouvoir de nouveau mettre la liste "
                                     "à jour.")
                       .arg(nameOf(notePath));
        return Resumed::Unreadable;
    }
    if (!n.decided) {
        undo(n);
        *message = AbbeyListSwap::tr("Une mise à jour de la liste des abbayes avait été interrompue avant de remplacer "
                                     "un fichier : la liste %1, la liste précédente et le log sont restés tels qu'ils "
                                     "étaient.")
                       .arg(listName);
        return Resumed::Undone;
    }
    FileLock logLock(n.log.isEmpty() ? QString() : FileLock::lockPathFor(n.log));
    if (!n.log.isEmpty() && logLock.lock(lockTimeout) != FileLock::Status::Locked) {
        *message = AbbeyListSwap::tr("Une mise à jour de la liste des abbayes interrompue n'a pas encore pu être terminée : "
                                     "%1\r\nElle le sera au prochain démarrage.")
                       .arg(lockProblem(logLock, AbbeyListSwap::tr("le journal %1").arg(nameOf(n.log))));
        return Resumed::Pending;
    }
    const Finished f = finish(n);
    if (!f.ok) {
        qCWarning(lcRefData) << "finishing the interrupted update failed:" << f.error;
        *message = AbbeyListSwap::tr("Une mise à jour de la liste des abbayes interrompue n'a pas encore pu être terminée : "
                                     "%1\r\nElle le sera au prochain démarrage.")
                       .arg(f.error);
        return Resumed::Pending;
    }
    QString text = AbbeyListSwap::tr("Une mise à jour de la liste des abbayes avait été interrompue : elle a été terminée.");
    if (f.listKept)
        text += AbbeyListSwap::tr("\r\nLa liste %1, modifiée entre-temps par un autre programme, n'a pas été remplacée.")
                    .arg(listName);
    else
        text += n.keepPrevious
            ? AbbeyListSwap::tr("\r\nLa nouvelle liste %1 est en service ; l'ancienne est gardée sous le nom %2.")
                  .arg(listName, nameOf(AbbeyListSwap::previousPath(listPath)))
            : AbbeyListSwap::tr("\r\nLa nouvelle liste %1 est en service.").arg(listName);
    if (!n.log.isEmpty())
        text += AbbeyListSwap::tr("\r\nLes noms d'abbaye du log %1 ont été mis à jour.").arg(nameOf(n.log));
    *message = text;
    return Resumed::Finished;
}

} // namespace

AbbeyListSwap::Result AbbeyListSwap::resume(const QString &listPath, int lockTimeout)
{
    Result result;
    const QString path = QFileInfo(listPath).absoluteFilePath();
    if (!exists(notePath(path)))
        return result;
    FileLock lock(FileLock::lockPathFor(path));
    // Another running copy holds it: that copy is the one replacing the list.
    if (lock.lock(lockTimeout) != FileLock::Status::Locked)
        return result;
    const Resumed r = resumeLocked(path, lockTimeout, &result.message);
    result.listReplaced = r == Resumed::Finished;
    return result;
}

AbbeyListSwap::Result AbbeyListSwap::run(const Request &request)
{
    Result result;
    const QString listPath = QFileInfo(request.listPath).absoluteFilePath();
    const QString listName = nameOf(listPath);
    const QString previous = previousPath(listPath);
    const QString previousName = nameOf(previous);
    const bool rename = request.session && !request.renames.isEmpty();
    const QString logPath = rename ? QFileInfo(request.session->logPath()).absoluteFilePath() : QString();

    FileLock lock(FileLock::lockPathFor(listPath));
    if (lock.lock(request.lockTimeout) != FileLock::Status::Locked) {
        result.message = notReplaced(lockProblem(lock, tr("la liste %1").arg(listName)));
        return result;
    }
    // An update stopped earlier (a kill, a full disk) is finished or undone first;
    // the list it leaves is then compared below like any change made on disk.
    QString resumed;
    const Resumed earlier = resumeLocked(listPath, request.lockTimeout, &resumed);
    if (earlier == Resumed::Pending || earlier == Resumed::Unreadable) {
        result.message = notReplaced(resumed);
        return result;
    }
    const auto withEarlier = [&resumed](const QString &text) {
        return resumed.isEmpty() ? text : resumed + QStringLiteral("\r\n\r\n") + text;
    };
    // The log's lock is held from before the first write to the last rename.
    FileLock logLock(rename ? FileLock::lockPathFor(logPath) : QString());
    if (rename && logLock.lock(request.lockTimeout) != FileLock::Status::Locked) {
        result.message = withEarlier(notReplaced(
            lockProblem(logLock, tr("le journal %1").arg(request.session->logFileName()))
            + tr("\r\nSes noms d'abbaye ne pourraient pas être mis à jour.")));
        return result;
    }
    // The files on disk are the truth: a list changed since it was compared (by hand,
    // by another copy) is compared again before anything is written.
    if (!unchanged(listPath, request.heldList, request.listExisted)
        || (!request.sourcePath.isEmpty() && !unchanged(request.sourcePath, request.heldSource, true))) {
        result.stale = true;
        result.message = withEarlier(notReplaced(
            tr("la liste a été modifiée sur le disque depuis la comparaison (par un autre programme "
               "ou une autre copie de KVR_ZEL).\r\nLa comparaison est refaite : vérifiez-la, puis "
               "remplacez de nouveau.")));
        return result;
    }
    // The same list again would only lose the previous one.
    if (request.listExisted && request.newList == request.heldList && !rename) {
        result.message = withEarlier(tr("La nouvelle liste est identique à la liste en service %1 : "
                                        "rien n'a été remplacé (%2 est gardée telle quelle).")
                                         .arg(listName, previousName));
        return result;
    }

    Note note;
    note.list = listPath;
    note.listBefore = request.listExisted ? fingerprint(request.heldList) : Absent;
    note.keepPrevious = request.listExisted;
    QByteArray newLog;
    if (rename) {
        const LogFile::Bytes log = LogFile::readBytes(logPath);
        if (!log.exists || !log.error.isEmpty()) {
            result.message = withEarlier(notReplaced(tr("le journal %1 ne peut pas être lu : %2")
                                                         .arg(request.session->logFileName(),
                                                              log.exists ? log.error : tr("il n'existe plus."))));
            return result;
        }
        note.log = logPath;
        note.logBefore = fingerprint(log.content);
        for (const AbbeyListUpdate::Rename &r : request.renames)
            note.names.append({r.row, r.oldLine, r.newLine});
        newLog = log.content;
        bool same = true;
        for (const NameChange &n : std::as_const(note.names))
            same = same && n.oldLine.size() == n.newLine.size();
        if (!same || !putNames(newLog, note.names, true)) {
            result.stale = true;
            result.message = withEarlier(notReplaced(
                tr("un QSO dont le nom d'abbaye devait suivre la correction a été modifié entre-temps "
                   "dans le journal %1.\r\nLa comparaison est refaite : vérifiez-la, puis remplacez de "
                   "nouveau.")
                    .arg(request.session->logFileName())));
            return result;
        }
    }

    // Rights and room, before the first write.
    const Targets targets(note);
    QString problem = protection(listPath, tr("la liste %1").arg(listName));
    if (problem.isEmpty() && note.keepPrevious)
        problem = protection(previous, previousName);
    if (problem.isEmpty() && rename)
        problem = protection(logPath, tr("le journal %1").arg(request.session->logFileName()));
    if (problem.isEmpty())
        problem = protection(notePath(listPath), tr("le dossier de la liste"));
    QList<QPair<QString, qint64>> copies;
    note.decided = true;
    copies.append({notePath(listPath), note.toBytes().size() * 2});
    note.decided = false;
    copies.append({listPath, request.newList.size()});
    if (note.keepPrevious)
        copies.append({previous, request.heldList.size()});
    if (rename)
        copies.append({logPath, newLog.size()});
    if (problem.isEmpty())
        problem = roomProblem(copies);
    if (!problem.isEmpty()) {
        result.message = withEarlier(notReplaced(problem));
        return result;
    }

    // The copies, each complete on disk, under a note saying they are not decided.
    const auto abandon = [&](const QString &what, const QString &error) {
        qCWarning(lcRefData) << "preparing the list update failed:" << what << error;
        undo(note);
        result.message = withEarlier(notReplaced(tr("impossible d'enregistrer %1 : %2").arg(what, error)));
        return result;
    };
    AtomicFile::Result w = AtomicFile::write(notePath(listPath), note.toBytes());
    if (!w.ok)
        return abandon(nameOf(notePath(listPath)), w.error);
    if (note.keepPrevious) {
        w = AtomicFile::write(stagedPath(targets.previous), request.heldList);
        if (!w.ok)
            return abandon(previousName, w.error);
        keepMode(stagedPath(targets.previous), targets.previous);
    }
    w = AtomicFile::write(stagedPath(targets.list), request.newList);
    if (!w.ok)
        return abandon(listName, w.error);
    keepMode(stagedPath(targets.list), targets.list);
    if (rename) {
        w = AtomicFile::write(stagedPath(targets.log), newLog);
        if (!w.ok)
            return abandon(request.session->logFileName(), w.error);
        keepMode(stagedPath(targets.log), targets.log);
    }
    // Decided: from here on, a stop is finished at the next start.
    note.decided = true;
    w = AtomicFile::write(notePath(listPath), note.toBytes());
    if (!w.ok)
        return abandon(nameOf(notePath(listPath)), w.error);

    const Finished f = finish(note);
    logLock.unlock();
    lock.unlock();
    if (rename)
        request.session->reload();
    if (!f.ok) {
        qCWarning(lcRefData) << "replacing the list failed after it was decided:" << f.error;
        result.listReplaced = !exists(stagedPath(targets.list));
        result.message = withEarlier(
            tr("Le remplacement de la liste des abbayes %1 n'a pas pu être achevé : %2\r\n"
               "Il sera terminé au prochain démarrage de KVR_ZEL (ou à la prochaine mise à jour).")
                .arg(listName, f.error));
        return result;
    }
    result.listReplaced = true;
    result.logRewritten = rename;
    const bool goingBack = !request.sourcePath.isEmpty()
        && QFileInfo(request.sourcePath).absoluteFilePath() == previous;
    result.message = withEarlier(
        goingBack ? tr("La liste précédente est de nouveau en service sous le nom %1 ; celle qu'elle "
                       "remplace est gardée sous le nom %2.")
                        .arg(listName, previousName)
        : request.listExisted ? tr("La liste des abbayes %1 a été remplacée ; l'ancienne est gardée sous le nom %2.")
                                  .arg(listName, previousName)
                            : tr("La liste des abbayes %1 a été enregistrée.").arg(listName));
    if (rename)
        result.message += tr("\r\nLe nom d'abbaye de %n QSO du log a été mis à jour.", nullptr, int(note.names.size()));
    return result;
}

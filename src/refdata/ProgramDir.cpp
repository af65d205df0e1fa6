#include "refdata/ProgramDir.h"

#include "logstore/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcApp, "zel.app")

// The shipped files live in the core library's resources.
static void initSeedResources() { Q_INIT_RESOURCE(seed); }

// A station log ("*_ZEL.log", in any case, as the folder's wildcard filter matched
// it), looked for without starting the regular-expression engine.
static bool holdsLogs(const QDir &dir)
{
    const QString end = QStringLiteral("_ZEL.log");
    const QStringList names = dir.entryList(QDir::Files);
    return std::any_of(names.cbegin(), names.cend(),
                       [&](const QString &name) { return name.endsWith(end, Qt::CaseInsensitive); });
}

QString ProgramDir::resolve(const QString &executableDir, const QString &userDataDir, QString *error)
{
    // Only a real list file makes a portable folder: an installed executable sits in
    // /usr/bin or /usr/local/bin, its shipped lists under share/, and must not take a
    // stray folder of that name for a portable install.
    // A portable folder also keeps its station logs: when its abbey list has gone
    // missing, the logs are still there, and the folder stays the one in use (the
    // list is put back from the shipped copy).
    const QDir beside(executableDir);
    if (QFileInfo(beside.filePath(abbeyListName())).isFile() || holdsLogs(beside)) {
        seed(beside.absolutePath(), error);
        return beside.absolutePath();
    }
    if (!QDir().mkpath(userDataDir)) {
        const QString where = QDir::toNativeSeparators(QDir(userDataDir).absolutePath());
        qCWarning(lcApp) << "cannot create" << where;
        if (error) {
            *error = tr("Le dossier des journaux %1 ne peut pas être créé.\r\n\r\n"
                        "Vérifiez que le dossier parent existe et n'est pas protégé en "
                        "écriture, et que le disque n'est pas plein ; aucun QSO ne pourra "
                        "être enregistré d'ici là.")
                         .arg(where);
        }
        return QDir(userDataDir).absolutePath();
    }
    seed(userDataDir, error);
    return QDir(userDataDir).absolutePath();
}

bool ProgramDir::seed(const QString &dir, QString *error)
{
    initSeedResources();
    QStringList failed;
    const QStringList shipped{templateName(), firstNameListName(), abbeyListName()};
    for (const QString &name : shipped) {
        const QString target = QDir(dir).filePath(name);
        QFile source(QStringLiteral(":/seed/") + name);
        if (!source.exists() || QFileInfo::exists(target))
            continue;
        // The one checked writer: a full disk leaves no half list behind.
        AtomicFile::Result r{false, QString()};
        if (source.open(QIODevice::ReadOnly))
            r = AtomicFile::write(target, source.readAll());
        if (!r.ok) {
            qCWarning(lcApp) << "cannot seed" << target << r.error;
            failed << QStringLiteral("%1 : %2").arg(name, r.error.isEmpty() ? source.errorString() : r.error);
        }
    }
    if (!failed.isEmpty() && error) {
        *error = tr("Les fichiers fournis avec KVR_ZEL n'ont pas pu être copiés dans %1 :\r\n%2")
                     .arg(QDir::toNativeSeparators(QDir(dir).absolutePath()),
                          failed.join(QStringLiteral("\r\n")));
    }
    return failed.isEmpty();
}

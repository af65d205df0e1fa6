#include "app/ProgramDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcApp, "zel.app")

// The shipped files live in the core library's resources.
static void initSeedResources() { Q_INIT_RESOURCE(seed); }

QString ProgramDir::resolve(const QString &executableDir, const QString &userDataDir)
{
    // Only a real list file makes a portable folder: an installed executable sits in
    // /usr/bin or /usr/local/bin, its shipped lists under share/, and must not take a
    // stray folder of that name for a portable install.
    if (QFileInfo(QDir(executableDir).filePath(abbeyListName())).isFile())
        return QDir(executableDir).absolutePath();
    QDir().mkpath(userDataDir);
    seed(userDataDir);
    return QDir(userDataDir).absolutePath();
}

bool ProgramDir::seed(const QString &dir)
{
    initSeedResources();
    bool ok = true;
    const QStringList shipped{templateName(), firstNameListName(), abbeyListName()};
    for (const QString &name : shipped) {
        const QString source = QStringLiteral(":/seed/") + name;
        const QString target = QDir(dir).filePath(name);
        if (!QFile::exists(source) || QFile::exists(target))
            continue;
        if (!QFile::copy(source, target)) {
            qCWarning(lcApp) << "cannot seed" << target;
            ok = false;
            continue;
        }
        // Files copied out of the resources are read-only; the operator owns them.
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                          | QFile::ReadOther);
    }
    return ok;
}

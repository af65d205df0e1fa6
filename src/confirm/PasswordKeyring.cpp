#include "confirm/PasswordKeyring.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

PasswordKeyringPlugin *PasswordKeyring::plugin(QString *error)
{
    // Loaded once and kept for the rest of the session.
    static QPluginLoader *loader = nullptr;
    static QString failure;
    if (!loader) {
        const QString dir = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                            + QStringLiteral(ZEL_PLUGIN_DIR));
        loader = new QPluginLoader(dir + QStringLiteral("/zel_keyring"));
        if (!loader->load())
            failure = tr("le module du trousseau n'a pas pu être chargé (%1)").arg(loader->errorString());
    }
    auto *plugin = qobject_cast<PasswordKeyringPlugin *>(loader->instance());
    if (!plugin && failure.isEmpty())
        failure = tr("le module du trousseau n'est pas celui de cette version du programme");
    if (!plugin && error)
        *error = failure;
    return plugin;
}

#include "help/HelpPages.h"

#include "Revision.h"
#include "kit/Language.h"

#include <QCoreApplication>

#include <QFile>

// The pages live in a static library: their resources are registered by hand.
static void initHelpResources() { Q_INIT_RESOURCE(help); }

namespace HelpPages {

namespace {
void ensureResources()
{
    static const bool done = (initHelpResources(), true);
    Q_UNUSED(done);
}

// The French pages sit at the top of the resources, each other language's in a
// folder named after its code.
QUrl page(const QString &language, const QString &name)
{
    ensureResources();
    const QString code = Language::known(language);
    if (code == Language::French)
        return QUrl(QStringLiteral("qrc:/help/") + name);
    return QUrl(QStringLiteral("qrc:/help/") + code + QLatin1Char('/') + name);
}
} // namespace

QUrl rules(const QString &language)
{
    QUrl url = page(language, QStringLiteral("reglement.html"));
    url.setFragment(rulesAnchor());
    return url;
}

QUrl guide(const QString &language)
{
    return page(language, QStringLiteral("mode_emploi.html"));
}

QUrl rules()
{
    return rules(Language::current());
}

QUrl guide()
{
    return guide(Language::current());
}

QString history(const QString &language)
{
    const QString code = Language::known(language);
    if (code == Language::French)
        return Revision::history();
    ensureResources();
    QFile f(QStringLiteral(":/help/") + code + QStringLiteral("/historique.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return Revision::history();
    QString out;
    const auto lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        out += line.trimmed() + QStringLiteral("\r\n");
    return out;
}

QString history()
{
    return history(Language::current());
}

QString about()
{
    return QCoreApplication::translate("HelpPages", "KVR_ZEL Revision %1").arg(Revision::text())
        + QStringLiteral("\r\n\r\n")
        + QCoreApplication::translate("HelpPages", "Carnet de trafic du diplôme des Abbayes italiennes (ZEL). "
                                                   "Carte de l'Italie : @svg-maps/italy (Victor Cazanave, "
                                                   "d'après MapSVG), licence CC BY 4.0")
        + QStringLiteral("\r\n")
        + QCoreApplication::translate("HelpPages", "Logiciel libre sous licence GPL-3.0-or-later (GNU GPL "
                                                   "version 3 ou toute version ultérieure), voir le fichier "
                                                   "COPYING.");
}

QString html(const QUrl &page)
{
    ensureResources();
    QFile f(QLatin1Char(':') + page.path());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace HelpPages

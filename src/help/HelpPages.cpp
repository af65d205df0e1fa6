#include "help/HelpPages.h"

#include "kit/Language.h"

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

QString html(const QUrl &page)
{
    ensureResources();
    QFile f(QLatin1Char(':') + page.path());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace HelpPages

#include "help/HelpPages.h"

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
} // namespace

QUrl rules()
{
    ensureResources();
    QUrl url(QStringLiteral("qrc:/help/reglement.html"));
    url.setFragment(rulesAnchor());
    return url;
}

QUrl guide()
{
    ensureResources();
    return QUrl(QStringLiteral("qrc:/help/mode_emploi.html"));
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

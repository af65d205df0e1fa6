#include "reports/AwardChart.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

#ifndef ZEL_PLUGIN_DIR
#define ZEL_PLUGIN_DIR "../lib/kvr-zel"
#endif

AwardChart::Points AwardChart::points(const QList<AwardHistory::Month> &months)
{
    // Ten years from the first month to the last: 121 months.
    if (months.size() <= 10 * 12 + 1)
        return {months, false};
    Points out;
    out.yearly = true;
    for (int i = 0; i < months.size(); ++i) {
        const AwardHistory::Month &m = months.at(i);
        if (i + 1 < months.size() && months.at(i + 1).month.year() == m.month.year())
            continue;
        out.points.append({QDate(m.month.year(), 1, 1), m.contacted, m.confirmed});
    }
    return out;
}

AwardChart::Points AwardChart::points(const QList<AwardHistory::Month> &months,
                                      const QList<AwardHistory::Month> &days)
{
    if (!wantsDays(months) || days.isEmpty())
        return points(months);
    Points out;
    out.points = days;
    out.daily = true;
    return out;
}

QString AwardChart::title(const QString &callsign, const QDate &date)
{
    return tr("%1 - Diplôme ZEL - %2").arg(callsign, date.toString(QStringLiteral("dd/MM/yyyy")));
}

AwardChartPlugin *AwardChart::plugin(QString *error)
{
    // Loaded once and kept: the chart's libraries stay for the rest of the session.
    static QPluginLoader *loader = nullptr;
    static QString failure;
    if (!loader) {
        const QString dir = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                            + QStringLiteral(ZEL_PLUGIN_DIR));
        loader = new QPluginLoader(dir + QStringLiteral("/zel_awardchart"));
        if (!loader->load()) {
            failure = tr("le module du graphique (%1) n'a pas pu être chargé : %2")
                          .arg(QDir::toNativeSeparators(loader->fileName().isEmpty()
                                                            ? dir + QStringLiteral("/zel_awardchart")
                                                            : loader->fileName()),
                               loader->errorString());
        }
    }
    auto *plugin = qobject_cast<AwardChartPlugin *>(loader->instance());
    if (!plugin && failure.isEmpty())
        failure = tr("le module du graphique n'est pas celui de cette version du programme");
    if (!plugin && error)
        *error = failure;
    return plugin;
}

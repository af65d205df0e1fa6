#pragma once

#include "kit/ui/AppContext.h"
#include "regions/RegionTally.h"

#include <QObject>
#include <QPointer>

class ActivityMapWindow;
class MiniMapWindow;
class RegionQsoWindow;
class RegionsWindow;

// Opens the region windows and hands every tally to both tally windows, as the
// tally's working store is shared: a tally asked for by either window shows in
// both. A window not yet opened is set up, hidden, the first time a tally needs
// it, and shows that tally when the operator opens it.
class RegionCoordinator : public QObject
{
    Q_OBJECT
public:
    explicit RegionCoordinator(const AppContext &context);

    void openRegions();
    void openMap();
    // The entry chain's new region: the mini map opens, or comes back to the front.
    void newRegion(const QString &reference);
    void newRegionDone();
    // "QSO de la région": the QSOs behind a region chosen in the list or on the map.
    void openRegionQsos(int slot, const QString &band);

private:
    RegionTally tally(const QString &band, const QString &mode);
    RegionsWindow *regions();
    ActivityMapWindow *map();
    void bringUp(QWidget *window, bool &shownBefore, const QSize &firstSize);
    void dropUnopened();
    void followLog();

    AppContext m_context;
    QPointer<RegionsWindow> m_regions;
    QPointer<ActivityMapWindow> m_map;
    QPointer<MiniMapWindow> m_mini;
    QPointer<RegionQsoWindow> m_regionQsos;
    bool m_regionsShown = false;
    bool m_mapShown = false;
};

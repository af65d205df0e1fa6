#include "regions/ui/RegionCoordinator.h"

#include "kit/ui/Centre.h"
#include "logstore/LogSession.h"
#include "refdata/LogIndex.h"
#include "regions/ui/ActivityMapWindow.h"
#include "regions/ui/MiniMapWindow.h"
#include "regions/ui/RegionQsoWindow.h"
#include "regions/ui/RegionsWindow.h"

#include <QGuiApplication>
#include <QScreen>

RegionCoordinator::RegionCoordinator(const AppContext &context)
    : QObject(context.mainWindow), m_context(context)
{
    // A window set up for a tally but never opened holds a tally of the log as it
    // was; once the log changes (or another station's is opened) it would show
    // stale regions, so it starts afresh when it is opened.
    connect(&m_context.index, &LogIndex::changed, this, &RegionCoordinator::followLog);
}

RegionTally RegionCoordinator::tally(const QString &band, const QString &mode)
{
    // Both windows receive every tally: set up the one that is missing first
    // (the map's own start-up tally runs then and is overwritten just below).
    RegionsWindow *list = regions();
    ActivityMapWindow *board = map();
    const RegionTally t = Compte_Regions(m_context.index, band, mode);
    list->showTally(t);
    board->showTally(t);
    return t;
}

RegionsWindow *RegionCoordinator::regions()
{
    if (!m_regions) {
        m_regionsShown = false;
        m_regions = new RegionsWindow(
            m_context.messages, [this](const QString &band, const QString &mode) { return tally(band, mode); },
            m_context.mainWindow);
        connect(m_regions, &RegionsWindow::regionChosen, this, &RegionCoordinator::openRegionQsos);
        m_regions->startUp();
    }
    return m_regions;
}

ActivityMapWindow *RegionCoordinator::map()
{
    if (!m_map) {
        m_mapShown = false;
        m_map = new ActivityMapWindow(
            m_context.settings, m_context.session, m_context.messages,
            [this](const QString &band, const QString &mode) { return tally(band, mode); }, m_context.mainWindow);
        connect(m_map, &ActivityMapWindow::regionChosen, this, &RegionCoordinator::openRegionQsos);
        // Known before its start-up runs: the start-up's tally comes back here.
        m_map->startUp();
    }
    return m_map;
}

void RegionCoordinator::openRegions()
{
    RegionsWindow *w = regions();
    bringUp(w, m_regionsShown, w->sizeHint());
}

void RegionCoordinator::openMap()
{
    ActivityMapWindow *w = map();
    const QScreen *screen = m_context.mainWindow && m_context.mainWindow->screen()
        ? m_context.mainWindow->screen() : QGuiApplication::primaryScreen();
    const QSize size = screen ? w->openingSize(screen->availableGeometry()) : w->sizeHint();
    bringUp(w, m_mapShown, size);
}

void RegionCoordinator::bringUp(QWidget *window, bool &shownBefore, const QSize &firstSize)
{
    if (!shownBefore) {
        window->resize(firstSize);
        centreOnScreen(window);
        shownBefore = true;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void RegionCoordinator::dropUnopened()
{
    if (m_regions && !m_regionsShown)
        delete m_regions;
    if (m_map && !m_mapShown)
        delete m_map;
}

void RegionCoordinator::followLog()
{
    dropUnopened();
    // An open window follows the log as the award windows do: each one runs its
    // last tally again, with its own band and mode, and only it shows the answer
    // (the other window keeps its own).
    if (m_regions && !m_regions->lastBand().isEmpty())
        m_regions->showTally(Compte_Regions(m_context.index, m_regions->lastBand(), m_regions->lastMode()));
    if (m_map && !m_map->ownBand().isEmpty())
        m_map->showOwnTally(Compte_Regions(m_context.index, m_map->ownBand(), m_map->ownMode()));
}

void RegionCoordinator::newRegion(const QString &reference)
{
    // A closed mini map is on its way out: a new region opens a new one.
    if (!m_mini || !m_mini->isVisible()) {
        m_mini = new MiniMapWindow(m_context.mainWindow);
        m_mini->startUp(reference);
    }
    // Asked again while open (the cursor moved on in the main window): only to the front.
    m_mini->show();
    m_mini->raise();
    m_mini->activateWindow();
}

void RegionCoordinator::newRegionDone()
{
    if (m_mini && m_mini->isVisible())
        m_mini->close();
}

void RegionCoordinator::openRegionQsos(int slot, const QString &band)
{
    if (!m_regionQsos)
        m_regionQsos = new RegionQsoWindow(m_context.session, m_context.index, m_context.mainWindow, m_context.mainWindow);
    m_regionQsos->showRegion(slot, band);
}

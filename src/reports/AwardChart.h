#pragma once

#include "reports/AwardHistory.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QtPlugin>

class AwardChartPlugin;
class QImage;
class QWidget;

// The award chart of the score window. Qt Charts and what it pulls in weigh on every
// start-up, and most sessions never open the score: the chart lives in a plugin
// (src/reports/chart/), loaded the first time the score window opens.
class AwardChart
{
    Q_DECLARE_TR_FUNCTIONS(AwardChart)

public:
    virtual ~AwardChart() = default;

    // The chart as a widget; it belongs to the parent it was made for.
    virtual QWidget *widget() = 0;
    struct Points;
    // The figures to draw, one point a day, a month or a year.
    virtual void show(const Points &shown) = 0;
    // The chart as drawn in the window, with `title` above it.
    virtual QImage picture(const QString &title) = 0;

    // The figures the chart draws: the months as they are, or, when they span more
    // than ten years, one point a year (the figures at its last month) so that years
    // of activity are not squeezed against one old QSO.
    struct Points {
        QList<AwardHistory::Month> points;
        bool yearly = false;
        bool daily = false;
    };
    static Points points(const QList<AwardHistory::Month> &months);
    // The same, day by day (`days`) when the months from the first QSO to today are
    // at most two: one or two points a month would draw almost nothing.
    static Points points(const QList<AwardHistory::Month> &months, const QList<AwardHistory::Month> &days);
    // Whether the months call for the figures day by day.
    static bool wantsDays(const QList<AwardHistory::Month> &months) { return !months.isEmpty() && months.size() <= 2; }

    // "F4ZEL - Diplôme ZEL - 14/03/2007", above the saved picture, in the
    // interface's language as the chart it heads.
    static QString title(const QString &callsign, const QDate &date);

    // The chart plugin, loaded on first use from the folder beside the program
    // (../lib/kvr-zel from bin/, in the build tree and once installed). Null when it
    // cannot be loaded, `error` then saying why.
    static AwardChartPlugin *plugin(QString *error);
};

// What the chart plugin gives the score window.
class AwardChartPlugin
{
public:
    virtual ~AwardChartPlugin() = default;
    virtual AwardChart *create(QWidget *parent) = 0;
};

#define AwardChartPlugin_iid "org.example.kvr_zel.AwardChartPlugin/2"
Q_DECLARE_INTERFACE(AwardChartPlugin, AwardChartPlugin_iid)

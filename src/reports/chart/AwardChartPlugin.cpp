// The award chart drawn with Qt Charts, built as a plugin the score window loads the
// first time it opens (see reports/AwardChart.h).

#include "reports/AwardChart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QObject>
#include <QPainter>
#include <QValueAxis>

namespace {

class ChartView : public QChartView, public AwardChart
{
public:
    explicit ChartView(QWidget *parent)
        : QChartView(new QChart, parent)
    {
        m_contacted = new QLineSeries;
        m_contacted->setName(QCoreApplication::translate("AwardChartPlugin", "Abbayes contactées"));
        m_confirmed = new QLineSeries;
        m_confirmed->setName(QCoreApplication::translate("AwardChartPlugin", "Abbayes confirmées"));
        QChart *c = chart();
        c->addSeries(m_contacted);
        c->addSeries(m_confirmed);
        // Days and months by their place from the first point, each tick labelled once:
        // a time axis spaces its ticks evenly in seconds and would label one month
        // (or one day) several times over a short span.
        m_when = new QCategoryAxis;
        m_when->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        // Years as plain numbers, one tick every 1, 2, 5, 10... years: a time axis
        // spaces its ticks evenly in seconds and would label some 31 December.
        m_years = new QValueAxis;
        m_years->setLabelFormat(QStringLiteral("%d"));
        m_years->setTickType(QValueAxis::TicksDynamic);
        m_counts = new QValueAxis;
        m_counts->setLabelFormat(QStringLiteral("%d"));
        m_ticks = m_counts->tickCount();
        c->addAxis(m_when, Qt::AlignBottom);
        c->addAxis(m_counts, Qt::AlignLeft);
        for (QLineSeries *s : {m_contacted, m_confirmed}) {
            s->attachAxis(m_when);
            s->attachAxis(m_counts);
        }
        m_across = m_when;
        c->legend()->setAlignment(Qt::AlignBottom);
        c->setMargins(QMargins(4, 4, 4, 4));
        setObjectName(QStringLiteral("Graphique"));
        setRenderHint(QPainter::Antialiasing);
        setMinimumHeight(220);
    }

    ~ChartView() override
    {
        // The axis out of the chart is the view's own.
        delete (m_across == m_when ? static_cast<QAbstractAxis *>(m_years) : m_when);
    }

    QWidget *widget() override { return this; }

    void show(const Points &shown) override
    {
        const QList<AwardHistory::Month> &points = shown.points;
        const bool yearly = shown.yearly;
        if (moveOnly(shown))
            return;
        QList<QPointF> contacted;
        QList<QPointF> confirmed;
        contacted.reserve(points.size());
        confirmed.reserve(points.size());
        int top = 0;
        for (int i = 0; i < points.size(); ++i) {
            const AwardHistory::Month &m = points.at(i);
            // The points follow each other day by day or month by month, without a gap.
            const qreal x = yearly ? qreal(m.month.year()) : qreal(i);
            contacted.append({x, qreal(m.contacted)});
            confirmed.append({x, qreal(m.confirmed)});
            top = qMax(top, m.contacted);
        }
        useAxis(yearly ? static_cast<QAbstractAxis *>(m_years) : m_when);
        m_contacted->replace(contacted);
        m_confirmed->replace(confirmed);
        // A line needs two points: a few points are drawn as dots as well.
        for (QLineSeries *s : {m_contacted, m_confirmed})
            s->setPointsVisible(points.size() <= 62);
        const QDate first = points.isEmpty() ? QDate::currentDate() : points.first().month;
        const QDate last = points.isEmpty() ? first : points.last().month;
        if (yearly) {
            const int span = qMax(1, last.year() - first.year());
            int step = 1;
            for (int nice : {1, 2, 5, 10, 20, 25, 50}) {
                step = nice;
                if (span / nice <= 8)
                    break;
            }
            m_years->setTickAnchor(first.year() - first.year() % step);
            m_years->setTickInterval(step);
            m_years->setRange(first.year(), first.year() + span);
        } else {
            for (const QString &label : m_when->categoriesLabels())
                m_when->remove(label);
            const int n = int(points.size());
            // At most seven labels, one every `step` points.
            const int step = qMax(1, (n - 1 + 5) / 6);
            const QString format = shown.daily ? QStringLiteral("dd/MM") : QStringLiteral("MM/yyyy");
            const qreal low = n > 1 ? 0 : -1;
            const qreal high = n > 1 ? n - 1 : 1;
            m_when->setStartValue(low);
            for (int i = 0; i < n; i += step)
                m_when->append(points.at(i).month.toString(format), i);
            m_when->setRange(low, high);
        }
        fitCounts(top);
        m_drawn = shown;
        m_exact = shown;
        m_top = top;
    }

    QImage picture(const QString &title) override
    {
        // Every point exactly where its figures put it.
        movePoints(0);
        const QImage drawn = grab().toImage();
        if (drawn.isNull())
            return drawn;
        QFont font = this->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.3);
        const qreal ratio = drawn.devicePixelRatio();
        const qreal band = QFontMetrics(font).height() * 2; // in the window's units
        QImage out(drawn.width(), drawn.height() + qRound(band * ratio), QImage::Format_RGB32);
        out.setDevicePixelRatio(ratio);
        out.fill(Qt::white);
        {
            QPainter p(&out);
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(QRectF(0, 0, drawn.width() / ratio, band), Qt::AlignCenter, title);
            p.drawImage(QPointF(0, band), drawn);
        }
        // Also as the picture's own title, for the programs that list it.
        out.setText(QStringLiteral("Title"), title);
        return out;
    }

private:
    // When the points are the same days, months or years as those drawn, only the
    // values that changed move (one point after a QSO), and the axes stay as they
    // are unless their round figures change. A value that moved by less than
    // Unseen of the axis is not moved on screen (on a long log one QSO is far below
    // a pixel, and moving it would redraw the whole chart): it moves once the
    // difference from what is drawn adds up, when the axis changes, or before the
    // picture is saved. The table beside the chart always gives the exact figures.
    static constexpr qreal Unseen = 1.0 / 2000;

    bool moveOnly(const Points &shown)
    {
        const QList<AwardHistory::Month> &points = shown.points;
        if (m_top < 0 || shown.yearly != m_drawn.yearly || shown.daily != m_drawn.daily
            || points.size() != m_drawn.points.size())
            return false;
        int top = 0;
        for (int i = 0; i < points.size(); ++i) {
            if (points.at(i).month != m_drawn.points.at(i).month)
                return false;
            top = qMax(top, points.at(i).contacted);
        }
        bool axisMoved = false;
        if (top != m_top) {
            axisMoved = fitCounts(top);
            m_top = top;
        }
        m_exact = shown;
        movePoints(axisMoved ? 0 : (m_counts->max() - m_counts->min()) * Unseen);
        return true;
    }

    // Moves the points whose value differs from the one drawn by `least` or more.
    void movePoints(qreal least)
    {
        for (int i = 0; i < m_exact.points.size(); ++i) {
            const AwardHistory::Month &now = m_exact.points.at(i);
            AwardHistory::Month &was = m_drawn.points[i];
            const qreal x = m_exact.yearly ? qreal(now.month.year()) : qreal(i);
            if (now.contacted != was.contacted && qAbs(now.contacted - was.contacted) >= least) {
                m_contacted->replace(i, QPointF(x, qreal(now.contacted)));
                was.contacted = now.contacted;
            }
            if (now.confirmed != was.confirmed && qAbs(now.confirmed - was.confirmed) >= least) {
                m_confirmed->replace(i, QPointF(x, qreal(now.confirmed)));
                was.confirmed = now.confirmed;
            }
        }
    }

    // The counts' axis from 0 to the highest value, in round figures. The figures
    // are worked out aside, always from the same number of ticks, so that the axis
    // after a QSO is the one a chart opened afresh draws; it is touched (its labels
    // laid out again, the chart redrawn) only when they differ from those it shows.
    bool fitCounts(int top)
    {
        m_nice.setTickCount(m_ticks);
        m_nice.setRange(0, qMax(10, top));
        m_nice.applyNiceNumbers();
        if (m_nice.min() == m_counts->min() && m_nice.max() == m_counts->max()
            && m_nice.tickCount() == m_counts->tickCount())
            return false;
        m_counts->setRange(m_nice.min(), m_nice.max());
        m_counts->setTickCount(m_nice.tickCount());
        return true;
    }

    // Puts the series on the months' or the years' axis.
    void useAxis(QAbstractAxis *axis)
    {
        if (axis == m_across)
            return;
        for (QLineSeries *s : {m_contacted, m_confirmed})
            s->detachAxis(m_across);
        chart()->removeAxis(m_across);
        chart()->addAxis(axis, Qt::AlignBottom);
        for (QLineSeries *s : {m_contacted, m_confirmed})
            s->attachAxis(axis);
        m_across = axis;
    }

    QLineSeries *m_contacted = nullptr;
    QLineSeries *m_confirmed = nullptr;
    QCategoryAxis *m_when = nullptr;
    QValueAxis *m_years = nullptr;
    QAbstractAxis *m_across = nullptr; // the one of the two in the chart
    QValueAxis *m_counts = nullptr;
    QValueAxis m_nice; // never shown: where the round figures are worked out
    int m_ticks = 0;   // the ticks they start from
    Points m_drawn;    // the figures drawn now
    Points m_exact;    // the figures last given, which they follow to within Unseen
    int m_top = -1;    // their highest value; -1 before the first drawing
};

} // namespace

class AwardChartFactory : public QObject, public AwardChartPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID AwardChartPlugin_iid)
    Q_INTERFACES(AwardChartPlugin)
public:
    AwardChart *create(QWidget *parent) override { return new ChartView(parent); }
};

#include "AwardChartPlugin.moc"

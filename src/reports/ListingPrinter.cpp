#include "reports/ListingPrinter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

QList<ListingPrinter::Page> ListingPrinter::paginate(int lineCount, qreal lineHeight, qreal pageHeight)
{
    const int perPage = (lineHeight > 0 && pageHeight > lineHeight)
        ? int(std::floor(pageHeight / lineHeight)) : 1;
    QList<Page> pages;
    for (int first = 0; first < lineCount; first += perPage)
        pages.append({first, qMin(perPage, lineCount - first)});
    return pages;
}

QFont ListingPrinter::font()
{
    QFont f;
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(9);
    f.setBold(true);
    return f;
}

ListingPrinter::Result ListingPrinter::render(QPagedPaintDevice &device, const QStringList &lines)
{
    Result r;
    QPainter painter;
    if (!painter.begin(&device)) {
        r.ok = false;
        r.error = QStringLiteral("L'impression n'a pas pu commencer.");
        return r;
    }
    const QFont f = font();
    painter.setFont(f);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(f, &device);
    const qreal lineHeight = metrics.lineSpacing();

    // A line of 106 characters of 9-point type just fits across an A4 sheet with
    // margins of 10 points; a printer with wider margins would cut the QSL column
    // off. Such pages are drawn a little narrower instead (never lower, never in
    // another font).
    qsizetype longest = 0;
    for (const QString &line : lines)
        longest = qMax(longest, line.size());
    const qreal widest = metrics.horizontalAdvance(QLatin1Char('M')) * qreal(longest);
    const qreal xScale = (widest > device.width() && widest > 0) ? device.width() / widest : 1.0;

    const QList<Page> pages = paginate(int(lines.size()), lineHeight, device.height());
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device.newPage()) {
            painter.end();
            r.ok = false;
            r.error = QStringLiteral("L'impression s'est arrêtée à la page %1.").arg(p + 1);
            return r;
        }
        painter.resetTransform();
        painter.scale(xScale, 1.0);
        const Page &page = pages.at(p);
        for (int k = 0; k < page.count; ++k) {
            const QString &line = lines.at(page.first + k);
            if (!line.isEmpty())
                painter.drawText(QPointF(0, metrics.ascent() + k * lineHeight), line);
        }
    }
    r.pages = int(pages.size());
    if (!painter.end()) {
        r.ok = false;
        r.error = QStringLiteral("L'impression n'a pas pu être terminée.");
    }
    return r;
}

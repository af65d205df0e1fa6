#include "listing/ListingPrinter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// The foot of a page: a blank line, then the page number.
constexpr int FootLines = 2;

} // namespace

QList<ListingPrinter::Page> ListingPrinter::paginate(int lineCount, qreal lineHeight, qreal pageHeight)
{
    return paginate(lineCount, lineHeight, pageHeight, 0);
}

QList<ListingPrinter::Page> ListingPrinter::paginate(int lineCount, qreal lineHeight, qreal pageHeight,
                                                     int repeated)
{
    const int perPage = (lineHeight > 0 && pageHeight > lineHeight)
        ? int(std::floor(pageHeight / lineHeight)) : 1;
    // A page too low for the header and a line still takes one line of the list.
    const int later = qMax(1, perPage - qMax(0, repeated));
    QList<Page> pages;
    for (int first = 0; first < lineCount;) {
        const int room = pages.isEmpty() ? perPage : later;
        pages.append({first, qMin(room, lineCount - first)});
        first += room;
    }
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

QString ListingPrinter::pageNumber(int page, int pages)
{
    return QStringLiteral("Page %1 / %2").arg(page).arg(pages);
}

ListingPrinter::Result ListingPrinter::render(QPagedPaintDevice &device, const QStringList &lines)
{
    return render(device, lines, Options());
}

ListingPrinter::Result ListingPrinter::render(QPagedPaintDevice &device, const QStringList &lines,
                                              const Options &options)
{
    Result r;
    QPainter painter;
    if (!painter.begin(&device)) {
        r.ok = false;
        r.error = tr("L'impression n'a pas pu commencer.");
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

    // The column header heads every page, so a page read alone still says what
    // its columns are; the title stays on the first page.
    const int repeatFirst = qBound(0, options.repeatFirst, int(lines.size()));
    const int repeatCount = qBound(0, options.repeatCount, int(lines.size()) - repeatFirst);
    const QStringList repeated = lines.mid(repeatFirst, repeatCount);
    const qreal bodyHeight = device.height() - FootLines * lineHeight;
    const QList<Page> pages = paginate(int(lines.size()), lineHeight, bodyHeight, repeatCount);
    const int total = int(pages.size());
    for (int p = 0; p < total; ++p) {
        if (options.progress && !options.progress(p, total)) {
            r.cancelled = true;
            break;
        }
        if (p > 0 && !device.newPage()) {
            painter.end();
            r.ok = false;
            r.error = tr("L'impression s'est arrêtée à la page %1.").arg(p + 1);
            return r;
        }
        painter.resetTransform();
        painter.scale(xScale, 1.0);
        QStringList onPage;
        if (p > 0)
            onPage = repeated;
        const Page &page = pages.at(p);
        onPage += lines.mid(page.first, page.count);
        for (int k = 0; k < onPage.size(); ++k) {
            const QString &line = onPage.at(k);
            if (!line.isEmpty())
                painter.drawText(QPointF(0, metrics.ascent() + k * lineHeight), line);
        }
        painter.resetTransform();
        const QString number = pageNumber(p + 1, total);
        painter.drawText(QPointF((device.width() - metrics.horizontalAdvance(number)) / 2,
                                 device.height() - metrics.descent()),
                         number);
        r.pages = p + 1;
    }
    if (!painter.end() && !r.cancelled) {
        r.ok = false;
        r.error = tr("L'impression n'a pas pu être terminée.");
    }
    return r;
}

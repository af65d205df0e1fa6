// Printing a listing: pages split so no line is lost, the title on the first page,
// the column header and the page number on every page, the printer font, a print
// stopped part way; checked on PDF files through pdftotext.

#include "app/Harness.h"
#include "Revision.h"
#include "listing/ListingPrinter.h"
#include "reports/ReportListing.h"
#include "reports/ReportText.h"

#include <QFontInfo>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using Page = ListingPrinter::Page;

namespace {

// The text of a PDF file's pages, laid out as printed ("" when pdftotext is missing).
QString pdfText(const QString &path, int page = 0)
{
    QStringList args{QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args << path << QStringLiteral("-"));
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    if (!p.waitForFinished(60000))
        return -1;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString squeezed(const QString &s) { return s.simplified(); }

// An A4 PDF with 15 mm margins at 300 dpi, as a printer would be set.
ListingPrinter::Result printPdf(const QString &path, const QStringList &lines,
                                const ListingPrinter::Options &options)
{
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setResolution(300);
    return ListingPrinter::render(pdf, lines, options);
}

} // namespace

class TestListingPrinter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void paginate_data();
    void paginate();
    void font();
    void longListOnPdf();
    void cancelledPrintsNothingMore();
    void failedStart();

private:
    bool m_tools = false;
};

void TestListingPrinter::initTestCase()
{
    m_tools = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

void TestListingPrinter::paginate_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<qreal>("lineHeight");
    QTest::addColumn<qreal>("pageHeight");
    QTest::addColumn<int>("repeated"); // header lines at the top of the later pages
    QTest::addColumn<QList<int>>("counts"); // lines of the listing on each page

    QTest::newRow("nothing") << 0 << 10.0 << 100.0 << 0 << QList<int>{};
    QTest::newRow("one page exactly") << 10 << 10.0 << 100.0 << 0 << QList<int>{10};
    QTest::newRow("one line over") << 11 << 10.0 << 100.0 << 0 << QList<int>{10, 1};
    QTest::newRow("part of a line left at the foot") << 25 << 10.0 << 109.9 << 0 << QList<int>{10, 10, 5};
    QTest::newRow("page lower than a line") << 3 << 10.0 << 4.0 << 0 << QList<int>{1, 1, 1};
    QTest::newRow("no height") << 2 << 0.0 << 100.0 << 0 << QList<int>{1, 1};
    QTest::newRow("header on later pages") << 25 << 10.0 << 100.0 << 2 << QList<int>{10, 8, 7};
    QTest::newRow("header fills the page") << 12 << 10.0 << 30.0 << 5 << QList<int>{3, 1, 1, 1, 1, 1, 1, 1, 1, 1};
}

void TestListingPrinter::paginate()
{
    QFETCH(int, lines);
    QFETCH(qreal, lineHeight);
    QFETCH(qreal, pageHeight);
    QFETCH(int, repeated);
    QFETCH(QList<int>, counts);
    const QList<Page> pages = repeated == 0 ? ListingPrinter::paginate(lines, lineHeight, pageHeight)
                                            : ListingPrinter::paginate(lines, lineHeight, pageHeight, repeated);
    QList<int> got;
    int next = 0;
    for (const Page &p : pages) {
        QCOMPARE(p.first, next); // every line once, in order
        next += p.count;
        got << p.count;
    }
    QCOMPARE(got, counts);
}

void TestListingPrinter::font()
{
    const QFont f = ListingPrinter::font();
    QCOMPARE(f.pointSize(), 9);
    QVERIFY(f.bold());
    const QString family = QFontInfo(f).family();
    QVERIFY2(family == QLatin1String("Courier New") || family == QLatin1String("Liberation Mono"),
             qPrintable(family));
}

void TestListingPrinter::longListOnPdf()
{
    if (!m_tools)
        QSKIP("pdftotext and pdfinfo (poppler-utils) are needed");
    QList<QByteArray> log;
    for (int i = 0; i < 300; ++i) {
        zeltest::Qso q = zeltest::qso("F1ABC", "AZ" + QByteArray::number(1000 + i), "01/01/08", "10:00");
        q.abbey = zeltest::PieDiChienti;
        q.qsl = true;
        log << q.line();
    }
    const ReportListing listing =
        ReportListing::fromLines(ReportListing::Kind::AwardConfirmed, QList<QByteArrayView>(log.cbegin(), log.cend()));
    const QStringList lines = ReportText::printedLines(listing, QStringLiteral("TEST1"), QDate(2007, 3, 14));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.pdf"));
    ListingPrinter::Options options;
    options.repeatFirst = ReportText::PrintedHeaderFirst;
    options.repeatCount = ReportText::PrintedHeaderCount;
    QList<int> progress;
    options.progress = [&progress](int done, int total) {
        progress << done << total;
        return true;
    };
    const ListingPrinter::Result r = printPdf(path, lines, options);
    QVERIFY2(r.ok, qPrintable(r.error));
    // 310 lines of 9-point type do not fit on one A4 page, nor on three.
    QVERIFY(r.pages >= 4);
    QVERIFY(!r.cancelled);
    QCOMPARE(pdfPages(path), r.pages);
    // Told before each page how far the printing has gone.
    QCOMPARE(progress.size(), 2 * r.pages);
    for (int p = 0; p < r.pages; ++p) {
        QCOMPARE(progress.at(2 * p), p);
        QCOMPARE(progress.at(2 * p + 1), r.pages);
    }

    const QString header = QStringLiteral("N° Ref Nom de l'Abbaye Date Indicatif QSL");
    const QString first = pdfText(path, 1);
    QVERIFY(squeezed(first).contains(
        QStringLiteral("TEST1 Liste alphanumerique des Abbayes confirmées au 14/03/2007")));
    QVERIFY(squeezed(first).contains(header));
    QVERIFY(squeezed(first).contains(
        QStringLiteral("1 AZ1000 Abbazia di Santa Maria a piè di Chienti 01/01/08 F1ABC *")));
    // The title stands on the first page only; the column header heads every page,
    // the page number ends every page, and the credit ends the last.
    for (int page = 1; page <= r.pages; ++page) {
        QStringList text;
        for (const QString &line : pdfText(path, page).split(QLatin1Char('\n'))) {
            if (!squeezed(line).isEmpty())
                text << line;
        }
        QCOMPARE(text.join(QLatin1Char('\n')).contains(QStringLiteral("Liste alphanumerique")), page == 1);
        QCOMPARE(squeezed(text.at(page == 1 ? 1 : 0)), header);
        QCOMPARE(squeezed(text.last()), ListingPrinter::pageNumber(page, r.pages));
    }
    QVERIFY(pdfText(path, r.pages).contains(QStringLiteral("Liste établie avec KVR_ZEL Revision") + Revision::text()));

    // Every row once, in order, across the pages.
    const QRegularExpression row(QStringLiteral("^\\s*(\\d+)\\s+AZ(\\d{4}) "), QRegularExpression::MultilineOption);
    QList<int> numbers;
    for (auto it = row.globalMatch(pdfText(path)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        numbers << m.captured(1).toInt();
        QCOMPARE(m.captured(2).toInt(), 999 + m.captured(1).toInt());
    }
    QCOMPARE(numbers.size(), 300);
    for (int i = 0; i < numbers.size(); ++i)
        QCOMPARE(numbers.at(i), i + 1);
}

void TestListingPrinter::cancelledPrintsNothingMore()
{
    if (!m_tools)
        QSKIP("pdftotext and pdfinfo (poppler-utils) are needed");
    QStringList lines;
    for (int i = 0; i < 400; ++i)
        lines << QStringLiteral("ligne %1").arg(i + 1);
    QTemporaryDir dir;
    for (const int stopAt : {2, 0}) {
        const QString path = dir.filePath(QStringLiteral("arret%1.pdf").arg(stopAt));
        ListingPrinter::Options options;
        int asked = 0;
        options.progress = [&](int done, int) {
            ++asked;
            return done < stopAt;
        };
        const ListingPrinter::Result r = printPdf(path, lines, options);
        QVERIFY(r.ok);
        QVERIFY(r.cancelled);
        QCOMPARE(r.pages, stopAt);
        QCOMPARE(asked, stopAt + 1);
        if (stopAt > 0) {
            QCOMPARE(pdfPages(path), stopAt);
            QVERIFY(!pdfText(path).contains(QStringLiteral("ligne 400")));
        }
    }
}

void TestListingPrinter::failedStart()
{
    // A PDF file that cannot be created is reported, not taken for a printout.
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath(QStringLiteral("absent/liste.pdf")));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    const ListingPrinter::Result r = ListingPrinter::render(pdf, {QStringLiteral("x")});
    QVERIFY(!r.ok);
    QCOMPARE(r.error, QStringLiteral("L'impression n'a pas pu commencer."));
}

QTEST_MAIN(TestListingPrinter)
#include "tst_listingprinter.moc"

// Printing a listing: pages split so no line is lost, title and header on the first
// page only, the printer font; checked on PDF files through pdftotext.

#include "app/Harness.h"

#include "reports/ListingPrinter.h"
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
    QTest::addColumn<QList<int>>("counts"); // lines on each page

    QTest::newRow("nothing") << 0 << 10.0 << 100.0 << QList<int>{};
    QTest::newRow("one page exactly") << 10 << 10.0 << 100.0 << QList<int>{10};
    QTest::newRow("one line over") << 11 << 10.0 << 100.0 << QList<int>{10, 1};
    QTest::newRow("part of a line left at the foot") << 25 << 10.0 << 109.9 << QList<int>{10, 10, 5};
    QTest::newRow("page lower than a line") << 3 << 10.0 << 4.0 << QList<int>{1, 1, 1};
    QTest::newRow("no height") << 2 << 0.0 << 100.0 << QList<int>{1, 1};
}

void TestListingPrinter::paginate()
{
    QFETCH(int, lines);
    QFETCH(qreal, lineHeight);
    QFETCH(qreal, pageHeight);
    QFETCH(QList<int>, counts);
    const QList<Page> pages = ListingPrinter::paginate(lines, lineHeight, pageHeight);
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
    ListingPrinter::Result r;
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(300);
        r = ListingPrinter::render(pdf, lines);
    }
    QVERIFY2(r.ok, qPrintable(r.error));
    // 310 lines of 9-point type do not fit on one A4 page, nor on three.
    QVERIFY(r.pages >= 4);
    QCOMPARE(pdfPages(path), r.pages);

    const QString first = pdfText(path, 1);
    QVERIFY(squeezed(first).contains(
        QStringLiteral("TEST1 Liste alphanumerique des Abbayes confirmées au 14/03/2007")));
    QVERIFY(squeezed(first).contains(QStringLiteral("N° Ref Nom de l'Abbaye Date Indicatif QSL")));
    QVERIFY(squeezed(first).contains(
        QStringLiteral("1 AZ1000 Abbazia di Santa Maria a piè di Chienti 01/01/08 F1ABC *")));
    // The title and header stand on the first page only; the credit ends the last.
    for (int page = 2; page <= r.pages; ++page) {
        const QString text = pdfText(path, page);
        QVERIFY(!text.contains(QStringLiteral("Liste alphanumerique")));
        QVERIFY(!text.contains(QStringLiteral("Indicatif")));
    }
    QVERIFY(pdfText(path, r.pages).contains(QStringLiteral("Liste établie avec KVR_ZEL Revision 1.0.9")));

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

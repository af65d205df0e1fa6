// A listing in another interface language: the paper and the saved lists keep
// their French words, what the operator is told follows the language.

#include "common/PrefixTranslator.h"
#include "listing/ListingPrinter.h"
#include "listing/ListingText.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace zeltest;

class ListingLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void paperStaysFrench();
    void failureSpeaksTheLanguage();
};

void ListingLanguageTest::paperStaysFrench()
{
    const QString number = ListingPrinter::pageNumber(3, 12);
    const QString credit = ListingText::credit();
    const PrefixTranslator translation;
    QCOMPARE(ListingPrinter::pageNumber(3, 12), number);
    QCOMPARE(number, QStringLiteral("Page 3 / 12"));
    QCOMPARE(ListingText::credit(), credit);
    QVERIFY(credit.startsWith(QStringLiteral("Liste établie avec KVR_ZEL Revision")));
    QCOMPARE(ListingText::rowNumber(42), QStringLiteral("   42 "));
}

void ListingLanguageTest::failureSpeaksTheLanguage()
{
    const PrefixTranslator translation;
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath(QStringLiteral("absent/liste.pdf")));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    const ListingPrinter::Result r = ListingPrinter::render(pdf, {QStringLiteral("ligne")});
    QVERIFY(!r.ok);
    QCOMPARE(r.error, PrefixTranslator::marked(QStringLiteral("L'impression n'a pas pu commencer.")));
}

QTEST_MAIN(ListingLanguageTest)
#include "tst_listinglanguage.moc"

// The line index finds exactly the lines a plain split finds, whether the log is
// the regular run of QSO lines (found by counting) or anything else, and keeps
// finding them after the held bytes grow or move.

#include "logstore/Cp1252.h"
#include "logstore/LineIndex.h"

#include <QtTest>

namespace {

QByteArray qsoLine(char fill) { return QByteArray(LineIndex::Width, fill); }

QByteArray regularLog(int lines)
{
    QByteArray log;
    for (int i = 0; i < lines; ++i)
        log += qsoLine(char('A' + i % 26)) + "\r\n";
    return log;
}

void compareWithSplit(const LineIndex &index, const QByteArray &content)
{
    const QList<QByteArrayView> split = Cp1252::lineViews(content);
    QCOMPARE(index.size(), split.size());
    for (qsizetype i = 0; i < split.size(); ++i) {
        QCOMPARE(index.at(i).data(), split.at(i).data());
        QCOMPARE(index.at(i).size(), split.at(i).size());
    }
    QCOMPARE(index.views(), split);
}

} // namespace

class TestLineIndex : public QObject
{
    Q_OBJECT
private slots:
    void findsTheLinesOfASplit_data();
    void findsTheLinesOfASplit();
    void appendedLinesFollowTheBytes_data();
    void appendedLinesFollowTheBytes();
    void linesOfARewrite_data();
    void linesOfARewrite();
};

void TestLineIndex::findsTheLinesOfASplit_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("regular");
    QTest::addColumn<bool>("crlf");
    const QByteArray three = regularLog(3);
    QTest::newRow("empty") << QByteArray() << true << true;
    QTest::newRow("QSO lines with CR LF") << three << true << true;
    QTest::newRow("last line without end") << three + qsoLine('Z') << false << false;
    QTest::newRow("last line without LF") << three + qsoLine('Z') + "\r" << false << false;
    QTest::newRow("LF alone") << three + qsoLine('Z') + "\n" << false << false;
    QTest::newRow("short hand-edited line") << three + "F6ABC\r\n" << false << true;
    QTest::newRow("blank line") << QByteArray("\r\n") + three << false << true;
    QByteArray inner = three;
    inner[10] = '\n'; // a line end inside the first line: two lines, 139 bytes moved
    QTest::newRow("LF inside a line") << inner << false << false;
    QByteArray cr = three;
    cr[10] = '\r'; // a CR alone is part of the line
    QTest::newRow("CR inside a line") << cr << true << true;
    QByteArray shifted = three;
    shifted[LineIndex::Width] = ' '; // the CR of the first line moved into the next one
    shifted[LineIndex::Width + 1] = '\r';
    QTest::newRow("CR LF off its column") << shifted << false << true;
    QTest::newRow("long line") << QByteArray(LineIndex::Width + 2, 'x') + "\r\n" + three << false << true;
}

void TestLineIndex::findsTheLinesOfASplit()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, regular);
    QFETCH(bool, crlf);
    const LineIndex index(content);
    QCOMPARE(index.isRegular(), regular);
    compareWithSplit(index, content);
    QCOMPARE(index.endsEveryLineWithCrLf(content), crlf);
}

void TestLineIndex::appendedLinesFollowTheBytes_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("regular");
    QTest::newRow("QSO line to a regular log") << regularLog(2) << qsoLine('N') << true;
    QTest::newRow("QSO line to an empty log") << QByteArray() << qsoLine('N') << true;
    QTest::newRow("short line to a regular log") << regularLog(2) << QByteArray("F6ABC") << false;
    QTest::newRow("QSO line after a hand-edited line") << regularLog(2) + "F6ABC\r\n" << qsoLine('N') << false;
}

void TestLineIndex::appendedLinesFollowTheBytes()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, line);
    QFETCH(bool, regular);
    LineIndex index(content);
    // Growing far beyond the capacity moves the buffer: the index must follow it.
    const char *before = content.constData();
    content.reserve(content.size() * 4 + 4096);
    QVERIFY(content.constData() != before || content.isEmpty());
    index.rebase(content);
    content += line + "\r\n";
    index.appendLast(content, line.size());
    QCOMPARE(index.isRegular(), regular);
    compareWithSplit(index, content);
    QCOMPARE(index.at(index.size() - 1).toByteArray(), line);
    QVERIFY(index.endsEveryLineWithCrLf(content));
}

void TestLineIndex::linesOfARewrite_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("regular");
    QTest::newRow("QSO lines") << regularLog(4) << true;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("with a hand-edited line") << regularLog(2) + "F6ABC\r\n" + regularLog(1) << false;
}

void TestLineIndex::linesOfARewrite()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, regular);
    const LineIndex index(content, Cp1252::lineViews(content));
    QCOMPARE(index.isRegular(), regular);
    compareWithSplit(index, content);
}

QTEST_GUILESS_MAIN(TestLineIndex)
#include "tst_lineindex.moc"

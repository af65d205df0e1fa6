// The translation files against the sources: lupdate run over every source of the
// program into copies of i18n/*.ts finds no text that is new, gone or left
// unfinished in Italian or English; the French file holds the same texts (only its
// plural forms are filled). And the built-in files translate as they should.

#include "kit/Language.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString key; // context, source and comment: what lupdate matches a text by
    QString type;
    bool numerus = false;
    QStringList translations;
};

struct TsFile
{
    QString language;
    QList<Message> messages;
    QString error;
};

// The text of an element, with the characters lupdate writes as <byte value="xd"/>
// (a carriage return, say) put back in their place.
QString elementText(QXmlStreamReader &xml)
{
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            QString value = xml.attributes().value(QLatin1String("value")).toString();
            bool ok = false;
            const uint code = value.startsWith(QLatin1Char('x')) ? value.mid(1).toUInt(&ok, 16) : value.toUInt(&ok);
            if (ok)
                text += QChar(char16_t(code));
        } else if (xml.isEndElement() && xml.name() != QLatin1String("byte")) {
            break;
        }
    }
    return text;
}

TsFile readTs(const QString &path)
{
    TsFile ts;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open ") + path;
        return ts;
    }
    QXmlStreamReader xml(&f);
    QString context;
    Message current;
    QString source, comment;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = elementText(xml);
        } else if (name == QLatin1String("message")) {
            current = Message{};
            current.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            source.clear();
            comment.clear();
        } else if (name == QLatin1String("source")) {
            source = elementText(xml);
        } else if (name == QLatin1String("comment")) {
            comment = elementText(xml);
        } else if (name == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            if (current.numerus) {
                while (xml.readNextStartElement())
                    current.translations << elementText(xml);
            } else {
                current.translations << elementText(xml);
            }
            current.key = context + QLatin1Char('|') + source + QLatin1Char('|') + comment;
            ts.messages << current;
        }
    }
    if (xml.hasError())
        ts.error = path + QStringLiteral(": ") + xml.errorString();
    return ts;
}

QSet<QString> keys(const TsFile &ts)
{
    QSet<QString> out;
    for (const Message &m : ts.messages)
        out.insert(m.key);
    return out;
}

} // namespace

class TstTranslations : public QObject
{
    Q_OBJECT
private slots:
    void sourcesAndFilesAgree_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("complete");
        QTest::newRow("Italian") << "it" << true;
        QTest::newRow("English") << "en" << true;
        QTest::newRow("French plural forms") << "fr" << false;
    }

    void sourcesAndFilesAgree()
    {
        QFETCH(QString, code);
        QFETCH(bool, complete);
        const QString name = QStringLiteral("kvr_zel_%1.ts").arg(code);
        const QString committed = QStringLiteral(ZEL_I18N "/") + name;
        QTemporaryDir dir;
        const QString copy = dir.filePath(name);
        QVERIFY(QFile::copy(committed, copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

        QProcess lupdate;
        lupdate.start(QStringLiteral(ZEL_LUPDATE),
                      {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                       QStringLiteral("@" ZEL_SOURCES_LIST), QStringLiteral("-ts"), copy});
        QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAllStandardError().constData());

        const TsFile before = readTs(committed);
        const TsFile after = readTs(copy);
        QVERIFY2(before.error.isEmpty(), qPrintable(before.error));
        QVERIFY2(after.error.isEmpty(), qPrintable(after.error));
        QVERIFY(!before.messages.isEmpty());
        QVERIFY2(before.language.startsWith(code), qPrintable(before.language));

        // A text in the sources that the file lacks, or one the sources no longer have.
        const QSet<QString> was = keys(before), is = keys(after);
        QStringList problems;
        for (const QString &k : is - was)
            problems << QStringLiteral("new: ") + k;
        for (const QString &k : was - is)
            problems << QStringLiteral("gone: ") + k;
        for (const Message &m : after.messages) {
            if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete"))
                problems << QStringLiteral("vanished: ") + m.key;
            if (!complete)
                continue;
            const bool empty = std::any_of(m.translations.cbegin(), m.translations.cend(),
                                           [](const QString &t) { return t.isEmpty(); });
            if (m.type == QLatin1String("unfinished") || m.translations.isEmpty() || empty)
                problems << QStringLiteral("unfinished: ") + m.key;
        }
        problems.sort();
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("%1 text(s):\n").arg(problems.size())
                            + problems.mid(0, 40).join(QLatin1Char('\n'))));
    }

    // The files are built into the program: a text of the main window comes out in
    // each language, the French source when French is asked for.
    void builtInFiles()
    {
        const char *context = "MainForm";
        const char *source = "Heure locale";
        const QString french = Language::translated(QStringLiteral("fr"), context, source);
        QCOMPARE(french, QString::fromUtf8(source));
        const QString italian = Language::translated(QStringLiteral("it"), context, source);
        const QString english = Language::translated(QStringLiteral("en"), context, source);
        QVERIFY2(!italian.isEmpty() && italian != french, qPrintable(italian));
        QVERIFY2(!english.isEmpty() && english != french && english != italian, qPrintable(english));
        // An unknown language is French.
        QCOMPARE(Language::translated(QStringLiteral("xx"), context, source), french);
    }
};

QTEST_GUILESS_MAIN(TstTranslations)
#include "tst_translations.moc"

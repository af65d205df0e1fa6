#include "spots/SpotReader.h"

#include "logstore/BandPlan.h"
#include "refdata/AbbeyTable.h"
#include "refdata/RegionTable.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

namespace {

QString decode(QByteArrayView line)
{
    // Nodes pass on what their users typed: UTF-8 mostly, Latin-1 sometimes.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(line);
    return utf8.hasError() ? QString::fromLatin1(line) : text;
}

bool isCallsign(QStringView call)
{
    if (call.isEmpty() || call.size() > 20)
        return false;
    bool digit = false;
    bool letter = false;
    for (QChar c : call) {
        if (c.isDigit())
            digit = true;
        else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            letter = true;
        else if (c != QLatin1Char('/') && c != QLatin1Char('-') && c != QLatin1Char('#'))
            return false;
    }
    return digit && letter;
}

bool isWordChar(QChar c) { return c.isLetterOrNumber(); }

// A word without the punctuation around it ("(AZ0001)," → "AZ0001").
QStringView bare(QStringView word)
{
    qsizetype from = 0;
    qsizetype to = word.size();
    while (from < to && !isWordChar(word[from]))
        ++from;
    while (to > from && !isWordChar(word[to - 1]))
        --to;
    return word.sliced(from, to - from);
}

// What follows "ZEL" reads as a reference: letters and digits, a digit among them.
bool looksLikeReference(QStringView word)
{
    if (word.size() < 3 || word.size() > 10)
        return false;
    bool digit = false;
    for (QChar c : word) {
        if (c.isDigit())
            digit = true;
        else if (!c.isLetter() && c != QLatin1Char('-'))
            return false;
    }
    return digit;
}

} // namespace

QString Spot::kHzText() const
{
    return QString::number(kHz, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

namespace SpotReader {

std::optional<Spot> parse(QByteArrayView bytes)
{
    // Lines are short; a longer one was cut before (LineBuffer::MaxLine).
    const QString line = decode(bytes).trimmed();
    if (line.size() < 10)
        return std::nullopt;
    static const QRegularExpression live(QStringLiteral(
        "^DX de ([^\\s:]+):?\\s+(\\d{1,9}(?:\\.\\d+)?)\\s+(\\S+)(?:\\s+(.*?))??\\s+(\\d\\d)(\\d\\d)Z(?:\\s.*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression listing(QStringLiteral(
        "^(\\d{1,9}(?:\\.\\d+)?)\\s+(\\S+)\\s+\\d{1,2}-[A-Za-z]{3}-\\d{2,4}\\s+(\\d\\d)(\\d\\d)Z(?:\\s+(.*?))?\\s*<([^<>\\s]+)>$"));
    Spot spot;
    if (line.startsWith(QLatin1String("DX de"), Qt::CaseInsensitive)) {
        const QRegularExpressionMatch m = live.match(line);
        if (!m.hasMatch())
            return std::nullopt;
        spot.spotter = m.captured(1).toUpper();
        spot.kHz = m.captured(2).toDouble();
        spot.call = m.captured(3).toUpper();
        spot.comment = m.captured(4).trimmed();
        spot.time = m.captured(5) + QLatin1Char(':') + m.captured(6);
    } else if (line.front().isDigit()) {
        const QRegularExpressionMatch m = listing.match(line);
        if (!m.hasMatch())
            return std::nullopt;
        spot.kHz = m.captured(1).toDouble();
        spot.call = m.captured(2).toUpper();
        spot.time = m.captured(3) + QLatin1Char(':') + m.captured(4);
        spot.comment = m.captured(5).trimmed();
        spot.spotter = m.captured(6).toUpper();
        spot.listed = true;
    } else {
        return std::nullopt;
    }
    if (spot.spotter.endsWith(QLatin1Char(':')))
        spot.spotter.chop(1);
    const int hours = spot.time.left(2).toInt();
    const int minutes = spot.time.mid(3).toInt();
    if (!isCallsign(spot.call) || spot.kHz <= 0 || hours > 23 || minutes > 59)
        return std::nullopt;
    return spot;
}

QString referenceIn(QStringView comment, const AbbeyTable &abbeys)
{
    const QList<QStringView> words = comment.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString afterZel;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString word = bare(words[i]).toString().toUpper();
        if (word.isEmpty())
            continue;
        if (abbeys.contains(word))
            return word;
        if (!afterZel.isEmpty())
            continue;
        // "ZEL AZ0001", or written in one word: "ZEL-AZ0001", "ZEL:AZ0001".
        if (word == QLatin1String("ZEL") && i + 1 < words.size()) {
            const QString next = bare(words[i + 1]).toString().toUpper();
            if (looksLikeReference(next))
                afterZel = next;
        } else if (word.size() > 4 && word.startsWith(QLatin1String("ZEL")) && !word.at(3).isLetterOrNumber()) {
            const QString rest = bare(QStringView(word).sliced(4)).toString();
            if (looksLikeReference(rest))
                afterZel = rest;
        }
    }
    return afterZel;
}

QString modeIn(QStringView comment)
{
    const QList<QStringView> words = comment.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QStringView w : words) {
        const QString mode = ModeMap::logMode(bare(w));
        if (!mode.isEmpty())
            return mode;
    }
    return {};
}

std::optional<Spot> abbeySpot(QByteArrayView line, const AbbeyTable &abbeys)
{
    std::optional<Spot> spot = parse(line);
    if (!spot)
        return std::nullopt;
    spot->reference = referenceIn(spot->comment, abbeys);
    if (spot->reference.isEmpty())
        return std::nullopt;
    if (const AbbeyTable::Entry *abbey = abbeys.find(spot->reference))
        spot->abbey = abbey->name;
    spot->region = RegionTable::listName(RegionTable::slotOfTallyCode(spot->reference.left(2)));
    const qint64 hertz = spot->hertz();
    spot->band = BandPlan::labelOfHertz(hertz);
    spot->mode = modeIn(spot->comment);
    if (spot->mode.isEmpty())
        spot->mode = BandPlan::likelyMode(hertz);
    return spot;
}

} // namespace SpotReader

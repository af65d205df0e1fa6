#include "spots/SpotReader.h"

#include "logstore/BandPlan.h"
#include "refdata/AbbeyTable.h"
#include "refdata/RegionTable.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

QString decode(QByteArrayView line)
{
    bool ascii = true;
    for (char c : line) {
        if (uchar(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(line);
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

struct Word
{
    QStringView text;
    qsizetype start;
    qsizetype end;
};

QList<Word> wordsOf(const QString &line)
{
    QList<Word> words;
    words.reserve(16);
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        while (i < n && line.at(i).isSpace())
            ++i;
        const qsizetype from = i;
        while (i < n && !line.at(i).isSpace())
            ++i;
        if (i > from)
            words.append({QStringView(line).sliced(from, i - from), from, i});
    }
    return words;
}

bool isDigits(QStringView text)
{
    for (QChar c : text) {
        if (!c.isDigit() || c.unicode() > 0x7f)
            return false;
    }
    return !text.isEmpty();
}

// "14025.0", "7012", "144300.25": kHz.
bool isFrequency(QStringView text)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return text.size() <= 9 && isDigits(text);
    return dot > 0 && dot <= 9 && isDigits(text.first(dot)) && isDigits(text.sliced(dot + 1));
}

// The kHz of a frequency isFrequency() accepted, without the locale's number parser.
double kHzOf(QStringView text)
{
    double whole = 0;
    double scale = 0;
    for (QChar c : text) {
        if (c == QLatin1Char('.')) {
            scale = 1;
            continue;
        }
        const int digit = c.unicode() - '0';
        if (scale > 0) {
            scale /= 10;
            whole += digit * scale;
        } else {
            whole = whole * 10 + digit;
        }
    }
    return whole;
}

// "1234Z", a real time of day.
bool isTime(QStringView text)
{
    if (text.size() != 5 || (text[4] != QLatin1Char('Z') && text[4] != QLatin1Char('z')) || !isDigits(text.first(4)))
        return false;
    return text.first(2).toInt() < 24 && text.sliced(2, 2).toInt() < 60;
}

// "7-Dec-2026", "07-Dec-26".
bool isDate(QStringView text)
{
    const QList<QStringView> parts = text.split(QLatin1Char('-'));
    return parts.size() == 3 && parts[0].size() <= 2 && isDigits(parts[0]) && parts[1].size() == 3
        && parts[2].size() >= 2 && parts[2].size() <= 4 && isDigits(parts[2]);
}

} // namespace

QString Spot::kHzText() const
{
    return QString::number(kHz, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

namespace SpotReader {

QString referenceIn(QStringView comment, const AbbeyTable &abbeys)
{
    const QList<QStringView> words = comment.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString afterZel;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QStringView word = bare(words[i]);
        if (word.isEmpty())
            continue;
        if (const AbbeyTable::Entry *abbey = abbeys.find(word))
            return AbbeyTable::key(abbey->reference);
        if (!afterZel.isEmpty() || word.size() < 3 || word.first(3).compare(QLatin1String("ZEL"), Qt::CaseInsensitive) != 0)
            continue;
        // "ZEL AZ0001", or written in one word: "ZEL-AZ0001", "ZEL:AZ0001".
        if (word.size() == 3 && i + 1 < words.size()) {
            const QStringView next = bare(words[i + 1]);
            if (looksLikeReference(next))
                afterZel = next.toString().toUpper();
        } else if (word.size() > 4 && !word.at(3).isLetterOrNumber()) {
            const QStringView rest = bare(word.sliced(4));
            if (looksLikeReference(rest))
                afterZel = rest.toString().toUpper();
        }
    }
    return afterZel;
}

namespace {

// The spot of a line; with an abbey list, only when its comment names an abbey, and
// then with the reference, found before anything else of the line is copied.
std::optional<Spot> read(QByteArrayView bytes, const AbbeyTable *abbeys)
{
    // Most of a node's talk is no spot: a spot line begins with "DX de" or a frequency.
    qsizetype first = 0;
    while (first < bytes.size() && (bytes[first] == ' ' || bytes[first] == '\t'))
        ++first;
    if (first >= bytes.size() || !(bytes[first] == 'D' || bytes[first] == 'd' || (bytes[first] >= '0' && bytes[first] <= '9')))
        return std::nullopt;
    // Cut into words once; every test below looks at a word or two, so a line costs
    // time in its length only.
    const QString line = decode(bytes);
    const QList<Word> words = wordsOf(line);
    if (words.size() < 4)
        return std::nullopt;
    Spot spot;
    QStringView spotterText;
    QStringView freqText;
    QStringView callText;
    qsizetype commentFrom = 0;
    qsizetype commentTo = 0;
    qsizetype timeWord = -1;
    if (words[0].text.compare(QLatin1String("DX"), Qt::CaseInsensitive) == 0
        && words[1].text.compare(QLatin1String("de"), Qt::CaseInsensitive) == 0) {
        // "DX de SPOTTER:  FREQ  CALL  COMMENT  HHMMZ [LOCATOR]"; the spotter's colon may touch the frequency.
        QStringView spotter = words[2].text;
        qsizetype next = 3;
        const qsizetype colon = spotter.indexOf(QLatin1Char(':'));
        QStringView freq;
        if (colon >= 0 && colon + 1 < spotter.size()) {
            freq = spotter.sliced(colon + 1);
            spotter = spotter.first(colon);
        } else {
            if (spotter.endsWith(QLatin1Char(':')))
                spotter.chop(1);
            if (next >= words.size())
                return std::nullopt;
            freq = words[next++].text;
        }
        if (next + 1 >= words.size() || !isFrequency(freq))
            return std::nullopt;
        spotterText = spotter;
        freqText = freq;
        callText = words[next].text;
        const qsizetype last = words.size() - 1;
        if (last > next && isTime(words[last].text))
            timeWord = last;
        else if (last - 1 > next && isTime(words[last - 1].text))
            timeWord = last - 1;
        if (timeWord < 0)
            return std::nullopt;
        commentFrom = words[next].end;
        commentTo = words[timeWord].start;
    } else {
        // " FREQ  CALL  D-Mon-YYYY HHMMZ  COMMENT  <SPOTTER>"
        const QStringView last = words.last().text;
        if (words.size() < 5 || !isFrequency(words[0].text) || !isDate(words[2].text) || !isTime(words[3].text)
            || last.size() < 3 || !last.startsWith(QLatin1Char('<')) || !last.endsWith(QLatin1Char('>')))
            return std::nullopt;
        freqText = words[0].text;
        callText = words[1].text;
        timeWord = 3;
        spotterText = last.sliced(1, last.size() - 2);
        commentFrom = words[3].end;
        commentTo = words.last().start;
        spot.listed = true;
    }
    const QStringView comment =
        QStringView(line).sliced(commentFrom, qMax<qsizetype>(0, commentTo - commentFrom)).trimmed();
    if (abbeys) {
        spot.reference = referenceIn(comment, *abbeys);
        if (spot.reference.isEmpty())
            return std::nullopt;
    }
    spot.call = callText.toString().toUpper();
    spot.kHz = kHzOf(freqText);
    if (!isCallsign(spot.call) || spot.kHz <= 0 || spotterText.isEmpty())
        return std::nullopt;
    spot.spotter = spotterText.toString().toUpper();
    const QStringView time = words[timeWord].text;
    spot.time = time.first(2).toString() + QLatin1Char(':') + time.sliced(2, 2).toString();
    spot.comment = comment.toString();
    return spot;
}

} // namespace

std::optional<Spot> parse(QByteArrayView bytes)
{
    return read(bytes, nullptr);
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
    std::optional<Spot> spot = read(line, &abbeys);
    if (!spot)
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

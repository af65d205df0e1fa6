#include "search/QsoSearch.h"

#include "logstore/Cp1252.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"

namespace {

// A field of a log line as the main list shows it (the list copies every field
// of the log line with its full width).
QString fieldOf(QByteArrayView line, QsoRecord::Field f)
{
    return Cp1252::decode(QsoRecord::fieldOf(line, f));
}

QString listColumns(const QString &line, int first, int last)
{
    return line.mid(first - 1, last - first + 1).leftJustified(last - first + 1, QLatin1Char(' '));
}

} // namespace

QsoSearch::Check QsoSearch::checkBox(Criterion box, const QString &text)
{
    switch (box) {
    case Indicatif:
        if (text.size() > 12)
            return {tr("Attention 12 caracteres maxi pour l'indicatif"), false};
        if (text.isEmpty())
            return {tr("Entrez un indicatif"), true};
        return {};
    case Date:
        // An empty or short date fails here too: it has no third or sixth character.
        if (text.size() < 6 || text.at(2) != QLatin1Char('/') || text.at(5) != QLatin1Char('/'))
            return {tr("Attention le format date doit etre JJ/MM/AA"), false};
        if (text.size() > 8)
            return {tr("Attention 8 caracteres maxi pour la date (format jj/mm/aa)"), false};
        return {};
    case Reference:
        if (text.size() != 6)
            return {tr("Attention 6 caracteres pour la reference"), false};
        return {};
    }
    return {};
}

QsoSearch::Outcome QsoSearch::Cherche_QSO(const LogSession &session, Criterion selected, const Keys &keys)
{
    Outcome out;
    const int count = session.lineCount();
    if (count == 0) {
        // No line to look at: nothing can be found, whatever the criterion.
        out.nothingFound = true;
        return out;
    }
    // Every line would check its box the same way: an empty box stops at the first.
    QString key;
    switch (selected) {
    case Indicatif:
        if (keys.indica.isEmpty()) {
            out.stopMessage = tr("Entrez un indicatif");
            out.clearIndica = true;
            return out;
        }
        key = keys.indica.toUpper();
        break;
    case Date:
        if (keys.data.isEmpty()) {
            out.stopMessage = tr("Entrez une date");
            return out;
        }
        key = keys.data.toUpper();
        break;
    case Reference:
        if (keys.depa.isEmpty()) {
            out.stopMessage = tr("Entrez un departement");
            return out;
        }
        key = keys.depa.toUpper();
        break;
    }

    for (int row = 0; row < count; ++row) {
        const QByteArrayView line = session.line(row);
        bool match = false;
        switch (selected) {
        case Indicatif:
            // Anywhere in the callsign: F5 finds every callsign that holds F5.
            match = fieldOf(line, QsoRecord::Indicatif).trimmed().contains(key);
            break;
        case Date:
            match = fieldOf(line, QsoRecord::Date).trimmed() == key;
            break;
        case Reference:
            match = fieldOf(line, QsoRecord::Reference).leftJustified(6, QLatin1Char(' ')) == key;
            break;
        }
        if (match) {
            out.lines.append(resultLine(session.listLine(row)));
            out.rows.append(row);
        }
    }
    out.nothingFound = out.lines.isEmpty();
    return out;
}

QString QsoSearch::notFoundMessage()
{
    return tr("Pas de QSO trouvé");
}

QString QsoSearch::resultLine(const QString &listLine)
{
    const QString gap(2, QLatin1Char(' '));
    return listColumns(listLine, 1, 20) + gap + listColumns(listLine, 51, 58) + gap
        + listColumns(listLine, 43, 48) + gap + listColumns(listLine, 91, 153);
}

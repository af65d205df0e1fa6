#include "confirm/ServiceRequest.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QStringList>
#include <QList>
#include <QPair>

namespace {

bool containsNoCase(const QByteArray &text, QByteArrayView what)
{
    return text.toLower().contains(what.toByteArray().toLower());
}

// The page's text, tags and entities out, one line per block.
QStringList pageLines(const QByteArray &page)
{
    QString text = QString::fromUtf8(page.left(ServiceRequest::HeadBytes));
    static const QRegularExpression hidden(QStringLiteral("<(script|style)[^>]*>.*?</\\1>"),
                                           QRegularExpression::CaseInsensitiveOption
                                               | QRegularExpression::DotMatchesEverythingOption);
    text.remove(hidden);
    static const QRegularExpression breaks(QStringLiteral("<(br|p|div|tr|li|h[1-6]|title|/title)[^>]*>"),
                                           QRegularExpression::CaseInsensitiveOption);
    text.replace(breaks, QStringLiteral("\n"));
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    text.remove(tags);
    text.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            lines.append(simple);
    }
    return lines;
}

} // namespace

namespace {
// "name=value" pairs, every value percent-encoded byte for byte (UTF-8).
QUrl withQuery(const QUrl &address, const QList<QPair<QByteArray, QString>> &items)
{
    QByteArray query;
    for (const auto &item : items) {
        if (!query.isEmpty())
            query += '&';
        query += item.first + '=' + item.second.toUtf8().toPercentEncoding();
    }
    QUrl url = address;
    url.setQuery(QString::fromLatin1(query), QUrl::StrictMode);
    return url;
}
} // namespace

QUrl ServiceRequest::lotwReport(const QUrl &address, const QString &user, const QString &password,
                                const QString &ownCall, const QDate &since)
{
    QList<QPair<QByteArray, QString>> items{{"login", user},
                                            {"password", password},
                                            {"qso_query", QStringLiteral("1")},
                                            {"qso_qsl", QStringLiteral("yes")}};
    if (since.isValid())
        items.append({"qso_qslsince", since.toString(QStringLiteral("yyyy-MM-dd"))});
    items.append({"qso_owncall", ownCall});
    items.append({"qso_qsldetail", QStringLiteral("yes")});
    return withQuery(address, items);
}

QUrl ServiceRequest::eqslInbox(const QUrl &address, const QString &user, const QString &password,
                               const QString &qth, const QDate &since)
{
    QList<QPair<QByteArray, QString>> items{{"UserName", user}, {"Password", password}};
    if (since.isValid())
        items.append({"RcvdSince", since.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("0000")});
    if (!qth.trimmed().isEmpty())
        items.append({"QTHNickname", qth.trimmed()});
    return withQuery(address, items);
}

bool ServiceRequest::allowed(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    if (scheme != QLatin1String("http"))
        return false;
    // Only an address written as a loopback address: a name could be made to lead elsewhere.
    const QHostAddress host(url.host());
    return !host.isNull() && host.isLoopback();
}

bool ServiceRequest::sameHost(const QUrl &first, const QUrl &next)
{
    return first.scheme().compare(next.scheme(), Qt::CaseInsensitive) == 0
        && first.host().compare(next.host(), Qt::CaseInsensitive) == 0
        && first.port(first.scheme() == QLatin1String("https") ? 443 : 80)
               == next.port(next.scheme() == QLatin1String("https") ? 443 : 80);
}

ServiceRequest::LotwVerdict ServiceRequest::lotwReply(const QByteArray &head, const QByteArray &tail, int records)
{
    LotwVerdict verdict;
    const QByteArray lower = head.toLower();
    const qsizetype eoh = lower.indexOf("<eoh>");
    const bool report = eoh >= 0
        && (lower.contains("logbook of the world status report") || lower.contains("<programid:4>lotw"));
    if (!report) {
        // LoTW answers a wrong user name or password with its login page.
        if (lower.contains("type=\"password\"") || lower.contains("type=password")
            || lower.contains("type='password'") || lower.contains("username/password incorrect")
            || lower.contains("password incorrect"))
            verdict.error = tr("LoTW a refusé l'identifiant ou le mot de passe");
        else {
            const QString line = pageErrorLine(head, QString());
            verdict.error = line.isEmpty() ? tr("LoTW n'a pas envoyé de rapport : rien n'est enregistré.")
                                           : tr("LoTW n'a pas envoyé de rapport : %1").arg(line);
        }
        return verdict;
    }
    // The report closes with its own end mark: a reply without it was cut on the way.
    if (!tail.toLower().contains("<app_lotw_eof>")) {
        verdict.error = tr("Le rapport de LoTW est arrivé incomplet (%1 confirmations reçues avant "
                                       "la coupure) : rien n'est enregistré. Recommencez plus tard.")
                            .arg(records);
        return verdict;
    }
    verdict.report = true;
    static const QRegularExpression last(QStringLiteral("<app_lotw_lastqsl:\\d+(?::[a-z])?>\\s*(\\d{4}-\\d{2}-\\d{2})"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = last.match(QString::fromLatin1(head.left(eoh + 5)));
    if (m.hasMatch())
        verdict.lastQsl = QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd"));
    return verdict;
}

ServiceRequest::EqslPage ServiceRequest::eqslPage(const QByteArray &page, const QUrl &pageUrl)
{
    EqslPage result;
    if (containsNoCase(page, "no such username/password") || containsNoCase(page, "password incorrect")
        || containsNoCase(page, "invalid password")) {
        result.error = tr("eQSL a refusé l'identifiant ou le mot de passe");
        return result;
    }
    if (containsNoCase(page, "no log entries")) {
        result.nothingNew = true;
        return result;
    }
    static const QRegularExpression link(QStringLiteral("href\\s*=\\s*[\"']?([^\"'\\s>]+\\.adif?)[\"'\\s>]"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = link.match(QString::fromLatin1(page.left(HeadBytes)));
    if (!m.hasMatch()) {
        const QString line = pageErrorLine(page, QString());
        result.error = line.isEmpty() ? tr("eQSL n'a pas indiqué de fichier de confirmations.")
                                      : tr("eQSL n'a pas indiqué de fichier de confirmations : %1").arg(line);
        return result;
    }
    const QUrl file = pageUrl.resolved(QUrl(m.captured(1).trimmed()));
    // The file is fetched from where the page came from, and from nowhere else.
    if (!file.isValid() || !sameHost(pageUrl, file) || !allowed(file)) {
        result.error = tr("eQSL a indiqué un fichier sur un autre serveur : il n'est pas téléchargé.");
        return result;
    }
    result.file = file;
    return result;
}

QString ServiceRequest::eqslFile(const QByteArray &head, const QByteArray &tail)
{
    const QByteArray lower = head.toLower();
    if (!lower.contains("<eoh>"))
        return tr("eQSL n'a pas envoyé de fichier ADIF : rien n'est enregistré.");
    // Every record ends with <EOR>; a file ending anywhere else was cut on the way.
    const QByteArray end = tail.trimmed().toLower();
    if (!end.endsWith("<eor>") && !end.endsWith("<eoh>"))
        return tr("Le fichier d'eQSL est arrivé incomplet : rien n'est enregistré. Recommencez plus tard.");
    return QString();
}

QString ServiceRequest::pageErrorLine(const QByteArray &page, const QString &secret)
{
    const QStringList lines = pageLines(page);
    QString chosen;
    for (const QString &line : lines) {
        if (line.contains(QLatin1String("error"), Qt::CaseInsensitive)
            || line.contains(QLatin1String("erreur"), Qt::CaseInsensitive)
            || line.contains(QLatin1String("warning"), Qt::CaseInsensitive)) {
            chosen = line;
            break;
        }
    }
    if (chosen.isEmpty() && !lines.isEmpty())
        chosen = lines.first();
    if (!secret.isEmpty())
        chosen.replace(secret, QStringLiteral("***"));
    // An address the page repeats may carry the password: none is shown.
    static const QRegularExpression address(QStringLiteral("\\S*(?:https?://|\\?|password=)\\S*"),
                                            QRegularExpression::CaseInsensitiveOption);
    chosen.replace(address, QStringLiteral("…"));
    if (chosen.size() > 200)
        chosen = chosen.left(200) + QStringLiteral("…");
    return chosen;
}

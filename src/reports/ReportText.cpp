#include "reports/ReportText.h"

#include "listing/ListingText.h"
#include "logstore/Cp1252.h"

#include <QCoreApplication>

namespace ReportText {

namespace {

using Kind = ReportListing::Kind;
using ListingText::credit;
using ListingText::rowNumber;

QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

QString longDate(const QDate &today) { return today.toString(QStringLiteral("dd/MM/yyyy")); }

QString savedTitle(Kind kind)
{
    switch (kind) {
    case Kind::Alphanumeric:
        return QStringLiteral(" Liste alphanumerique des Abbayes contactées au ");
    case Kind::AwardContacted:
        return QStringLiteral(" Liste des Abbayes contactées au ");
    case Kind::AwardConfirmed:
        return QStringLiteral(" Liste des Abbayes confirmés au ");
    }
    return {};
}

QString savedHeader(Kind kind)
{
    if (kind == Kind::Alphanumeric)
        return QStringLiteral("   N°    Ref    Indicatif    Date   Heure       Nom de l'Abbaye                                        QSL");
    return QStringLiteral("   N°   Ref        Nom de l'Abbaye                                             Date   Indicatif    QSL");
}

QString printedTitle(Kind kind)
{
    switch (kind) {
    case Kind::Alphanumeric:
        return QStringLiteral(" Liste alphanumerique des Abbayes contactés au ");
    case Kind::AwardContacted:
        return QStringLiteral(" Liste alphanumerique des Abbayes contactées au ");
    case Kind::AwardConfirmed:
        return QStringLiteral(" Liste alphanumerique des Abbayes confirmées au ");
    }
    return {};
}

QString printedHeader(Kind kind)
{
    if (kind == Kind::Alphanumeric)
        return QStringLiteral("   N°  Ref    Indicatif    Date   Heure         Nom de L'Abbaye                                      QSL");
    return QStringLiteral("        N°  Ref          Nom de l'Abbaye                                          Date    Indicatif    QSL");
}

} // namespace

QString screenHeader(Kind kind)
{
    if (kind == Kind::Alphanumeric)
        return QCoreApplication::translate("ReportText", "      REF     Indicatif         Date    Heure               Nom de l'Abbaye                                                           QSL");
    return QCoreApplication::translate("ReportText", "    REF                  nom de l'Abbaye                                                                  Date      Indicatif         QSL");
}

QString fileName(Kind kind, const QString &callsign, const QDate &today)
{
    QString middle;
    switch (kind) {
    case Kind::Alphanumeric:
        middle = QStringLiteral("Liste_alaphanumerique_Abbayes_");
        break;
    case Kind::AwardContacted:
        middle = QStringLiteral("Abbayes_contactees_au ");
        break;
    case Kind::AwardConfirmed:
        middle = QStringLiteral("Abbayes_confirmees_au ");
        break;
    }
    return callsign + QLatin1Char('_') + middle + today.toString(QStringLiteral("dd_MM_yy"))
        + QStringLiteral(".txt");
}

QString savedMessage(const QString &fileName)
{
    return QCoreApplication::translate("ReportText", "Le log a été enregistré sous le nom : %1").arg(fileName);
}

QByteArray savedFile(const ReportListing &listing, const QString &callsign, const QDate &today)
{
    const Kind kind = listing.kind();
    const QByteArray eol("\r\n");
    QByteArray out;
    out.reserve((listing.count() + 8) * (ReportListing::layout(kind).length + 8));
    out += Cp1252::encode(QString(blanks(14) + callsign + savedTitle(kind) + longDate(today))) + eol;
    out += eol;
    out += Cp1252::encode(savedHeader(kind)) + eol;
    out += eol;
    // The entries go out as the log's own bytes, so nothing is lost to a round trip.
    for (int i = 0; i < listing.count(); ++i) {
        out += rowNumber(i + 1).toLatin1();
        out += listing.entry(i);
        out += eol;
    }
    out += eol;
    out += Cp1252::encode(QString(blanks(24) + credit())) + eol;
    return out;
}

QStringList printedLines(const ReportListing &listing, const QString &callsign, const QDate &today)
{
    const Kind kind = listing.kind();
    const int indent = kind == Kind::Alphanumeric ? 18 : 14;
    QStringList lines;
    lines.reserve(listing.count() + 8);
    lines << blanks(indent) + callsign + printedTitle(kind) + longDate(today) << QString()
          << printedHeader(kind) << QString();
    for (int i = 0; i < listing.count(); ++i) {
        if (kind == Kind::Alphanumeric) {
            // The number's blank stands where the entry's two leading blanks were.
            lines << rowNumber(i + 1) + listing.text(i).mid(2);
        } else {
            lines << blanks(4) + rowNumber(i + 1) + listing.text(i);
        }
    }
    lines << QString() << QString() << blanks(21) + credit();
    return lines;
}

} // namespace ReportText

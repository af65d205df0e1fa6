#include "entry/EntryChecks.h"

#include "logstore/QsoRecord.h"

#include <QCoreApplication>
#include <QDate>

namespace EntryChecks {

QString callsign(const QString &text)
{
    if (text.isEmpty())
        return QCoreApplication::translate("EntryChecks", "Entrez un indicatif");
    if (text.size() >= 13)
        return QCoreApplication::translate("EntryChecks", "12 caracteres maxi pour l'indicatif");
    return {};
}

QString firstName(const QString &text)
{
    if (text.size() > 15)
        return QCoreApplication::translate("EntryChecks", "15 caracteres maxi pour le Prenom");
    return {};
}

QString reference(const QString &text)
{
    if (text.isEmpty())
        return QCoreApplication::translate("EntryChecks", "Entrez une Reference");
    if (text.size() != 6)
        return QCoreApplication::translate("EntryChecks", "6 caracteres pour la reference");
    return {};
}

QString locator(const QString &text)
{
    // The idle entry leaves two blanks in the field: blanks alone mean no locator.
    if (!text.trimmed().isEmpty() && text.size() != 4)
        return QCoreApplication::translate("EntryChecks", "4 caracteres pour le Locator ou rien");
    return {};
}

bool isValidDate(const QString &t)
{
    // A day of the calendar: 31/02/25 or 00/00/00 would be stored and exported as
    // a date no other logbook takes. The two-digit year reads as the log orders it,
    // which decides 29 February.
    return QsoRecord::dateOf(t).isValid();
}

bool isValidTime(const QString &t) { return QsoRecord::minutesOf(t) >= 0; }

QString date(const QString &text)
{
    if (text.isEmpty())
        return QCoreApplication::translate("EntryChecks", "Entrez une date");
    if (!isValidDate(text))
        return QCoreApplication::translate("EntryChecks", "Le format de la date doit etre JJ/MM/AA");
    return {};
}

QString time(const QString &text)
{
    if (text.isEmpty())
        return QCoreApplication::translate("EntryChecks", "Entrez une Heure");
    if (!isValidTime(text))
        return QCoreApplication::translate("EntryChecks", "Le format de l'heure doit etre HH:MM");
    return {};
}

QString mode(const QString &text)
{
    if (text.isEmpty())
        return QCoreApplication::translate("EntryChecks", "Entrez un Mode");
    if (text.size() >= 7)
        return QCoreApplication::translate("EntryChecks", "6 caracteres maxi pour le Mode");
    return modeFitsLog(text);
}

QString modeFitsLog(const QString &text)
{
    if (text.size() > 3)
        return QCoreApplication::translate("EntryChecks", "Le log ne garde que 3 caractères pour le Mode : "
                                                   "choisissez SSB, CW ou FM, ou un mode de 3 caractères au plus");
    return {};
}

QString band(const QString &text)
{
    if (text.isEmpty())
        return QCoreApplication::translate("EntryChecks", "Entrez une QRG");
    if (text.size() >= 8)
        return QCoreApplication::translate("EntryChecks", "7 caracteres maxi pour la QRG");
    return {};
}

QString report(const QString &text)
{
    if (text.isEmpty())
        return QCoreApplication::translate("EntryChecks", "Entrez un Report");
    if (text.size() > 3)
        return QCoreApplication::translate("EntryChecks", "3 caracteres maxi pour le Report");
    const QChar c = text.at(0);
    if (c < QLatin1Char('0') || c > QLatin1Char('5'))
        return QCoreApplication::translate("EntryChecks", "R (de RST)doit etre compris entre 0 et 5");
    return {};
}

QString abbeyName(const QString &text)
{
    if (text.size() > 60)
        return QCoreApplication::translate("EntryChecks", "60 caracteres maxi pour le nom de l'Abbaye");
    return {};
}

QString firstInstallation()
{
    return QCoreApplication::translate(
        "EntryChecks", "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                       "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");
}

} // namespace EntryChecks

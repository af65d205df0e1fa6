#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// The award's abbey list, "Liste_Abbayes.txt", one abbey per line in fixed columns:
// 1-6 reference, 8-67 name, 69-72 locator (Windows-1252). A line may stop early.
class AbbeyList
{
    Q_DECLARE_TR_FUNCTIONS(AbbeyList)

public:
    static inline const QString FileName = QStringLiteral("Liste_Abbayes.txt");
    // Shown by the main window when a reference is not in the list.
    static QString notReferencedMessage() { return tr("ATTENTION cette Abbaye n'est pas referencée"); }

    // The list has gone from the program directory while the program runs.
    static QString missingListMessage(const QString &path);

    static constexpr int NameWidth = 60;
    static constexpr int LocatorWidth = 4;

    struct Lookup {
        bool found = false;
        QString name;    // in capitals, at most 60 characters, without trailing blanks
        QString locator; // columns 69-72 as they stand
        // Set (French) when the list itself is missing or unreadable: the
        // reference could not be looked up, which is not "not referenced".
        QString error;
    };


    // Looks up a reference (trimmed columns 1-6, compared in capitals) in the list's
    // table (AbbeyTable::current: read once, and again when the file changes). The
    // last matching line wins, as the list may hold an abbey twice. A match whose
    // locator is just two blanks gives an empty name.
    static Lookup Cherche_Abbaye(const QString &path, const QString &reference);
};

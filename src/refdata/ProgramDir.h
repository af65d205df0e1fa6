#pragma once

#include "logstore/LogFile.h"
#include "refdata/AbbeyList.h"
#include "refdata/FirstNameList.h"

#include <QCoreApplication>
#include <QString>

// The directory that holds the logs and the reference lists.
//
// A folder beside the executable that already holds "Liste_Abbayes.txt" is a
// portable install and is used as it is. Otherwise the logs live in the user's
// data directory, created and seeded with the files the program ships, so that
// removing a build or install folder never takes a log with it.
class ProgramDir
{
    Q_DECLARE_TR_FUNCTIONS(ProgramDir)

public:
    // When the data directory cannot be made or seeded, error (if given) says so
    // in the interface's language, for the operator at
    // start-up (the translator is installed before); the directory is returned all the same.
    static QString resolve(const QString &executableDir, const QString &userDataDir,
                           QString *error = nullptr);
    // Copies the shipped files that are missing into dir; existing files are kept.
    // False, and error (if given) in the interface's language, when one could not be written.
    static bool seed(const QString &dir, QString *error = nullptr);

    static QString abbeyListName() { return AbbeyList::FileName; }
    static QString firstNameListName() { return FirstNameList::FileName; }
    static QString templateName() { return LogFile::TemplateName; }
};

#pragma once

#include "logstore/AtomicFile.h"
#include "logstore/FileLock.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// The one writer of the first-name list: a single rewrite of the whole list, under
// its lock, through the checked atomic writer. The entry's commit hands it one
// record, the ADIF import all the names its QSOs teach; both get the same list for
// the same record.
//
// A record is a line of the list as it will be written (Windows-1252): the callsign
// padded to 12, four blanks, the first name. Every line whose first 12 characters
// are those of a record is replaced by it; a record no line holds is appended, in
// the order the records were given. Every other line is kept byte for byte.
class FirstNameWriter
{
public:
    enum class EmptyName {
        Replaces,    // a record without a first name blanks the stored one
        KeepsListed, // a record without a first name leaves a listed station as it is
    };
    enum class Status { Ready, HeldByOther, LockFailed, Unreadable };

    explicit FirstNameWriter(QString path);

    // Takes the list's lock (waiting up to lockTimeout for another copy), clears what
    // a stopped write left beside the list and reads it. Anything but Ready leaves
    // the list untouched; reason() then says why (French).
    Status open(int lockTimeout);
    QString reason() const { return m_reason; }

    void put(const QByteArray &record, EmptyName rule);

    // Whether the records change a line of the list or add one (line ends alone
    // are no change), and the new list's size in bytes.
    bool changes();
    qint64 size();
    // Writes the new list when it changes (a list that does not change is left
    // alone), then lets the lock go. Only after a Ready open(), once.
    AtomicFile::Result commit();

    static constexpr int KeyWidth = 12;

private:
    void plan();

    struct Pending
    {
        QByteArray record;
        EmptyName rule = EmptyName::Replaces;
    };

    QString m_path;
    FileLock m_lock;
    bool m_open = false;
    QString m_reason;
    QByteArray m_old;
    QList<Pending> m_pending;
    QHash<QByteArray, qsizetype> m_byKey; // first 12 bytes -> m_pending
    bool m_planned = false;
    bool m_touched = false;
    QByteArray m_new;
};

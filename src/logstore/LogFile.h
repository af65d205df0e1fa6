#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// A station's log as it stands on disk: one raw line per QSO, in file order.
// Lines are kept as bytes so that a rewrite puts back every line it did not
// change exactly as it was, even one edited by hand.
class LogFile
{
public:
    struct Content {
        QList<QByteArray> lines;
        bool exists = false;
        QString error; // set when the file exists but cannot be read
    };

    // The lines of a regular file (see readBytes).
    static Content read(const QString &path);

    // A line written by this program is exactly 138 characters long.
    static bool isWellFormed(QByteArrayView line);
    // 1-based numbers of the lines that are not 138-character QSO lines.
    static QList<int> malformedLines(const QList<QByteArray> &lines);

    // What usually tells one state of a file on disk from another: a rewrite renames
    // a new file over the old one, a hand edit changes its size or times. It is no
    // proof: a file system with one- or two-second times, an inode number used again
    // at once or a modification time put back (cp -p, touch -r) leave it as it was.
    // Only a look at the bytes proves that a file is still the one read (compare).
    struct Stamp {
        bool exists = false;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0; // status change: set by any write, never put back by hand
        bool operator==(const Stamp &o) const
        {
            return exists == o.exists && inode == o.inode && size == o.size && modifiedNs == o.modifiedNs
                && changedNs == o.changedNs;
        }
        bool operator!=(const Stamp &o) const { return !(*this == o); }
    };
    static Stamp stampOf(const QString &path);

    // A whole file as it stands. A path that leads nowhere is no error (exists is
    // false); anything that is not a regular file (a pipe, a device, a folder) is
    // refused without being read, since reading it could wait for ever.
    struct Bytes {
        QByteArray content;
        bool exists = false;
        QString error; // French when the file is not a regular one
        Stamp stamp;   // taken as the reading began
    };
    static Bytes readBytes(const QString &path);
    static QString notRegularMessage();

    // Whether the file holds exactly content, read piece by piece so that a long log
    // is never held twice. Unreadable (error set) and missing files are Different.
    enum class Match { Same, Different };
    static Match compare(const QString &path, const QByteArray &content, QString *error = nullptr);

    // The empty log copied for a new station.
    static inline const QString TemplateName = QStringLiteral("FXXXX.txt");

    static QString fileName(const QString &callsign) { return callsign + QStringLiteral("_ZEL.log"); }

    // 1 to 12 characters among A-Z, 0-9 and "_": the only callsigns that may name a file.
    static bool isValidCallsign(const QString &callsign);
    // "_" stands for "/" in a callsign that names a file: "F6ABC_P" is shown "F6ABC/P".
    static QString Indicatif_Affiche(const QString &callsign);

    // The station itself in a callsign: the longest part between slashes ("_" counts
    // as "/", as in a file name), blanks around it removed, in capitals (ASCII):
    // "IT9/f6abc/P" and "F6ABC_P" give "F6ABC". The first of equal lengths wins.
    // Confirmations are matched, and the cluster login is made, with it.
    static QByteArray baseCallsign(QByteArrayView callsign);
    static QString baseCallsign(const QString &callsign);
};

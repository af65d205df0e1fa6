#pragma once

#include "logstore/AtomicFile.h"

#include <QList>
#include <QPair>
#include <QString>

#include <memory>

class QSettings;

// The per-user settings of application "ZEL": a common section "Setup " and one
// section per station, "Setup " followed by its callsign. Every value is text; a
// missing key reads as the caller's default.
class Settings
{
public:
    static inline const QString CommonSection = QStringLiteral("Setup ");
    static inline const QString DefaultCallsign = QStringLiteral("FXXXX");
    static inline const QString KeyCallsign = QStringLiteral("Indicatif Station");
    static inline const QString KeyDirectory = QStringLiteral("Chemin Repertoire");
    static inline const QString KeyBand = QStringLiteral("bande Utilisee");
    static inline const QString KeyMode = QStringLiteral("Mode Utilise");
    static inline const QString KeyUpdate = QStringLiteral("Mise a jour Prog");
    static inline const QString KeyRevision = QStringLiteral("Revision");
    static inline const QString KeyDateAuto = QStringLiteral("Date Auto");

    // The user's real store (application "ZEL").
    Settings();
    // A store in an INI file, for tests and portable use.
    explicit Settings(const QString &iniPath);
    ~Settings();
    Settings(const Settings &) = delete;
    Settings &operator=(const Settings &) = delete;

    QString read(const QString &section, const QString &key, const QString &defaultValue) const;
    // Stores the value on disk at once. When the store cannot be written (a
    // read-only file or folder, a full disk), ok is false and error says which in
    // French; the value is then kept for this run only.
    AtomicFile::Result write(const QString &section, const QString &key, const QString &value);
    // Stores several values of one section in one write of the store: on disk they
    // are either all there or none of them is.
    AtomicFile::Result write(const QString &section, const QList<QPair<QString, QString>> &values);

    static QString stationSection(const QString &callsign) { return CommonSection + callsign; }

    QString stationCallsign() const;
    // A stored list position; "-1" selects nothing. The number the text begins with
    // counts ("4abc" is 4); text that does not begin with one reads as 0.
    int position(const QString &callsign, const QString &key) const;
    static int leadingNumber(const QString &text);
    AtomicFile::Result writePosition(const QString &callsign, const QString &key, int position);

    QString fileName() const;

    // A settings file holds a few keys per station: one far larger (a million keys, a
    // value of megabytes) is damaged. It is not read (reading it would take seconds
    // and hundreds of megabytes at every start): it is set aside beside itself under
    // "<name>.endommage" and the program starts as at its first installation.
    static constexpr qint64 LargestStore = 1024 * 1024;
    // What the operator is told of such a file; empty when the file was read.
    QString damage() const;

private:
    // The store's file, known before the store is opened.
    QString storePath() const;
    // Sets aside a store too large to be one (see LargestStore).
    void setAsideIfDamaged();
    std::unique_ptr<QSettings> makeStore() const;
    // Whether a failed write (errnoValue, 0 when unknown) is a full disk rather
    // than a protected file or folder.
    static bool isDiskFull(int errnoValue, const QString &file);

    QString m_iniPath; // empty: the user's real store
    // A store set aside as damaged: where it was, its size, and where it went
    // (empty when it could not be moved); no path when the store was read.
    struct Damaged
    {
        QString path;
        qint64 size = 0;
        QString aside;
    };
    Damaged m_damaged;
    std::unique_ptr<QSettings> m_store; // null: a damaged store that could not be set aside
    bool m_unsaved = false;             // the last write did not reach the disk
};

#include "refdata/FirstNameList.h"

#include "logstore/Cp1252.h"
#include "logstore/FileLock.h"
#include "logstore/LogFile.h"

#include <QFileInfo>

FirstNameList::FirstNameList(QString path) : m_path(std::move(path)) {}

FirstNameList::Lookup FirstNameList::Cherche_Prenom(const QString &callsign)
{
    Lookup result;
    m_prenomAAjouter = true;
    const QList<QByteArray> lines = LogFile::read(m_path).lines;
    for (const QByteArray &raw : lines) {
        const QString line = Cp1252::decode(raw);
        if (line.mid(0, CallsignWidth).trimmed() != callsign)
            continue;
        result.found = true;
        result.firstName = line.mid(FirstNameStart - 1).toUpper();
        m_prenomAAjouter = false;
    }
    return result;
}

AtomicFile::Result FirstNameList::Maj_Liste_Prenom(const QString &record)
{
    // A name the list cannot hold would come back as another name (or break the
    // line): say which character, and keep the list as it is.
    const QString refused = Cp1252::refusal(record);
    if (!refused.isEmpty())
        return {false, refused};
    const QString key = record.left(CallsignWidth);
    const QByteArray encoded = Cp1252::encode(record);
    // The usual case, a station already listed with this name, needs neither the lock
    // nor a rewrite: the list read as it stands (always a whole copy) says so.
    {
        const LogFile::Content now = LogFile::read(m_path);
        bool listed = false;
        bool same = now.error.isEmpty();
        for (const QByteArray &raw : now.lines) {
            if (Cp1252::decode(raw).left(CallsignWidth) == key) {
                listed = true;
                same = same && raw == encoded;
            }
        }
        if (listed && same) {
            m_prenomAAjouter = false;
            return {};
        }
    }
    FileLock lock(FileLock::lockPathFor(m_path));
    if (lock.lock(m_lockTimeout) != FileLock::Status::Locked) {
        const QString why = lock.status() == FileLock::Status::HeldByOther
            ? QStringLiteral("la liste est en cours de modification par une autre copie de KVR_ZEL.")
            : lock.reason();
        return {false, QStringLiteral("Impossible d'enregistrer la liste des prénoms %1 :\r\n%2")
                           .arg(QFileInfo(m_path).fileName(), why)};
    }
    // Under the lock no copy is writing the list: a copy of it lying beside it was
    // left by a write that was stopped.
    AtomicFile::removeLeftovers(m_path, true);
    const LogFile::Content content = LogFile::read(m_path);
    if (!content.error.isEmpty()) {
        // Never rewrite a list that could not be read: its stations would be lost.
        return {false, QStringLiteral("Impossible de lire la liste des prénoms %1 :\r\n%2")
                           .arg(QFileInfo(m_path).fileName(), content.error)};
    }
    QList<QByteArray> lines;
    lines.reserve(content.lines.size() + 1);
    bool matched = false;
    bool changed = false;
    for (const QByteArray &raw : content.lines) {
        if (Cp1252::decode(raw).left(CallsignWidth) == key) {
            lines.append(encoded);
            matched = true;
            changed = changed || raw != encoded;
        } else {
            lines.append(raw);
        }
    }
    // The flag says the last lookup missed this callsign; but a QSO opened for
    // editing is committed without a lookup, so the list itself has the last word:
    // a callsign is appended only when no line holds it yet, and never twice.
    if (!matched)
        lines.append(encoded);
    // A station whose first name is already listed as typed costs no rewrite.
    if (matched && !changed) {
        m_prenomAAjouter = false;
        return {};
    }
    const AtomicFile::Result r = AtomicFile::write(m_path, Cp1252::joinLines(lines));
    if (!r.ok) {
        return {false, QStringLiteral("Impossible d'enregistrer la liste des prénoms %1 :\r\n%2")
                           .arg(QFileInfo(m_path).fileName(), r.error)};
    }
    m_prenomAAjouter = false;
    return r;
}

QString FirstNameList::record(const QString &callsign, const QString &firstName)
{
    return callsign.leftJustified(CallsignWidth, QLatin1Char(' '), true) + QStringLiteral("    ")
         + firstName.toUpper();
}

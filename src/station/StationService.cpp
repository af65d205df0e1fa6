#include "station/StationService.h"

#include "refdata/ProgramDir.h"
#include "logstore/LogFile.h"
#include "logstore/AtomicFile.h"
#include "logstore/Cp1252.h"
#include "logstore/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

StationService::StationService(Settings &settings, QString programDir)
    : m_settings(settings), m_dir(std::move(programDir))
{
}

bool StationService::Cree_Log_Station(const QString &callsign, QString *error)
{
    QByteArray content;
    const QString templPath = QDir(m_dir).filePath(ProgramDir::templateName());
    // Only a regular file is read: a pipe of that name would never answer.
    QFile templ(templPath);
    if (QFileInfo(templPath).isFile() && templ.open(QIODevice::ReadOnly))
        content = templ.readAll();
    const AtomicFile::Result r =
        AtomicFile::write(QDir(m_dir).filePath(LogFile::fileName(callsign)), content);
    if (!r.ok && error)
        *error = r.error;
    return r.ok;
}

StationService::Result StationService::validate(const QString &typed)
{
    Result result;
    const QString candidate = typed.toUpper();
    if (candidate.isEmpty()) {
        result.message = tr("Vous devez entrer un indicatif");
        return result;
    }
    if (candidate.size() > 12) {
        result.message = tr("12 caracteres maximum pour l'indicatif");
        return result;
    }
    // Only these characters ever reach a file name.
    if (!LogFile::isValidCallsign(candidate)) {
        result.message = tr("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");
        const QString named = checkTyped(candidate);
        if (!named.isEmpty())
            result.message = named + QStringLiteral("\r\n\r\n") + result.message;
        result.clearField = true;
        return result;
    }

    const QString logPath = QDir(m_dir).filePath(LogFile::fileName(candidate));
    const QString previous = m_settings.stationCallsign();
    // Anything but a file there (a directory) is no log: creating one reports why.
    const bool isNew = !QFileInfo(logPath).isFile();
    if (isNew) {
        QString why;
        if (!Cree_Log_Station(candidate, &why)) {
            result.message = tr("Impossible de créer le journal %1 :\r\n%2\r\n\r\n"
                                "La station courante reste inchangée.")
                                 .arg(LogFile::fileName(candidate), why);
            return result;
        }
    }
    const AtomicFile::Result stored = m_settings.write(Settings::CommonSection, Settings::KeyCallsign, candidate);
    if (!stored.ok) {
        // The next start would not know this station: nothing is changed now either.
        m_settings.write(Settings::CommonSection, Settings::KeyCallsign, previous);
        if (isNew)
            QFile::remove(logPath);
        result.message = tr("L'indicatif %1 n'a pas pu être enregistré :\r\n%2\r\n\r\n"
                            "La station courante reste inchangée.")
                             .arg(LogFile::Indicatif_Affiche(candidate), stored.error);
        return result;
    }
    if (isNew) {
        result.created = true;
        const QString section = Settings::stationSection(candidate);
        // Band and mode read as position 0 when missing, so these cannot go wrong
        // once the callsign itself was stored.
        m_settings.write(section, Settings::KeyBand, QStringLiteral("0"));
        m_settings.write(section, Settings::KeyMode, QStringLiteral("0"));
        m_settings.write(section, Settings::KeyDateAuto, QStringLiteral("Oui"));
    }
    result.ok = true;
    return result;
}

QString StationService::checkTyped(const QString &typed)
{
    const QString bad = Cp1252::firstUnencodable(typed);
    if (bad.isEmpty())
        return {};
    return tr("Le caractère %1 ne peut pas figurer dans un indicatif : le journal et les "
              "réglages sont en Windows-1252, qui ne connaît pas ce caractère.")
        .arg(Cp1252::describe(bad));
}

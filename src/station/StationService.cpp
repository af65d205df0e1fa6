#include "station/StationService.h"

#include "app/ProgramDir.h"
#include "logstore/LogFile.h"
#include "logstore/AtomicFile.h"
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
    QFile templ(QDir(m_dir).filePath(ProgramDir::templateName()));
    if (templ.open(QIODevice::ReadOnly))
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
        result.message = QStringLiteral("Vous devez entrer un indicatif");
        return result;
    }
    if (candidate.size() > 12) {
        result.message = QStringLiteral("12 caracteres maximum pour l'indicatif");
        return result;
    }
    // Only these characters ever reach a file name.
    if (!LogFile::isValidCallsign(candidate)) {
        result.message = QStringLiteral(
            "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");
        result.clearField = true;
        return result;
    }

    const QString logPath = QDir(m_dir).filePath(LogFile::fileName(candidate));
    // Anything but a file there (a directory) is no log: creating one reports why.
    if (!QFileInfo(logPath).isFile()) {
        QString why;
        if (!Cree_Log_Station(candidate, &why)) {
            result.message = QStringLiteral("Impossible de créer le journal %1 :\r\n%2\r\n\r\n"
                                            "La station courante reste inchangée.")
                                 .arg(LogFile::fileName(candidate), why);
            return result;
        }
        result.created = true;
        m_settings.write(Settings::CommonSection, Settings::KeyCallsign, candidate);
        const QString section = Settings::stationSection(candidate);
        m_settings.write(section, Settings::KeyBand, QStringLiteral("0"));
        m_settings.write(section, Settings::KeyMode, QStringLiteral("0"));
        m_settings.write(section, Settings::KeyDateAuto, QStringLiteral("Oui"));
    } else {
        m_settings.write(Settings::CommonSection, Settings::KeyCallsign, candidate);
    }
    result.ok = true;
    return result;
}

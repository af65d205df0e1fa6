#include "app/LanguageChoice.h"

#include "kit/Language.h"
#include "kit/Messages.h"
#include "logstore/Settings.h"

#include <QtGlobal>

namespace {

const char *const NextStart =
    QT_TRANSLATE_NOOP("LanguageChoice", "La langue choisie sera utilisée au prochain démarrage du programme.");

} // namespace

LanguageChoice::LanguageChoice(Settings &settings, Messages &messages)
    : m_settings(settings), m_messages(messages),
      m_chosen(Language::known(settings.read(Language::SettingsSection, Language::SettingsKey, Language::French)))
{
}

bool LanguageChoice::choose(const QString &code)
{
    if (code == m_chosen || !Language::codes().contains(code))
        return false;
    const AtomicFile::Result stored = m_settings.write(Language::SettingsSection, Language::SettingsKey, code);
    if (!stored.ok) {
        m_messages.notice(stored.error);
        return false;
    }
    m_chosen = code;
    m_messages.notice(notice(code));
    return true;
}

QString LanguageChoice::notice(const QString &code)
{
    return Language::translated(code, "LanguageChoice", NextStart);
}

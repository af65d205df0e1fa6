#pragma once

#include <QString>

class Messages;
class Settings;

// The interface language the operator chooses in Afficher > Langue. The choice is
// kept in the settings and takes effect at the next start; the running program
// stays in the language it started in.
class LanguageChoice
{
public:
    LanguageChoice(Settings &settings, Messages &messages);

    // The language kept in the settings ("fr", "it" or "en"; French when none is).
    QString chosen() const { return m_chosen; }

    // Keeps code as the language of the next start and tells the operator so, in
    // that language. False when nothing changed: code is already the one kept, is
    // not a language of the program, or the settings could not be written (the
    // operator is then told why and the previous choice stays).
    bool choose(const QString &code);

    // The notice that confirms a choice, worded in the language chosen.
    static QString notice(const QString &code);

private:
    Settings &m_settings;
    Messages &m_messages;
    QString m_chosen;
};

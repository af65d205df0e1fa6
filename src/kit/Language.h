#pragma once

#include <QString>
#include <QStringList>

// The interface's language for this run: French (the texts as the program is
// written), Italian or English. The files the program writes never change with it.
namespace Language {

// Where the operator's choice is kept: section "Interface", key "Langue".
inline const QString SettingsSection = QStringLiteral("Interface");
inline const QString SettingsKey = QStringLiteral("Langue");
inline const QString French = QStringLiteral("fr");

// "fr", "it", "en", in the order the menu shows them.
QStringList codes();
// Each language's name as written in that language ("Français", "Italiano", "English").
QString nativeName(const QString &code);
// A stored value made a known code: anything else is French.
QString known(const QString &stored);

// Loads the program's and Qt's own translations for code and installs them on the
// application; the language then stays the one current() gives for the whole run.
// Called once, before any window or message is made.
void install(const QString &code);
// The French plural forms alone, installed as soon as the application exists in every
// program that links the kit (the tests included), so that counted texts read as the
// program writes them before (or without) install().
void installFrenchForms();
// The language install() set ("fr" before any call).
QString current();

// A text in another language than the running one: source translated into code
// (the notice that confirms a new choice speaks the chosen language).
QString translated(const QString &code, const char *context, const char *source);

} // namespace Language

#include "kit/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Language {

namespace {

QString &running()
{
    static QString code = French;
    return code;
}

QLocale localeOf(const QString &code)
{
    if (code == QLatin1String("it"))
        return QLocale(QLocale::Italian, QLocale::Italy);
    if (code == QLatin1String("en"))
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return QLocale(QLocale::French, QLocale::France);
}

// The program's own texts for code, built into the program.
bool loadProgram(QTranslator &translator, const QString &code)
{
    return translator.load(QStringLiteral(":/i18n/kvr_zel_") + code + QStringLiteral(".qm"));
}

} // namespace

QStringList codes()
{
    return {QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("en")};
}

QString nativeName(const QString &code)
{
    if (code == QLatin1String("it"))
        return QStringLiteral("Italiano");
    if (code == QLatin1String("en"))
        return QStringLiteral("English");
    return QStringLiteral("Français");
}

QString known(const QString &stored)
{
    const QString code = stored.trimmed().toLower();
    return codes().contains(code) ? code : French;
}

void install(const QString &code)
{
    const QString chosen = known(code);
    running() = chosen;
    // Kept for the whole run: the application holds them by address. A second call
    // replaces the first one's.
    static QTranslator program;
    static QTranslator qtOwn;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qtOwn);
    // French needs its file too: it holds the French plural forms.
    if (loadProgram(program, chosen))
        QCoreApplication::installTranslator(&program);
    // Qt's own words (Oui / Non, the file dialog); English is Qt's own language.
    if (chosen != QLatin1String("en")
        && qtOwn.load(localeOf(chosen), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtOwn);
}

void installFrenchForms()
{
    static QTranslator forms;
    if (loadProgram(forms, French))
        QCoreApplication::installTranslator(&forms);
}

QString current()
{
    return running();
}

QString translated(const QString &code, const char *context, const char *source)
{
    const QString chosen = known(code);
    QTranslator translator;
    if (loadProgram(translator, chosen)) {
        const QString text = translator.translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

} // namespace Language

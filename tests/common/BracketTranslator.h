#pragma once

// A translator that puts every text the program translates between brackets
// ("Toutes" becomes "[Toutes]"): installed in a test, it shows which texts reach
// the operator through the translations and which stay as the program writes them
// (the files, the settings, the network, the log's own labels). Qt's own words
// (contexts "Q...") are marked too unless the test leaves them to Qt.

#include <QByteArrayView>
#include <QCoreApplication>
#include <QTranslator>

namespace zeltest {

class BracketTranslator : public QTranslator
{
public:
    enum Scope { EveryText, ProgramTexts };

    explicit BracketTranslator(Scope scope = EveryText) : m_scope(scope)
    {
        QCoreApplication::installTranslator(this);
    }
    ~BracketTranslator() override { QCoreApplication::removeTranslator(this); }

    static QString marked(const QString &text) { return QLatin1Char('[') + text + QLatin1Char(']'); }

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (!source || !*source)
            return {};
        if (m_scope == ProgramTexts && QByteArrayView(context).startsWith("Q"))
            return {};
        return marked(QString::fromUtf8(source));
    }

private:
    Scope m_scope;
};

} // namespace zeltest

#pragma once

// A translator that puts every text the program translates between brackets
// ("Toutes" becomes "[Toutes]"): installed in a test, it shows which texts reach
// the operator through the translations and which stay as the program writes them
// (the files, the log's own labels).

#include <QCoreApplication>
#include <QTranslator>

namespace zeltest {

class BracketTranslator : public QTranslator
{
public:
    BracketTranslator() { QCoreApplication::installTranslator(this); }
    ~BracketTranslator() override { QCoreApplication::removeTranslator(this); }

    static QString marked(const QString &text) { return QLatin1Char('[') + text + QLatin1Char(']'); }

    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return source && *source ? marked(QString::fromUtf8(source)) : QString();
    }
};

} // namespace zeltest

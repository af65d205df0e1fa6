#pragma once

// A translator that puts every text of the program it is asked for between
// brackets, for as long as it lives: a text shown without going through the
// translator, or a word that reaches a file, the settings or the network
// translated, shows at once. Qt's own words (contexts "Q...") are left to Qt.

#include <QByteArrayView>
#include <QCoreApplication>
#include <QTranslator>

namespace zeltest {

class MarkedWords : public QTranslator
{
public:
    MarkedWords() { QCoreApplication::installTranslator(this); }
    ~MarkedWords() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (!source || !*source || QByteArrayView(context).startsWith("Q"))
            return {};
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

} // namespace zeltest

#pragma once

// A translator that puts every text it is asked for between brackets: what passes
// through tr() shows "[...]", what a file keeps in French does not. Installed for the
// life of the object.

#include <QCoreApplication>
#include <QTranslator>

namespace zeltest {

class MarkingTranslator : public QTranslator
{
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char * = nullptr, int = -1) const override
    {
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

} // namespace zeltest

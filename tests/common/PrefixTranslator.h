#pragma once

#include <QCoreApplication>
#include <QTranslator>

namespace zeltest {

// A translation that puts a mark in front of every text it is asked for, installed
// for its lifetime: a text that reaches the operator through tr() comes out marked,
// words that bypass it (a file's, the paper's) come out as written.
class PrefixTranslator : public QTranslator
{
public:
    PrefixTranslator() { QCoreApplication::installTranslator(this); }
    ~PrefixTranslator() override { QCoreApplication::removeTranslator(this); }

    static QString mark() { return QStringLiteral("[t]"); }
    static QString marked(const QString &text) { return mark() + text; }

    QString translate(const char *, const char *source, const char *, int) const override
    {
        return source ? marked(QString::fromUtf8(source)) : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace zeltest

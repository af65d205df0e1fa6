#pragma once

#include <QCoreApplication>
#include <QString>

// Whom a text is for. A file the program writes (a report, a list) keeps its French
// words in every language; a window shows them in the operator's language. Code
// that feeds both takes the reader as a parameter and marks each text once, with
// QT_TRANSLATE_NOOP, so that both readers get the same sentence.
enum class Wording { File, Screen };

// A French source text marked with QT_TRANSLATE_NOOP(context, source), as the reader
// takes it: translated on screen, the source's own bytes in a file.
inline QString worded(Wording reader, const char *context, const char *source)
{
    return reader == Wording::Screen ? QCoreApplication::translate(context, source) : QString::fromUtf8(source);
}

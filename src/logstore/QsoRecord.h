#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

// One QSO: the twelve fields of a log line, in log order.
class QsoRecord
{
public:
    enum Field {
        Indicatif, Locator, Prenom, Reference, Date, Heure,
        Mode, Bande, RstRecu, RstEnvoye, NomAbbaye, Qsl,
        FieldCount
    };

    struct Column {
        int start; // 1-based
        int width;
    };
    using Layout = std::array<Column, FieldCount>;

    // The one definition of where each field stands in a log line (138 columns)
    // and in a line of the main window's list (153 columns, counter in 1-5).
    static const Layout &logLayout();
    static const Layout &listLayout();
    static constexpr int LogLineLength = 138;
    static constexpr int ListLineLength = 153;
    static constexpr int CounterWidth = 5;

    QsoRecord() = default;

    // Cuts every field out of a line with its full width; a line that ends early
    // gives the part present (possibly empty).
    static QsoRecord fromLogLine(const QString &line);
    static QsoRecord fromListLine(const QString &line);

    QString field(Field f) const { return m_fields[f]; }
    void setField(Field f, const QString &value) { m_fields[f] = value; }
    bool confirmed() const { return m_fields[Qsl] == QLatin1String("*"); }

    // Every field padded to its width (cut if longer, so the columns never move).
    QString toLogLine() const;

    // A log line as the file holds it: exactly 138 Windows-1252 bytes, or, when a
    // character cannot be stored (one the code page lacks, a control character),
    // no bytes and the French refusal naming that character.
    struct Encoded {
        QByteArray bytes;
        QString error;
        bool ok() const { return error.isEmpty(); }
    };
    Encoded toLogBytes() const;
    static Encoded encodeLogLine(const QString &logLine);
    // Why bytes are not a line the program may write (French), or empty: every
    // line written is 138 bytes without control characters.
    static QString lineProblem(QByteArrayView line);
    // The list line of the n-th QSO: counter right-aligned in five columns.
    QString toListLine(int n) const;

    // Log line rebuilt from a list line: the list columns joined by single blanks.
    static QString logLineFromListLine(const QString &listLine);
    // List line of a log line, fields copied with their full width.
    static QString listLineFromLogLine(const QString &logLine, int n);

private:
    static QsoRecord cut(const QString &line, const Layout &layout);
    QString place(const Layout &layout, int length) const;

    std::array<QString, FieldCount> m_fields;
};

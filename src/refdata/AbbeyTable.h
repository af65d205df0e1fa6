#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

// The abbey list as every look-up reads it: the main window's reference look-up, the
// ADIF import, the cluster spots. Every line is cut the same way (reference in
// columns 1-6 trimmed, name in capitals cut to 60, none on a line whose locator is
// two blanks, locator as it stands), the last line of a reference listed twice
// wins, and references are compared in capitals. The list is read once, and again
// only when the file on disk changes (current).
class AbbeyTable
{
public:
    struct Entry
    {
        QString reference; // columns 1-6, trimmed, as the list writes it
        QString name;      // as the main window fills it in (capitals, at most 60
                           // characters, none on a line whose locator is two
                           // blanks), without the blanks that pad it
        QString locator;   // columns 69-72 as they stand (may be short or empty)
        int line = 0;      // 1-based line of the file that counts for this reference
    };

    // The list's Windows-1252 bytes.
    static AbbeyTable fromBytes(const QByteArray &content);
    // A missing list gives an empty table; `error` says why an existing one could
    // not be read (French), and is cleared otherwise.
    static AbbeyTable read(const QString &path, QString *error = nullptr);
    // The table of the list at `path` as it is on disk now: read again only when the
    // file's identity, size or time of change differs from the last read, so a list replaced
    // while the program runs is used at once. Window thread only.
    static const AbbeyTable &current(const QString &path, QString *error = nullptr);
    // How many times current() has read a list from disk (the look-ups and the tests
    // see that an unchanged list is not read again).
    static int readsFromDisk() { return s_reads; }

    const Entry *find(QStringView reference) const;
    bool contains(QStringView reference) const { return find(reference) != nullptr; }
    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    // One entry per reference, in the order of their first line.
    const QList<Entry> &entries() const { return m_entries; }

    // One line of the list cut as the main window's look-up cuts it (line number 0);
    // an empty reference when columns 1-6 hold none.
    static Entry cut(QStringView line);

    // A reference as it is compared: trimmed, in capitals.
    static QString key(QStringView reference) { return reference.trimmed().toString().toUpper(); }

private:
    static inline int s_reads = 0;
    QList<Entry> m_entries;
    QHash<QString, qsizetype> m_index;
};

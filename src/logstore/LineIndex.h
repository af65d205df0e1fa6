#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include "logstore/QsoRecord.h"

// Where each line of a log's bytes stands. A log as this program writes it is a
// run of QSO lines (QsoRecord::LogLineLength bytes), each followed by CR LF: its lines are found by counting,
// and no list of them is kept (a long log would spend 16 bytes a line on it).
// Any other log (a hand-edited line, an LF alone, a last line without an end)
// keeps one view per line, exactly as Cp1252::lineViews finds them.
class LineIndex
{
public:
    LineIndex() = default;
    // The lines of content, which must outlive the index (or be followed with rebase).
    explicit LineIndex(const QByteArray &content);
    // Lines already found in content (views into it).
    LineIndex(const QByteArray &content, const QList<QByteArrayView> &lines);

    qsizetype size() const { return m_regular ? m_count : m_views.size(); }
    QByteArrayView at(qsizetype row) const
    {
        return m_regular ? QByteArrayView(m_base + row * Stride, Width) : m_views.at(row);
    }
    // Whether the lines are the regular run, found without a list.
    bool isRegular() const { return m_regular; }

    // Every line views content's bytes again after the buffer moved.
    void rebase(const QByteArray &content);
    // content ends with one more line of this many bytes, then CR LF.
    void appendLast(const QByteArray &content, qsizetype lineSize);
    // True when the lines followed by CR LF make up the whole of content.
    bool endsEveryLineWithCrLf(const QByteArray &content) const;
    // The lines as a list, for a rewrite that changes them.
    QList<QByteArrayView> views() const;

    static constexpr qsizetype Width = QsoRecord::LogLineLength;
    static constexpr qsizetype Stride = Width + 2;

private:
    static bool regular(const QByteArray &content);
    void setViews(QList<QByteArrayView> views);

    const char *m_base = nullptr;
    qsizetype m_count = 0;
    bool m_regular = true;
    QList<QByteArrayView> m_views;
};

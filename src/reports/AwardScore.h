#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class LogIndex;
class LogSession;

// The award score of a log: every line is one contacted QSO, a line with "*" in its
// QSL column one confirmed QSO (lines, not distinct abbeys), and the two levels
// reached on the confirmed count.
class AwardScore
{
    Q_DECLARE_TR_FUNCTIONS(AwardScore)

public:
    static constexpr int BaseLevel = 10;
    static constexpr int ExcellenceLevel = 250;

    static AwardScore fromLines(const QList<QByteArrayView> &lines);
    static AwardScore fromSession(const LogSession &session);
    // As the log index counts them, without reading the log.
    static AwardScore fromIndex(const LogIndex &index);

    int contacted() const { return m_contacted; }
    int confirmed() const { return m_confirmed; }
    bool baseReached() const { return m_confirmed >= BaseLevel; }
    bool excellenceReached() const { return m_confirmed >= ExcellenceLevel; }

    // The line above an award's name: reached or not yet.
    static QString verdict(bool reached);
    // Green once reached, red until then.
    static QColor colour(bool reached);
    // The rules as the score window prints them, line by line.
    static QStringList rules();

private:
    void add(QByteArrayView line);

    int m_contacted = 0;
    int m_confirmed = 0;
};

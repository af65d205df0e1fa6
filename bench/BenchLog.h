#pragma once

// Logs for the benchmarks: chronological, 138-character QSO lines with accented
// names, generated once per size and kept in a temporary folder for the run.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

struct BenchLog {
    QTemporaryDir dir;
    QString path;
    QByteArray content;  // the file as generated, restored between iterations
    int count = 0;
    QByteArray middle;   // a line near the middle of the log
    QByteArray edited;   // the same QSO with its QSL mark changed
    QByteArray between;  // a QSO timed one minute after `middle`
};

// The log of `count` QSOs of the station F4ZEL ("F4ZEL_ZEL.log").
BenchLog &benchLog(int count);

// Writes the file beside `path`, syncs it and renames it over `path`: the plain
// version of what every rewrite does.
bool writeSynced(const QString &path, const QByteArray &content);
QByteArray readAll(const QString &path);

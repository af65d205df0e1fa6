#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class LogSession;
class QIODevice;

// The log as an ADIF file (ADI text form) that other logbooks import: six header
// lines, "<eoh>", then one record line per QSO in log order. Values are written
// in plain ASCII, as ADI requires, and every length counts what is written.
class AdifExport
{
    Q_DECLARE_TR_FUNCTIONS(AdifExport)

public:
    // The station as the operator sees it ("F6ABC/P"): header and station_callsign.
    explicit AdifExport(QString displayCallsign);

    // "<callsign>_ZEL.adi", from the callsign as it names the log ("F6ABC_P").
    static QString fileName(const QString &callsign) { return callsign + QStringLiteral("_ZEL.adi"); }

    // The six header lines, each ended by CR LF, the last one "<eoh>".
    QByteArray header() const;
    // ADIF_SP: the record of one log line, from "<call:" to "<eor>".
    QString ADIF_SP(const QString &logLine) const;
    // The same on the log's own bytes (Windows-1252), appended to out.
    void appendRecord(QByteArray &out, QByteArrayView logLine) const;
    // The QSOs of an export whose band could not be told (written "<band:0>"),
    // and the first few band labels that gave none.
    struct Unbanded {
        int count = 0;
        QStringList labels;
    };

    // The whole file for these log lines: header, then one record line per QSO.
    QByteArray document(const QList<QByteArrayView> &logLines, Unbanded *unbanded = nullptr) const;
    // Writes the whole file to out; false when the device did not take it all.
    bool write(QIODevice &out, const QList<QByteArrayView> &logLines, Unbanded *unbanded = nullptr) const;
    // What the operator is told of them (empty when every QSO had its band).
    static QString unbandedNotice(const Unbanded &unbanded);

    // ADIF band of a band label of the log ("14 Mhz" -> "20m"). A label the list
    // lacks is read as a band name or a frequency ("1296 Mhz" -> "23cm", "5 Mhz"
    // -> "60m"); empty when nothing can be told.
    static QByteArray band(QByteArrayView label);
    // QSO date "JJ/MM/AA" -> "YYYYMMDD" (years 50-99 are 19xx, 00-49 20xx); empty when unreadable.
    static QByteArray date(QByteArrayView jjmmaa);
    // Windows-1252 text in its closest ASCII letters ("é" -> "e", "œ" -> "oe").
    static QByteArray ascii(QByteArrayView cp1252);

    struct Result {
        bool ok = false;
        QString message; // for the operator, in the interface's language: where the file went, or why not
    };
    // "Exporter le log au format ADIF": the current station's log, read from disk,
    // written to "<callsign>_ZEL.adi" in the program directory.
    static Result exportLog(const LogSession &session);

private:
    QByteArray m_station;
};

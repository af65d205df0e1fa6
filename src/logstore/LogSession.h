#pragma once

#include "logstore/AtomicFile.h"
#include "logstore/LogChange.h"
#include "logstore/LineIndex.h"
#include "logstore/LogFile.h"
#include "logstore/LogRewriter.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QObject>
#include <QString>

#include <future>

class Settings;

// The log the operator works on, shared by every window: the program directory,
// the current station, the log's lines exactly as read (bytes kept), the selected
// QSO, and every change to the log. Each change goes through the locked, checked
// atomic rewrite; afterwards the session holds the log as written and says so with
// logChanged(), so every open window refreshes from one place.
class LogSession : public QObject
{
    Q_OBJECT
public:
    LogSession(Settings &settings, QString programDir, QObject *parent = nullptr);
    ~LogSession() override;

    QString programDir() const { return m_dir; }
    // A file of the program directory (reference lists, reports, exports).
    QString filePath(const QString &name) const;

    // The station callsign as it names files ("F6ABC_P") and as it is shown ("F6ABC/P").
    QString callsign() const { return m_callsign; }
    QString displayCallsign() const;
    // False while the station is still the first installation's "FXXXX".
    bool hasStation() const;
    QString logFileName() const;
    QString logPath() const;

    // Takes the station from the settings and loads its log.
    void openStation();
    // Starts reading the stored station's log on another thread, so that the
    // openStation() that follows (once the window is built) finds it read. What
    // was read is used only if the file is still the same when openStation() comes.
    void prefetchStation();
    // Returns once a read-ahead started has read the file: tests edit the log after
    // it, so that openStation() has a stale read-ahead to refuse.
    void waitForPrefetch() const
    {
        if (m_prefetch.valid())
            m_prefetch.wait();
    }
    // Reads the log again from disk. False (and loadError() says why) when it cannot be read.
    // Temporary copies left beside the log by a stopped rewrite are removed first.
    bool reload();
    // Reads the log again only when the file is no longer the one last read or
    // written (another copy of the program, a hand edit). True when it was reloaded.
    // A log found with fewer lines than before is not written silently: the next
    // change is refused once, saying how many QSOs are gone.
    bool refreshIfChanged();
    QString loadError() const { return m_loadError; }

    int lineCount() const { return int(m_lines.size()); }
    // A line exactly as in the file, without its line end; valid until the log changes.
    QByteArrayView line(int row) const { return m_lines.at(row); }
    // The line's QSO columns decoded from the log's code page: its first 138
    // characters and one more, which says that it runs longer. A hand-edited line of
    // hundreds of megabytes is never decoded whole for the columns it is shown by.
    QString text(int row) const;
    // The 153-column line of the main window's list (counter = row + 1).
    QString listLine(int row) const;
    // 1-based numbers of the lines that are not 138-character QSO lines.
    QList<int> malformedLines() const { return m_malformed; }

    // The QSO the main window shows (-1: none).
    int selectedRow() const { return m_selected; }
    void setSelectedRow(int row);
    // Another window asks for a QSO to be selected as if the operator had clicked it.
    void requestSelect(int row) { emit selectionRequested(row); }

    // The changes to the log. On failure nothing is changed and error says why in French.
    // Each refuses a new line that is not a 138-byte QSO line (QsoRecord::toLogBytes
    // builds one, or names the character that cannot be stored), and every change
    // is refused while no station is chosen (noStationMessage()).
    AtomicFile::Result append(const QByteArray &line);
    AtomicFile::Result replace(const QByteArray &newLine, const QByteArray &oldLine);
    // The same for a QSO given another date or time: it moves to its place in time.
    AtomicFile::Result replaceInOrder(const QByteArray &newLine, const QByteArray &oldLine);
    AtomicFile::Result remove(const QByteArray &line);
    AtomicFile::Result insert(const QByteArray &line);
    // Marks the QSOs of these rows (0-based) as confirmed, in one rewrite.
    AtomicFile::Result markConfirmed(const QList<int> &rows);
    // Puts newLines in place of the QSOs of these rows (0-based), in one rewrite;
    // expected are the rows' lines as the caller read them.
    AtomicFile::Result replaceLines(const QList<int> &rows, const QList<QByteArray> &expected,
                                    const QList<QByteArray> &newLines);
    // Adds several QSOs (an import) in one rewrite, each at its place in time, and
    // marks confirmed the QSOs seen in the same rewrite (LogRewriter::Fusionne_QSO_Log).
    AtomicFile::Result merge(const QList<QByteArray> &lines, const QList<LogRewriter::Mark> &marks = {},
                             LogRewriter::MarkCount *count = nullptr);

    static QString noStationMessage();

    // How long a change waits for another copy of the program (tests shorten it).
    void setLockTimeout(int milliseconds) { m_lockTimeout = milliseconds; }

signals:
    void stationChanged();
    // The lines changed: a reload, a station change or a file changed by another
    // program ("read anew"), or a rewrite of this session's own copy (the rows it
    // added, removed and replaced).
    void logChanged(const LogChange &change);
    void selectionRequested(int row);

private:
    // A log as read from disk, its lines found and the malformed ones listed.
    struct Loaded {
        QString path;
        QByteArray content;
        LogFile::Stamp stamp;
        LineIndex lines;
        QList<int> malformed;
        QString error;
    };
    static Loaded load(const QString &path);
    static void scan(Loaded &loaded);
    // What prefetchStation() read for this path, if the file has not changed since.
    bool takePrefetched(const QString &path, Loaded *loaded);
    void adopt(Loaded loaded);

    template <typename Change> AtomicFile::Result change(Change &&apply);
    void take(QByteArray content, const LogFile::Stamp &stamp);
    // The log a rewrite wrote, with its lines already found; hand-edited lines can
    // only come from the lines the session held (every new line is a QSO line).
    void takeWritten(const class LogRewriter &rewriter);
    void finishTake(const LogChange &change);
    bool endsEveryLineWithCrLf() const;
    AtomicFile::Result tellLinesGone();

    Settings &m_settings;
    QString m_dir;
    QString m_callsign;
    QByteArray m_content;
    LogFile::Stamp m_stamp;
    LineIndex m_lines;
    QList<int> m_malformed;
    QString m_loadError;
    int m_selected = -1;
    int m_lockTimeout = 5000;
    int m_linesGone = 0; // lost by a refresh, not yet told
    std::future<Loaded> m_prefetch;
};

#pragma once

#include "import/ImportPlan.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class LogIndex;

// Everything between choosing an ADIF file and its preview, in small steps: the file
// read from disk a chunk at a time, read as ADIF a batch of records at a time, then
// matched against the log. Between every two steps `step` is told how far it got
// (per mille) and in which phase; when it answers false, loading stops there, having
// written nothing. A window shows its progress bar from the first step on.
class ImportLoader
{
    Q_DECLARE_TR_FUNCTIONS(ImportLoader)

public:
    enum class Phase { ReadingFile, ReadingRecords, Matching };
    using Step = std::function<bool(int permille, Phase phase)>;

    static constexpr qsizetype ChunkBytes = 8 << 20;
    static constexpr int BatchRecords = 2000;
    static constexpr qsizetype BatchBytes = 4 << 20;
    static constexpr int LinesPerStep = 65536;

    struct Loaded {
        std::unique_ptr<ImportPlan> plan; // none when cancelled or refused
        bool cancelled = false;
        QString message; // for the operator, when the file or the abbey list could not be read
    };

    // The records are matched against the log through its index; the abbey list is
    // read from abbeyListPath. logChanged, when given, says whether the log changed
    // since it was last asked (during a step): the matching then starts again on the
    // log as it now stands.
    static Loaded load(const QString &path, const QString &abbeyListPath, const LogIndex &log, const Step &step,
                       const std::function<bool()> &logChanged = {});
};

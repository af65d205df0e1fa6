#include "import/ImportLoader.h"

#include "logstore/AtomicFile.h"
#include "refdata/AbbeyList.h"
#include "refdata/AbbeyTable.h"
#include "refdata/LogIndex.h"

#include <QFile>
#include <QFileInfo>

ImportLoader::Loaded ImportLoader::load(const QString &path, const QString &abbeyListPath,
                                        const LogIndex &log, const Step &step,
                                        const std::function<bool()> &logChanged)
{
    Loaded out;
    const auto stopped = [&](int permille, Phase phase) {
        out.cancelled = !step(permille, phase);
        return out.cancelled;
    };
    if (stopped(0, Phase::ReadingFile))
        return out;

    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    QByteArray bytes;
    bool readable = file.open(QIODevice::ReadOnly);
    if (readable) {
        // Read straight into the one buffer the plan keeps: the file costs its size once.
        const qint64 size = file.size();
        qsizetype done = 0;
        bytes.resize(qsizetype(qMax<qint64>(0, size)));
        while (done < bytes.size()) {
            const qint64 n = file.read(bytes.data() + done, qMin<qsizetype>(ChunkBytes, bytes.size() - done));
            if (n <= 0)
                break;
            done += qsizetype(n);
            // The file's own reading is the first third of the way.
            if (stopped(int(done * 333 / qMax<qsizetype>(1, bytes.size())), Phase::ReadingFile))
                return out;
        }
        // A file that changed size meanwhile is taken as far as it was read, and
        // one that reports no size (a pipe) is read to its end.
        bytes.truncate(done);
        if (size <= 0) {
            for (QByteArray chunk = file.read(ChunkBytes); !chunk.isEmpty(); chunk = file.read(ChunkBytes)) {
                bytes.append(chunk);
                if (stopped(0, Phase::ReadingFile))
                    return out;
            }
        }
        readable = file.error() == QFileDevice::NoError;
    }
    if (!readable) {
        out.message = tr("Le fichier %1 n'a pas pu être lu :\r\n%2")
                          .arg(name, AtomicFile::reason(file.errorString()));
        return out;
    }
    file.close();

    QString listError;
    AbbeyTable abbeys = AbbeyTable::read(abbeyListPath, &listError);
    if (!listError.isEmpty()) {
        out.message = tr("La liste des abbayes %1 ne peut pas être lue :\r\n%2\r\n\r\n"
                         "Rien n'a été importé.")
                          .arg(AbbeyList::FileName, listError);
        return out;
    }
    auto plan = std::make_unique<ImportPlan>(std::move(bytes), name, std::move(abbeys));
    while (!plan->read(BatchRecords, BatchBytes)) {
        if (stopped(333 + int(plan->position() * 333 / qMax<qsizetype>(1, plan->size())), Phase::ReadingRecords))
            return out;
    }
    if (plan->recordCount() == 0) {
        out.message = tr("Le fichier %1 ne contient aucun QSO au format ADIF.").arg(name);
        return out;
    }
    if (stopped(666, Phase::Matching))
        return out;
    for (;;) {
        if (logChanged)
            logChanged(); // what changed before now is in the index asked below
        bool moved = false;
        const bool matched = plan->resolve(log, [&] {
            if (stopped(666, Phase::Matching))
                return false;
            moved = logChanged && logChanged();
            return !moved;
        });
        if (matched)
            break;
        if (!moved)
            return out;
    }
    if (stopped(1000, Phase::Matching))
        return out;
    out.plan = std::move(plan);
    return out;
}

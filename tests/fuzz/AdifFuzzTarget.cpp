// One input through everything the import does with a file before anything is
// written: the reader (records in order, and each read again at its offset), the
// mapping of every record into a log line against a small abbey list, the award's
// rules against a small log, the list's cells and the text report. Built as a
// libFuzzer target (ZEL_FUZZ under clang) or driven by corpus_main.cpp over a fixed
// corpus; in both, a sanitizer or an assertion below says what went wrong.

#include "common/IndexedLog.h"

#include "import/AdifReader.h"
#include "import/ImportPlan.h"
#include "logstore/QsoRecord.h"
#include "refdata/AbbeyTable.h"

#include <QByteArray>
#include <QDate>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz: %s\n", what);
        std::abort();
    }
}

const AbbeyTable &abbeys()
{
    static const AbbeyTable table = AbbeyTable::fromBytes(
        "AZ0001 Abbazia di San Clemente a Casauria                           JN62\r\n"
        "PL-004 Opactwo Cystersow                                            JO90\r\n"
        "TC0007 Abbazia di Sant'Antimo                                         \r\n");
    return table;
}

// A small log on disk, its session and its index, made once for every input.
zeltest::IndexedLog &smallLog()
{
    static zeltest::IndexedLog log({
        "I1AAA        JN62 PAOLO           AZ0001 10/01/07 10:00 SSB 14 Mhz  59  59  ABBAZIA"
        "                                                     *",
        "a line edited by hand TC0007",
        "IK1ABC/P          PIERO           PL-004 14/03/07 09:05 SSB 14 Mhz  59  59  OPACTW"
        "O                                                       "});
    return log;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // The reader alone: every record ends inside the file, after the one before.
    AdifReader reader(bytes);
    AdifReader::Record r;
    qsizetype last = -1;
    while (reader.next(&r)) {
        check(r.offset > last && r.offset + r.size <= bytes.size(), "record outside the file");
        last = r.offset;
        for (const QByteArrayView v : r.fields)
            check(v.isEmpty() || (v.data() >= bytes.constData() && v.data() + v.size() <= bytes.constData() + bytes.size()),
                  "value outside the file");
        const AdifReader::Record again = reader.recordAt(r.offset, r.number);
        check(again.fields == r.fields, "a record read again differs");
    }

    // The mapping and the plan: every line that would be written is a log line.
    ImportPlan plan(bytes, QStringLiteral("fuzz.adi"), abbeys());
    while (!plan.read(64)) {
    }
    const LogSession &log = smallLog().session();
    plan.resolve(smallLog());
    for (const ImportPlan::Entry &e : plan.entries()) {
        if (e.line.isEmpty())
            continue;
        check(QsoRecord::lineProblem(e.line).isEmpty(), "a line the log may not hold");
        check(!e.line.startsWith(' '), "a QSO without a callsign");
        check(!e.reference.trimmed().isEmpty(), "a QSO without a reference");
    }
    // A confirmation marks a QSO line of the log, each once.
    for (qsizetype i = 0; i < plan.marks().size(); ++i) {
        const int row = plan.markRows().at(i);
        check(row >= 0 && row < log.lineCount() && log.line(row).size() == QsoRecord::LogLineLength,
              "a mark on a line that is no QSO");
        check(i == 0 || plan.markRows().at(i - 1) < row, "marks out of order or twice");
    }
    for (const QByteArray &l : plan.acceptedLines())
        check(l.size() == QsoRecord::LogLineLength, "an accepted line of the wrong length");
    for (const int row : plan.allRows())
        plan.shownRow(row);
    plan.report(QStringLiteral("F6ABC"), QDate(2026, 1, 1), true);
    return 0;
}

// Runs the fuzz target over a fixed corpus, each file as it is and changed in a
// fixed, repeatable way (cut at many places, bytes flipped, lengths made huge), so
// CI covers the reader, the mapping and the plan in seconds without libFuzzer.
//   import_fuzz_corpus <corpus folder> [rounds per file]

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

void run(const QByteArray &input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <corpus folder> [rounds per file]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 1000;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "no corpus in %s\n", argv[1]);
        return 2;
    }
    std::mt19937 rng(20261207);
    static const char *const splices[] = {"<eor>", "<CALL:999999999>", ":", "<", "\xC3", "\xA9", "\x01",
                                          "<SIG:3>ZEL<SIG_INFO:6>", "<NAME:40>", "\r\n", "<eoh>"};
    int inputs = 0;
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(name));
            return 2;
        }
        const QByteArray original = f.readAll();
        run(original);
        ++inputs;
        for (int i = 0; i < rounds; ++i) {
            QByteArray b = original;
            const int changes = 1 + int(rng() % 4);
            for (int c = 0; c < changes; ++c) {
                const qsizetype at = b.isEmpty() ? 0 : qsizetype(rng() % size_t(b.size() + 1));
                switch (rng() % 4) {
                case 0: b.truncate(at); break;
                case 1:
                    if (at < b.size())
                        b[at] = char(rng() % 256);
                    break;
                case 2: b.insert(at, splices[rng() % std::size(splices)]); break;
                default: b.remove(at, qsizetype(rng() % 16)); break;
                }
            }
            run(b);
            ++inputs;
        }
    }
    std::printf("%d inputs from %lld files: no fault\n", inputs, static_cast<long long>(files.size()));
    return 0;
}

#include "radio/RadioModels.h"

#include "radio/RigctldProcess.h"

#include <QProcess>

#include <algorithm>

namespace {

// rigctl -l prints about 300 lines; a runaway one is not read past this.
constexpr qint64 MaxListing = 1 << 20;

QString column(QByteArrayView line, qsizetype from, qsizetype to)
{
    if (from >= line.size())
        return {};
    const qsizetype end = to < 0 || to > line.size() ? line.size() : to;
    return QString::fromUtf8(line.sliced(from, end - from)).trimmed();
}

} // namespace

RadioModels::RadioModels(QObject *parent) : QObject(parent) {}

RadioModels::~RadioModels()
{
    if (m_process) {
        m_process->disconnect(this);
        RigctldProcess::stop(m_process, 0);
    }
}

QString RadioModels::missingTools()
{
    return tr("rigctl est introuvable : le poste radio (CAT) demande le paquet libhamlib-utils "
              "(sudo apt install libhamlib-utils). Seul le poste factice de Hamlib est proposé.");
}

RadioModel RadioModels::dummy() { return {1, QStringLiteral("Hamlib"), QStringLiteral("Dummy"), false}; }

QList<RadioModel> RadioModels::parse(QByteArrayView listing)
{
    QList<RadioModel> out;
    qsizetype maker = -1;
    qsizetype model = -1;
    qsizetype version = -1;
    bool hasDummy = false;
    qsizetype from = 0;
    while (from < listing.size()) {
        qsizetype end = listing.indexOf('\n', from);
        if (end < 0)
            end = listing.size();
        const QByteArrayView line = listing.sliced(from, end - from);
        from = end + 1;
        if (maker < 0) {
            // The heading names the columns: " Rig #  Mfg    Model    Version ..."
            maker = line.indexOf("Mfg");
            model = line.indexOf("Model");
            version = line.indexOf("Version");
            if (maker < 0 || model <= maker || (version >= 0 && version <= model))
                maker = model = version = -1;
            continue;
        }
        bool ok = false;
        const int number = column(line, 0, maker).toInt(&ok);
        const QString mfg = column(line, maker, model);
        const QString name = column(line, model, version);
        if (!ok || number <= 0 || mfg.isEmpty() || name.isEmpty())
            continue;
        // Hamlib's own entries (the dummy, rigctld on the network...) reach no serial port.
        RadioModel m{number, mfg, name, mfg != QLatin1String("Hamlib")};
        hasDummy = hasDummy || number == 1;
        if (number == 1)
            m = dummy();
        out << m;
    }
    if (!hasDummy)
        out << dummy();
    std::sort(out.begin(), out.end(), [](const RadioModel &a, const RadioModel &b) {
        const int byMaker = QString::compare(a.maker, b.maker, Qt::CaseInsensitive);
        if (byMaker != 0)
            return byMaker < 0;
        const int byName = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.number < b.number;
    });
    return out;
}

void RadioModels::load()
{
    if (m_process)
        return;
    m_process = new QProcess;
    m_process->setProgram(QStringLiteral("rigctl"));
    m_process->setArguments({QStringLiteral("-l")});
    m_process->setStandardErrorFile(QProcess::nullDevice());
    auto *process = m_process;
    auto finish = [this, process](const QString &error) {
        if (process != m_process)
            return;
        const QByteArray listing = error.isEmpty() ? process->readAllStandardOutput().left(MaxListing) : QByteArray();
        m_process = nullptr;
        process->disconnect(this);
        process->deleteLater();
        QList<RadioModel> models = parse(listing);
        emit loaded(models, error.isEmpty() && models.size() <= 1 ? missingTools() : error);
    };
    connect(m_process, &QProcess::finished, this, [finish] { finish(QString()); });
    connect(m_process, &QProcess::errorOccurred, this, [finish](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            finish(missingTools());
    });
    m_process->start();
}

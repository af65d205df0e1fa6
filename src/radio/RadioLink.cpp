#include "radio/RadioLink.h"

#include <QLoggingCategory>
#include <QMutex>

#include <hamlib/rig.h>

#include <algorithm>
#include <cstdlib>

Q_LOGGING_CATEGORY(zelRadio, "zel.radio")

namespace {

// Hamlib keeps global state (its list of backends, the text of the last error):
// one call at a time across the program.
QMutex &hamlibLock()
{
    static QMutex lock;
    return lock;
}

void prepareHamlib()
{
    static const bool done = [] {
        // Hamlib writes its traces to stderr; the operator reads the status label.
        rig_set_debug(RIG_DEBUG_NONE);
        rig_load_all_backends();
        return true;
    }();
    Q_UNUSED(done);
}

RIG *rigOf(void *p) { return static_cast<RIG *>(p); }

int collectModel(const struct rig_caps *caps, rig_ptr_t data)
{
    auto *out = static_cast<QList<RadioLink::Model> *>(data);
    out->append({int(caps->rig_model), QString::fromUtf8(caps->mfg_name).trimmed(),
                 QString::fromUtf8(caps->model_name).trimmed(), caps->port_type != RIG_PORT_NONE});
    return 1; // go on
}

} // namespace

RadioLink::~RadioLink() { close(); }

QString RadioLink::errorText(int code)
{
    // Hamlib answers -RIG_Exxx; the sign of its soft errors has changed between
    // versions, so only the magnitude is read.
    const int e = std::abs(code);
    QString french;
    switch (e) {
    case RIG_EINVAL: french = QStringLiteral("paramètre refusé"); break;
    case RIG_ECONF: french = QStringLiteral("réglage de la liaison incorrect (port, hôte ou vitesse)"); break;
    case RIG_ENOMEM: french = QStringLiteral("mémoire insuffisante"); break;
    case RIG_ENIMPL:
    case RIG_ENAVAIL: french = QStringLiteral("ce modèle ne sait pas donner cette valeur"); break;
    case RIG_ETIMEOUT: french = QStringLiteral("le poste ne répond pas (délai dépassé)"); break;
    case RIG_EIO:
        french = QStringLiteral("erreur d'entrée-sortie : port absent, câble débranché ou rigctld arrêté");
        break;
    case RIG_EINTERNAL: french = QStringLiteral("erreur interne de Hamlib"); break;
    case RIG_EPROTO: french = QStringLiteral("réponse incomprise (modèle ou vitesse incorrects ?)"); break;
    case RIG_ERJCTED: french = QStringLiteral("commande refusée par le poste"); break;
    case RIG_EPOWER: french = QStringLiteral("le poste est éteint"); break;
    case RIG_BUSERROR:
    case RIG_BUSBUSY: french = QStringLiteral("erreur sur la liaison"); break;
    default: french = QStringLiteral("erreur %1").arg(e); break;
    }
    // rigerror() of Hamlib 4.5 puts its whole debug trace in front of the message.
    const QString hamlib = QString::fromUtf8(rigerror2(-e)).trimmed();
    return hamlib.isEmpty() ? french : french + QStringLiteral(" (Hamlib : ") + hamlib + QLatin1Char(')');
}

QString RadioLink::open(const RadioConfig &config)
{
    close();
    QMutexLocker locker(&hamlibLock());
    prepareHamlib();
    RIG *rig = rig_init(rig_model_t(config.hamlibModel()));
    if (!rig)
        return QStringLiteral("modèle de poste %1 inconnu de Hamlib").arg(config.hamlibModel());
    const QString path = config.pathname();
    if (!path.isEmpty()) {
        const QByteArray bytes = path.toLocal8Bit();
        rig_set_conf(rig, rig_token_lookup(rig, "rig_pathname"), bytes.constData());
    }
    if (config.link == RadioConfig::Link::Serial) {
        const QByteArray speed = QByteArray::number(config.speed);
        rig_set_conf(rig, rig_token_lookup(rig, "serial_speed"), speed.constData());
    }
    const int opened = rig_open(rig);
    if (opened != RIG_OK) {
        const QString why = errorText(opened);
        rig_cleanup(rig);
        return why;
    }
    m_rig = rig;
    return {};
}

RadioReading RadioLink::read()
{
    if (!m_rig)
        return RadioReading::failure(QStringLiteral("liaison fermée"));
    int code = RIG_OK;
    RadioReading r;
    {
        QMutexLocker locker(&hamlibLock());
        freq_t freq = 0;
        rmode_t mode = RIG_MODE_NONE;
        pbwidth_t width = 0;
        code = rig_get_freq(rigOf(m_rig), RIG_VFO_CURR, &freq);
        if (code == RIG_OK)
            code = rig_get_mode(rigOf(m_rig), RIG_VFO_CURR, &mode, &width);
        if (code == RIG_OK) {
            r.ok = true;
            r.hertz = freq;
            r.mode = QString::fromLatin1(rig_strrmode(mode));
        } else {
            r = RadioReading::failure(errorText(code));
        }
    }
    // Hamlib does not find a lost radio again on its own: the next try opens anew.
    if (!r.ok)
        close();
    return r;
}

void RadioLink::close()
{
    if (!m_rig)
        return;
    QMutexLocker locker(&hamlibLock());
    rig_close(rigOf(m_rig));
    rig_cleanup(rigOf(m_rig));
    m_rig = nullptr;
}

QString RadioLink::tune(double hertz, const QString &mode)
{
    if (!m_rig)
        return QStringLiteral("liaison fermée");
    QMutexLocker locker(&hamlibLock());
    const QByteArray name = mode.toLatin1();
    int code = rig_set_freq(rigOf(m_rig), RIG_VFO_CURR, freq_t(hertz));
    if (code == RIG_OK && !name.isEmpty())
        code = rig_set_mode(rigOf(m_rig), RIG_VFO_CURR, rig_parse_mode(name.constData()),
                            RIG_PASSBAND_NOCHANGE);
    return code == RIG_OK ? QString() : errorText(code);
}

QList<RadioLink::Model> RadioLink::models()
{
    // The list reads Hamlib's tables of models, which nothing changes once the
    // backends are loaded: no need to wait for a radio that is slow to open.
    prepareHamlib();
    QList<Model> out;
    rig_list_foreach(collectModel, &out);
    std::sort(out.begin(), out.end(), [](const Model &a, const Model &b) {
        const int maker = QString::compare(a.maker, b.maker, Qt::CaseInsensitive);
        if (maker != 0)
            return maker < 0;
        const int name = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return name != 0 ? name < 0 : a.number < b.number;
    });
    return out;
}

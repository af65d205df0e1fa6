#include "radio/RigctldReader.h"

#include <cstdlib>

namespace {

bool printable(QByteArrayView text)
{
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u > 0x7e)
            return false;
    }
    return true;
}

} // namespace

QList<RigctldReader::Reply> RigctldReader::feed(QByteArrayView bytes)
{
    QList<Reply> out;
    qsizetype from = 0;
    while (!m_broken && from < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', from);
        const QByteArrayView piece = bytes.sliced(from, (end < 0 ? bytes.size() : end) - from);
        if (m_line.size() + piece.size() > MaxLine) {
            fail(&out);
            break;
        }
        m_line.append(piece.data(), piece.size());
        if (end < 0)
            break;
        from = end + 1;
        QByteArrayView text(m_line);
        if (text.endsWith('\r'))
            text.chop(1);
        line(text, &out);
        m_line.clear();
    }
    return out;
}

void RigctldReader::line(QByteArrayView text, QList<Reply> *out)
{
    if (!printable(text) || ++m_lines > MaxLines) {
        fail(out);
        return;
    }
    if (text.startsWith("RPRT ")) {
        bool ok = false;
        const int code = QByteArray(text.sliced(5).data(), text.size() - 5).trimmed().toInt(&ok);
        if (!ok) {
            fail(out);
            return;
        }
        m_reply.code = code;
        out->append(m_reply);
        m_reply = Reply();
        m_lines = 0;
        return;
    }
    const qsizetype colon = text.indexOf(':');
    if (colon <= 0) {
        fail(out);
        return;
    }
    // The first line repeats the command; the others carry its values.
    if (m_lines > 1)
        m_reply.values << QString::fromLatin1(text.sliced(colon + 1)).trimmed();
}

void RigctldReader::fail(QList<Reply> *out)
{
    Reply r;
    r.garbage = true;
    out->append(r);
    m_broken = true;
    m_line.clear();
}

void RigctldReader::reset()
{
    m_line.clear();
    m_reply = Reply();
    m_lines = 0;
    m_broken = false;
}

bool RigctldReader::unavailable(int code)
{
    const int e = std::abs(code);
    return e == 4 || e == 11; // not implemented, not available
}

QString RigctldReader::errorText(int code)
{
    // Hamlib's codes are negative in rigctld's answers; the magnitude is what counts.
    switch (std::abs(code)) {
    case 1: return tr("paramètre refusé");
    case 2: return tr("réglage de la liaison incorrect (port, hôte ou vitesse)");
    case 3: return tr("mémoire insuffisante");
    case 4:
    case 11: return tr("ce modèle ne sait pas donner cette valeur");
    case 5: return tr("le poste ne répond pas (délai dépassé)");
    case 6: return tr("erreur d'entrée-sortie : port absent ou câble débranché");
    case 7: return tr("erreur interne de Hamlib");
    case 8: return tr("réponse incomprise (modèle ou vitesse incorrects ?)");
    case 9: return tr("commande refusée par le poste");
    case 13:
    case 14: return tr("erreur sur la liaison");
    case 20: return tr("le poste est éteint");
    default: return tr("erreur %1 de Hamlib").arg(std::abs(code));
    }
}

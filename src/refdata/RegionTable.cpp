#include "refdata/RegionTable.h"

namespace {

struct Region {
    const char16_t *code;
    const char16_t *listName;
    const char16_t *mapName;
    const char16_t *activityLabel;
};

// Texts as the award's lists and maps print them, spelling included.
constexpr Region Regions[RegionTable::SlotCount] = {
    {u"AZ", u"Abruzzes", u"Abruzzes", u"AZ : Abruzzes"},
    {u"BC", u"Basilicate", u"Basilicate", u"BC : Basilicate"},
    {u"KL", u"Calabre", u"Calabre", u"KL : Calabre"},
    {u"CP", u"Campanie", u"Campanie", u"CP : Campanie"},
    {u"EM", u"Emilie Romagne", u"Emilie Romagne", u"EM : Emilie Romagne"},
    {u"FL", u"Frioul Venetie", u"Frioul-Venetie Julienne", u"FL : Frioul Venetie Julienne"},
    {u"LZ", u"Latium", u"Latium", u"LZ : Latium"},
    {u"LG", u"Ligurie", u"Liguria", u"LG : Liguria"},
    {u"LB", u"Lombardie", u"Lombardie", u"LB : Lombardie"},
    {u"MH", u"Marches", u"Marches", u"MH : Marches"},
    {u"ML", u"Molise", u"Molise", u"ML : Molise"},
    {u"UM", u"Ombrie", u"Ombrie", u"UM : Ombrie"},
    {u"PM", u"Piemont", u"Piemont", u"PM : Piemont"},
    {u"PL", u"Pouilles", u"Pouilles", u"PL : Pouilles"},
    {u"SD", u"Sardaigne", u"Sardaigne", u"SD : Sardaigne"},
    {u"SC", u"Sicile", u"Sicile", u"SC : Sicile"},
    {u"TC", u"Toscane", u"Toscane", u"TC : Toscane"},
    {u"TT", u"Trentin P.A.", u"Trentin P.A.", u"TT : Trentin P.A."},
    {u"VE", u"Venetie", u"Vénétie", u"VE : Vénétie"},
    {u"AE", u"Vallee d aoste", u"Val d'Aoste", u"AE : Val d'Aoste"},
    {u"BB", u"Bolzano P.A.", u"Bolzamo P.A.", u"BB : Bolzano P.A."},
};

// Older references still carry Veneto's other code.
constexpr char16_t VenetoAltCode[] = u"VN";

const Region *region(int slot)
{
    if (slot < 1 || slot > RegionTable::SlotCount)
        return nullptr;
    return &Regions[slot - 1];
}

QString text(int slot, const char16_t *Region::*member)
{
    const Region *r = region(slot);
    return r ? QString::fromUtf16(r->*member) : QString();
}

} // namespace

QString RegionTable::code(int slot) { return text(slot, &Region::code); }
QString RegionTable::listName(int slot) { return text(slot, &Region::listName); }
QString RegionTable::mapName(int slot) { return text(slot, &Region::mapName); }
QString RegionTable::activityLabel(int slot) { return text(slot, &Region::activityLabel); }

QString RegionTable::listLine(int slot)
{
    if (!region(slot))
        return QString();
    return QStringLiteral("    ") + code(slot) + QStringLiteral(" Region ") + listName(slot);
}

int RegionTable::slotOfCode(const QString &code)
{
    if (code == QStringView(VenetoAltCode))
        return VenetoSlot;
    for (int i = 0; i < SlotCount; ++i) {
        if (code == QStringView(Regions[i].code))
            return i + 1;
    }
    return 0;
}

int RegionTable::slotOfTallyCode(const QString &code)
{
    QString cleaned;
    cleaned.reserve(code.size());
    for (const QChar ch : code) {
        if (!ch.isSpace())
            cleaned.append(ch);
    }
    return slotOfCode(cleaned.toUpper());
}

bool RegionTable::sameRegion(const QString &codeA, const QString &codeB)
{
    if (codeA == codeB)
        return true;
    const int slot = slotOfCode(codeA);
    return slot != 0 && slot == slotOfCode(codeB);
}

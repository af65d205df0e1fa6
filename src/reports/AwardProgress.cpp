#include "reports/AwardProgress.h"

#include "reports/AwardScore.h"

namespace {
constexpr int ExcellenceLevels = 12;
}

AwardProgress AwardProgress::of(int confirmed)
{
    AwardProgress p;
    p.confirmed = confirmed;
    if (confirmed < AwardScore::BaseLevel) {
        p.to = AwardScore::BaseLevel;
        p.missing = p.to - confirmed;
        p.text = tr("Encore %n QSL pour le diplôme de base", nullptr, p.missing);
        return p;
    }
    const int level = confirmed / AwardScore::ExcellenceLevel; // Excellence levels reached
    if (level >= ExcellenceLevels) {
        p.from = ExcellenceLevels * AwardScore::ExcellenceLevel;
        p.text = tr("Tous les niveaux du diplôme sont atteints");
        return p;
    }
    p.from = level == 0 ? AwardScore::BaseLevel : level * AwardScore::ExcellenceLevel;
    p.to = (level + 1) * AwardScore::ExcellenceLevel;
    p.missing = p.to - confirmed;
    p.text = tr("Encore %n QSL pour le niveau Excellence %1", nullptr, p.missing).arg(level + 1);
    return p;
}

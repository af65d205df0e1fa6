#include "reports/ui/ScoreWindow.h"

#include "app/ui/Centre.h"
#include "app/ui/WindowKeys.h"
#include "logstore/LogSession.h"
#include "reports/AwardScore.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *label(const char *name, const QString &text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = new QLabel(text);
    l->setObjectName(QLatin1String(name));
    l->setAlignment(align);
    return l;
}

void setBold(QLabel *l, qreal scale = 1.0)
{
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * scale);
    l->setFont(f);
}

void paint(QLabel *l, const QColor &colour)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
}

} // namespace

ScoreWindow::ScoreWindow(const AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("Scores_ZEL"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Scores"));

    auto *titleFrame = new QGroupBox;
    titleFrame->setObjectName(QStringLiteral("Frame1"));
    auto *titleLayout = new QVBoxLayout(titleFrame);
    for (const auto &[name, text] : {std::pair{"Label1", "Scores pour le diplome"},
                                     std::pair{"Label2", "des Abbayes Italiennes"}}) {
        QLabel *l = label(name, QString::fromUtf8(text), Qt::AlignCenter);
        setBold(l, 1.4);
        titleLayout->addWidget(l);
    }

    auto *countFrame = new QGroupBox;
    countFrame->setObjectName(QStringLiteral("Frame2"));
    auto *countLayout = new QGridLayout(countFrame);
    m_contacted = label("NB_Contacte", QStringLiteral("0"), Qt::AlignRight | Qt::AlignVCenter);
    m_confirmed = label("NB_Confirme", QStringLiteral("0"), Qt::AlignRight | Qt::AlignVCenter);
    QLabel *contactedCaption = label("Label3", QStringLiteral("Abbayes contactée(s)"));
    QLabel *confirmedCaption = label("Label4", QStringLiteral("Abbayes confirmée(s)"));
    // The counts are read out under their captions; they keep their values as their text.
    contactedCaption->setBuddy(m_contacted);
    confirmedCaption->setBuddy(m_confirmed);
    for (QLabel *l : {m_contacted, m_confirmed, contactedCaption, confirmedCaption})
        setBold(l, 1.2);
    m_contacted->setMinimumWidth(m_contacted->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    countLayout->addWidget(m_contacted, 0, 0);
    countLayout->addWidget(contactedCaption, 0, 1);
    countLayout->addWidget(m_confirmed, 1, 0);
    countLayout->addWidget(confirmedCaption, 1, 1);
    countLayout->setColumnStretch(1, 1);

    auto *resultFrame = new QGroupBox;
    resultFrame->setObjectName(QStringLiteral("Frame3"));
    auto *resultLayout = new QVBoxLayout(resultFrame);
    m_baseVerdict = label("Label_Base", QString(), Qt::AlignCenter);
    m_baseName = label("Label_Diplome_Base", QStringLiteral("le diplome ZEL de base"), Qt::AlignCenter);
    m_excellenceVerdict = label("Label_Excellence", QString(), Qt::AlignCenter);
    m_excellenceName = label("Label_Diplome_Excellence", QStringLiteral("le diplome ZEL Excellence"),
                             Qt::AlignCenter);
    for (QLabel *l : {m_baseVerdict, m_baseName, m_excellenceVerdict, m_excellenceName}) {
        setBold(l, 1.2);
        resultLayout->addWidget(l);
    }
    resultLayout->insertSpacing(2, 10);

    auto *rulesFrame = new QGroupBox;
    rulesFrame->setObjectName(QStringLiteral("Frame4"));
    auto *rulesLayout = new QVBoxLayout(rulesFrame);
    rulesLayout->setSpacing(1);
    const QStringList rules = AwardScore::rules();
    for (int i = 0; i < rules.size(); ++i) {
        QLabel *l = label(QStringLiteral("Label_Regle%1").arg(i + 1).toLatin1().constData(), rules.at(i),
                          Qt::AlignCenter);
        rulesLayout->addWidget(l);
        if (i == 3)
            rulesLayout->addSpacing(8);
    }

    auto *left = new QVBoxLayout;
    left->addWidget(titleFrame);
    left->addWidget(countFrame);
    left->addWidget(resultFrame);
    left->addStretch(1);
    auto *outer = new QHBoxLayout(this);
    outer->addLayout(left, 1);
    outer->addWidget(rulesFrame);

    // The score follows the log as QSOs are committed, deleted or confirmed.
    connect(&m_context.session, &LogSession::logChanged, this, &ScoreWindow::refresh);
    WindowKeys::install(this);
    refresh();
}

void ScoreWindow::open()
{
    if (!isVisible()) {
        adjustSize();
        centreOnScreen(this);
    }
    show();
    raise();
    activateWindow();
}

void ScoreWindow::refresh()
{
    const AwardScore score = AwardScore::fromSession(m_context.session);
    m_contacted->setText(QString::number(score.contacted()));
    m_confirmed->setText(QString::number(score.confirmed()));
    const bool base = score.baseReached();
    const bool excellence = score.excellenceReached();
    m_baseVerdict->setText(AwardScore::verdict(base));
    m_excellenceVerdict->setText(AwardScore::verdict(excellence));
    paint(m_baseVerdict, AwardScore::colour(base));
    paint(m_baseName, AwardScore::colour(base));
    paint(m_excellenceVerdict, AwardScore::colour(excellence));
    paint(m_excellenceName, AwardScore::colour(excellence));
}

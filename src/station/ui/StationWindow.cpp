#include "station/ui/StationWindow.h"

#include "kit/Messages.h"
#include "kit/ui/Centre.h"
#include "kit/ui/FieldKeys.h"
#include "kit/ui/WindowKeys.h"
#include "station/StationService.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
void setBackground(QLineEdit *edit, const QColor &colour)
{
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, colour);
    edit->setPalette(p);
}
} // namespace

StationWindow::StationWindow(Settings &settings, Messages &messages, QString programDir, QWidget *parent)
    : QWidget(parent, Qt::Window), m_settings(settings), m_messages(messages), m_dir(std::move(programDir))
{
    setObjectName(QStringLiteral("Station"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Selection Indicaif"));

    auto *label2 = new QLabel(tr("Indicatif de la Station"));
    label2->setObjectName(QStringLiteral("Label2"));
    QFont f = label2->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    label2->setFont(f);
    auto *label3 = new QLabel(tr("Indicatif"));
    label3->setObjectName(QStringLiteral("Label3"));
    auto *label5 = new QLabel(tr("!!! Pour la saisie la '/' est remplacée par le '_'"));
    label5->setObjectName(QStringLiteral("Label5"));
    New_Indicatif = new QLineEdit;
    New_Indicatif->setObjectName(QStringLiteral("New_Indicatif"));
    New_Indicatif->setAccessibleName(tr("Indicatif"));
    label3->setBuddy(New_Indicatif);
    setBackground(New_Indicatif, QColor(0xC0, 0xFF, 0xC0));
    Validation = new QPushButton(tr("&Validez"));
    Validation->setObjectName(QStringLiteral("Validation"));
    Validation->setAutoDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label2, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(label3, 1, 0);
    grid->addWidget(New_Indicatif, 1, 1);
    grid->addWidget(label5, 2, 0, 1, 2);
    grid->addWidget(Validation, 3, 0, 1, 2, Qt::AlignHCenter);
    setMinimumWidth(380);

    auto *keys = new FieldKeys(this);
    keys->setSlashAsUnderscore(true);
    keys->watch(New_Indicatif);
    connect(keys, &FieldKeys::enterPressed, this, [this] {
        // A character no file of the program can hold is named at once.
        const QString refused = StationService::checkTyped(New_Indicatif->text());
        if (!refused.isEmpty()) {
            m_messages.notice(refused);
            return;
        }
        // Enter only moves on to "Validez"; it does not validate by itself.
        setBackground(New_Indicatif, Qt::white);
        Validation->setFocus();
    });
    connect(Validation, &QPushButton::clicked, this, &StationWindow::onValidation);
    WindowKeys::install(this);
}

void StationWindow::open()
{
    if (!isVisible()) {
        New_Indicatif->clear();
        setBackground(New_Indicatif, QColor(0xC0, 0xFF, 0xC0));
        adjustSize();
        centreOnScreen(this);
    }
    show();
    raise();
    activateWindow();
    New_Indicatif->setFocus();
}

void StationWindow::onValidation()
{
    StationService service(m_settings, m_dir);
    const StationService::Result r = service.validate(New_Indicatif->text());
    if (!r.ok) {
        m_messages.notice(r.message);
        if (r.clearField)
            New_Indicatif->clear();
        return;
    }
    emit stationChosen();
    close();
}

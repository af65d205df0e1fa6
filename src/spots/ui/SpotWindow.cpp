#include "spots/ui/SpotWindow.h"

#include "kit/HostName.h"
#include "kit/Messages.h"
#include "kit/ui/Centre.h"
#include "kit/ui/KeyboardUse.h"
#include "kit/ui/QsoTableView.h"
#include "kit/ui/WindowKeys.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "radio/RadioPoller.h"
#include "regions/RegionNames.h"
#include "spots/ClusterSettings.h"
#include "spots/SpotDesk.h"
#include "spots/SpotFeed.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QLabel *caption(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

SpotWindow::SpotWindow(SpotFeed &feed, SpotDesk &desk, LogSession &session, Settings &settings,
                       Messages &messages, RadioPoller *radio, QWidget *parent)
    : QWidget(parent, Qt::Window), m_feed(feed), m_desk(desk), m_session(session), m_settings(settings),
      m_messages(messages), m_radio(radio)
{
    setObjectName(QStringLiteral("Abbayes_Sur_Air"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Abbayes sur l'air"));

    const ClusterSettings chosen = ClusterSettings::load(settings);
    m_host = new QLineEdit(chosen.host);
    m_host->setObjectName(QStringLiteral("Noeud_Cluster"));
    m_host->setAccessibleName(tr("Nœud du cluster (nom ou adresse)"));
    m_host->setPlaceholderText(tr("nom ou adresse du nœud"));
    m_port = new QSpinBox;
    m_port->setObjectName(QStringLiteral("Port_Cluster"));
    m_port->setAccessibleName(tr("Port du nœud"));
    m_port->setRange(1, 65535);
    m_port->setValue(chosen.port);
    m_login = new QLineEdit(chosen.login);
    m_login->setObjectName(QStringLiteral("Indicatif_Cluster"));
    m_login->setAccessibleName(tr("Indicatif de connexion au cluster"));
    m_login->setPlaceholderText(chosen.loginFor(session.callsign()));
    m_connect = new QPushButton(tr("Se &connecter"));
    m_connect->setObjectName(QStringLiteral("Se_Connecter"));
    m_connect->setAccessibleDescription(
        tr("Se connecter au nœud ; pendant l'attente d'un nouvel essai, essayer maintenant"));
    // Alt+D stays the main window's award menu: the operator's hand knows it.
    m_disconnect = new QPushButton(tr("Se déc&onnecter"));
    m_disconnect->setObjectName(QStringLiteral("Se_Deconnecter"));
    m_state = new QLabel;
    m_state->setObjectName(QStringLiteral("Etat_Cluster"));
    m_state->setWordWrap(true);

    auto *settingsBox = new QGroupBox(tr("Réglages du cluster"));
    settingsBox->setObjectName(QStringLiteral("Reglages_Cluster"));
    auto *form = new QHBoxLayout;
    form->addWidget(caption(tr("&Nœud :"), m_host));
    form->addWidget(m_host, 3);
    form->addWidget(caption(tr("&Port :"), m_port));
    form->addWidget(m_port);
    form->addWidget(caption(tr("&Indicatif :"), m_login));
    form->addWidget(m_login, 1);
    form->addWidget(m_connect);
    form->addWidget(m_disconnect);
    auto *stateRow = new QHBoxLayout;
    auto *stateCaption = new QLabel(tr("État :"));
    stateCaption->setBuddy(m_state);
    stateRow->addWidget(stateCaption);
    stateRow->addWidget(m_state, 1);
    auto *boxLayout = new QVBoxLayout(settingsBox);
    boxLayout->addLayout(form);
    boxLayout->addLayout(stateRow);

    m_neededOnly = new QCheckBox(tr("Seulement les abbayes à con&tacter"));
    m_neededOnly->setObjectName(QStringLiteral("Seulement_A_Contacter"));
    m_neededOnly->setChecked(chosen.neededOnly);
    m_sound = new QCheckBox(tr("&Son à l'annonce d'une abbaye à contacter"));
    m_sound->setObjectName(QStringLiteral("Son_Annonce"));
    m_sound->setChecked(chosen.sound);
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("Nb_Spots"));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_heldModel = &feed.model();
    m_filter = new QSortFilterProxyModel(this);
    m_filter->setSourceModel(&feed.model());
    m_filter->setFilterRole(SpotModel::NeededRole);
    m_filter->setFilterKeyColumn(0);
    m_list = new QsoTableView;
    m_list->setObjectName(QStringLiteral("Liste_Spots"));
    m_list->setAccessibleName(tr("Abbayes sur l'air"));
    m_list->setAccessibleDescription(tr(
        "Les abbayes à contacter d'abord ; Entrée ou un double clic règle le poste et prépare le QSO"));
    m_list->setModel(m_filter);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    // Widths from the texts each column must show whole: the abbey's first 28
    // characters, the longest region, 30 characters of the comment, the longest
    // status. The spotter comes last and takes what is left; the tooltip says all.
    const QFontMetrics fm = m_list->fontMetrics();
    QString longestRegion;
    for (const QString &name : RegionNames::known())
        if (fm.horizontalAdvance(RegionNames::shown(name)) > fm.horizontalAdvance(longestRegion))
            longestRegion = RegionNames::shown(name);
    const QString samples[SpotModel::ColumnCount] = {
        QStringLiteral("00:00"),          QStringLiteral("14025,0"),
        QStringLiteral("7.0 Mhz"),        QStringLiteral("IK0ABC/P"),
        QStringLiteral("AZ0000"),         QStringLiteral("ABBAZIA DI SANTA MARIA IN VA"),
        longestRegion,                    QStringLiteral("F5XYZ-#"),
        QStringLiteral("ZEL AZ0001 CW up 2 tnx Mario 5"), SpotStanding::text(SpotStanding::Status::NewRegion)};
    // Cut without an ellipsis: the characters shown are the text's own.
    m_list->setTextElideMode(Qt::ElideNone);
    for (int c = 0; c < SpotModel::ColumnCount; ++c) {
        const int header = fm.horizontalAdvance(m_feed.model().headerData(c, Qt::Horizontal).toString());
        m_list->setColumnWidth(c, qMax(fm.horizontalAdvance(samples[c]), header) + 10);
    }
    m_list->horizontalHeader()->moveSection(SpotModel::ColSpotter, SpotModel::ColumnCount - 1);
    // The frequency says the band, and a spot outside the log's bands is greyed:
    // its column gives its room to the abbey, the comment and the status (the
    // tooltip still says the band).
    m_list->setColumnHidden(SpotModel::ColBand, true);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->viewport()->installEventFilter(this);

    m_announce = new QPushButton(tr("&Annoncer…"));
    m_announce->setObjectName(QStringLiteral("Annoncer"));
    m_announce->setAccessibleDescription(tr("Envoie une annonce au cluster (commande DX)"));
    auto *close = new QPushButton(tr("&Fermer"));
    close->setObjectName(QStringLiteral("Fermer"));
    m_waiting = new QLabel;
    m_waiting->setObjectName(QStringLiteral("Spots_En_Attente"));
    m_showWaiting = new QPushButton(tr("&Voir les nouveaux spots"));
    m_showWaiting->setObjectName(QStringLiteral("Voir_Nouveaux_Spots"));
    m_showWaiting->setAccessibleDescription(
        tr("Fait entrer dans la liste les spots arrivés pendant que vous la regardiez"));
    m_waiting->setBuddy(m_showWaiting);

    auto *options = new QHBoxLayout;
    options->addWidget(m_neededOnly);
    options->addSpacing(24);
    options->addWidget(m_sound);
    options->addStretch(1);
    options->addWidget(m_count);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_announce);
    buttons->addSpacing(24);
    buttons->addWidget(m_waiting);
    buttons->addWidget(m_showWaiting);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(settingsBox);
    outer->addLayout(options);
    outer->addWidget(m_list, 1);
    outer->addLayout(buttons);

    connect(m_connect, &QPushButton::clicked, this, &SpotWindow::connectNode);
    connect(m_disconnect, &QPushButton::clicked, this, &SpotWindow::disconnectNode);
    connect(m_announce, &QPushButton::clicked, this, &SpotWindow::announce);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(&feed.connection(), &ClusterConnection::stateChanged, this, &SpotWindow::showState);
    auto filter = [this] {
        m_filter->setFilterFixedString(m_neededOnly->isChecked() ? QStringLiteral("true") : QString());
        storeChoices();
        showState();
    };
    connect(m_neededOnly, &QCheckBox::toggled, this, filter);
    connect(m_sound, &QCheckBox::toggled, this, &SpotWindow::storeChoices);
    // The count follows the list; the selection follows its spot by itself.
    connect(&feed.model(), &QAbstractItemModel::rowsInserted, this, &SpotWindow::showState);
    connect(&feed.model(), &QAbstractItemModel::rowsRemoved, this, &SpotWindow::showState);
    connect(&feed.model(), &QAbstractItemModel::layoutChanged, this, &SpotWindow::showState);
    connect(m_filter, &QAbstractItemModel::rowsInserted, this, &SpotWindow::showState);
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this, &SpotWindow::showState);
    connect(&feed.model(), &SpotModel::waitingChanged, this, &SpotWindow::showWaiting);
    connect(m_showWaiting, &QPushButton::clicked, this, [this] { m_feed.model().release(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SpotWindow::updateHold);
    KeyboardUse::onRowChosen(m_list, [this](const QModelIndex &index) { workRow(index.row()); });
    WindowKeys::install(this);
    m_filter->setFilterFixedString(chosen.neededOnly ? QStringLiteral("true") : QString());

    // The widest a 1024-point screen allows, its frame included.
    resize(1010, 580);
    showState();
    showWaiting(m_feed.model().waitingCount());
}

SpotWindow::~SpotWindow()
{
    // The list goes on without the window: nothing holds it any longer.
    if (m_heldModel)
        m_heldModel->setHeld(false);
}

bool SpotWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list->viewport()) {
        if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
            m_pointerOver = event->type() == QEvent::Enter;
            updateHold();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpotWindow::updateHold()
{
    if (m_heldModel)
        m_heldModel->setHeld(m_pointerOver || m_list->selectionModel()->hasSelection());
}

void SpotWindow::showWaiting(int count)
{
    // Two texts so that the one spot reads the same with or without the plural rules.
    m_waiting->setText(count == 1 ? tr("%n nouveau spot en attente", nullptr, count)
                                  : tr("%n nouveaux spots en attente", nullptr, count));
    m_waiting->setVisible(count > 0);
    m_showWaiting->setVisible(count > 0);
}

void SpotWindow::open()
{
    if (!isVisible())
        centreOnScreen(this);
    show();
    raise();
    activateWindow();
    m_list->setFocus();
}

void SpotWindow::storeChoices()
{
    ClusterSettings c = ClusterSettings::load(m_settings);
    c.neededOnly = m_neededOnly->isChecked();
    c.sound = m_sound->isChecked();
    c.save(m_settings);
}

void SpotWindow::connectNode()
{
    ClusterSettings c = ClusterSettings::load(m_settings);
    c.host = m_host->text().trimmed();
    c.port = m_port->value();
    c.login = m_login->text().trimmed().toUpper();
    if (c.host.isEmpty()) {
        m_messages.notice(tr("Indiquez le nœud du cluster (nom ou adresse) avant de vous connecter."));
        m_host->setFocus();
        return;
    }
    const QString refused = HostName::refusal(c.host);
    if (!refused.isEmpty()) {
        m_messages.notice(refused);
        m_host->setFocus();
        return;
    }
    const QString login = c.loginFor(m_session.callsign());
    if (login.isEmpty() || login == Settings::DefaultCallsign) {
        m_messages.notice(tr("Indiquez l'indicatif avec lequel se connecter au cluster."));
        m_login->setFocus();
        return;
    }
    c.on = true;
    c.save(m_settings);
    m_feed.connection().connectTo(c.host, c.port, login);
}

void SpotWindow::disconnectNode()
{
    ClusterSettings c = ClusterSettings::load(m_settings);
    c.on = false;
    c.save(m_settings);
    m_feed.connection().disconnectFrom();
}

void SpotWindow::showState()
{
    const ClusterConnection &link = m_feed.connection();
    m_state->setText(link.statusText());
    const bool off = link.state() == ClusterConnection::State::Off;
    // While a retry waits, connecting means trying now.
    m_connect->setEnabled(off || link.state() == ClusterConnection::State::Waiting);
    m_disconnect->setEnabled(!off);
    m_announce->setEnabled(link.isConnected());
    m_count->setText(tr("%n spot(s) affiché(s) sur %1", nullptr, m_filter->rowCount())
                         .arg(m_feed.model().rowCount()));
}

void SpotWindow::workRow(int proxyRow)
{
    const QModelIndex source = m_filter->mapToSource(m_filter->index(proxyRow, 0));
    if (!source.isValid())
        return;
    // A copy: new spots may come in while the spot is worked.
    const Spot spot = m_feed.model().spot(source.row());
    // The aim is taken: the list may move again once the pointer leaves it.
    m_list->selectionModel()->clearSelection();
    m_desk.work(spot);
}

void SpotWindow::announce()
{
    ClusterConnection &link = m_feed.connection();
    if (!link.isConnected()) {
        m_messages.notice(tr("Le cluster n'est pas connecté : l'annonce ne peut pas être envoyée."));
        return;
    }
    // Prefilled from the last QSO of the log, on the radio's frequency or its spot's.
    QString call;
    QString reference;
    if (m_session.lineCount() > 0) {
        const QsoRecord last = QsoRecord::fromLogLine(m_session.text(m_session.lineCount() - 1));
        call = last.field(QsoRecord::Indicatif).trimmed();
        reference = last.field(QsoRecord::Reference).trimmed();
    }
    QString kHz;
    if (m_radio && m_radio->enabled() && m_radio->latest().ok)
        kHz = QString::number(m_radio->latest().hertz / 1000.0, 'f', 1);
    const QModelIndex current = m_filter->mapToSource(m_list->currentIndex());
    if (current.isValid()) {
        const Spot &s = m_feed.model().spot(current.row());
        if (call.isEmpty() || s.call == call) {
            call = s.call;
            reference = s.reference;
            if (kHz.isEmpty())
                kHz = QString::number(s.kHz, 'f', 1);
        }
    }

    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("Annonce_DX"));
    dialog.setWindowTitle(tr("Annoncer au cluster"));
    auto *freq = new QLineEdit(kHz);
    freq->setObjectName(QStringLiteral("Annonce_Frequence"));
    auto *dx = new QLineEdit(call);
    dx->setObjectName(QStringLiteral("Annonce_Indicatif"));
    auto *comment = new QLineEdit(reference.isEmpty() ? QStringLiteral("ZEL ") : QStringLiteral("ZEL ") + reference);
    comment->setObjectName(QStringLiteral("Annonce_Commentaire"));
    comment->setMaxLength(30);
    auto *form = new QFormLayout;
    form->addRow(tr("&Fréquence (kHz) :"), freq);
    form->addRow(tr("&Indicatif :"), dx);
    form->addRow(tr("&Commentaire :"), comment);
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    box->button(QDialogButtonBox::Ok)->setText(tr("&Envoyer"));
    box->button(QDialogButtonBox::Cancel)->setText(tr("A&nnuler"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    WindowKeys::install(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;

    const QString command = SpotFeed::dxCommand(freq->text(), dx->text(), comment->text());
    if (command.isEmpty()) {
        m_messages.notice(tr("L'annonce demande une fréquence en kHz et un indicatif."));
        return;
    }
    if (!m_messages.question(tr("Envoyer cette annonce au cluster ?\r\n%1").arg(command)))
        return;
    if (!link.send(command))
        m_messages.notice(tr("Le cluster n'est plus connecté : l'annonce n'a pas été envoyée."));
}

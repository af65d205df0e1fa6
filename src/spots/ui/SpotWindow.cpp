#include "spots/ui/SpotWindow.h"

#include "kit/Messages.h"
#include "kit/ui/Centre.h"
#include "kit/ui/KeyboardUse.h"
#include "kit/ui/WindowKeys.h"
#include "logstore/LogSession.h"
#include "logstore/QsoRecord.h"
#include "logstore/Settings.h"
#include "radio/RadioPoller.h"
#include "spots/ClusterSettings.h"
#include "spots/SpotDesk.h"
#include "spots/SpotFeed.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
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
    setWindowTitle(QStringLiteral("Abbayes sur l'air"));

    const ClusterSettings chosen = ClusterSettings::load(settings);
    m_host = new QLineEdit(chosen.host);
    m_host->setObjectName(QStringLiteral("Noeud_Cluster"));
    m_host->setAccessibleName(QStringLiteral("Nœud du cluster (nom ou adresse)"));
    m_host->setPlaceholderText(QStringLiteral("nom ou adresse du nœud"));
    m_port = new QSpinBox;
    m_port->setObjectName(QStringLiteral("Port_Cluster"));
    m_port->setAccessibleName(QStringLiteral("Port du nœud"));
    m_port->setRange(1, 65535);
    m_port->setValue(chosen.port);
    m_login = new QLineEdit(chosen.login);
    m_login->setObjectName(QStringLiteral("Indicatif_Cluster"));
    m_login->setAccessibleName(QStringLiteral("Indicatif de connexion au cluster"));
    m_login->setPlaceholderText(chosen.loginFor(session.callsign()));
    m_connect = new QPushButton(QStringLiteral("Se &connecter"));
    m_connect->setObjectName(QStringLiteral("Se_Connecter"));
    m_disconnect = new QPushButton(QStringLiteral("Se &déconnecter"));
    m_disconnect->setObjectName(QStringLiteral("Se_Deconnecter"));
    m_state = new QLabel;
    m_state->setObjectName(QStringLiteral("Etat_Cluster"));
    m_state->setWordWrap(true);

    auto *settingsBox = new QGroupBox(QStringLiteral("Réglages du cluster"));
    settingsBox->setObjectName(QStringLiteral("Reglages_Cluster"));
    auto *form = new QHBoxLayout;
    form->addWidget(caption(QStringLiteral("&Nœud :"), m_host));
    form->addWidget(m_host, 3);
    form->addWidget(caption(QStringLiteral("&Port :"), m_port));
    form->addWidget(m_port);
    form->addWidget(caption(QStringLiteral("&Indicatif :"), m_login));
    form->addWidget(m_login, 1);
    form->addWidget(m_connect);
    form->addWidget(m_disconnect);
    auto *stateRow = new QHBoxLayout;
    auto *stateCaption = new QLabel(QStringLiteral("État :"));
    stateCaption->setBuddy(m_state);
    stateRow->addWidget(stateCaption);
    stateRow->addWidget(m_state, 1);
    auto *boxLayout = new QVBoxLayout(settingsBox);
    boxLayout->addLayout(form);
    boxLayout->addLayout(stateRow);

    m_neededOnly = new QCheckBox(QStringLiteral("Seulement les abbayes à con&tacter"));
    m_neededOnly->setObjectName(QStringLiteral("Seulement_A_Contacter"));
    m_neededOnly->setChecked(chosen.neededOnly);
    m_sound = new QCheckBox(QStringLiteral("&Son à l'annonce d'une abbaye à contacter"));
    m_sound->setObjectName(QStringLiteral("Son_Annonce"));
    m_sound->setChecked(chosen.sound);
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("Nb_Spots"));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_filter = new QSortFilterProxyModel(this);
    m_filter->setSourceModel(&feed.model());
    m_filter->setFilterRole(SpotModel::NeededRole);
    m_filter->setFilterKeyColumn(0);
    m_list = new QTableView;
    m_list->setObjectName(QStringLiteral("Liste_Spots"));
    m_list->setAccessibleName(QStringLiteral("Abbayes sur l'air"));
    m_list->setAccessibleDescription(QStringLiteral(
        "Les abbayes à contacter d'abord ; Entrée ou un double clic règle le poste et prépare le QSO"));
    m_list->setModel(m_filter);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    // Widths in characters of the table's font; the abbey and the comment are cut, the tooltip says all.
    const QFontMetrics fm = m_list->fontMetrics();
    const int widths[SpotModel::ColumnCount] = {5, 7, 7, 9, 7, 16, 9, 9, 14, 26};
    for (int c = 0; c < SpotModel::ColumnCount; ++c)
        m_list->setColumnWidth(c, fm.horizontalAdvance(QString(widths[c], QLatin1Char('0'))) + 12);
    const int em = fm.horizontalAdvance(QLatin1Char('M'));
    m_list->horizontalHeader()->setStretchLastSection(true);

    m_announce = new QPushButton(QStringLiteral("&Annoncer…"));
    m_announce->setObjectName(QStringLiteral("Annoncer"));
    m_announce->setAccessibleDescription(QStringLiteral("Envoie une annonce au cluster (commande DX)"));
    auto *close = new QPushButton(QStringLiteral("&Fermer"));
    close->setObjectName(QStringLiteral("Fermer"));

    auto *options = new QHBoxLayout;
    options->addWidget(m_neededOnly);
    options->addSpacing(24);
    options->addWidget(m_sound);
    options->addStretch(1);
    options->addWidget(m_count);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_announce);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *outer = new QVBoxLayout(this);
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
    // Spots come in while the operator reads the list: the cursor stays on its spot.
    connect(&feed.model(), &QAbstractItemModel::modelAboutToBeReset, this, &SpotWindow::keepCurrent);
    connect(&feed.model(), &QAbstractItemModel::modelReset, this, &SpotWindow::restoreCurrent);
    KeyboardUse::onRowChosen(m_list, [this](const QModelIndex &index) { workRow(index.row()); });
    WindowKeys::install(this);
    m_filter->setFilterFixedString(chosen.neededOnly ? QStringLiteral("true") : QString());

    resize(qMin(110 * em, 1000), 560);
    showState();
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
        m_messages.notice(QStringLiteral("Indiquez le nœud du cluster (nom ou adresse) avant de vous connecter."));
        m_host->setFocus();
        return;
    }
    const QString login = c.loginFor(m_session.callsign());
    if (login.isEmpty() || login == Settings::DefaultCallsign) {
        m_messages.notice(QStringLiteral("Indiquez l'indicatif avec lequel se connecter au cluster."));
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
    m_connect->setEnabled(off);
    m_disconnect->setEnabled(!off);
    m_announce->setEnabled(link.isConnected());
    m_count->setText(QStringLiteral("%1 spot(s) affiché(s) sur %2")
                         .arg(m_filter->rowCount())
                         .arg(m_feed.model().rowCount()));
}

void SpotWindow::keepCurrent()
{
    const QModelIndex current = m_filter->mapToSource(m_list->currentIndex());
    m_currentKey = current.isValid() ? m_feed.model().spot(current.row()).key() : QString();
}

void SpotWindow::restoreCurrent()
{
    showState();
    if (m_currentKey.isEmpty())
        return;
    const int row = m_feed.model().rowOf(m_currentKey);
    if (row < 0)
        return;
    const QModelIndex at = m_filter->mapFromSource(m_feed.model().index(row, 0));
    if (at.isValid())
        m_list->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void SpotWindow::workRow(int proxyRow)
{
    const QModelIndex source = m_filter->mapToSource(m_filter->index(proxyRow, 0));
    if (!source.isValid())
        return;
    m_desk.work(m_feed.model().spot(source.row()));
}

void SpotWindow::announce()
{
    ClusterConnection &link = m_feed.connection();
    if (!link.isConnected()) {
        m_messages.notice(QStringLiteral("Le cluster n'est pas connecté : l'annonce ne peut pas être envoyée."));
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
    dialog.setWindowTitle(QStringLiteral("Annoncer au cluster"));
    auto *freq = new QLineEdit(kHz);
    freq->setObjectName(QStringLiteral("Annonce_Frequence"));
    auto *dx = new QLineEdit(call);
    dx->setObjectName(QStringLiteral("Annonce_Indicatif"));
    auto *comment = new QLineEdit(reference.isEmpty() ? QStringLiteral("ZEL ") : QStringLiteral("ZEL ") + reference);
    comment->setObjectName(QStringLiteral("Annonce_Commentaire"));
    comment->setMaxLength(30);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Fréquence (kHz) :"), freq);
    form->addRow(QStringLiteral("&Indicatif :"), dx);
    form->addRow(QStringLiteral("&Commentaire :"), comment);
    auto *box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Envoyer"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("A&nnuler"));
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
        m_messages.notice(QStringLiteral("L'annonce demande une fréquence en kHz et un indicatif."));
        return;
    }
    if (!m_messages.question(QStringLiteral("Envoyer cette annonce au cluster ?\r\n") + command))
        return;
    if (!link.send(command))
        m_messages.notice(QStringLiteral("Le cluster n'est plus connecté : l'annonce n'a pas été envoyée."));
}

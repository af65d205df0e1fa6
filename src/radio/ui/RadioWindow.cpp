#include "radio/ui/RadioWindow.h"

#include "kit/HostName.h"
#include "kit/Messages.h"
#include "kit/ui/Centre.h"
#include "radio/RadioModels.h"
#include "radio/RadioPoller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

constexpr int ModelRole = Qt::UserRole + 1;
constexpr int NeedsPortRole = Qt::UserRole + 2;

// A caption that names its field for a screen reader and gives it Alt + letter.
QLabel *caption(const QString &text, QWidget *field, const QString &name)
{
    auto *label = new QLabel(text);
    label->setBuddy(field);
    field->setAccessibleName(name);
    return label;
}

} // namespace

RadioWindow::RadioWindow(Settings &settings, Messages &messages, RadioPoller &poller, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_messages(messages), m_poller(poller)
{
    setObjectName(QStringLiteral("Poste_Radio"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Poste radio"));
    setModal(false);

    m_use = new QCheckBox(tr("&Utiliser le poste radio"));
    m_use->setObjectName(QStringLiteral("Utiliser_Poste"));
    m_use->setAccessibleName(tr("Utiliser le poste radio"));

    // The radio model, from Hamlib's own list (rigctl -l, read while the window shows).
    auto *radioBox = new QGroupBox(tr("Modèle du poste"));
    m_filter = new QLineEdit;
    m_filter->setObjectName(QStringLiteral("Filtre_Modele"));
    m_filter->setPlaceholderText(tr("marque ou modèle, par exemple FT-991"));
    m_modelList = new QStandardItemModel(this);
    m_modelsNote = new QLabel(tr("Lecture de la liste des modèles de Hamlib…"));
    m_modelsNote->setObjectName(QStringLiteral("Etat_Modeles"));
    m_modelsNote->setWordWrap(true);
    fillModels({RadioModels::dummy()});
    m_loader = new RadioModels(this);
    connect(m_loader, &RadioModels::loaded, this, [this](const QList<RadioModel> &models, const QString &error) {
        const QModelIndex current = m_models->currentIndex();
        const int chosen = current.isValid() ? current.data(ModelRole).toInt() : m_poller.config().model;
        fillModels(models);
        selectModel(chosen);
        m_modelsNote->setText(error);
        m_modelsNote->setVisible(!error.isEmpty());
    });
    m_filtered = new QSortFilterProxyModel(this);
    m_filtered->setSourceModel(m_modelList);
    m_filtered->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_models = new QListView;
    m_models->setObjectName(QStringLiteral("Liste_Modeles"));
    m_models->setModel(m_filtered);
    m_models->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_models->setMinimumHeight(160);
    auto *radioGrid = new QGridLayout(radioBox);
    radioGrid->addWidget(caption(tr("&Filtre"), m_filter, tr("Filtre des modèles")), 0, 0);
    radioGrid->addWidget(m_filter, 0, 1);
    radioGrid->addWidget(caption(tr("Mo&dèle"), m_models, tr("Modèle du poste")), 1, 0,
                         Qt::AlignTop);
    radioGrid->addWidget(m_models, 1, 1);
    radioGrid->addWidget(m_modelsNote, 2, 0, 1, 2);

    // How the radio is reached.
    auto *linkBox = new QGroupBox(tr("Liaison"));
    m_serial = new QRadioButton(tr("Port &série"));
    m_serial->setObjectName(QStringLiteral("Liaison_Serie"));
    m_serial->setAccessibleName(tr("Port série"));
    m_network = new QRadioButton(tr("&Réseau (rigctld)"));
    m_network->setObjectName(QStringLiteral("Liaison_Reseau"));
    m_network->setAccessibleName(tr("Réseau (rigctld)"));
    m_port = new QComboBox;
    m_port->setObjectName(QStringLiteral("Port_Serie"));
    m_port->setEditable(true);
    m_port->setInsertPolicy(QComboBox::NoInsert);
    m_port->addItems(RadioConfig::serialPorts());
    m_port->setMinimumWidth(260);
    m_speed = new QComboBox;
    m_speed->setObjectName(QStringLiteral("Vitesse"));
    for (int s : RadioConfig::speeds())
        m_speed->addItem(QString::number(s), s);
    m_host = new QLineEdit;
    m_host->setObjectName(QStringLiteral("Hote"));
    m_tcpPort = new QSpinBox;
    m_tcpPort->setObjectName(QStringLiteral("Port_Reseau"));
    m_tcpPort->setRange(1, 65535);
    auto *linkGrid = new QGridLayout(linkBox);
    linkGrid->addWidget(m_serial, 0, 0, 1, 2);
    linkGrid->addWidget(caption(tr("P&ort"), m_port, tr("Port série du poste")), 1, 0);
    // The port is typed in the combo's own field: a screen reader reads that field, so it is named too.
    m_port->lineEdit()->setAccessibleName(tr("Port série du poste"));
    linkGrid->addWidget(m_port, 1, 1);
    linkGrid->addWidget(caption(tr("Vit&esse"), m_speed, tr("Vitesse en bauds")), 2, 0);
    linkGrid->addWidget(m_speed, 2, 1);
    linkGrid->addWidget(m_network, 3, 0, 1, 2);
    linkGrid->addWidget(caption(tr("&Hôte"), m_host, tr("Hôte de rigctld")), 4, 0);
    linkGrid->addWidget(m_host, 4, 1);
    linkGrid->addWidget(caption(tr("&Numéro de port"), m_tcpPort, tr("Port de rigctld")),
                        5, 0);
    linkGrid->addWidget(m_tcpPort, 5, 1);

    // One reading of the radio, as the form now stands.
    m_test = new QPushButton(tr("&Tester"));
    m_test->setObjectName(QStringLiteral("Tester"));
    m_test->setAutoDefault(false);
    m_result = new QLabel;
    m_result->setObjectName(QStringLiteral("Resultat_Test"));
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The label is named by its caption and read for its value.
    auto *resultCaption = new QLabel(tr("Réponse du poste :"));
    resultCaption->setBuddy(m_result);
    auto *testRow = new QHBoxLayout;
    testRow->addWidget(m_test);
    testRow->addWidget(resultCaption);
    testRow->addWidget(m_result, 1);

    m_validate = new QPushButton(tr("&Valider"));
    m_validate->setObjectName(QStringLiteral("Valider"));
    m_validate->setDefault(true);
    m_cancel = new QPushButton(tr("&Annuler"));
    m_cancel->setObjectName(QStringLiteral("Annuler"));
    m_cancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_validate);
    buttons->addWidget(m_cancel);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(m_use);
    outer->addWidget(radioBox, 1);
    outer->addWidget(linkBox);
    outer->addLayout(testRow);
    outer->addLayout(buttons);

    setTabOrder(m_use, m_filter);
    setTabOrder(m_filter, m_models);
    setTabOrder(m_models, m_serial);
    setTabOrder(m_serial, m_port);
    setTabOrder(m_port, m_speed);
    setTabOrder(m_speed, m_network);
    setTabOrder(m_network, m_host);
    setTabOrder(m_host, m_tcpPort);
    setTabOrder(m_tcpPort, m_test);
    setTabOrder(m_test, m_validate);
    setTabOrder(m_validate, m_cancel);

    m_filter->installEventFilter(this);
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filtered->setFilterFixedString(text.trimmed());
        if (!m_models->currentIndex().isValid() && m_filtered->rowCount() > 0)
            m_models->setCurrentIndex(m_filtered->index(0, 0));
    });
    connect(m_serial, &QRadioButton::toggled, this, &RadioWindow::updateLink);
    connect(m_network, &QRadioButton::toggled, this, &RadioWindow::updateLink);
    connect(m_test, &QPushButton::clicked, this, &RadioWindow::onTest);
    connect(&m_poller, &RadioPoller::probed, this, &RadioWindow::onProbed);
    connect(m_validate, &QPushButton::clicked, this, &RadioWindow::onValidate);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Escape or "Annuler" closes the window and keeps what was in use.
    connect(this, &QDialog::rejected, this, &QWidget::close);

    resize(620, 600);
    m_loader->load();
}

void RadioWindow::fillModels(const QList<RadioModel> &models)
{
    m_modelList->clear();
    for (const RadioModel &m : models) {
        auto *item = new QStandardItem(QStringLiteral("%1 %2 (%3)").arg(m.maker, m.name).arg(m.number));
        item->setData(m.number, ModelRole);
        item->setData(m.needsPort, NeedsPortRole);
        item->setEditable(false);
        m_modelList->appendRow(item);
    }
}

void RadioWindow::open()
{
    if (!isVisible()) {
        showConfig(m_poller.config());
        m_result->clear();
        centreOnScreen(this);
    }
    show();
    raise();
    activateWindow();
    m_use->setFocus();
}

bool RadioWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the filter goes to the list it filtered, not to "Valider".
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_models->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RadioWindow::showConfig(const RadioConfig &c)
{
    m_use->setChecked(c.enabled);
    m_filter->clear();
    selectModel(c.model);
    (c.link == RadioConfig::Link::Serial ? m_serial : m_network)->setChecked(true);
    m_port->setCurrentIndex(m_port->findText(c.serialPort));
    if (m_port->currentIndex() < 0)
        m_port->setEditText(c.serialPort);
    const int speed = m_speed->findData(c.speed);
    m_speed->setCurrentIndex(speed >= 0 ? speed : m_speed->findData(9600));
    m_host->setText(c.host);
    m_tcpPort->setValue(c.port);
    updateLink();
}

void RadioWindow::selectModel(int number)
{
    for (int row = 0; row < m_filtered->rowCount(); ++row) {
        const QModelIndex i = m_filtered->index(row, 0);
        if (i.data(ModelRole).toInt() == number) {
            m_models->setCurrentIndex(i);
            m_models->scrollTo(i, QAbstractItemView::PositionAtCenter);
            return;
        }
    }
}

void RadioWindow::updateLink()
{
    // rigctld knows its radio: the model is chosen there, not here.
    const bool serial = m_serial->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_filter), static_cast<QWidget *>(m_models),
                       static_cast<QWidget *>(m_port), static_cast<QWidget *>(m_speed)})
        w->setEnabled(serial);
    m_host->setEnabled(!serial);
    m_tcpPort->setEnabled(!serial);
}

RadioConfig RadioWindow::formConfig() const
{
    RadioConfig c = m_poller.config();
    c.enabled = m_use->isChecked();
    const QModelIndex model = m_models->currentIndex();
    if (model.isValid())
        c.model = model.data(ModelRole).toInt();
    c.link = m_serial->isChecked() ? RadioConfig::Link::Serial : RadioConfig::Link::Network;
    c.serialPort = m_port->currentText().trimmed();
    c.speed = m_speed->currentData().toInt();
    c.host = m_host->text().trimmed();
    c.port = m_tcpPort->value();
    return c;
}

bool RadioWindow::portMissing(const RadioConfig &c) const
{
    const QModelIndex model = m_models->currentIndex();
    const bool needsPort = !model.isValid() || model.data(NeedsPortRole).toBool();
    return c.link == RadioConfig::Link::Serial && c.serialPort.isEmpty() && needsPort;
}

void RadioWindow::onTest()
{
    const RadioConfig c = formConfig();
    if (portMissing(c)) {
        m_result->setText(RadioReading::failure(tr("aucun port série choisi")).testText());
        return;
    }
    if (c.link == RadioConfig::Link::Network && !HostName::refusal(c.host).isEmpty()) {
        m_result->setText(HostName::refusal(c.host));
        return;
    }
    m_testing = true;
    m_test->setEnabled(false);
    m_result->setText(tr("Lecture du poste radio…"));
    m_poller.probe(c);
}

void RadioWindow::onProbed(const RadioReading &reading)
{
    if (!m_testing)
        return;
    m_testing = false;
    m_test->setEnabled(true);
    m_result->setText(reading.testText());
}

void RadioWindow::onValidate()
{
    const RadioConfig c = formConfig();
    if (c.enabled && portMissing(c)) {
        m_messages.notice(tr("Choisissez le port série du poste radio."));
        m_port->setFocus();
        return;
    }
    if (c.enabled && c.link == RadioConfig::Link::Network && c.host.isEmpty()) {
        m_messages.notice(tr("Indiquez l'hôte de rigctld (localhost sur cet ordinateur)."));
        m_host->setFocus();
        return;
    }
    if (c.enabled && c.link == RadioConfig::Link::Network && !HostName::refusal(c.host).isEmpty()) {
        m_messages.notice(HostName::refusal(c.host));
        m_host->setFocus();
        return;
    }
    const QString error = c.save(m_settings);
    if (!error.isEmpty())
        m_messages.notice(error);
    if (c != m_poller.config())
        m_poller.setConfig(c);
    close();
}

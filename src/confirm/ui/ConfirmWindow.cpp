#include "confirm/ui/ConfirmWindow.h"

#include "confirm/ConfirmSettings.h"
#include "confirm/PasswordKeyring.h"
#include "import/ImportPlan.h"
#include "import/ui/ImportWindow.h"
#include "kit/Clock.h"
#include "kit/Messages.h"
#include "kit/ui/WindowKeys.h"
#include "logstore/LogSession.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString DayFormat = QStringLiteral("dd/MM/yyyy");
}

ConfirmWindow::ConfirmWindow(const AppContext &context, QNetworkAccessManager &network, ReportOpener opener,
                             KeyringAccess keyring, QWidget *parent)
    : QDialog(parent), m_context(context), m_fetch(new ConfirmFetch(network, this)), m_opener(std::move(opener)),
      m_keyringAccess(std::move(keyring))
{
    setObjectName(QStringLiteral("Confirmations_En_Ligne"));
    setWindowTitle(tr("Confirmations en ligne"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Les confirmations reçues sur LoTW et sur eQSL sont téléchargées, "
                                            "enregistrées à côté du log, puis montrées avant d'être marquées."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto *groups = new QHBoxLayout;
    groups->addWidget(makeGroup(OnlineService::LoTW, m_lotw));
    groups->addWidget(makeGroup(OnlineService::Eqsl, m_eqsl));
    layout->addLayout(groups);

    Trousseau = new QLabel(this);
    Trousseau->setObjectName(QStringLiteral("Trousseau"));
    Trousseau->setWordWrap(true);
    layout->addWidget(Trousseau);

    Barre = new QProgressBar(this);
    Barre->setObjectName(QStringLiteral("Barre"));
    Barre->setAccessibleName(tr("Téléchargement en cours"));
    Barre->setRange(0, 1);
    Barre->setValue(0);
    Barre->setTextVisible(false);
    Octets = new QLabel(this);
    Octets->setObjectName(QStringLiteral("Octets"));
    auto *progress = new QHBoxLayout;
    progress->addWidget(Barre, 1);
    progress->addWidget(Octets);
    layout->addLayout(progress);
    Etat = new QLabel(tr("Prêt : rien n'est envoyé avant « Télécharger »."), this);
    Etat->setObjectName(QStringLiteral("Etat"));
    Etat->setWordWrap(true);
    layout->addWidget(Etat);

    Telecharger = new QPushButton(tr("&Télécharger"), this);
    Telecharger->setObjectName(QStringLiteral("Telecharger"));
    Telecharger->setDefault(true);
    Annuler = new QPushButton(tr("&Annuler"), this);
    Annuler->setObjectName(QStringLiteral("Annuler_Telechargement"));
    Annuler->setEnabled(false);
    Fermer = new QPushButton(tr("&Fermer"), this);
    Fermer->setObjectName(QStringLiteral("Fermer"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Telecharger);
    buttons->addWidget(Annuler);
    buttons->addWidget(Fermer);
    layout->addLayout(buttons);

    connect(Telecharger, &QPushButton::clicked, this, &ConfirmWindow::onDownload);
    connect(Annuler, &QPushButton::clicked, this, [this] {
        m_stopped = true;
        m_queue.clear();
        m_fetch->cancel();
    });
    connect(Fermer, &QPushButton::clicked, this, &ConfirmWindow::reject);
    connect(m_fetch, &ConfirmFetch::received, this, [this](qint64 bytes) {
        Octets->setText(receivedText(bytes));
    });
    connect(m_fetch, &ConfirmFetch::step, this, &ConfirmWindow::say);

    // What was chosen last time for this station.
    ConfirmSettings settings(m_context.settings, m_context.session.callsign());
    for (OnlineService service : {OnlineService::LoTW, OnlineService::Eqsl}) {
        Fields &f = fields(service);
        f.user->setText(settings.user(service));
        f.use->setChecked(settings.used(service));
        const QDate since = settings.since(service);
        f.since->setText(since.isValid() ? since.toString(DayFormat) : QString());
    }
    m_eqsl.qth->setText(settings.eqslQth());
    if (!m_lotw.use->isChecked() && !m_eqsl.use->isChecked())
        m_lotw.use->setChecked(true);
    Trousseau->setText(tr("Les mots de passe ne sont jamais écrits dans un fichier : ils vont dans le "
                                      "trousseau du bureau quand « Mémoriser le mot de passe » est coché."));
    WindowKeys::install(this);
    setMinimumWidth(640);
    resize(760, sizeHint().height());
}

ConfirmWindow::~ConfirmWindow() = default;

QWidget *ConfirmWindow::makeGroup(OnlineService service, Fields &f)
{
    const bool lotw = service == OnlineService::LoTW;
    const QString name = serviceName(service);
    auto *group = new QGroupBox(name, this);
    group->setObjectName(QStringLiteral("Groupe_") + name);
    auto *form = new QFormLayout(group);
    f.use = new QCheckBox(lotw ? tr("Utiliser &LoTW") : tr("Utiliser e&QSL"), group);
    f.use->setObjectName(QStringLiteral("Utiliser_") + name);
    form->addRow(f.use);
    const auto field = [&](QLineEdit *&edit, const QString &object, const QString &caption, const QString &accessible) {
        edit = new QLineEdit(group);
        edit->setObjectName(object + name);
        edit->setAccessibleName(accessible);
        auto *label = new QLabel(caption, group);
        label->setBuddy(edit);
        form->addRow(label, edit);
    };
    field(f.user, QStringLiteral("Utilisateur_"), lotw ? tr("&Utilisateur :") : tr("Utilisateu&r :"),
          tr("Utilisateur %1").arg(name));
    f.qth = nullptr;
    if (!lotw) {
        field(f.qth, QStringLiteral("QTH_"), tr("QT&H (facultatif) :"), tr("Surnom de QTH %1").arg(name));
        f.qth->setToolTip(tr("Le surnom du QTH, pour un compte eQSL qui en a plusieurs"));
    }
    field(f.password, QStringLiteral("Mot_De_Passe_"), lotw ? tr("&Mot de passe :") : tr("Mot de &passe :"),
          tr("Mot de passe %1").arg(name));
    f.password->setEchoMode(QLineEdit::Password);
    f.remember = new QCheckBox(lotw ? tr("Mémori&ser le mot de passe") : tr("Mém&oriser le mot de passe"),
                               group);
    f.remember->setObjectName(QStringLiteral("Memoriser_") + name);
    f.remember->setAccessibleName(tr("Mémoriser le mot de passe %1").arg(name));
    form->addRow(f.remember);
    field(f.since, QStringLiteral("Depuis_"), lotw ? tr("&Depuis le :") : tr("Depu&is le :"),
          tr("Depuis le %1").arg(name));
    f.since->setPlaceholderText(tr("JJ/MM/AAAA, vide : tout"));
    f.since->setToolTip(tr("Les confirmations reçues depuis ce jour ; vide : toutes"));
    if (lotw)
        f.user->setToolTip(tr("Par défaut, l'indicatif de base de la station"));
    const auto enable = [f](bool on) {
        for (QWidget *w : {static_cast<QWidget *>(f.user), static_cast<QWidget *>(f.password),
                           static_cast<QWidget *>(f.remember), static_cast<QWidget *>(f.since)})
            w->setEnabled(on);
        if (f.qth)
            f.qth->setEnabled(on);
    };
    connect(f.use, &QCheckBox::toggled, this, enable);
    enable(false);
    return group;
}

void ConfirmWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The keyring is asked once the window shows, never before it is needed.
    if (!m_keyringAsked)
        QTimer::singleShot(0, this, &ConfirmWindow::loadPasswords);
}

void ConfirmWindow::loadPasswords()
{
    if (m_keyringAsked)
        return;
    m_keyringAsked = true;
    QString why;
    m_keyring = m_keyringAccess ? m_keyringAccess(&why) : nullptr;
    const auto noKeyring = [this](const QString &reason) {
        m_keyring = nullptr;
        for (Fields *f : {&m_lotw, &m_eqsl}) {
            f->remember->setChecked(false);
            f->remember->setEnabled(false);
            f->remember->setVisible(false);
        }
        Trousseau->setText(tr("Aucun trousseau ne répond (%1) : le mot de passe est demandé à chaque "
                                          "téléchargement et n'est gardé nulle part.")
                               .arg(reason));
    };
    if (!m_keyring) {
        noKeyring(why.isEmpty() ? tr("aucun trousseau de bureau") : why);
        return;
    }
    for (OnlineService service : {OnlineService::LoTW, OnlineService::Eqsl}) {
        Fields &f = fields(service);
        if (f.user->text().trimmed().isEmpty())
            continue;
        const PasswordKeyring::Answer a =
            m_keyring->read(PasswordKeyring::key(serviceName(service), f.user->text()), PasswordKeyring::LimitMs);
        if (a.status == PasswordKeyring::Status::Unavailable) {
            noKeyring(a.why);
            return;
        }
        if (a.status == PasswordKeyring::Status::Found) {
            f.password->setText(a.password);
            f.remember->setChecked(true);
        }
    }
}

bool ConfirmWindow::readDay(const QString &text, QDate *day)
{
    const QString t = text.trimmed();
    *day = QDate();
    if (t.isEmpty())
        return true;
    *day = QDate::fromString(t, DayFormat);
    if (!day->isValid())
        *day = QDate::fromString(t, QStringLiteral("d/M/yyyy"));
    return day->isValid();
}

void ConfirmWindow::say(const QString &text) { Etat->setText(text); }

QString ConfirmWindow::receivedText(qint64 bytes)
{
    // The count in the form the program writes numbers in. Two texts so that French
    // reads "octet" up to 1 even without its plural rules; each language then picks its
    // own form by the count.
    const QString count = QLocale(QLocale::French).toString(bytes);
    const int n = int(qMin<qint64>(bytes, 1000000));
    return bytes > 1 ? tr("Reçu : %1 octets", nullptr, n).arg(count) : tr("Reçu : %1 octet", nullptr, n).arg(count);
}

void ConfirmWindow::setBusy(bool busy)
{
    m_busy = busy;
    Barre->setRange(0, busy ? 0 : 1);
    Barre->setValue(0);
    Barre->setAccessibleDescription(busy ? tr("en cours") : tr("arrêté"));
    Telecharger->setEnabled(!busy);
    Fermer->setEnabled(!busy);
    Annuler->setEnabled(busy);
    for (Fields *f : {&m_lotw, &m_eqsl})
        f->use->setEnabled(!busy);
    if (busy)
        Annuler->setFocus();
    else
        Telecharger->setFocus();
}

void ConfirmWindow::reject()
{
    // Escape and the window's close stop the download first; the window stays.
    if (m_busy) {
        m_stopped = true;
        m_queue.clear();
        m_fetch->cancel();
        return;
    }
    QDialog::reject();
}

void ConfirmWindow::onDownload()
{
    if (m_busy)
        return;
    loadPasswords();
    ConfirmSettings settings(m_context.settings, m_context.session.callsign());
    QList<ConfirmFetch::Request> queue;
    for (OnlineService service : {OnlineService::LoTW, OnlineService::Eqsl}) {
        Fields &f = fields(service);
        if (!f.use->isChecked())
            continue;
        const QString name = serviceName(service);
        QDate since;
        if (!readDay(f.since->text(), &since)) {
            m_context.messages.notice(tr("%1 : la date « Depuis le » se lit JJ/MM/AAAA (vide : tout).").arg(name));
            f.since->setFocus();
            return;
        }
        if (f.user->text().trimmed().isEmpty() || f.password->text().isEmpty()) {
            m_context.messages.notice(tr("%1 : l'utilisateur et le mot de passe sont nécessaires.").arg(name));
            (f.user->text().trimmed().isEmpty() ? f.user : f.password)->setFocus();
            return;
        }
        ConfirmFetch::Request r;
        r.service = service;
        r.address = settings.address(service);
        r.user = f.user->text().trimmed();
        r.password = f.password->text();
        r.qth = f.qth ? f.qth->text().trimmed() : QString();
        r.ownCall = ConfirmSettings::ownCall(m_context.session.callsign());
        r.since = since;
        r.station = m_context.session.callsign();
        r.folder = m_context.session.programDir();
        r.today = m_context.clock.localNow().date();
        r.timeoutSeconds = settings.delaySeconds();
        queue.append(r);
    }
    if (queue.isEmpty()) {
        m_context.messages.notice(tr("Cochez « Utiliser » pour LoTW, pour eQSL ou pour les deux."));
        return;
    }
    // User names are kept for next time; passwords only in the keyring, when asked.
    for (const ConfirmFetch::Request &r : std::as_const(queue)) {
        Fields &f = fields(r.service);
        QString error;
        if (!settings.saveUser(r.service, r.user, r.qth, &error))
            say(tr("Réglages non enregistrés : %1").arg(error));
        if (!m_keyring)
            continue;
        const QString key = PasswordKeyring::key(serviceName(r.service), r.user);
        const PasswordKeyring::Answer a = f.remember->isChecked()
            ? m_keyring->write(key, r.password, PasswordKeyring::LimitMs)
            : m_keyring->remove(key, PasswordKeyring::LimitMs);
        if (a.status == PasswordKeyring::Status::Unavailable && f.remember->isChecked())
            Trousseau->setText(tr("Le mot de passe de %1 n'a pas pu être mémorisé (%2) : il sera "
                                              "demandé au prochain téléchargement.")
                                   .arg(serviceName(r.service), a.why));
    }
    m_queue = queue;
    m_stopped = false;
    setBusy(true);
    runNext();
}

void ConfirmWindow::runNext()
{
    if (m_queue.isEmpty() || m_stopped) {
        m_queue.clear();
        setBusy(false);
        emit runFinished();
        return;
    }
    setBusy(true);
    const ConfirmFetch::Request request = m_queue.takeFirst();
    Octets->setText(receivedText(0));
    QPointer<ConfirmWindow> alive(this);
    const ConfirmFetch::Outcome o = m_fetch->fetch(request);
    if (!alive)
        return;
    say(o.message);
    if (o.cancelled || m_stopped) {
        m_queue.clear();
        setBusy(false);
        say(tr("Téléchargement annulé : rien n'est enregistré ni marqué."));
        emit runFinished();
        return;
    }
    if (!o.ok) {
        // The bar stops while the operator reads why.
        Barre->setRange(0, 1);
        if (!o.nothingNew)
            m_context.messages.notice(o.message);
        QTimer::singleShot(0, this, &ConfirmWindow::runNext);
        return;
    }
    setBusy(false);
    Telecharger->setEnabled(false);
    QDialog *preview = m_opener ? m_opener(o.path, this) : nullptr;
    if (!preview) {
        QTimer::singleShot(0, this, &ConfirmWindow::runNext);
        return;
    }
    const OnlineService service = request.service;
    const QDate next = o.nextSince;
    connect(preview, &QDialog::finished, this, [this, preview, service, next](int result) {
        const auto *importWindow = qobject_cast<ImportWindow *>(preview);
        const bool nothingToMark = importWindow && importWindow->plan().qslToMark() == 0;
        // The next download starts from the last confirmation once its marks are in the
        // log, or when there was nothing to mark.
        if ((result == QDialog::Accepted || nothingToMark) && next.isValid()) {
            QString error;
            ConfirmSettings settings(m_context.settings, m_context.session.callsign());
            if (settings.saveSince(service, next, &error))
                fields(service).since->setText(next.toString(DayFormat));
            else
                say(tr("La date « Depuis le » n'a pas pu être enregistrée : %1").arg(error));
        }
        QTimer::singleShot(0, this, &ConfirmWindow::runNext);
    });
}

#pragma once

#include "confirm/ConfirmFetch.h"
#include "confirm/OnlineService.h"
#include "kit/ui/AppContext.h"

#include <QDialog>
#include <QList>

#include <functional>

class ConfirmFetch;
class PasswordKeyring;
class QCheckBox;
class QLabel;
class QLineEdit;
class QNetworkAccessManager;
class QProgressBar;
class QPushButton;

// "Confirmations en ligne": for LoTW and for eQSL, whether to use it, the user name,
// the password and the first day wanted; "Télécharger" fetches each ticked service in
// turn (LoTW first) and shows each saved report in the import preview, one after the
// other. "Annuler" (or Escape) stops a download at any moment; nothing is kept of it.
class ConfirmWindow : public QDialog
{
    Q_OBJECT
public:
    // Opens a saved report in the import preview over parent; the preview, or null.
    using ReportOpener = std::function<QDialog *(const QString &path, QWidget *parent)>;
    // The keyring, loaded on first call; null where none answers (why in French).
    using KeyringAccess = std::function<PasswordKeyring *(QString *why)>;

    ConfirmWindow(const AppContext &context, QNetworkAccessManager &network, ReportOpener opener,
                  KeyringAccess keyring, QWidget *parent = nullptr);
    ~ConfirmWindow() override;

    bool busy() const { return m_busy; }

public slots:
    void reject() override;

signals:
    // Every ticked service was fetched and its preview closed (or it failed).
    void runFinished();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Fields {
        QCheckBox *use;
        QLineEdit *user;
        QLineEdit *qth; // eQSL only
        QLineEdit *password;
        QCheckBox *remember;
        QLineEdit *since;
    };
    QWidget *makeGroup(OnlineService service, Fields &f);
    Fields &fields(OnlineService service) { return service == OnlineService::LoTW ? m_lotw : m_eqsl; }
    void loadPasswords();
    void onDownload();
    void runNext();
    void setBusy(bool busy);
    void say(const QString &text);
    // "Reçu : 1 234 octets".
    static QString receivedText(qint64 bytes);
    // The day typed as JJ/MM/AAAA, or empty; false when it cannot be read.
    static bool readDay(const QString &text, QDate *day);

    AppContext m_context;
    ConfirmFetch *m_fetch;
    ReportOpener m_opener;
    KeyringAccess m_keyringAccess;
    PasswordKeyring *m_keyring = nullptr;
    bool m_keyringAsked = false;
    Fields m_lotw{};
    Fields m_eqsl{};
    QLabel *Trousseau;
    QProgressBar *Barre;
    QLabel *Octets;
    QLabel *Etat;
    QPushButton *Telecharger;
    QPushButton *Annuler;
    QPushButton *Fermer;
    bool m_busy = false;
    bool m_stopped = false;
    QList<ConfirmFetch::Request> m_queue;
};

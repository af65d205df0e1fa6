// The desktop's keyring through QtKeychain, built as a plugin the confirmations
// window loads the first time it needs a password (see confirm/PasswordKeyring.h).

#include "confirm/PasswordKeyring.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace {

class Keyring : public PasswordKeyring
{
public:
    explicit Keyring(const QString &service) : m_service(service) {}

    Answer read(const QString &key, int limitMs) override
    {
        auto *job = new QKeychain::ReadPasswordJob(m_service);
        job->setKey(key);
        Answer a = run(job, limitMs);
        if (a.status == Status::Stored) {
            a.status = Status::Found;
            a.password = job->textData();
        }
        return a;
    }

    Answer write(const QString &key, const QString &password, int limitMs) override
    {
        auto *job = new QKeychain::WritePasswordJob(m_service);
        job->setKey(key);
        job->setTextData(password);
        return run(job, limitMs);
    }

    Answer remove(const QString &key, int limitMs) override
    {
        auto *job = new QKeychain::DeletePasswordJob(m_service);
        job->setKey(key);
        return run(job, limitMs);
    }

private:
    // The job runs until it answers or its limit passes; a job still running then is
    // left to end on its own (it deletes itself) and its answer is not waited for.
    Answer run(QKeychain::Job *job, int limitMs)
    {
        job->setAutoDelete(false);
        // Never the library's plain-text file when no keyring answers.
        job->setInsecureFallback(false);
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        bool done = false;
        QObject::connect(job, &QKeychain::Job::finished, &loop, [&] {
            done = true;
            loop.quit();
        });
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        limit.start(limitMs);
        job->start();
        if (!done)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        Answer a;
        if (!done) {
            QObject::disconnect(job, nullptr, &loop, nullptr);
            QObject::connect(job, &QKeychain::Job::finished, job, &QObject::deleteLater);
            a.why = QCoreApplication::translate("KeyringPlugin", "le trousseau du bureau ne répond pas");
            return a;
        }
        switch (job->error()) {
        case QKeychain::NoError:
            a.status = Status::Stored;
            break;
        case QKeychain::EntryNotFound:
            a.status = Status::NotFound;
            break;
        case QKeychain::AccessDeniedByUser:
        case QKeychain::AccessDenied:
            a.why = QCoreApplication::translate("KeyringPlugin", "le trousseau du bureau est verrouillé ou son accès a été refusé");
            break;
        case QKeychain::NoBackendAvailable:
        case QKeychain::NotImplemented:
            a.why = QCoreApplication::translate("KeyringPlugin", "aucun trousseau de bureau n'est disponible");
            break;
        default:
            a.why = QCoreApplication::translate("KeyringPlugin", "le trousseau du bureau a refusé la demande");
            break;
        }
        job->deleteLater();
        return a;
    }

    QString m_service;
};

class KeyringPlugin : public QObject, public PasswordKeyringPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PasswordKeyringPlugin_iid)
    Q_INTERFACES(PasswordKeyringPlugin)
public:
    PasswordKeyring *create(const QString &service) override { return new Keyring(service); }
};

} // namespace

#include "KeyringPlugin.moc"

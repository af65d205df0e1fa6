#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtPlugin>

class PasswordKeyringPlugin;

// The desktop's keyring, where the services' passwords are kept when the operator
// asks for it (never in a file of the program's). The keyring library and what it
// pulls in are a plugin (src/confirm/keyring/), loaded the first time the
// confirmations window needs a password. Every call waits at most its limit: a
// keyring that does not answer (no desktop session, a locked keyring) is then taken
// as absent and the password is asked at each download.
class PasswordKeyring
{
    Q_DECLARE_TR_FUNCTIONS(PasswordKeyring)

public:
    enum class Status { Found, NotFound, Stored, Unavailable };
    struct Answer {
        Status status = Status::Unavailable;
        QString password;
        QString why; // in the interface's language, when Unavailable
    };
    static constexpr int LimitMs = 5000;

    virtual ~PasswordKeyring() = default;
    virtual Answer read(const QString &key, int limitMs) = 0;
    virtual Answer write(const QString &key, const QString &password, int limitMs) = 0;
    virtual Answer remove(const QString &key, int limitMs) = 0;

    // "LoTW F6ABC": one entry per service and user name.
    static QString key(const QString &service, const QString &user)
    {
        return service + QLatin1Char(' ') + user.trimmed().toUpper();
    }

    // The keyring plugin, loaded on first use from the folder beside the program. Null
    // when it cannot be loaded, `error` then saying why.
    static PasswordKeyringPlugin *plugin(QString *error);
};

class PasswordKeyringPlugin
{
public:
    virtual ~PasswordKeyringPlugin() = default;
    // service: the name the entries are filed under in the keyring.
    virtual PasswordKeyring *create(const QString &service) = 0;
};

#define PasswordKeyringPlugin_iid "org.example.kvr_zel.PasswordKeyringPlugin/1"
Q_DECLARE_INTERFACE(PasswordKeyringPlugin, PasswordKeyringPlugin_iid)

#pragma once

#include "kit/ui/AppContext.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class ConfirmWindow;
class ImportController;
class PasswordKeyring;
class QNetworkAccessManager;

// Diplome ZEL › "Télécharger les confirmations…": the "Confirmations en ligne"
// window, one at a time. The network and the keyring module are made when the window
// first needs them, never at start-up. Tests put their own keyring in place.
class ConfirmController : public QObject
{
    Q_OBJECT
public:
    using KeyringMaker = std::function<PasswordKeyring *(QString *why)>;

    ConfirmController(const AppContext &context, ImportController &import);
    ~ConfirmController() override;

    void open();
    ConfirmWindow *window() const;
    void setKeyringMaker(KeyringMaker maker) { m_makeKeyring = std::move(maker); }

    // The desktop's keyring through its plugin; null (why in French) where none loads.
    static PasswordKeyring *desktopKeyring(QString *why);

private:
    AppContext m_context;
    ImportController &m_import;
    KeyringMaker m_makeKeyring;
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<PasswordKeyring> m_keyring;
    bool m_keyringTried = false;
    QString m_keyringWhy;
    QPointer<ConfirmWindow> m_window;
};

ConfirmController *installConfirmWindows(const AppContext &context, ImportController *import);

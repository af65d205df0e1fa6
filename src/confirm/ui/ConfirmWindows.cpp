#include "confirm/ui/ConfirmWindows.h"

#include "confirm/PasswordKeyring.h"
#include "confirm/ui/ConfirmWindow.h"
#include "import/ui/ImportWindow.h"
#include "import/ui/ImportWindows.h"
#include "kit/Messages.h"
#include "kit/ui/Centre.h"
#include "logstore/LogSession.h"

#include <QAction>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>

ConfirmController::ConfirmController(const AppContext &context, ImportController &import)
    : QObject(context.mainWindow), m_context(context), m_import(import), m_makeKeyring(&ConfirmController::desktopKeyring)
{
    setObjectName(QStringLiteral("Confirmations_En_Ligne"));
}

ConfirmController::~ConfirmController() = default;

ConfirmWindow *ConfirmController::window() const { return m_window; }

PasswordKeyring *ConfirmController::desktopKeyring(QString *why)
{
    PasswordKeyringPlugin *plugin = PasswordKeyring::plugin(why);
    return plugin ? plugin->create(QStringLiteral("KVR_ZEL")) : nullptr;
}

void ConfirmController::open()
{
    if (!m_context.session.hasStation()) {
        m_context.messages.notice(tr("Aucune station n'est encore choisie : il n'y a pas de log où marquer "
                                                 "les confirmations.\r\n\r\nCréez d'abord la station (menu Station, "
                                                 "Nouvel Indicatif)."));
        return;
    }
    if (m_window) {
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    if (!m_network) {
        // The system's proxy, as the desktop's other programs use it.
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        m_network = std::make_unique<QNetworkAccessManager>();
    }
    auto opener = [this](const QString &path, QWidget *parent) { return m_import.openReport(path, parent); };
    auto keyring = [this](QString *why) -> PasswordKeyring * {
        if (!m_keyringTried) {
            m_keyringTried = true;
            m_keyring.reset(m_makeKeyring(&m_keyringWhy));
        }
        if (why)
            *why = m_keyringWhy;
        return m_keyring.get();
    };
    m_window = new ConfirmWindow(m_context, *m_network, opener, keyring, m_context.mainWindow);
    m_window->show();
    centreOnScreen(m_window);
    m_window->activateWindow();
}

ConfirmController *installConfirmWindows(const AppContext &context, ImportController *import)
{
    QAction *item = context.items.Mnu_Telecharger_Confirmations;
    if (!item || !import)
        return nullptr;
    auto *controller = new ConfirmController(context, *import);
    QObject::connect(item, &QAction::triggered, controller, &ConfirmController::open);
    return controller;
}

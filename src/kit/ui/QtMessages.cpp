#include "kit/ui/QtMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

// A message belongs to the window the operator is working in: the box stands over
// it, and once answered that window is back in front with its focus where it was
// (not the main window, which the desktop would otherwise bring forward).
class Owner
{
public:
    explicit Owner(QWidget *fallback)
    {
        QWidget *active = QApplication::activeModalWidget();
        if (!active)
            active = QApplication::activeWindow();
        m_window = active ? active : fallback;
        m_focus = m_window ? m_window->focusWidget() : nullptr;
    }

    ~Owner()
    {
        if (!m_window || !m_window->isVisible())
            return;
        m_window->raise();
        m_window->activateWindow();
        if (m_focus && m_focus->isEnabled() && m_focus->isVisible())
            m_focus->setFocus(Qt::OtherFocusReason);
    }

    QWidget *window() const { return m_window; }

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

} // namespace

void QtMessages::notice(const QString &text)
{
    const Owner owner(m_parent);
    QMessageBox::information(owner.window(), QStringLiteral("KVR_ZEL"), text, QMessageBox::Ok);
}

bool QtMessages::question(const QString &text)
{
    const Owner owner(m_parent);
    return QMessageBox::question(owner.window(), QStringLiteral("KVR_ZEL"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

#include "help/ui/HelpPageWindow.h"

#include "kit/ui/Centre.h"
#include "kit/ui/WindowKeys.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpPageWindow::HelpPageWindow(const QString &name, const QString &caption, const QUrl &page, QWidget *parent)
    : QWidget(parent, Qt::Window), m_page(page)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);

    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setAccessibleName(caption);
    // Links to another site open in the desktop's browser; the page's own anchors stay here.
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_browser);

    // Room to read, inside the smallest screen the program supports.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize area = screen ? screen->availableSize() : QSize(1024, 768);
    resize(qMin(760, area.width() - 40), qMin(640, area.height() - 60));
    WindowKeys::install(this);
}

void HelpPageWindow::open()
{
    if (!isVisible()) {
        m_browser->setSource(m_page);
        centreOnScreen(this);
    }
    show();
    raise();
    activateWindow();
}

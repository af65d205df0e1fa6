#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

// A page the program ships (the award's rules, the user guide) in a window of its
// own, read in a text browser that follows the page's own links.
class HelpPageWindow : public QWidget
{
    Q_OBJECT
public:
    HelpPageWindow(const QString &name, const QString &caption, const QUrl &page, QWidget *parent = nullptr);

    // Shows the window (once), centred, at the page's anchor.
    void open();

private:
    QUrl m_page;
    QTextBrowser *m_browser;
};

#pragma once

#include <QObject>

class QWidget;

// The keys every window of the program answers the same way, from the keyboard
// alone: Tab leaves a list for the next control (the arrows move inside the list),
// Enter presses the button that has the focus, and Escape closes a tool window.
// The main window keeps Escape for itself. Installed once per window, after its
// controls are made; it lives as long as the window.
class WindowKeys : public QObject
{
    Q_OBJECT
public:
    enum class Escape { Closes, Ignored };

    static WindowKeys *install(QWidget *window, Escape escape = Escape::Closes);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowKeys(QWidget *window, Escape escape);

    QWidget *m_window;
    Escape m_escape;
};

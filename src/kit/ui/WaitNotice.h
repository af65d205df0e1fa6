#pragma once

#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

// Says "please wait" while the window's thread does a long pass over a large log
// (a list sorted, the export written): a small busy progress window over `over`,
// drawn before the work starts, and the busy cursor. Gone when this goes.
class WaitNotice
{
public:
    // From this many QSOs a pass over the whole log takes a visible moment.
    static constexpr int LargeLog = 300000;

    // Shown only when qsos reaches LargeLog.
    WaitNotice(QWidget *over, const QString &text, int qsos);
    ~WaitNotice();

    WaitNotice(const WaitNotice &) = delete;
    WaitNotice &operator=(const WaitNotice &) = delete;

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

#include "kit/ui/WaitNotice.h"

#include <QApplication>
#include <QProgressDialog>

WaitNotice::WaitNotice(QWidget *over, const QString &text, int qsos)
{
    if (qsos < LargeLog)
        return;
    m_dialog = std::make_unique<QProgressDialog>(text, QString(), 0, 0, over);
    m_dialog->setObjectName(QStringLiteral("Patience"));
    m_dialog->setWindowTitle(QCoreApplication::translate("WaitNotice", "Veuillez patienter"));
    m_dialog->setAccessibleName(text);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setCancelButton(nullptr);
    m_dialog->setMinimumDuration(0);
    m_dialog->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Drawn now: the work that follows keeps the window's thread until it is done.
    // Keys and clicks wait meanwhile.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

WaitNotice::~WaitNotice()
{
    if (m_dialog)
        QApplication::restoreOverrideCursor();
}

#include "app/ui/QtMessages.h"

#include <QMessageBox>

void QtMessages::notice(const QString &text)
{
    QMessageBox::information(m_parent, QStringLiteral("KVR_ZEL"), text, QMessageBox::Ok);
}

bool QtMessages::question(const QString &text)
{
    return QMessageBox::question(m_parent, QStringLiteral("KVR_ZEL"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

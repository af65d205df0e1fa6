#pragma once

#include <QObject>
#include <QString>

// The entry of one QSO, field by field, as the operator types it in the main window.
class QsoEntry : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // The reference just accepted opens a region of which the log holds no QSO yet.
    // Said once when the reference is accepted and again after the cursor has moved
    // on, so the announcement comes back to the front.
    void newRegion(const QString &reference);
    // The QSO's date or mode was accepted: the announcement has done its work.
    void newRegionDone();
};

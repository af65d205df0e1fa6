#pragma once

#include "kit/Messages.h"

class QWidget;

// Message boxes titled "KVR_ZEL": OK for notices, Oui/Non for questions. Each box
// stands over the window that is active when it is raised (the parent given here
// when none is), and that window keeps the front and its focus once it is answered.
class QtMessages : public Messages
{
public:
    explicit QtMessages(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    void notice(const QString &text) override;
    bool question(const QString &text) override;

private:
    QWidget *m_parent;
};

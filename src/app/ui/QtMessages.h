#pragma once

#include "app/Messages.h"

class QWidget;

// Message boxes titled "KVR_ZEL": OK for notices, Oui/Non for questions.
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

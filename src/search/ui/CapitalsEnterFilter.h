#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

// The key handling of a criterion box: Enter is swallowed and runs the box's own
// action, and (when asked) a small letter a-z is typed as its capital. Accented
// letters are typed as they are.
class CapitalsEnterFilter : public QObject
{
    Q_OBJECT
public:
    CapitalsEnterFilter(QLineEdit *edit, bool capitals, std::function<void()> onEnter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit;
    bool m_capitals;
    std::function<void()> m_onEnter;
};

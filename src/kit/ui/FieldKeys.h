#pragma once

#include <QObject>

class QWidget;

// The keys of an entry field: Enter closes the field (the window runs its check),
// and a small letter a to z becomes its capital as it is typed; accented letters
// pass as they are. Shortcuts (Ctrl, Alt) and menu keys are left to the window.
// Watches line edits, editable combo boxes (through their line edit) and check boxes.
class FieldKeys : public QObject
{
    Q_OBJECT
public:
    explicit FieldKeys(QObject *parent = nullptr);

    // capitals: a-z typed in the field become capitals (a date box keeps them as typed).
    void watch(QWidget *field, bool capitals = true);
    // The station callsign names a file: "/" is typed as "_".
    void setSlashAsUnderscore(bool on) { m_slashAsUnderscore = on; }

signals:
    // Enter in a field; the key goes no further.
    void enterPressed(QWidget *field);
    // Any other key is about to reach the field.
    void keyPressed(QWidget *field);
    // A key that types a character is about to reach the field.
    void typing(QWidget *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *fieldOf(QObject *watched) const;

    QList<QWidget *> m_fields;
    QList<QWidget *> m_asTyped;
    bool m_slashAsUnderscore = false;
};

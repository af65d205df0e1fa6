#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QHBoxLayout;
class QStatusBar;
class QWidget;

// The status area at the foot of the main window, shared by the rooms that say
// something there (the radio's reading, a needed abbey on the air). The window makes
// one place per room, in its own order, so each always stands where it stood,
// whichever room speaks first. A room fills its place and shows or hides it; the area
// is shown while any place is shown and hidden otherwise, so a window with nothing to
// say there looks as it always did.
class StatusArea : public QObject
{
    Q_OBJECT
public:
    explicit StatusArea(QStatusBar *bar);

    // A new place after the others: an empty, hidden row named objectName that
    // takes `stretch` parts of the width.
    QWidget *addPlace(const QString &objectName, int stretch = 1);

    // Lays a place out as "Caption : value": the value label, named valueName,
    // is made once and read for its text; the caption is its buddy.
    static class QLabel *captionedValue(QWidget *place, const QString &caption, const QString &valueName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void update();

    QPointer<QStatusBar> m_bar;
    QList<QPointer<QWidget>> m_places;
};

#pragma once

#include "app/ui/AppContext.h"

#include <QWidget>

class QLabel;

// `Scores_ZEL`: how many QSOs the log holds, how many are confirmed, and whether
// the base award and the first Excellence level are reached. It follows the log.
class ScoreWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ScoreWindow(const AppContext &context, QWidget *parent = nullptr);

    // Shows the window, centred when it opens, or brings it to the front.
    void open();
    // Counts the log again and shows the verdicts.
    void refresh();

private:
    AppContext m_context;
    QLabel *m_contacted = nullptr;  // NB_Contacte
    QLabel *m_confirmed = nullptr;  // NB_Confirme
    QLabel *m_baseVerdict = nullptr;
    QLabel *m_baseName = nullptr;
    QLabel *m_excellenceVerdict = nullptr;
    QLabel *m_excellenceName = nullptr;
};

#pragma once

#include "kit/ui/AppContext.h"
#include "reports/AwardChart.h"

#include <QWidget>

#include <functional>

class AwardChart;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

// `Scores_ZEL`: how many QSOs the log holds, how many are confirmed, and whether
// the base award and the first Excellence level are reached; below, the way to
// the next level and the award month by month (year by year for a log of more
// than ten years), as a chart and as a table. It follows the log.
class ScoreWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ScoreWindow(const AppContext &context, QWidget *parent = nullptr);

    // Shows the window, centred when it opens, or brings it to the front.
    void open();
    // Counts the log again and shows the verdicts.
    void refresh();

    // Asks where to save the chart (the suggested path given); empty: cancelled.
    using ImageFileChooser = std::function<QString(QWidget *parent, const QString &suggested)>;
    void setImageFileChooser(ImageFileChooser chooser) { m_chooseImageFile = std::move(chooser); }
    // "Enregistrer l'image": the chart as a PNG picture, titled with the station,
    // "Diplôme ZEL" and the date.
    void saveImage();

private:
    QWidget *buildHistory();
    void showHistory();

    AppContext m_context;
    QLabel *m_contacted = nullptr;  // NB_Contacte
    QLabel *m_confirmed = nullptr;  // NB_Confirme
    QLabel *m_baseVerdict = nullptr;
    QLabel *m_baseName = nullptr;
    QLabel *m_excellenceVerdict = nullptr;
    QLabel *m_excellenceName = nullptr;
    QLabel *m_nextLevel = nullptr;
    QProgressBar *m_progress = nullptr;
    QGroupBox *m_history = nullptr;
    AwardChart *m_chart = nullptr; // null when the chart's plugin could not be loaded
    QTableWidget *m_table = nullptr;
    QPushButton *m_saveImage = nullptr;
    // The figures the chart and the table show now: a change that leaves them as
    // they are draws nothing again.
    AwardChart::Points m_shown;
    bool m_anyShown = false;
    ImageFileChooser m_chooseImageFile;
};

#pragma once

#include "kit/ui/AppContext.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// Asks the operator for the new abbey list, starting in startFolder; an empty path
// when nothing was chosen.
using AbbeyListChooser = std::function<QString(QWidget *parent, const QString &startFolder)>;

// 'Diplome ZEL > Mettre à jour la liste des abbayes': the file dialog, the reading
// (a file that is no abbey list is refused at once), then the "Nouvelle liste des
// abbayes" window. 'Revenir à la liste précédente' opens the same window on
// "Liste_Abbayes.txt.Precedente", enabled only while that file exists. Lives as a
// child of the main window; tests put their own chooser in place of the dialog.
class AbbeyListController : public QObject
{
    Q_OBJECT
public:
    explicit AbbeyListController(const AppContext &context);

    void setFileChooser(AbbeyListChooser chooser) { m_chooser = std::move(chooser); }
    void startUpdate();
    void startRevert();
    // Enables 'Revenir à la liste précédente' when there is a previous list.
    void refreshItems();

    // The file dialog: text files (*.txt in any case).
    static QString chooseWithDialog(QWidget *parent, const QString &startFolder);

signals:
    // The abbey list in use was replaced by a new one or by the previous one:
    // whatever shows abbeys from it reads it again.
    void listReplaced();

private:
    void open(int kind, const QString &path);
    QString listPath() const;

    AppContext m_context;
    AbbeyListChooser m_chooser;
    QString m_lastFolder;
};

// Returns the controller (a child of the main window, named "Maj_Liste_Abbayes"),
// or nullptr when the menu has no such items.
AbbeyListController *installAbbeyListWindows(const AppContext &context);

#pragma once

#include "kit/ui/AppContext.h"

#include <QObject>
#include <QString>

#include <functional>

class ImportWindow;
class QWidget;

// Asks the operator for the ADIF file to import, starting in startFolder; an empty
// path when nothing was chosen.
using AdifFileChooser = std::function<QString(QWidget *parent, const QString &startFolder)>;

// 'Fichier > Importer un fichier ADIF': the file dialog, the reading, the matching
// against the log and the building of the list (with a progress bar shown at once,
// whose "Annuler" stops each of them at its next step), then the "Importation ADIF"
// window.
// Lives as a child of the main window; tests put their own file chooser in place
// of the dialog.
class ImportController : public QObject
{
    Q_OBJECT
public:
    explicit ImportController(const AppContext &context);

    void setFileChooser(AdifFileChooser chooser) { m_chooser = std::move(chooser); }
    void start();
    // The same reading, matching and preview for a file known already (a report just
    // downloaded), over parent (the main window when null); the preview window, open,
    // or null when the file was refused or its reading cancelled.
    ImportWindow *openReport(const QString &path, QWidget *parent = nullptr);

    // The file dialog: ADIF files (*.adi, *.adif in any case).
    static QString chooseWithDialog(QWidget *parent, const QString &startFolder);

signals:
    // The log holds an import and its window has gone (the entry goes back to a plain entry).
    void imported();


private:
    AppContext m_context;
    AdifFileChooser m_chooser;
    QString m_lastFolder;
};

// Returns the controller, whose imported() says when the log holds an import.
ImportController *installImportWindows(const AppContext &context);

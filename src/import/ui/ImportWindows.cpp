#include "import/ui/ImportWindows.h"

#include "kit/Clock.h"
#include "kit/Messages.h"
#include "import/ImportLoader.h"
#include "import/ImportPlan.h"
#include "import/ui/ImportWindow.h"
#include "logstore/AtomicFile.h"
#include "logstore/LogSession.h"
#include "refdata/LogIndex.h"
#include "refdata/AbbeyList.h"
#include "refdata/AbbeyTable.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

#include <utility>

ImportController::ImportController(const AppContext &context)
    : QObject(context.mainWindow), m_context(context), m_chooser(&ImportController::chooseWithDialog)
{
    setObjectName(QStringLiteral("Import_ADIF"));
}

QString ImportController::chooseWithDialog(QWidget *parent, const QString &startFolder)
{
    // Qt's own dialog: its name filters ignore case, so "F6ABC.ADI" is listed too.
    return QFileDialog::getOpenFileName(parent, tr("Importer un fichier ADIF"), startFolder,
                                        tr("Fichiers ADIF (*.adi *.adif);;Tous les fichiers (*)"),
                                        nullptr, QFileDialog::DontUseNativeDialog);
}

void ImportController::start()
{
    LogSession &session = m_context.session;
    Messages &messages = m_context.messages;
    QWidget *parent = m_context.mainWindow;
    if (!session.hasStation()) {
        messages.notice(tr("Aucune station n'est encore choisie : il n'y a pas de log où importer.\r\n\r\n"
                           "Créez d'abord la station (menu Station, Nouvel Indicatif)."));
        return;
    }
    // The home folder first, then the folder of the last file chosen. It is kept for
    // the run only: choosing a file and cancelling leaves every file as it was.
    const QString folder = !m_lastFolder.isEmpty() && QFileInfo(m_lastFolder).isDir() ? m_lastFolder
                                                                                      : QDir::homePath();
    const QString path = m_chooser(parent, folder);
    if (path.isEmpty())
        return;
    m_lastFolder = QFileInfo(path).absolutePath();
    openReport(path);
}

ImportWindow *ImportController::openReport(const QString &path, QWidget *parentWindow)
{
    LogSession &session = m_context.session;
    Messages &messages = m_context.messages;
    QWidget *parent = parentWindow ? parentWindow : m_context.mainWindow;
    // The progress shows before anything is read, whatever the file's size, and
    // "Annuler" is looked at between every two steps of each phase; nothing is
    // written before the preview, so stopping leaves every file as it was.
    QProgressDialog progress(tr("Lecture du fichier %1...").arg(QFileInfo(path).fileName()),
                             tr("&Annuler"), 0, 1000, parent);
    progress.setObjectName(QStringLiteral("Progression_Import"));
    progress.setWindowTitle(tr("Importation ADIF"));
    progress.setAccessibleName(tr("Lecture du fichier ADIF"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.show();
    ImportLoader::Phase shownPhase = ImportLoader::Phase::ReadingFile;
    const auto step = [&](int permille, ImportLoader::Phase phase) {
        if (phase != shownPhase) {
            shownPhase = phase;
            progress.setLabelText(phase == ImportLoader::Phase::Matching
                                      ? tr("Comparaison avec le log...")
                                      : tr("Lecture du fichier %1...").arg(QFileInfo(path).fileName()));
        }
        progress.setValue(permille);
        QApplication::processEvents();
        return !progress.wasCanceled();
    };
    // The steps let the window's events through: the log may be read again meanwhile
    // (another copy of the program wrote it), and the matching then starts again.
    bool logChanged = false;
    const QMetaObject::Connection watch =
        connect(&m_context.index, &LogIndex::changed, this, [&logChanged] { logChanged = true; });
    ImportLoader::Loaded loaded = ImportLoader::load(path, session.filePath(AbbeyList::FileName), m_context.index, step,
                                                     [&logChanged] { return std::exchange(logChanged, false); });
    disconnect(watch);
    progress.close();
    if (!loaded.message.isEmpty())
        messages.notice(loaded.message);
    if (!loaded.plan)
        return nullptr;
    std::unique_ptr<ImportPlan> plan = std::move(loaded.plan);

    auto *window = new ImportWindow(std::move(plan), session, m_context.index, messages, m_context.clock.localNow().date(), parent);
    // Once the log holds the import, the main window is back in a plain entry (an entry
    // in progress is kept as it was).
    // Queued: once the import window has gone and given the focus back.
    connect(window, &QDialog::accepted, this, &ImportController::imported, Qt::QueuedConnection);
    window->open();
    return window;
}

ImportController *installImportWindows(const AppContext &context)
{
    QAction *item = context.items.Mnu_Import_ADIF;
    if (!item)
        return nullptr;
    auto *controller = new ImportController(context);
    QObject::connect(item, &QAction::triggered, controller, &ImportController::start);
    return controller;
}

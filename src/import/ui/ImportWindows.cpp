#include "import/ui/ImportWindows.h"

#include "app/Clock.h"
#include "app/Messages.h"
#include "import/ImportPlan.h"
#include "import/ui/ImportWindow.h"
#include "logstore/AtomicFile.h"
#include "logstore/LogSession.h"
#include "refdata/AbbeyList.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

ImportController::ImportController(const AppContext &context)
    : QObject(context.mainWindow), m_context(context), m_chooser(&ImportController::chooseWithDialog)
{
    setObjectName(QStringLiteral("Import_ADIF"));
}

QString ImportController::chooseWithDialog(QWidget *parent, const QString &startFolder)
{
    // Qt's own dialog: its name filters ignore case, so "F6ABC.ADI" is listed too.
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Importer un fichier ADIF"), startFolder,
                                        QStringLiteral("Fichiers ADIF (*.adi *.adif);;Tous les fichiers (*)"),
                                        nullptr, QFileDialog::DontUseNativeDialog);
}

void ImportController::start()
{
    LogSession &session = m_context.session;
    Messages &messages = m_context.messages;
    QWidget *parent = m_context.mainWindow;
    if (!session.hasStation()) {
        messages.notice(QStringLiteral("Aucune station n'est encore choisie : il n'y a pas de log où importer.\r\n\r\n"
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

    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        messages.notice(QStringLiteral("Le fichier %1 n'a pas pu être lu :\r\n%2")
                            .arg(QFileInfo(path).fileName(), AtomicFile::reason(file.errorString())));
        return;
    }
    file.close();

    QString listError;
    ImportAbbeys abbeys = ImportAbbeys::read(session.filePath(AbbeyList::FileName), &listError);
    if (!listError.isEmpty()) {
        messages.notice(QStringLiteral("La liste des abbayes %1 ne peut pas être lue :\r\n%2\r\n\r\n"
                                       "Rien n'a été importé.")
                            .arg(AbbeyList::FileName, listError));
        return;
    }
    auto plan = std::make_unique<ImportPlan>(std::move(bytes), QFileInfo(path).fileName(), std::move(abbeys));

    // A large file is read a batch at a time with its progress shown: the window
    // keeps answering, and Cancel stops before anything is shown or written.
    if (!plan->read(ProgressAbove)) {
        QProgressDialog progress(QStringLiteral("Lecture du fichier %1...").arg(plan->fileName()),
                                 QStringLiteral("&Annuler"), 0, 1000, parent);
        progress.setObjectName(QStringLiteral("Progression_Import"));
        progress.setWindowTitle(QStringLiteral("Importation ADIF"));
        progress.setAccessibleName(QStringLiteral("Lecture du fichier ADIF"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        progress.setAutoClose(false);
        progress.setAutoReset(false);
        progress.show();
        while (!plan->read(2000)) {
            progress.setValue(int(plan->position() * 1000 / qMax<qsizetype>(1, plan->size())));
            QApplication::processEvents();
            if (progress.wasCanceled())
                return;
        }
    }
    if (plan->recordCount() == 0) {
        messages.notice(QStringLiteral("Le fichier %1 ne contient aucun QSO au format ADIF.").arg(plan->fileName()));
        return;
    }
    QList<QByteArrayView> lines;
    lines.reserve(session.lineCount());
    for (int i = 0; i < session.lineCount(); ++i)
        lines.append(session.line(i));
    plan->resolve(lines);

    auto *window = new ImportWindow(std::move(plan), session, messages, m_context.clock.localNow().date(), parent);
    window->open();
}

void installImportWindows(const AppContext &context)
{
    QAction *item = context.items.Mnu_Import_ADIF;
    if (!item)
        return;
    auto *controller = new ImportController(context);
    QObject::connect(item, &QAction::triggered, controller, &ImportController::start);
}

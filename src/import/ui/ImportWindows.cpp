#include "import/ui/ImportWindows.h"

#include "app/Clock.h"
#include "app/Messages.h"
#include "import/ImportPlan.h"
#include "import/ui/ImportWindow.h"
#include "logstore/AtomicFile.h"
#include "logstore/LogSession.h"
#include "refdata/AbbeyList.h"
#include "refdata/AbbeyTable.h"

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

    // The progress shows before anything is read, whatever the file's size, and
    // "Annuler" is looked at between every two steps of each phase; nothing is
    // written before the preview, so stopping leaves every file as it was.
    QProgressDialog progress(QStringLiteral("Lecture du fichier %1...").arg(QFileInfo(path).fileName()),
                             QStringLiteral("&Annuler"), 0, 1000, parent);
    progress.setObjectName(QStringLiteral("Progression_Import"));
    progress.setWindowTitle(QStringLiteral("Importation ADIF"));
    progress.setAccessibleName(QStringLiteral("Lecture du fichier ADIF"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.show();
    QApplication::processEvents();
    const auto carryOn = [&progress] {
        QApplication::processEvents();
        return !progress.wasCanceled();
    };
    if (!carryOn())
        return;

    QFile file(path);
    QByteArray bytes;
    bool readable = file.open(QIODevice::ReadOnly);
    if (readable) {
        const qint64 size = file.size();
        bytes.reserve(qsizetype(size));
        QByteArray chunk;
        while (!file.atEnd()) {
            chunk = file.read(ChunkBytes);
            if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
                break;
            bytes.append(chunk);
            // The file's own reading is the first third of the bar.
            progress.setValue(int(qMin<qint64>(bytes.size(), size) * 333 / qMax<qint64>(1, size)));
            if (!carryOn())
                return;
            if (chunk.isEmpty())
                break;
        }
        readable = file.error() == QFileDevice::NoError;
    }
    if (!readable) {
        progress.close();
        messages.notice(QStringLiteral("Le fichier %1 n'a pas pu être lu :\r\n%2")
                            .arg(QFileInfo(path).fileName(), AtomicFile::reason(file.errorString())));
        return;
    }
    file.close();

    QString listError;
    AbbeyTable abbeys = AbbeyTable::read(session.filePath(AbbeyList::FileName), &listError);
    if (!listError.isEmpty()) {
        progress.close();
        messages.notice(QStringLiteral("La liste des abbayes %1 ne peut pas être lue :\r\n%2\r\n\r\n"
                                       "Rien n'a été importé.")
                            .arg(AbbeyList::FileName, listError));
        return;
    }
    auto plan = std::make_unique<ImportPlan>(std::move(bytes), QFileInfo(path).fileName(), std::move(abbeys));
    while (!plan->read(BatchRecords, BatchBytes)) {
        progress.setValue(333 + int(plan->position() * 333 / qMax<qsizetype>(1, plan->size())));
        if (!carryOn())
            return;
    }
    if (plan->recordCount() == 0) {
        progress.close();
        messages.notice(QStringLiteral("Le fichier %1 ne contient aucun QSO au format ADIF.").arg(plan->fileName()));
        return;
    }
    progress.setLabelText(QStringLiteral("Comparaison avec le log..."));
    progress.setValue(666);
    QList<QByteArrayView> lines;
    lines.reserve(session.lineCount());
    for (int i = 0; i < session.lineCount(); ++i) {
        lines.append(session.line(i));
        if (i % 65536 == 65535 && !carryOn())
            return;
    }
    if (!plan->resolve(lines, carryOn))
        return;
    progress.setValue(1000);
    progress.close();

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

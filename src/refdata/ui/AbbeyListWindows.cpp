#include "refdata/ui/AbbeyListWindows.h"

#include "kit/Messages.h"
#include "logstore/LogFile.h"
#include "logstore/LogSession.h"
#include "refdata/AbbeyList.h"
#include "refdata/AbbeyListFile.h"
#include "refdata/AbbeyListSwap.h"
#include "refdata/ui/AbbeyListWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

AbbeyListController::AbbeyListController(const AppContext &context)
    : QObject(context.mainWindow), m_context(context), m_chooser(&AbbeyListController::chooseWithDialog)
{
    setObjectName(QStringLiteral("Maj_Liste_Abbayes"));
}

QString AbbeyListController::chooseWithDialog(QWidget *parent, const QString &startFolder)
{
    // Qt's own dialog: its name filters ignore case, so "LISTE.TXT" is listed too.
    return QFileDialog::getOpenFileName(parent, tr("Nouvelle liste des abbayes"), startFolder,
                                        tr("Listes des abbayes (*.txt);;Tous les fichiers (*)"),
                                        nullptr, QFileDialog::DontUseNativeDialog);
}

QString AbbeyListController::listPath() const { return m_context.session.filePath(AbbeyList::FileName); }

void AbbeyListController::refreshItems()
{
    if (QAction *back = m_context.items.Mnu_Abbayes_Precedentes)
        back->setEnabled(QFileInfo(AbbeyListSwap::previousPath(listPath())).isFile());
}

void AbbeyListController::startUpdate()
{
    const QString folder = !m_lastFolder.isEmpty() && QFileInfo(m_lastFolder).isDir() ? m_lastFolder
                                                                                      : QDir::homePath();
    const QString path = m_chooser(m_context.mainWindow, folder);
    if (path.isEmpty())
        return;
    m_lastFolder = QFileInfo(path).absolutePath();
    open(int(AbbeyListWindow::Kind::Update), path);
}

void AbbeyListController::startRevert()
{
    const QString previous = AbbeyListSwap::previousPath(listPath());
    if (!QFileInfo(previous).isFile()) {
        m_context.messages.notice(tr("Il n'y a pas de liste précédente (%1) : la liste des abbayes "
                                     "n'a jamais été remplacée depuis ce dossier.")
                                      .arg(QFileInfo(previous).fileName()));
        refreshItems();
        return;
    }
    open(int(AbbeyListWindow::Kind::Revert), previous);
}

void AbbeyListController::open(int kind, const QString &path)
{
    Messages &messages = m_context.messages;
    const QString name = QFileInfo(path).fileName();
    const LogFile::Bytes chosen = LogFile::readBytes(path);
    if (!chosen.exists || !chosen.error.isEmpty()) {
        messages.notice(tr("Le fichier %1 n'a pas pu être lu :\r\n%2")
                            .arg(name, chosen.exists ? chosen.error : tr("il n'existe pas.")));
        return;
    }
    // Refused before anything is shown as replaceable.
    const QString why = AbbeyListFile::fromBytes(chosen.content).notAList();
    if (!why.isEmpty()) {
        messages.notice(tr("Le fichier %1 n'est pas une liste des abbayes : %2\r\n\r\n"
                           "La liste en service n'a pas été modifiée.")
                            .arg(name, why));
        return;
    }
    const LogFile::Bytes current = LogFile::readBytes(listPath());
    if (!current.error.isEmpty()) {
        messages.notice(tr("La liste des abbayes en service %1 ne peut pas être lue :\r\n%2")
                            .arg(AbbeyList::FileName, current.error));
        return;
    }
    // The QSOs compared are those of the log as it is now on disk.
    m_context.session.refreshIfChanged();
    auto *window = new AbbeyListWindow(m_context, AbbeyListWindow::Kind(kind), path, chosen.content,
                                       current.content, current.exists, m_context.mainWindow);
    connect(window, &QObject::destroyed, this, &AbbeyListController::refreshItems);
    connect(window, &AbbeyListWindow::listReplaced, this, &AbbeyListController::listReplaced);
    window->open();
}

AbbeyListController *installAbbeyListWindows(const AppContext &context)
{
    QAction *update = context.items.Mnu_Maj_Abbayes;
    QAction *back = context.items.Mnu_Abbayes_Precedentes;
    if (!update || !back)
        return nullptr;
    auto *controller = new AbbeyListController(context);
    QObject::connect(update, &QAction::triggered, controller, &AbbeyListController::startUpdate);
    QObject::connect(back, &QAction::triggered, controller, &AbbeyListController::startRevert);
    // Whether there is a previous list is looked at each time the menu opens.
    if (QMenu *menu = context.items.Mnu_Diplome_ZEL)
        QObject::connect(menu, &QMenu::aboutToShow, controller, &AbbeyListController::refreshItems);
    controller->refreshItems();
    return controller;
}

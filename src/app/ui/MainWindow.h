#pragma once

#include "entry/QsoEntry.h"
#include "app/ui/MainForm.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

#include <memory>

class Clock;
class FieldKeys;
class LanguageChoice;
class LogSession;
class Messages;
class QsoListModel;
class Settings;
class WaitNotice;

// The logbook's main window, `Main`: entry fields, the station's QSO list, clock,
// menus and buttons. It maps keys and clicks onto the QSO entry and the log
// session and shows what they answer.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(Settings &settings, Messages &messages, Clock &clock, LogSession &session,
               QsoEntry &entry, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up: settings, lists, first-installation notice, the log, idle entry.
    void startUp();

    // Reads the log again and shows it.
    void Charge_Liste_QSO();
    // Back to the idle entry state.
    void Raz_Saisie();
    // Selects a list line as if the operator had clicked it (none: -1).
    void selectLine(int row);
    void selectLastLine();

    // The session has a new station: show it and its log.
    void applyStation();
    void refreshClock();

    // The menu items and buttons that the other subsystems wire to their windows.
    MainItems items() const;

    // How a folder is shown in the desktop's file manager (QDesktopServices::openUrl
    // unless a test says otherwise); false when it could not be.
    using UrlOpener = std::function<bool(const QUrl &)>;
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    // Fichier > "Ouvrir le dossier des fichiers": the program folder, where the
    // log, the saved lists and the exports are.
    void openFilesFolder();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildStatusArea();
    // Tells the entry of each field the operator changes himself.
    void watchOperatorInput();
    QsoEntry::Field fieldOf(QWidget *widget) const;
    QWidget *widgetOf(QsoEntry::Field field) const;
    QsoEntry::Values values() const;
    void show(const QsoEntry::Values &values);
    void apply(const QsoEntry::Answer &answer, QWidget *from);

    void onEnter(QWidget *field);
    void onKey(QWidget *field);
    void onTyping(QWidget *field);
    void moveOn(QWidget *from, QWidget *to);
    void focusField(QWidget *field);
    static void setComboText(QComboBox *combo, const QString &text);

    void onListClicked(int row);
    void onListDoubleClicked(int row);
    void onValide();
    void onSupprime();
    void onInsere();
    void restoreBandAndMode();
    // The fields after the callsign back to waiting, empty, reports at "59".
    void clearFields();
    // The callsign field empty and open, with the cursor.
    void openCallsign();
    // A new QSO with this callsign offered from elsewhere: in its field, the window forward.
    void offerCallsign(const QString &callsign);

    // Tells the operator, once, of a log that cannot be read or holds hand-edited lines.
    void reportLogProblems();
    // Afficher > Langue: the language kept for the next start is the one ticked.
    void chooseLanguage(const QString &code);
    void tickLanguage();

    Settings &m_settings;
    Messages &m_messages;
    Clock &m_clock;
    LogSession &m_session;
    QsoEntry &m_entry;

    MainForm m_ui{};
    QsoListModel *m_model = nullptr;
    std::unique_ptr<WaitNotice> m_wait; // while a large log is rewritten
    std::unique_ptr<LanguageChoice> m_language;
    FieldKeys *m_keys = nullptr;
    bool m_listKeys = false;
    QString m_lastMalformedNotice;
    int m_numberDigits = 0; // the N° column is wide enough for numbers this long
    UrlOpener m_openUrl;
    QWidget *m_radioPlace = nullptr;
    QWidget *m_clusterPlace = nullptr;
};

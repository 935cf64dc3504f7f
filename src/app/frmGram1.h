#pragma once

#include "app/Worksheet.h"
#include "app/WorksheetDocument.h"
#include "core/SentenceState.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QPushButton;

namespace parsella {

class HelpWindow;
class Platform;

// The hub: the title, one button per sentence type, "Exit" and the menu bar. It owns the
// one SentenceState of the run and hands it to every window it opens; it never reads or
// writes the state itself. The worksheet window, the one window that is not modal, only
// watches the record of the sentences built.
class frmGram1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmGram1(QWidget *parent = nullptr);
    ~frmGram1() override;

    SentenceState &state() { return st; }

    // The system the help commands and the About box turn to; the real one unless a test
    // puts a recorder in its place.
    void setPlatform(Platform &replacement) { platform = &replacement; }
    // The publisher's web host behind "Grammar" and the About box's address; the build's own
    // unless a test gives another. Empty: no site, the grammar notes shipped with the program.
    void setWebHost(const QString &host) { webHost = host; }
    // The worksheet's questions and messages, asked from here too; the real dialogs unless a
    // test answers them.
    void setWorksheetDialogs(WorksheetDialogs &replacement);

    // The worksheet document of the run, made at start-up; the window that shows it is not.
    WorksheetDocument &document() { return doc; }

    // Before the window takes input: offers back the work a run that did not end cleanly
    // left behind, then opens the first of `files` in the worksheet window.
    void startUp(const QStringList &files);
    // True if the learner restored the work.
    bool offerRecovery();

    void cmdDec_Click();
    void cmdInt_Click();
    void cmdImp_Click();
    void cmdExit_Click();
    void Grammar_Click();
    void help_Click();
    void about_Click();
    void worksheet_Click();

    // The program's own help window, once the desktop has failed to open a page.
    HelpWindow *helpWindow() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Worksheet *ensureSheet();
    // Opens a page of the program's own with the desktop, else in the help window.
    void openPage(const QUrl &page);

    SentenceState st;
    Platform *platform;
    QString webHost;
    WorksheetDocument doc{st.record};
    WorksheetDialogs ownDialogs;
    WorksheetDialogs *dialogs = &ownDialogs;
    // Made on first opening, so that start-up costs nothing more; kept, hidden, when closed.
    QPointer<Worksheet> sheet;
    QPointer<HelpWindow> reader;

    QLabel *Label1;
    QPushButton *cmdDec;
    QPushButton *cmdInt;
    QPushButton *cmdImp;
    QPushButton *cmdExit;
    QAction *Grammar;
    QAction *help;
    QAction *about;
    QAction *worksheet;
};

} // namespace parsella

#include "app/frmGram1.h"

#include "app/frmCopyright.h"
#include "app/HelpDocuments.h"
#include "app/HelpWindow.h"
#include "app/Worksheet.h"
#include "core/Form.h"
#include "core/FormTable.h"
#include "core/Language.h"
#include "core/Platform.h"
#include "sentences/frmDec.h"
#include "sentences/frmImp.h"
#include "sentences/frmInt.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>
#include <cstdio>

namespace parsella {

static const WindowDesign design{
    "frmGram1", QT_TRANSLATE_NOOP("frmGram1", "Tamrin's Grammatical Worksheet"), 5700, 4170, true, plain,
    {
        {Kind::Label, "Label1", -1, "Parsella", nullptr, {1080, 360, 3015, 375}, {12, Bold | Centred}, Shown, 0},
        {Kind::Button, "cmdDec", -1, QT_TRANSLATE_NOOP("frmGram1", "Declarative Sentence = (statement)"), nullptr, {960, 960, 3615, 375}, plain, Shown, 1},
        {Kind::Button, "cmdInt", -1, QT_TRANSLATE_NOOP("frmGram1", "Interrogative Sentence = (question) ???"), nullptr, {960, 1560, 3615, 375}, plain, Shown, 2},
        {Kind::Button, "cmdImp", -1, QT_TRANSLATE_NOOP("frmGram1", "Imperative Sentence = (command)   !!!"), nullptr, {960, 2280, 3615, 375}, plain, Shown, 3},
        {Kind::Button, "cmdExit", -1, QT_TRANSLATE_NOOP("frmGram1", "Exit"), nullptr, {2160, 3120, 975, 375}, plain, Shown, 4},
    },
};

frmGram1::frmGram1(QWidget *parent)
    : QMainWindow(parent), platform(&systemPlatform()), webHost(parsella::webHost())
{
    auto *client = new QWidget(this);
    setCentralWidget(client);
    buildForm(this, client, design);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Label1 = designedControl<QLabel>(client, "Label1");
    cmdDec = designedControl<QPushButton>(client, "cmdDec");
    cmdInt = designedControl<QPushButton>(client, "cmdInt");
    cmdImp = designedControl<QPushButton>(client, "cmdImp");
    cmdExit = designedControl<QPushButton>(client, "cmdExit");
    // Enter presses the focused button here as in every other window, where the dialogs
    // give their buttons that behaviour.
    for (QPushButton *button : {cmdDec, cmdInt, cmdImp, cmdExit})
        button->setAutoDefault(true);

    // Top-level items without sub-menus; the ampersands give Alt+G, Alt+H, Alt+A and Alt+W.
    Grammar = menuBar()->addAction(tr("&Grammar"));
    Grammar->setObjectName("Grammar");
    help = menuBar()->addAction(tr("&Help"));
    help->setObjectName("help");
    about = menuBar()->addAction(tr("&About"));
    about->setObjectName("about");
    worksheet = menuBar()->addAction(tr("&Worksheet"));
    worksheet->setObjectName("worksheet");
    // The learner's language, chosen here as in the Worksheet.
    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->menuAction()->setObjectName("view");
    language::fillLanguageMenu(view->addMenu(tr("&Language")));
    // The menu bar in the window's own face, already loaded for the buttons: a face of its
    // own would be looked up and loaded before the first frame as well.
    menuBar()->setFont(classicFont(design.font.points, design.font.flags));

    connect(cmdDec, &QPushButton::clicked, this, &frmGram1::cmdDec_Click);
    connect(cmdInt, &QPushButton::clicked, this, &frmGram1::cmdInt_Click);
    connect(cmdImp, &QPushButton::clicked, this, &frmGram1::cmdImp_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmGram1::cmdExit_Click);
    connect(Grammar, &QAction::triggered, this, &frmGram1::Grammar_Click);
    connect(help, &QAction::triggered, this, &frmGram1::help_Click);
    connect(about, &QAction::triggered, this, &frmGram1::about_Click);
    connect(worksheet, &QAction::triggered, this, &frmGram1::worksheet_Click);
}

frmGram1::~frmGram1()
{
    setClearArea({});
}

void frmGram1::cmdDec_Click()
{
    showModal<frmDec>(this, st);
}

void frmGram1::cmdInt_Click()
{
    showModal<frmInt>(this, st);
}

void frmGram1::cmdImp_Click()
{
    showModal<frmImp>(this, st);
}

// With unsaved work the learner is asked first, and Cancel keeps the program running.
void frmGram1::cmdExit_Click()
{
    if (close())
        QCoreApplication::quit();
}

void frmGram1::closeEvent(QCloseEvent *event)
{
    if (doc.isModified() && !ensureSheet()->settleUnsaved(this)) {
        event->ignore();
        return;
    }
    // A clean exit: nothing to recover at the next start.
    doc.dropRecovery();
    event->accept();
}

void frmGram1::setWorksheetDialogs(WorksheetDialogs &replacement)
{
    dialogs = &replacement;
    if (sheet)
        sheet->setDialogs(replacement);
}

void frmGram1::startUp(const QStringList &files)
{
    bool show = offerRecovery();
    if (!files.isEmpty() && ensureSheet()->settleUnsaved(this) && sheet->openFile(files.first()))
        show = true;
    if (show)
        worksheet_Click();
}

bool frmGram1::offerRecovery()
{
    const std::unique_ptr<LeftRecovery> left = doc.leftRecovery();
    if (!left)
        return false;
    if (dialogs->askRestore(this, left->description())) {
        doc.restore(*left);
        return true;
    }
    left->remove();
    return false;
}

// On the NT family the grammar notes open with the default application: the page on the
// publisher's site or, in a build without one, the page shipped with the program. Elsewhere
// they are the Windows help file beside the program.
void frmGram1::Grammar_Click()
{
    if (platform->platformId() == ntFamily)
        openPage(grammarTarget(webHost, platform->programDirectory()));
    else
        platform->start(QStringLiteral("winhelp"),
                        {besideProgram(platform->programDirectory(), QStringLiteral("parsel1.hlp"))});
}

// The worksheet's own help stays local on every platform: an HTML page on the NT family,
// the Windows help file elsewhere.
void frmGram1::help_Click()
{
    if (platform->platformId() == ntFamily)
        openPage(QUrl::fromLocalFile(helpPage(platform->programDirectory())));
    else
        platform->start(QStringLiteral("winhelp"),
                        {besideProgram(platform->programDirectory(), QStringLiteral("parhlp.hlp"))});
}

// A desktop without a browser must not leave Help silent: a local page is shown in the
// program's own window, and a web address that could not be opened is given to copy.
void frmGram1::openPage(const QUrl &page)
{
    if (platform->open(page))
        return;
    if (!page.isLocalFile()) {
        tellNotOpened(this, page);
        return;
    }
    if (!reader)
        reader = new HelpWindow(*platform, this);
    reader->showPage(page);
    reader->show();
    reader->raise();
    reader->activateWindow();
}

HelpWindow *frmGram1::helpWindow() const
{
    return reader;
}

// The About box has no owner window.
void frmGram1::about_Click()
{
    frmCopyright box(*platform, nullptr, webHost);
    box.exec();
}

// Not modal: it stays open beside the sentence windows. As the hub's child it closes with
// the program and never keeps the program running on its own.
void frmGram1::worksheet_Click()
{
    ensureSheet();
    sheet->show();
    sheet->raise();
    sheet->activateWindow();
}

Worksheet *frmGram1::ensureSheet()
{
    if (!sheet) {
        sheet = new Worksheet(doc, st.record, this);
        sheet->setDialogs(*dialogs);
        sheet->placeBeside(this);
        connect(qApp, &QCoreApplication::aboutToQuit, sheet, &Worksheet::rememberPlace);
        // The sentence windows and pickers open beside the open Worksheet, so the tree they
        // grow stays in view.
        setClearArea({[sheet = sheet] { return sheet && sheet->isVisible() ? sheet->frameGeometry() : QRect(); },
                      [sheet = sheet] {
                          if (sheet && sheet->isVisible())
                              sheet->raise();
                      }});
    }
    return sheet;
}

} // namespace parsella

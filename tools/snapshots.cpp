// Renders every window in its design state, and the question and command windows in later
// states too (controls that only appear then, the longest question), and the worksheet with
// a sentence of each type in progress and finished, to PNG files, for looking at layouts by eye;
// then what the worksheet saves and prints (worksheet-tree.svg, .png, worksheet.pdf), and a
// task sheet blank and with two answers as printed and exported (task-sheet.pdf, .txt,
// blank-sheet-N.png, task-sheet-N.png):
//   parsella_snapshots OUTDIR [SCALE [LANG]]
// LANG is a catalogue's code (de, pt_BR …); without it the windows are in English, whatever the
// system's locale. Runs on any Qt platform, offscreen included.
#include "app/frmCopyright.h"
#include "app/frmGram1.h"
#include "app/TaskSheetPrint.h"
#include "app/Worksheet.h"
#include "app/WorksheetDocument.h"
#include "core/Application.h"
#include "core/Language.h"
#include "core/Platform.h"
#include "grammar/SentenceRecord.h"
#include "pickers/frmComp.h"
#include "pickers/frmNP.h"
#include "pickers/frmNPP.h"
#include "pickers/frmVerb.h"
#include "sentences/frmDec.h"
#include "sentences/frmImp.h"
#include "sentences/frmInt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QTimer>
#include <functional>
#include <list>
#include <memory>

using namespace parsella;

static void clickOption(QWidget *window, const char *group, int index)
{
    window->findChild<QButtonGroup *>(QLatin1String(group))->button(index)->click();
}

static void clickButton(QWidget *window, const char *name)
{
    window->findChild<QAbstractButton *>(QLatin1String(name))->click();
}

// Clicks `name`, which opens a picker, and makes the given choices in it before "Return".
static void pick(QWidget *window, const char *name, std::vector<std::pair<const char *, int>> choices)
{
    QTimer::singleShot(0, [choices] {
        QWidget *picker = QApplication::activeModalWidget();
        for (const auto &[group, index] : choices)
            clickOption(picker, group, index);
        clickButton(picker, "cmdExit");
    });
    clickButton(window, name);
}

// The question window with the longest subject it can build, and optionally the longest
// question that subject can start.
static std::unique_ptr<QWidget> longestQuestion(SentenceState &st, bool whole)
{
    auto w = std::make_unique<frmInt>(st, nullptr);
    clickOption(w.get(), "optWh", 1);      // Which
    clickOption(w.get(), "optAdv", 1);     // extremely
    clickOption(w.get(), "optAdj", 1);     // interesting
    if (!whole)
        return w;
    clickOption(w.get(), "optNoun", 3);    // images
    clickButton(w.get(), "cmdPred");
    pick(w.get(), "cmdVP", {{"optVerb", 5}, {"optTense", 2}}); // will change
    pick(w.get(), "cmdComp", {{"optNP", 1}});                  // the delicious cookies
    return w;
}

using grammar::SentenceRecord;
using grammar::SentenceType;

// The steps of three sentences as the sentence windows record them, each stopped half-way or
// carried to its end.
static void statement(SentenceRecord &r, bool whole)
{
    r.begin(SentenceType::Statement);
    r.setSubject(*grammar::nounPhrase({"the", "small", "dog"}));
    r.setDraftVerb(grammar::verbGroup("walks"));
    if (!whole)
        return;
    r.acceptDraft();
    r.setComplement(*grammar::complement("here"));
    r.end();
}

static void question(SentenceRecord &r, bool whole)
{
    r.begin(SentenceType::Question);
    r.setDraftSubject(grammar::nounPhrase({"Which", "extremely"}));
    if (!whole)
        return;
    r.setSubject(*grammar::nounPhrase({"Which", "extremely", "pretty", "images"}));
    r.setVerb(*grammar::verbGroup("were"));
    r.setComplement(*grammar::complement("in the mountains"));
    r.end();
}

static void command(SentenceRecord &r, bool whole)
{
    r.begin(SentenceType::Command);
    r.setVerb(*grammar::verbGroup("be"));
    if (!whole)
        return;
    r.setComplement(*grammar::complement("extremely fast"));
    r.end();
}

static void longestStatement(SentenceRecord &r)
{
    r.begin(SentenceType::Statement);
    r.setSubject(*grammar::nounPhrase({"the", "engineer's", "extremely", "interesting", "images"}));
    r.setVerb(*grammar::verbGroup("will change"));
    r.setComplement(*grammar::complement("the delicious cookies"));
    r.end();
}

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[2], "") != 0)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    configureApplication(app);
    // It prints and saves pictures through the module built beside the program.
    QCoreApplication::addLibraryPath(QStringLiteral(PARSELLA_OUTPUT_MODULE_DIR));
    const QString lang = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    if (!language::apply(lang)) {
        qWarning("parsella_snapshots: no catalogue for the language \"%s\"", qPrintable(lang));
        return 1;
    }
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    SentenceState st;
    Platform &platform = systemPlatform(); // nothing rendered here is clicked or opened
    std::vector<std::pair<const char *, std::function<std::unique_ptr<QWidget>()>>> windows{
        {"frmGram1", [] { return std::make_unique<frmGram1>(); }},
        {"frmDec", [&] { return std::make_unique<frmDec>(st, nullptr); }},
        {"frmInt", [&] { return std::make_unique<frmInt>(st, nullptr); }},
        {"frmInt-subject", [&] { return longestQuestion(st, false); }},
        {"frmInt-question", [&] { return longestQuestion(st, true); }},
        {"frmInt-predicate", [&] {
             auto w = std::make_unique<frmInt>(st, nullptr);
             clickOption(w.get(), "optWh", 0); // Who
             clickButton(w.get(), "cmdPred");
             return w;
         }},
        {"frmImp", [&] { return std::make_unique<frmImp>(st, nullptr); }},
        {"frmImp-predicate", [&] {
             auto w = std::make_unique<frmImp>(st, nullptr);
             clickButton(w.get(), "cmdPred");
             return w;
         }},
        {"frmNP", [&] { return std::make_unique<frmNP>(st, nullptr); }},
        {"frmNPP", [&] { return std::make_unique<frmNPP>(st, nullptr); }},
        {"frmVerb", [&] { return std::make_unique<frmVerb>(st, nullptr); }},
        {"frmComp", [&] { return std::make_unique<frmComp>(st, nullptr); }},
        {"frmComp-go", [&] {
             frmVerb verb(st, nullptr);
             clickOption(&verb, "optVerb", 7); // go: a place or an -ing word may follow
             return std::make_unique<frmComp>(st, nullptr);
         }},
        {"frmCopyright", [&] { return std::make_unique<frmCopyright>(platform); }},
    };
    // Each worksheet watches a record of its own, which outlives it.
    std::list<SentenceRecord> records;
    auto worksheet = [&](std::function<void(SentenceRecord &)> steps) {
        return [&records, steps] {
            SentenceRecord &r = records.emplace_back();
            auto w = std::make_unique<Worksheet>(r);
            steps(r);
            return std::unique_ptr<QWidget>(std::move(w));
        };
    };
    windows.insert(windows.end(), {
        {"worksheet-empty", worksheet([](SentenceRecord &) {})},
        {"worksheet-statement-growing", worksheet([](SentenceRecord &r) { statement(r, false); })},
        {"worksheet-statement", worksheet([](SentenceRecord &r) { statement(r, true); })},
        {"worksheet-question-growing", worksheet([](SentenceRecord &r) { statement(r, true); question(r, false); })},
        {"worksheet-question", worksheet([](SentenceRecord &r) { statement(r, true); question(r, true); })},
        {"worksheet-command-growing", worksheet([](SentenceRecord &r) { question(r, true); command(r, false); })},
        {"worksheet-command", worksheet([](SentenceRecord &r) { question(r, true); command(r, true); })},
        {"worksheet-longest", worksheet([](SentenceRecord &r) {
             statement(r, true);
             question(r, true);
             command(r, true);
             longestStatement(r);
         })},
    });
    for (const auto &[name, make] : windows) {
        std::unique_ptr<QWidget> w = make();
        w->show();
        QApplication::processEvents();
        w->grab().save(out + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    }

    // What the worksheet saves and prints, without its dialogs: the newest tree as SVG and
    // PNG, and every sentence printed to PDF.
    struct ToFiles : WorksheetDialogs {
        QString name;
        QString saveFileName(QWidget *, const QString &, const QString &, const QString &, QString *) override { return name; }
        bool choosePrinter(QWidget *, QPrinter &printer) override
        {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(name);
            return true;
        }
        void tellFailure(QWidget *, const QString &, const QString &message) override { qWarning("%s", qPrintable(message)); }
    } files;
    SentenceRecord &r = records.emplace_back();
    Worksheet sheet(r);
    sheet.setDialogs(files);
    statement(r, true);
    question(r, true);
    command(r, true);
    longestStatement(r);
    for (const char *name : {"worksheet-tree.svg", "worksheet-tree.png"}) {
        files.name = out + QLatin1Char('/') + QLatin1String(name);
        sheet.savePicture();
    }
    files.name = out + QStringLiteral("/worksheet.pdf");
    sheet.print();

    SentenceRecord &tasksRecord = records.emplace_back();
    Worksheet tasks(tasksRecord);
    tasks.setDialogs(files);
    WorksheetDocument &doc = tasks.document();
    for (grammar::SentenceType type : {grammar::SentenceType::Statement, grammar::SentenceType::Question,
                                       grammar::SentenceType::Command}) {
        grammar::Task task;
        task.ask.type = type;
        task.ask.tense = type == grammar::SentenceType::Command ? std::nullopt : std::optional(grammar::Tense::Past);
        doc.addTask(task);
    }
    doc.setLearner(QStringLiteral("Zoë"));
    doc.setCurrentTask(0);
    statement(tasksRecord, true);
    doc.setCurrentTask(1);
    question(tasksRecord, true);
    files.name = out + QStringLiteral("/task-sheet.pdf");
    tasks.print();
    files.name = out + QStringLiteral("/task-sheet.txt");
    tasks.exportText();
    // The printed pages as pictures, A4 at the screen's 96 dpi within 15 mm margins: the sheet
    // as handed out, and as answered.
    grammar::Document blank = doc.content();
    blank.learner.clear();
    blank.sentences.clear();
    for (grammar::Task &task : blank.tasks)
        task = grammar::Task{task.ask, task.prompt, 0, false, {}};
    const QSize a4(794, 1123);
    const int margin = 57;
    for (const auto &[name, content] : {std::pair(QStringLiteral("blank-sheet"), blank), std::pair(QStringLiteral("task-sheet"), doc.content())}) {
        QList<QImage> pages;
        QPainter painter;
        const auto startPage = [&] {
            if (!pages.isEmpty())
                painter.end();
            QImage &page = pages.emplace_back(a4, QImage::Format_RGB32);
            page.fill(Qt::white);
            painter.begin(&page);
            painter.translate(margin, margin);
            return true;
        };
        startPage();
        drawTaskSheet(grammar::taskSheetOf(content, QStringLiteral("Animals")), painter,
                      QSizeF(a4.width() - 2 * margin, a4.height() - 2 * margin), startPage);
        painter.end();
        for (int i = 0; i < pages.size(); ++i)
            pages.at(i).save(out + QStringLiteral("/%1-%2.png").arg(name).arg(i + 1));
    }
    return 0;
}

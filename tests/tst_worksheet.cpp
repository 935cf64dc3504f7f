#include "app/frmGram1.h"
#include "app/TreeView.h"
#include "app/OutputModule.h"
#include "app/Worksheet.h"
#include "app/WorksheetDocument.h"
#include "grammar/SentenceRecord.h"
#include "FailDevice.h"
#include "GuiTest.h"
#include "ScriptedDialogs.h"
#include "Sentences.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QListWidget>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace parsella;
using namespace parsella::grammar;
using namespace drive;
using sentences::clickCaption;
using testsupport::FailDevice;

static void statement(SentenceRecord &r)
{
    r.begin(SentenceType::Statement);
    r.setSubject(*nounPhrase({"the", "small", "dog"}));
    r.setVerb(*verbGroup("walks"));
    r.setComplement(*complement("here"));
    r.end();
}

static void command(SentenceRecord &r)
{
    r.begin(SentenceType::Command);
    r.setVerb(*verbGroup("be"));
    r.setComplement(*complement("extremely fast"));
    r.end();
}

static QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Counts the paint events that reach a widget.
class PaintCounter : public QObject
{
public:
    PaintCounter(QWidget *widget, int &count) : count(count) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }

private:
    int &count;
};

// The worksheet window driven by a record written from code, as the sentence windows write it.
class tst_Worksheet : public testsupport::GuiTest
{
    Q_OBJECT

    QTemporaryDir temp;

private slots:
    // Every step shows at once, the tree is never smaller than its drawing, and only a
    // sentence whose window closed complete is listed.
    void followsTheSentenceBeingBuilt()
    {
        SentenceRecord r;
        statement(r);
        Worksheet w(r);
        w.show();
        auto *tree = w.findChild<TreeView *>("tree");
        auto *list = w.findChild<QListWidget *>("sentences");
        QCOMPARE(list->count(), 1); // finished before the window was first opened

        list->setCurrentRow(0);
        r.begin(SentenceType::Question);
        QVERIFY(list->selectedItems().isEmpty()); // the sentence being built takes the tree over
        const auto steps = std::vector<std::function<void()>>{
            [&] { r.setDraftSubject(nounPhrase({"Which", "extremely"})); },
            [&] { r.setSubject(*nounPhrase({"Which", "extremely", "interesting", "images"})); },
            [&] { r.setDraftVerb(verbGroup("were")); },
            [&] { r.acceptDraft(); },
            [&] { r.setDraftComplement(complement("in the mountains")); },
            [&] { r.dropDraft(); },
            [&] { r.setDraftComplement(complement("in the mountains")); },
            [&] { r.acceptDraft(); }, // the same tree, but now the label is complete
        };
        for (const auto &step : steps) {
            step();
            QCOMPARE(tree->sentence(), r.shown());
            QCOMPARE(tree->isComplete(), r.recordedSentence()->isComplete()); // as the sentence label
            QCOMPARE(tree->accessibleDescription(), r.shown()->description());
            QVERIFY(tree->width() >= TreePicture(*r.shown(), false).size().width());
            QVERIFY(tree->height() >= TreePicture(*r.shown(), false).size().height());
        }
        r.end();
        QCOMPARE(list->count(), 2);
        r.begin(SentenceType::Command);
        r.setVerb(*verbGroup("be"));
        r.end(); // closed without its complement: not listed
        QCOMPARE(list->count(), 2);
        command(r);
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(2)->text(), QString("3. Command: Be extremely fast!")); // as a teacher writes it
        QCOMPARE(tree->sentence()->text(), QString("be extremely fast!")); // the newest
        list->setCurrentRow(0);
        QCOMPARE(tree->sentence()->text(), QString("the small dog walks here."));
    }

    // Ctrl+C copies the sentence as its label showed it, Ctrl+Shift+C its brackets: the
    // selected one, or the newest with nothing selected.
    void copiesTheSelectedOrTheNewest()
    {
        SentenceRecord r;
        statement(r);
        command(r);
        Worksheet w(r);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *list = w.findChild<QListWidget *>("sentences");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Be extremely fast!"));
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("The small dog walks here."));
        // The brackets keep every word as chosen.
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("[S [NP [Det the] [Adj small] [N dog]] [VP [V walks] [AdvP [Adv here]]]]"));
    }

    void savesPicturesTheWorksheetAndAPrintout()
    {
        SentenceRecord r;
        statement(r);
        command(r);
        Worksheet w(r);
        ScriptedDialogs d;
        w.setDialogs(d);

        d.fileName = temp.filePath("tree.svg");
        w.savePicture();
        QSvgRenderer svg(d.fileName);
        QVERIFY(svg.isValid());
        QVERIFY(svg.defaultSize().width() > 100);

        d.fileName = temp.filePath("tree.PNG");
        w.savePicture();
        QImage png(d.fileName);
        QVERIFY(!png.isNull());
        // The words are drawn: a complete sentence has black pixels somewhere.
        bool black = false;
        for (int y = 0; y < png.height() && !black; ++y)
            for (int x = 0; x < png.width() && !black; ++x)
                black = png.pixelColor(x, y) == Qt::black;
        QVERIFY(black);

        d.fileName = temp.filePath("sheet.txt");
        w.exportText();
        QCOMPARE(QString::fromUtf8(contents(d.fileName)),
                 QString("Statement\tThe small dog walks here.\t[S [NP [Det the] [Adj small] [N dog]] [VP [V walks] [AdvP [Adv here]]]]\n"
                         "Command\tBe extremely fast!\t[S [NP (you)] [VP [V be] [AdjP [AdvP [Adv extremely]] [Adj fast]]]]\n"));

        // Twelve trees do not fit one page: the printout goes on to more pages.
        for (int i = 0; i < 10; ++i)
            statement(r);
        d.pdf = temp.filePath("sheet.pdf");
        w.print();
        const QByteArray pdf = contents(d.pdf);
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.count("/Type /Page\n") > 1);
        QCOMPARE(d.failures, QStringList());
    }

    // Printing and SVG pictures come from a module loaded when first asked for. One that is
    // missing, or a file of its name that is not the module, is reported to the learner by
    // name; the next folder is still looked in.
    void findsItsOutputModuleOrSaysWhy()
    {
        QTemporaryDir none, broken;
        QString problem;
        QVERIFY(!loadOutputModule({none.path()}, &problem));
        QVERIFY2(problem.contains(outputModuleFileName()) && problem.contains("missing"), qPrintable(problem));

        const QString fake = QDir(broken.path()).filePath(outputModuleFileName());
        {
            QFile f(fake);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a module");
        }
        QVERIFY(!loadOutputModule({none.path(), broken.path()}, &problem));
        QVERIFY2(problem.contains(QDir::toNativeSeparators(fake)) && problem.contains("could not be loaded"), qPrintable(problem));
        QVERIFY(loadOutputModule(QStringList{broken.path()} + QCoreApplication::libraryPaths(), &problem));
    }

    // A sheet of tasks prints and exports before any sentence is built: the tasks as they go
    // on paper, under the sheet's name, on as many pages as they need. The picture of a tree
    // waits for a sentence; with the tasks gone, the sentences are exported as ever.
    void printsAndExportsATaskSheet()
    {
        QTemporaryDir dir;
        const QString sheetPath = dir.filePath("animals.parsella");
        QFile sheetFile(sheetPath);
        QVERIFY(sheetFile.open(QIODevice::WriteOnly));
        QByteArray tasks = R"({"ask":{"type":"statement"}},{"ask":{"tense":"past"}})";
        for (int i = 0; i < 10; ++i)
            tasks += R"(,{"ask":{"type":"command"},"prompt":"Give an order."})";
        sheetFile.write(R"({"format":"parsella-worksheet","version":1,"sentences":[],"tasks":[)" + tasks + "]}");
        sheetFile.close();
        SentenceRecord r;
        Worksheet w(r);
        ScriptedDialogs d;
        w.setDialogs(d);
        QVERIFY(w.openFile(sheetPath));
        const auto enabled = [&w](const char *name) { return w.findChild<QAction *>(name)->isEnabled(); };
        QVERIFY(enabled("exportText") && enabled("print"));
        QVERIFY(!enabled("savePicture") && !enabled("copy"));

        d.fileName = dir.filePath("animals.txt");
        w.exportText();
        const QString text = QString::fromUtf8(contents(d.fileName));
        QVERIFY2(text.startsWith("animals\n=======\n\nName: ____"), qPrintable(text));
        QVERIFY2(text.contains("\n2. Build a sentence in the past tense.\n\n   ____"), qPrintable(text));
        QVERIFY2(text.contains("\n12. Give an order.\n"), qPrintable(text));

        d.pdf = dir.filePath("animals.pdf");
        w.print();
        const QByteArray pdf = contents(d.pdf);
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.count("/Type /Page\n") > 1);
        QCOMPARE(d.failures, QStringList());

        // An answer is on the sheet with its state.
        w.document().setCurrentTask(0);
        statement(r);
        w.exportText();
        QVERIFY2(QString::fromUtf8(contents(d.fileName)).contains("\n1. Build a statement.\n   Answer (done): The small dog walks here.\n"),
                 contents(d.fileName).constData());

        while (!w.document().tasks().isEmpty())
            w.document().removeTask(0);
        w.exportText();
        QCOMPARE(QString::fromUtf8(contents(d.fileName)),
                 QString("Statement\tThe small dog walks here.\t[S [NP [Det the] [Adj small] [N dog]] [VP [V walks] [AdvP [Adv here]]]]\n"));
        w.document().removeSentence(0);
        QVERIFY(!enabled("exportText") && !enabled("print"));
    }

    // A cancelled dialog writes nothing; a failed save or print keeps the list, writes no
    // half file and names the file that failed.
    void cancelledAndFailedSavesLoseNothing()
    {
        SentenceRecord r;
        statement(r);
        Worksheet w(r);
        ScriptedDialogs d;
        w.setDialogs(d);
        QTemporaryDir dir;
        // Every way of writing a file, into `folder`; no folder is a cancelled dialog.
        const QStringList names{"sheet.txt", "tree.svg", "tree.png", "sheet.pdf"};
        const auto saveAll = [&](const QString &folder) {
            d.failures.clear();
            for (const QString &name : names) {
                d.fileName = d.pdf = folder.isEmpty() ? QString() : folder + '/' + name;
                name.endsWith(".txt") ? w.exportText() : name.endsWith(".pdf") ? w.print() : w.savePicture();
            }
            for (int i = 0; i < d.failures.size(); ++i)
                QVERIFY2(d.failures.at(i).contains(QDir::toNativeSeparators(folder + '/' + names.at(i))), qPrintable(d.failures.at(i)));
        };
        saveAll(QString());
        QCOMPARE(d.failures.size(), 0);

        // Tests run as root, who may write anywhere: a folder that is really a file stops it.
        const QString notAFolder = dir.filePath("plain");
        QFile(notAFolder).open(QIODevice::WriteOnly);
        saveAll(notAFolder);
        QCOMPARE(d.failures.size(), 4);
        // A disk that fills up: every write fails, even the last one, which a small file makes
        // only when it is flushed.
        w.document().setFileOpener([](const QString &, QString *) { return std::make_unique<FailDevice>(0); });
        saveAll(dir.path());
        QCOMPARE(d.failures.size(), 4);
        for (const QString &failure : std::as_const(d.failures))
            QVERIFY2(failure.contains(FailDevice::fullDisk), qPrintable(failure));
        w.document().setFileOpener(grammar::openSaveFile);
        d.fileName = dir.filePath("tree.jpg"); // a picture only as SVG or PNG
        w.savePicture();
        QVERIFY(d.failures.last().contains("tree.jpg"));

        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"plain"});
        QCOMPARE(w.findChild<QListWidget *>("sentences")->count(), 1);
    }

    // A name typed without an extension takes the chosen filter's; the next dialog opens in
    // the folder used last; printed pages keep margins a printer does not clip.
    void exportsAsATeacherNeeds()
    {
        SentenceRecord r;
        statement(r);
        Worksheet w(r);
        ScriptedDialogs d;
        w.setDialogs(d);
        QTemporaryDir dir;
        d.filter = QStringLiteral("PNG picture (*.png)");
        d.fileName = dir.filePath("tree");
        w.savePicture();
        QCOMPARE(d.failures, QStringList());
        QCOMPARE(QImageReader(dir.filePath("tree.png")).format(), QByteArray("png"));
        d.filter = QStringLiteral("Text (*.txt)");
        d.fileName = dir.filePath("sheet");
        w.exportText();
        QVERIFY(QFile::exists(dir.filePath("sheet.txt")));
        QCOMPARE(QFileInfo(d.folderOffered), QFileInfo(dir.path()));

        d.pdf = dir.filePath("sheet.pdf");
        w.print();
        for (qreal side : {d.marginsOffered.left(), d.marginsOffered.top(), d.marginsOffered.right(), d.marginsOffered.bottom()})
            QVERIFY2(side >= 15, qPrintable(QString::number(side)));
        QVERIFY(contents(d.pdf).startsWith("%PDF"));
    }

    // Through the real windows: the worksheet is made when first opened; the tree grows word by
    // word behind the sentence window and its pickers, which block the worksheet's input but not
    // its painting; the statement is listed once its window closes complete, an unfinished one
    // is not; and the worksheet never keeps the program running.
    void followsAStatementThroughTheRealWindows()
    {
        frmGram1 main;
        ScriptedDialogs d;
        main.setWorksheetDialogs(d); // the finished statement is dropped at the end
        main.show();
        QVERIFY(!main.findChild<Worksheet *>());
        main.findChild<QAction *>("worksheet")->trigger();
        auto *sheet = main.findChild<Worksheet *>();
        QVERIFY(sheet && sheet->isVisible() && sheet->isWindow());
        auto *tree = sheet->findChild<TreeView *>("tree");
        auto *list = sheet->findChild<QListWidget *>("sentences");
        const auto said = [tree] { return tree->sentence() ? tree->sentence()->tree().saidWords().join(' ') : QString(); };
        int paints = 0;
        PaintCounter counter(tree, paints);

        QString statement;
        QVERIFY(clickInto(button(&main, "cmdDec"), [&](QWidget *dec) {
            QVERIFY(tree->sentence() && tree->sentence()->type == SentenceType::Statement);
            button(dec, "cmdSubj")->click();
            QVERIFY(clickInto(button(dec, "cmdNP"), [&](QWidget *np) {
                for (const char *word : {"the", "small", "dog"}) {
                    const int before = paints;
                    QVERIFY(clickCaption(np, word));
                    QCOMPARE(said(), label(np, "lblNP")->text());
                    QTRY_VERIFY(paints > before);
                }
                button(np, "cmdExit")->click();
            }));
            button(dec, "cmdPred")->click();
            QVERIFY(clickInto(button(dec, "cmdVP"), [&](QWidget *vp) {
                for (const char *word : {"walk", "Future"}) {
                    QVERIFY(clickCaption(vp, word));
                    QCOMPARE(said(), "the small dog " + label(vp, "lblVerb")->text());
                }
                QVERIFY(!tree->isComplete()); // the sentence label is still red
                button(vp, "cmdExit")->click();
            }));
            statement = label(dec, "lblDecl")->text();
            QCOMPARE(said() + '.', statement);
            QVERIFY(tree->isComplete());
            QVERIFY(sheet->isVisible());
            button(dec, "cmdExit")->click();
        }));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), "1. Statement: " + statement.replace(0, 1, statement.at(0).toUpper()));

        QVERIFY(clickInto(button(&main, "cmdDec"), [&](QWidget *dec) {
            button(dec, "cmdSubj")->click();
            QVERIFY(clickInto(button(dec, "cmdNPP"), [](QWidget *p) {
                QVERIFY(clickOption(p, "optNPP", 2));
                button(p, "cmdExit")->click();
            }));
            button(dec, "cmdExit")->click();
        }));
        QCOMPARE(list->count(), 1);

        sheet->close();
        main.findChild<QAction *>("worksheet")->trigger();
        QCOMPARE(main.findChildren<Worksheet *>(), QList<Worksheet *>{sheet});
        QVERIFY(sheet->isVisible() && list->count() == 1);
        d.saveAnswers = {QMessageBox::Discard}; // the learner drops the unsaved sheet on leaving
        QTimer::singleShot(0, &main, &QWidget::close);
        QTimer *watchdog = armWatchdog();
        QCOMPARE(QCoreApplication::exec(), 0);
        watchdog->stop();
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Worksheet)
#include "tst_worksheet.moc"

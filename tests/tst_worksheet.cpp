#include "app/frmGram1.h"
#include "app/TreeView.h"
#include "app/Worksheet.h"
#include "grammar/SentenceRecord.h"
#include "GuiTest.h"
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
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace parsella;
using namespace parsella::grammar;
using namespace drive;
using sentences::clickCaption;

// Answers the worksheet's questions as a learner would, and keeps the failures it reports.
class ScriptedDialogs : public WorksheetDialogs
{
public:
    QString fileName;     // empty: the learner cancels the file dialog
    QString pdf;          // empty: the learner cancels the print dialog
    QStringList failures;
    QMarginsF marginsOffered; // in millimetres, as the print dialog showed them
    QString folderOffered;    // where the file dialog opened

    QString filter;       // the filter the learner chose, if any
    QString saveFileName(QWidget *, const QString &, const QString &suggested, const QString &, QString *selected) override
    {
        folderOffered = QFileInfo(suggested).absolutePath();
        *selected = filter;
        return fileName;
    }
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        marginsOffered = printer.pageLayout().margins(QPageLayout::Millimeter);
        if (pdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
    void tellFailure(QWidget *, const QString &, const QString &message) override { failures << message; }
    QMessageBox::StandardButton askSave(QWidget *, const QString &) override { return QMessageBox::Discard; }
};

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
        w.saveWorksheet();
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
                name.endsWith(".txt") ? w.saveWorksheet() : name.endsWith(".pdf") ? w.print() : w.savePicture();
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
#ifdef Q_OS_UNIX
        // A disk that fills up: with the file size limit at nothing every write to a file fails,
        // even the last one, which a small file makes only when it is flushed.
        // The limit and the signal it raises are the whole process's: both go back as they
        // were however this block is left, or every later test would write to a full disk.
        struct Restore {
            rlimit limit{};
            void (*handler)(int) = SIG_DFL;
            ~Restore()
            {
                setrlimit(RLIMIT_FSIZE, &limit);
                std::signal(SIGXFSZ, handler);
            }
        };
        rlimit limitBefore{};
        getrlimit(RLIMIT_FSIZE, &limitBefore);
        struct sigaction handlerBefore{};
        sigaction(SIGXFSZ, nullptr, &handlerBefore);
        {
            Restore restore;
            getrlimit(RLIMIT_FSIZE, &restore.limit);
            restore.handler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit full = restore.limit;
            full.rlim_cur = 0;
            setrlimit(RLIMIT_FSIZE, &full);
            saveAll(dir.path());
        }
        rlimit limitAfter{};
        getrlimit(RLIMIT_FSIZE, &limitAfter);
        struct sigaction handlerAfter{};
        sigaction(SIGXFSZ, nullptr, &handlerAfter);
        QCOMPARE(limitAfter.rlim_cur, limitBefore.rlim_cur);
        QVERIFY(handlerAfter.sa_handler == handlerBefore.sa_handler);
        QCOMPARE(d.failures.size(), 4);
#else
        // Windows has no file size limit to stand in for a full disk; a device that fails part
        // way will bring write failures in there.
        qInfo("SKIP: the full-disk case needs setrlimit, which Windows lacks");
#endif
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
        w.saveWorksheet();
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
        QTimer::singleShot(0, &main, &QWidget::close);
        QTimer *watchdog = armWatchdog();
        QCOMPARE(QCoreApplication::exec(), 0);
        watchdog->stop();
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Worksheet)
#include "tst_worksheet.moc"

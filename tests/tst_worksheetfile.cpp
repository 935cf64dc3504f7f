#include "app/frmGram1.h"
#include "app/Worksheet.h"
#include "app/WorksheetDocument.h"
#include "FailDevice.h"
#include "GuiTest.h"
#include "ScriptedDialogs.h"
#include "grammar/Document.h"
#include "grammar/Results.h"
#include "Sentences.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace parsella;
using namespace drive;
using testsupport::FailDevice;

// "she walks." or "they walk.", through the statement window and its pickers.
static void buildStatement(frmGram1 &main, int pronoun)
{
    QVERIFY(clickInto(button(&main, "cmdDec"), [pronoun](QWidget *dec) {
        button(dec, "cmdSubj")->click();
        QVERIFY(sentences::choosePronoun(dec, pronoun));
        button(dec, "cmdPred")->click();
        QVERIFY(sentences::chooseVerb(dec, 3)); // "walk", present
        button(dec, "cmdExit")->click();
    }));
}

static QStringList rows(const QListWidget *list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

// Each sentence as it reads and as its structure, which the file must give back alike.
static QStringList contents(const WorksheetDocument &doc)
{
    QStringList all;
    for (const grammar::Sentence &s : doc.sentences())
        all << s.text() + ' ' + s.brackets();
    return all;
}

class tst_WorksheetFile : public testsupport::GuiTest
{
    Q_OBJECT

    QTemporaryDir temp;

private slots:
    // A learner's whole session: two sentences built and saved; one removed and brought back;
    // Exit asks while work is unsaved, Cancel keeps it, Discard quits; and the file opens
    // again from the command line as it was saved.
    void savesEditsAndAsksBeforeDroppingWork()
    {
        const QString path = temp.filePath("class-3b.parsella");
        QStringList saved;
        {
            frmGram1 main;
            ScriptedDialogs d;
            main.setWorksheetDialogs(d);
            main.show();
            buildStatement(main, 3);
            buildStatement(main, 7);
            // Never opened, the Worksheet has no name to the learner: the question asks
            // about the finished sentences.
            d.saveAnswers = {QMessageBox::Cancel};
            button(&main, "cmdExit")->click();
            QCOMPARE(d.asked, QStringList{"save "});
            QVERIFY(main.isVisible());
            d.asked.clear();
            main.findChild<QAction *>("worksheet")->trigger();
            auto *sheet = main.findChild<Worksheet *>();
            auto *list = sheet->findChild<QListWidget *>("sentences");
            QCOMPARE(rows(list), QStringList({"1. Statement: She walks.", "2. Statement: They walk."}));
            QVERIFY(sheet->windowTitle().startsWith("Untitled[*]"));
            QVERIFY(sheet->isWindowModified());

            d.fileName = temp.filePath("class-3b"); // the ending is added
            sheet->findChild<QAction *>("save")->trigger();
            QVERIFY(QFile::exists(path));
            QCOMPARE(sheet->windowTitle(), QString("class-3b.parsella[*] \u2014 Worksheet"));
            QVERIFY(!sheet->isWindowModified());
            saved = rows(list);

            sheet->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(sheet));
            list->setFocus();
            list->setCurrentRow(0);
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(rows(list), QStringList{"1. Statement: They walk."});
            QVERIFY(sheet->isWindowModified());
            QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(rows(list), saved);
            QVERIFY(!sheet->isWindowModified()); // back where it was saved

            // The learner's name, typed, is one step to undo.
            auto *learner = sheet->findChild<QLineEdit *>("learner");
            learner->setFocus();
            QTest::keyClicks(learner, "Ana");
            QCOMPARE(main.document().learner(), QString("Ana"));
            QTest::keyClick(learner, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(learner->text(), QString());
            QVERIFY(!sheet->isWindowModified());

            list->setFocus();
            list->setCurrentRow(1);
            QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
            QCOMPARE(rows(list), QStringList({"1. Statement: They walk.", "2. Statement: She walks."}));

            d.saveAnswers = {QMessageBox::Cancel};
            button(&main, "cmdExit")->click();
            QCOMPARE(d.asked, QStringList{"save class-3b.parsella"});
            QVERIFY(main.isVisible() && sheet->isVisible());
            QCOMPARE(list->count(), 2);
            QVERIFY(sheet->isWindowModified());

            // New asks the same question; Cancel keeps the list.
            sheet->findChild<QAction *>("newDocument")->trigger();
            QCOMPARE(d.asked.size(), 2);
            QCOMPARE(list->count(), 2);

            d.saveAnswers = {QMessageBox::Discard};
            QTimer::singleShot(0, &main, [&main] { button(&main, "cmdExit")->click(); });
            QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
            QCOMPARE(QCoreApplication::exec(), 0);
            QVERIFY(!main.isVisible());
            QCOMPARE(d.asked.size(), 3);
            QCOMPARE(d.failures, QStringList());
        }

        frmGram1 again;
        ScriptedDialogs d;
        again.setWorksheetDialogs(d);
        again.show();
        again.startUp({path});
        auto *sheet = again.findChild<Worksheet *>();
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(rows(sheet->findChild<QListWidget *>("sentences")), saved);
        QVERIFY(!sheet->isWindowModified());
        QCOMPARE(d.asked, QStringList());

        // Nothing unsaved: Exit quits at once.
        QTimer::singleShot(0, &again, [&again] { button(&again, "cmdExit")->click(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(d.asked, QStringList());
    }

    // A save that fails half-way or at the end loses nothing: the worksheet keeps every
    // sentence and stays unsaved, the older file is as it was, the message names the file
    // and why, and the next save that can be written is whole.
    void failedSaveLosesNothing_data()
    {
        QTest::addColumn<double>("share"); // of the file that reaches the disk; below 0, bytes short of all
        QTest::addColumn<bool>("failCommit");
        QTest::newRow("full at once") << 0.0 << false;
        QTest::newRow("full half-way") << 0.5 << false;
        QTest::newRow("one byte short") << -1.0 << false;
        QTest::newRow("not put in place") << 1.0 << true;
    }
    void failedSaveLosesNothing()
    {
        QFETCH(double, share);
        QFETCH(bool, failCommit);
        frmGram1 main;
        ScriptedDialogs d;
        main.setWorksheetDialogs(d);
        main.show();
        buildStatement(main, 3);
        main.findChild<QAction *>("worksheet")->trigger();
        auto *sheet = main.findChild<Worksheet *>();
        d.fileName = temp.filePath("older.parsella");
        sheet->findChild<QAction *>("saveAs")->trigger();
        QCOMPARE(d.failures, QStringList());
        QFile older(d.fileName);
        QVERIFY(older.open(QIODevice::ReadOnly));
        const QByteArray olderBytes = older.readAll();
        older.close();

        buildStatement(main, 7);
        WorksheetDocument &doc = main.document();
        const QStringList unsaved = contents(doc);
        const qint64 size = grammar::writeDocument(doc.content()).size();
        const qint64 take = share >= 0 ? qint64(size * share) : size + qint64(share);
        QByteArray reached;
        doc.setFileOpener([&](const QString &, QString *) {
            return std::make_unique<FailDevice>(take, failCommit, &reached);
        });
        sheet->findChild<QAction *>("save")->trigger();
        QCOMPARE(reached.size(), failCommit ? size : take);
        QCOMPARE(d.failures.size(), 1);
        const QString &failure = d.failures.first();
        QVERIFY2(failure.contains(QDir::toNativeSeparators(d.fileName)), qPrintable(failure));
        QVERIFY2(failure.contains(failCommit ? FailDevice::commitRefused : FailDevice::fullDisk), qPrintable(failure));
        QCOMPARE(contents(doc), unsaved);
        QVERIFY(doc.isModified());
        QVERIFY(sheet->isWindowModified());
        QCOMPARE(doc.filePath(), QFileInfo(d.fileName).absoluteFilePath());
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), olderBytes);
        older.close();

        doc.setFileOpener(grammar::openSaveFile);
        sheet->findChild<QAction *>("save")->trigger();
        QCOMPARE(d.failures.size(), 1);
        QVERIFY(!doc.isModified());
        QCOMPARE(grammar::readDocumentFile(d.fileName).document, doc.content());
    }

    // A file that cannot be opened is reported by name; the program starts with an empty
    // worksheet and the file is left as it was.
    void refusedFileChangesNothing()
    {
        const QString path = temp.filePath("broken.parsella");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"format\": \"parsella-worksheet\", \"version\": 1, \"sentences\": [");
        file.close();
        frmGram1 main;
        ScriptedDialogs d;
        main.setWorksheetDialogs(d);
        main.startUp({path});
        QCOMPARE(d.failures.size(), 1);
        QVERIFY2(d.failures.first().contains(QDir::toNativeSeparators(path)), qPrintable(d.failures.first()));
        QCOMPARE(main.document().count(), 0);
        QVERIFY(!main.document().isModified());
        QCOMPARE(main.document().filePath(), QString());
    }

    // A sheet a teacher hands out is a template, by every way it is opened: the learner's
    // work starts untitled, Ctrl+S asks for a name of the learner's own beside the sheet, and
    // neither the save nor the recovery file ever writes the sheet. The learner's file then
    // opens as itself, and a teacher changes the sheet only by saving over it by name.
    void sheetIsATemplate_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("command line") << "command line";
        QTest::newRow("File › Open") << "open";
        QTest::newRow("Open Recent") << "recent";
    }
    void sheetIsATemplate()
    {
        QFETCH(QString, route);
        QDir folder(temp.filePath(route));
        QVERIFY(folder.mkpath("."));
        const QString sheetPath = folder.filePath("animals.parsella");
        QFile sheetFile(sheetPath);
        QVERIFY(sheetFile.open(QIODevice::WriteOnly));
        sheetFile.write(R"({"format":"parsella-worksheet","version":1,"learner":"","sentences":[],
            "tasks":[{"ask":{"type":"statement"}},{"ask":{"tense":"past"}}]})");
        sheetFile.close();
        const auto sheetBytes = [&sheetPath] {
            QFile file(sheetPath);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
        };
        const QByteArray handedOut = sheetBytes();

        frmGram1 main;
        ScriptedDialogs d;
        main.setWorksheetDialogs(d);
        main.show();
        if (route == "command line") {
            main.startUp({sheetPath});
        } else {
            main.findChild<QAction *>("worksheet")->trigger();
            auto *sheet = main.findChild<Worksheet *>();
            d.fileName = sheetPath;
            if (route == "open") {
                sheet->findChild<QAction *>("open")->trigger();
            } else {
                QVERIFY(sheet->openFile(sheetPath)); // once, so that it is in the list
                sheet->findChild<QAction *>("newDocument")->trigger();
                auto *recent = sheet->findChild<QMenu *>("openRecent");
                Q_EMIT recent->aboutToShow();
                QVERIFY(!recent->actions().isEmpty());
                recent->actions().first()->trigger();
            }
        }
        auto *sheet = main.findChild<Worksheet *>();
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(d.failures, QStringList());
        QCOMPARE(sheet->windowTitle(), QString("Untitled (from animals.parsella)[*] \u2014 Worksheet"));
        QCOMPARE(sheet->findChild<QListWidget *>("tasks")->count(), 2);

        sheet->findChild<QListWidget *>("tasks")->setCurrentRow(0);
        buildStatement(main, 3);
        auto *learner = sheet->findChild<QLineEdit *>("learner");
        learner->setFocus();
        QTest::keyClicks(learner, "Zo");
        QKeyEvent diaeresis(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "ë");
        QCoreApplication::sendEvent(learner, &diaeresis);
        QCOMPARE(main.document().learner(), "Zoë");
        WorksheetDocument &doc = main.document();
        QVERIFY(sheet->isWindowModified());
        doc.writeRecovery();
        QVERIFY(QFile::exists(doc.recoveryPath()));
        QCOMPARE(sheetBytes(), handedOut);

        // Ctrl+S asks; cancelled, nothing is written.
        sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(sheet));
        d.fileName.clear();
        QTest::keyClick(sheet, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(d.nameOffered, QString("animals \u2013 Zoë.parsella"));
        QCOMPARE(d.folderOffered, folder.absolutePath());
        QCOMPARE(sheetBytes(), handedOut);
        QVERIFY(sheet->isWindowModified());

        const QString answers = folder.filePath(d.nameOffered);
        d.fileName = answers;
        QTest::keyClick(sheet, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(d.failures, QStringList());
        QCOMPARE(sheet->windowTitle(), QString("animals \u2013 Zoë.parsella[*] \u2014 Worksheet"));
        QVERIFY(!sheet->isWindowModified());
        QCOMPARE(sheetBytes(), handedOut);

        // The learner's own file is no template: it opens as itself, and saves to itself.
        QVERIFY(sheet->openFile(answers));
        QCOMPARE(doc.filePath(), QFileInfo(answers).absoluteFilePath());
        QCOMPARE(doc.learner(), QString("Zoë"));
        QCOMPARE(sheet->findChild<QListWidget *>("sentences")->count(), 1);

        // The teacher adds a task to the sheet and saves over it by choosing its name.
        QVERIFY(sheet->openFile(sheetPath));
        QVERIFY(doc.filePath().isEmpty());
        grammar::Task third;
        third.ask.type = grammar::SentenceType::Command;
        doc.addTask(third);
        d.fileName = sheetPath;
        d.nameOffered.clear();
        QTest::keyClick(sheet, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(d.nameOffered, QString("animals \u2013 answers.parsella"));
        QCOMPARE(d.failures, QStringList());
        QCOMPARE(sheet->windowTitle(), QString("animals.parsella[*] \u2014 Worksheet"));
        const grammar::DocumentReading changed = grammar::readDocumentFile(sheetPath);
        QVERIFY2(changed.document, qPrintable(changed.problem));
        QCOMPARE(changed.document->tasks.size(), 3);
        QVERIFY(grammar::isSheet(*changed.document));
        sheet->close();
    }

    // A run that ends without its clean exit leaves its work behind; the next run offers it,
    // and restores the list and the name as they were. A run still going is not offered its
    // work, and a clean exit leaves nothing.
    // The real save dialog, as a learner types a name without its ending: the ending is added
    // before the dialog asks about replacing, so a sheet of that name is not replaced unasked.
    void saveDialogAsksBeforeReplacing_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("name of the sheet") << true;
        QTest::newRow("a new name") << false;
    }
    void saveDialogAsksBeforeReplacing()
    {
        QFETCH(bool, exists);
        const QString folder = temp.filePath(QTest::currentDataTag());
        QVERIFY(QDir().mkpath(folder));
        const QString sheet = QDir(folder).filePath("sheet.parsella");
        if (exists) {
            QFile file(sheet);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("the teacher's sheet");
        }
        QStringList asked;
        // Types "sheet" and accepts; a question about replacing is answered Yes.
        const std::function<void()> answerQuestion = [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked << box->text();
                box->button(QMessageBox::Yes)->click();
            }
        };
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            QVERIFY(name);
            name->setText("sheet");
            QTimer::singleShot(0, answerQuestion);
            QTest::keyClick(name, Qt::Key_Return);
            if (dialog->isVisible())
                dialog->reject(); // no question came, or it was not answered
        });
        QString filter;
        const QString chosen = WorksheetDialogs().saveFileName(nullptr, "Save Worksheet As", QDir(folder).filePath("x.parsella"),
                                                               "Parsella worksheet (*.parsella)", &filter);
        QCOMPARE(QFileInfo(chosen).absoluteFilePath(), QFileInfo(sheet).absoluteFilePath());
        QCOMPARE(asked.size(), exists ? 1 : 0);
        if (exists)
            QVERIFY2(asked.constFirst().contains("sheet.parsella"), qPrintable(asked.constFirst()));
    }

    void recoversWorkAfterACrash()
    {
        QDir(WorksheetDocument::recoveryFolder()).removeRecursively();
        QStringList before;
        QString recovery;
        {
            frmGram1 crashed;
            crashed.show();
            buildStatement(crashed, 3);
            buildStatement(crashed, 7);
            crashed.document().removeSentence(0);
            // Written at once: a crash right after the removal keeps it.
            const auto kept = [&crashed] {
                const grammar::DocumentReading r = grammar::readDocumentFile(crashed.document().recoveryPath());
                return r.document ? QStringLiteral("%1 %2").arg(r.document->sentences.size()).arg(r.document->learner) : r.problem;
            };
            QCOMPARE(kept(), "1 ");
            crashed.document().setLearner("Ana");
            QCOMPARE(kept(), "1 "); // the name, typed a key at a time, follows a moment later
            QTRY_COMPARE(kept(), "1 Ana");
            recovery = crashed.document().recoveryPath();
            before = contents(crashed.document());

            frmGram1 beside; // a second program open at the same time
            ScriptedDialogs d;
            beside.setWorksheetDialogs(d);
            beside.startUp({});
            QCOMPARE(d.asked, QStringList());
        } // dropped, as a crash would, without closing

        frmGram1 next;
        ScriptedDialogs d;
        next.setWorksheetDialogs(d);
        next.startUp({});
        QCOMPARE(d.asked, QStringList{"restore 1 sentence by Ana"});
        QCOMPARE(contents(next.document()), before);
        QCOMPARE(next.document().learner(), QString("Ana"));
        QVERIFY(next.document().isModified()); // not saved anywhere yet
        QVERIFY(next.findChild<Worksheet *>()->isVisible());
        QVERIFY(!QFile::exists(recovery)); // taken over by the new run's own
        QVERIFY(QFile::exists(next.document().recoveryPath()));

        d.saveAnswers = {QMessageBox::Discard};
        QVERIFY(next.close());
        QCOMPARE(QDir(WorksheetDocument::recoveryFolder()).entryList({"*.parsella"}), QStringList());
    }
};

PARSELLA_GUI_TEST_MAIN(tst_WorksheetFile)
#include "tst_worksheetfile.moc"

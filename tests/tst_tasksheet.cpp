#include "app/frmGram1.h"
#include "app/Worksheet.h"
#include "app/WorksheetDocument.h"
#include "GuiTest.h"
#include "ScriptedDialogs.h"
#include "Sentences.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace parsella;
using namespace drive;

namespace {

QStringList rows(const QListWidget *list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

} // namespace

class tst_TaskSheet : public testsupport::GuiTest
{
    Q_OBJECT

    QTemporaryDir temp;

    // A statement with a pronoun ("she" is 3, "they" 7) and "walk" in the present, built
    // through the real windows; `whileOpen` looks at the worksheet with the window open.
    static void buildStatement(frmGram1 &main, int pronoun, const std::function<void()> &whileOpen = {})
    {
        QVERIFY(clickInto(button(&main, "cmdDec"), [&](QWidget *dec) {
            button(dec, "cmdSubj")->click();
            QVERIFY(sentences::choosePronoun(dec, pronoun));
            button(dec, "cmdPred")->click();
            QVERIFY(sentences::chooseVerb(dec, 3));
            if (whileOpen)
                whileOpen();
            button(dec, "cmdExit")->click();
        }));
    }

private slots:
    // A learner opens a sheet of three tasks, does one right and one wrong, and saves; the
    // tasks' states and the feedback come back with the file.
    void doneNotYetAndToDoSurviveTheFile()
    {
        const QString path = temp.filePath("sheet.parsella");
        {
            QFile sheetFile(path);
            QVERIFY(sheetFile.open(QIODevice::WriteOnly));
            sheetFile.write(R"({"format":"parsella-worksheet","version":1,"sentences":[],"tasks":[
                {"ask":{"type":"statement","number":"plural"}},
                {"ask":{"tense":"past"}},
                {"ask":{"type":"command"},"prompt":"Give an order."}]})");
        }
        const QStringList expected{"1. Build a statement whose subject is plural. — done",
                                   "2. Build a sentence in the past tense. — not yet, tries: 1",
                                   "3. Give an order. — to do"};
        const QStringList listed{"1. Statement: She walks.", "2. Task 1 · Statement: They walk. — meets it",
                                 "3. Task 1 · Statement: She walks. — not yet", "4. Task 2 · Statement: She walks. — not yet"};
        {
            frmGram1 main;
            ScriptedDialogs dialogs;
            main.setWorksheetDialogs(dialogs);
            main.show();
            main.startUp({path});
            auto *sheet = main.findChild<Worksheet *>();
            QVERIFY(sheet && sheet->isVisible());
            auto *tasks = sheet->findChild<QListWidget *>("tasks");
            auto *current = sheet->findChild<QLabel *>("currentTask");
            auto *feedback = sheet->findChild<QLabel *>("taskFeedback");
            QVERIFY(tasks && tasks->isVisible() && current && feedback);
            QCOMPARE(rows(tasks), QStringList({"1. Build a statement whose subject is plural. — to do",
                                               "2. Build a sentence in the past tense. — to do",
                                               "3. Give an order. — to do"}));

            // No task chosen: a sentence is only listed.
            buildStatement(main, 3);
            QCOMPARE(rows(tasks).at(0), "1. Build a statement whose subject is plural. — to do");
            QVERIFY(feedback->text().isEmpty());

            tasks->setCurrentRow(0);
            buildStatement(main, 7, [&] {
                // The prompt stays in view while the sentence window is open.
                QVERIFY(current->isVisible());
                QCOMPARE(current->text(), "Task 1: Build a statement whose subject is plural.");
            });
            QCOMPARE(feedback->text(), "Task 1 is done.");
            // A try after the task is done does not contradict it.
            buildStatement(main, 3);
            QCOMPARE(feedback->text(), "Task 1 is already done; this sentence would not meet it: "
                                       "The task asks for a plural subject; “she” is singular.");

            tasks->setCurrentRow(1);
            buildStatement(main, 3);
            QCOMPARE(feedback->text(), "Task 2, not yet: The task asks for the past tense; “walks” is in the present.");
            QCOMPARE(feedback->accessibleDescription(), feedback->text());
            QCOMPARE(rows(tasks), expected);
            QCOMPARE(rows(sheet->findChild<QListWidget *>("sentences")), listed);

            dialogs.fileName = path;
            sheet->findChild<QAction *>("saveAs")->trigger();
            QCOMPARE(dialogs.failures, QStringList());
            QVERIFY(!sheet->isWindowModified());
        }

        frmGram1 again;
        again.show();
        again.startUp({path});
        auto *sheet = again.findChild<Worksheet *>();
        QVERIFY(sheet);
        auto *tasks = sheet->findChild<QListWidget *>("tasks");
        auto *sentences = sheet->findChild<QListWidget *>("sentences");
        auto *feedback = sheet->findChild<QLabel *>("taskFeedback");
        QCOMPARE(rows(tasks), expected);
        QCOMPARE(rows(sentences), listed);
        QList<int> answered;
        for (const grammar::DocumentSentence &s : again.document().content().sentences)
            answered << grammar::answeredTask(s).value_or(-1);
        QCOMPARE(answered, QList<int>({-1, 0, 0, 1}));

        // Choosing a task marks its answers and tells again where it stands; choosing an
        // answer tells what it was told when it was finished.
        const auto bold = [&] {
            QList<int> marked;
            for (int row = 0; row < sentences->count(); ++row)
                if (sentences->item(row)->font().bold())
                    marked << row;
            return marked;
        };
        QCOMPARE(bold(), QList<int>());
        QVERIFY(feedback->text().isEmpty());
        for (const auto &[task, marked, told] : {std::tuple{0, QList<int>{1, 2}, QString("Task 1 is done.")},
                                                 std::tuple{1, QList<int>{3}, QString("Task 2, not yet: The task asks for "
                                                                                      "the past tense; “walks” is in the present.")},
                                                 std::tuple{2, QList<int>{}, QString()}}) {
            tasks->setCurrentRow(task);
            QCOMPARE(bold(), marked);
            QCOMPARE(feedback->text(), told);
        }
        sentences->setCurrentRow(2);
        QCOMPARE(feedback->text(), "Task 1 is already done; this sentence would not meet it: "
                                   "The task asks for a plural subject; “she” is singular.");
        QVERIFY(feedback->isVisible());
        again.close();
        sheet->close();
    }

    // A teacher makes a task by doing: a finished sentence's features as ticks, the prompt
    // they make shown as they change, and OK adds a task that Undo takes back.
    void newTaskFromSentence()
    {
        frmGram1 main;
        main.show();
        buildStatement(main, 7); // "they walk."
        main.findChild<QAction *>("worksheet")->trigger();
        auto *sheet = main.findChild<Worksheet *>();
        QVERIFY(sheet);
        QString shown, first;
        QStringList captions;
        auto *sentences = sheet->findChild<QListWidget *>("sentences");
        sentences->setCurrentRow(0);
        auto ran = onNextModal([&](QWidget *dialog) {
            for (const char *feature : {"type", "tense", "number", "person", "subject", "complement"})
                captions << dialog->findChild<QCheckBox *>(feature)->text();
            // Only the sentence type is ticked at first.
            first = dialog->findChild<QLabel *>("promptPreview")->text();
            dialog->findChild<QCheckBox *>("type")->click();
            dialog->findChild<QCheckBox *>("tense")->click();
            dialog->findChild<QCheckBox *>("number")->click();
            shown = dialog->findChild<QLabel *>("promptPreview")->text();
            dialog->findChild<QCheckBox *>("tense")->click();
            dialog->findChild<QCheckBox *>("number")->click();
            // Nothing ticked is no task.
            QVERIFY(!dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
            dialog->findChild<QCheckBox *>("number")->click();
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        sheet->findChild<QAction *>("newTask")->trigger();
        QVERIFY(*ran);
        // The teacher reads the features in words, not as the file spells them.
        QCOMPARE(captions, QStringList({"&Type: a statement", "T&ense: present", "&Number: plural", "&Person: third person",
                                        "&Subject: a pronoun", "&Complement: no complement"}));
        QCOMPARE(first, "Build a statement.");
        QCOMPARE(shown, "Build a sentence in the present tense whose subject is plural.");
        QCOMPARE(sentences->selectedItems().size(), 1); // the sentence stays selected for the next task
        QCOMPARE(sentences->currentRow(), 0);
        auto *tasks = sheet->findChild<QListWidget *>("tasks");
        QVERIFY(tasks->isVisible());
        QCOMPARE(rows(tasks), QStringList{"1. Build a sentence whose subject is plural. — to do"});
        sheet->findChild<QAction *>("undo")->trigger();
        QCOMPARE(tasks->count(), 0);
        QVERIFY(!tasks->isVisible());
        sheet->findChild<QAction *>("redo")->trigger();
        QCOMPARE(tasks->count(), 1);

        // A second task, made current, then moved and removed: the current task follows it,
        // and Undo brings each back.
        onNextModal([](QWidget *dialog) {
            dialog->findChild<QCheckBox *>("exact")->click();
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        sheet->findChild<QAction *>("newTask")->trigger();
        tasks->setCurrentRow(1);
        QCOMPARE(main.document().currentTask(), 1);
        sheet->findChild<QAction *>("moveTaskUp")->trigger();
        QCOMPARE(rows(tasks).first(), "1. Build this sentence: “They walk.” — to do");
        QCOMPARE(main.document().currentTask(), 0);
        sheet->findChild<QAction *>("removeTask")->trigger();
        QCOMPARE(tasks->count(), 1);
        QCOMPARE(main.document().currentTask(), -1);
        sheet->findChild<QAction *>("undo")->trigger();
        sheet->findChild<QAction *>("undo")->trigger();
        QCOMPARE(rows(tasks).at(1), "2. Build this sentence: “They walk.” — to do");
        QCOMPARE(main.document().currentTask(), 1);
        main.document().reset({}, {}); // leave without the question about unsaved work
        sheet->close();
    }
};

PARSELLA_GUI_TEST_MAIN(tst_TaskSheet)
#include "tst_tasksheet.moc"

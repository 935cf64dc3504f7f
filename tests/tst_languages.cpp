#include "app/frmCopyright.h"
#include "app/HelpWindow.h"
#include "app/Worksheet.h"
#include "app/frmGram1.h"
#include "core/Language.h"
#include "grammar/Document.h"
#include "grammar/Results.h"
#include "pickers/frmComp.h"
#include "pickers/frmNP.h"
#include "pickers/frmNPP.h"
#include "pickers/frmVerb.h"
#include "sentences/frmDec.h"
#include "sentences/frmImp.h"
#include "sentences/frmInt.h"
#include "GuiTest.h"
#include "Driver.h"
#include "RecordingPlatform.h"
#include "ScriptedDialogs.h"
#include "Sentences.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTranslator>

using namespace parsella;
using namespace drive;

namespace {

// A pseudo-language whose every text is `stretch` times as long as the English, in marks no
// English text has, so that a text that went through the catalogue shows.
class Stretched : public QTranslator
{
public:
    explicit Stretched(int stretch) : stretch(stretch) {}
    QString translate(const char *, const char *text, const char *, int) const override
    {
        const QString english = QString::fromUtf8(text);
        return QStringLiteral("\u27e6") + english.repeated(stretch) + QStringLiteral("\u27e7");
    }
    bool isEmpty() const override { return false; }

private:
    int stretch;
};

// Every text a window shows or speaks, by control.
QStringList texts(const QWidget *window)
{
    QStringList all{window->windowTitle()};
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        for (const char *p : {"text", "title", "accessibleName", "placeholderText"}) {
            const QVariant v = w->property(p);
            if (v.metaType().id() == QMetaType::QString)
                all << w->objectName() + '.' + p + '=' + v.toString();
        }
    }
    for (const QAction *a : window->findChildren<QAction *>())
        all << a->objectName() + '=' + a->text();
    return all;
}

} // namespace

// The interface in every language the program carries: each window's captions fit their
// controls, the English the learner builds with stays English, and a change of language
// reaches the open windows at once.
class tst_Languages : public testsupport::GuiTest
{
    Q_OBJECT

    // The captions of every specified window and picker, as opened afresh, that do not fit.
    static QStringList unfitting()
    {
        QStringList found;
        auto look = [&found](QWidget &w) {
            for (const QString &c : sentences::clippedCaptions(&w))
                found << w.objectName() + ": " + c;
        };
        SentenceState st;
        bool opened = openModal<frmDec>(st, look) && openModal<frmInt>(st, look) && openModal<frmImp>(st, look)
            && openModal<frmNP>(st, look) && openModal<frmNPP>(st, look) && openModal<frmVerb>(st, look)
            && openModal<frmComp>(st, look);
        // The About box, shown as built: its captions are fixed like the others'.
        RecordingPlatform system;
        frmCopyright about(system);
        about.show();
        look(about);
        frmGram1 main;
        main.show();
        look(main);
        if (!opened)
            found << "a window did not open";
        return found;
    }

private slots:
    void afterEachTest() override { language::apply(QString()); }

    void captionsFitTheirControls_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("stretch");
        QTest::addColumn<bool>("fits");
        const QList<language::Language> carried = language::available();
        // English and at least one catalogue: a build that carried none would test nothing.
        QVERIFY(carried.size() > 1);
        for (const language::Language &l : carried)
            QTest::newRow(qPrintable(l.code.isEmpty() ? QStringLiteral("en") : l.code)) << l.code << 0 << true;
        // The check itself: texts twice as long as the English cannot all fit.
        QTest::newRow("twice as long") << QStringLiteral("x-stretched") << 2 << false;
    }

    void captionsFitTheirControls()
    {
        QFETCH(QString, code);
        QFETCH(int, stretch);
        QFETCH(bool, fits);
        if (stretch)
            language::applyCatalogue(code, std::make_unique<Stretched>(stretch));
        else
            QVERIFY(language::apply(code));
        const QStringList found = unfitting();
        if (fits)
            QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
        else
            QVERIFY2(!found.isEmpty(), "texts twice as long all fitted: the check sees nothing");
    }

    // Switched from the menu, the open main window and Worksheet speak the new language at
    // once, the option captions and sentence stay English, and English again brings back
    // every text exactly.
    void aChangeReachesOpenWindowsAndReturnsExactly()
    {
        // In English from the start, as the program starts.
        language::apply(QString());
        frmGram1 main;
        main.show();
        main.worksheet_Click();
        QWidget *sheet = main.findChild<QWidget *>(QStringLiteral("Worksheet"));
        QVERIFY(sheet);
        // The Worksheet's Language menu lists the languages once opened.
        auto *languages = sheet->findChild<QMenu *>(QStringLiteral("languageMenu"));
        QVERIFY(languages);
        QVERIFY(!sheet->findChild<QAction *>(QStringLiteral("language_en")));
        languages->popup(QPoint());
        languages->hide();
        const QStringList english = texts(&main) + texts(sheet);

        language::applyCatalogue(QStringLiteral("x-stretched"), std::make_unique<Stretched>(1));
        QCoreApplication::processEvents();
        QCOMPARE(button(&main, "cmdExit")->text(), QStringLiteral("\u27e6Exit\u27e7"));
        QVERIFY(main.windowTitle().startsWith(QStringLiteral("\u27e6")));
        QVERIFY(sheet->windowTitle().contains(QStringLiteral("\u27e6")));
        const QStringList menus = [&] {
            QStringList all;
            for (const QAction *a : static_cast<QMainWindow *>(sheet)->menuBar()->actions())
                all << a->text();
            return all;
        }();
        QVERIFY(!menus.isEmpty());
        for (const QString &m : menus)
            QVERIFY2(m.startsWith(QStringLiteral("\u27e6")), qPrintable(m));

        // Back to English from the Worksheet's own menu, as a learner would.
        QAction *englishChoice = sheet->findChild<QAction *>(QStringLiteral("language_en"));
        QVERIFY(englishChoice);
        englishChoice->trigger();
        QCoreApplication::processEvents();
        QStringList after = texts(&main) + texts(sheet);
        for (const QString &t : english)
            after.removeAll(t);
        QVERIFY2(after.isEmpty(), qPrintable(after.join("; ")));
        QCOMPARE(language::preference(), QString());
        language::setPreference(QString()); // the system's language again, for the next test
    }

    // The texts written as the learner works follow a change too: Undo naming the step it
    // takes back, the task's feedback, a grey step's explanation naming the button as the
    // window captions it, and the help page open beside them.
    void composedTextsFollowAChange()
    {
        language::apply(QString());
        QTemporaryDir temp;
        const QString sheetPath = temp.filePath("sheet.parsella");
        for (const QString &page : {QStringLiteral("parhlp.html"), QStringLiteral("de/parhlp.html")}) {
            QVERIFY(QDir(temp.path()).mkpath(QFileInfo(temp.filePath(page)).path()));
            QFile f(temp.filePath(page));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<html><head><title>" + page.toUtf8() + "</title></head><body><p>" + page.toUtf8() + "</p></body></html>");
        }
        {
            QFile f(sheetPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(R"({"format":"parsella-worksheet","version":1,"sentences":[],"tasks":[{"ask":{"tense":"past"}}]})");
        }
        RecordingPlatform system(ntFamily, temp.path());
        system.opens = false; // no browser: the help page is shown in the program's own window
        frmGram1 main;
        main.setPlatform(system);
        ScriptedDialogs dialogs;
        main.setWorksheetDialogs(dialogs);
        main.show();
        main.startUp({sheetPath});
        auto *sheet = main.findChild<Worksheet *>();
        QVERIFY(sheet);
        sheet->findChild<QListWidget *>("tasks")->setCurrentRow(0);
        QString greyTip;
        QVERIFY(clickInto(button(&main, "cmdDec"), [&](QWidget *dec) {
            greyTip = button(dec, "cmdPred")->toolTip();
            button(dec, "cmdSubj")->click();
            QVERIFY(sentences::choosePronoun(dec, 3));
            button(dec, "cmdPred")->click();
            QVERIFY(sentences::chooseVerb(dec, 3));
            button(dec, "cmdExit")->click();
        }));
        QCOMPARE(greyTip, QStringLiteral("Choose a subject first: press Subject."));
        auto *feedback = sheet->findChild<QLabel *>("taskFeedback");
        auto *undo = sheet->findChild<QAction *>("undo");
        QCOMPARE(feedback->text(), QStringLiteral("Task 1, not yet: The task asks for the past tense; “walks” is in the present."));
        QCOMPARE(undo->text(), QStringLiteral("&Undo Answer Task"));
        QVERIFY(main.findChild<QAction *>("help"));
        main.findChild<QAction *>("help")->trigger();
        QVERIFY(main.helpWindow() && main.helpWindow()->isVisible());
        QCOMPARE(main.helpWindow()->browser()->source().fileName(), QStringLiteral("parhlp.html"));
        QVERIFY(!main.helpWindow()->browser()->source().path().contains(QStringLiteral("/de/")));

        QVERIFY(language::apply(QStringLiteral("de")));
        QCoreApplication::processEvents();
        QCOMPARE(undo->text(), QStringLiteral("&Rückgängig: Aufgabe beantworten"));
        QVERIFY2(feedback->text().startsWith(QStringLiteral("Aufgabe 1, noch nicht: ")), qPrintable(feedback->text()));
        QVERIFY2(main.helpWindow()->browser()->source().path().endsWith(QStringLiteral("/de/parhlp.html")),
                 qPrintable(main.helpWindow()->browser()->source().toString()));
        QVERIFY(clickInto(button(&main, "cmdDec"), [&](QWidget *dec) {
            // The tip names the button by the caption the learner reads on it.
            greyTip = button(dec, "cmdPred")->toolTip();
            QVERIFY2(greyTip.contains(button(dec, "cmdSubj")->text()) && greyTip != QStringLiteral("Choose a subject first: press Subject."),
                     qPrintable(greyTip));
            button(dec, "cmdExit")->click();
        }));
        auto *redo = sheet->findChild<QAction *>("redo");
        undo->trigger();
        QCOMPARE(undo->text(), QStringLiteral("&Rückgängig"));
        QCOMPARE(redo->text(), QStringLiteral("&Wiederholen: Aufgabe beantworten"));

        language::apply(QString());
        QCoreApplication::processEvents();
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QCOMPARE(redo->text(), QStringLiteral("&Redo Answer Task"));
        QCOMPARE(main.helpWindow()->browser()->source().fileName(), QStringLiteral("parhlp.html"));
        QVERIFY(!main.helpWindow()->browser()->source().path().contains(QStringLiteral("/de/")));
    }

    // The words a learner builds with never go through a catalogue.
    void optionWordsStayEnglish()
    {
        language::applyCatalogue(QStringLiteral("x-stretched"), std::make_unique<Stretched>(1));
        SentenceState st;
        int options = 0;
        auto look = [&](QWidget &w) {
            for (const QRadioButton *r : w.findChildren<QRadioButton *>()) {
                ++options;
                QVERIFY2(!r->text().contains(QChar(0x27e6)), qPrintable(w.objectName() + ": " + r->text()));
            }
        };
        QVERIFY(openModal<frmNP>(st, look) && openModal<frmNPP>(st, look) && openModal<frmVerb>(st, look));
        QVERIFY(options > 10);
    }

    // Each language is named in its own script in the Language menu, and a learner reads it in
    // whichever language the windows are in: no name is drawn as boxes. With no choice kept,
    // the system's language is the one marked, whatever the windows speak.
    void everyLanguageIsReadableInTheMenu_data()
    {
        QTest::addColumn<QString>("windows");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Chinese") << QStringLiteral("zh_CN");
    }
    void everyLanguageIsReadableInTheMenu()
    {
        QFETCH(QString, windows);
        QVERIFY(language::apply(windows));
        frmGram1 main;
        main.show();
        auto *languages = main.findChild<QMenu *>(QStringLiteral("languageMenu"));
        QVERIFY(languages);
        QCOMPARE(language::preference(), QString());
        languages->popup(QPoint());
        QStringList marked;
        for (const QAction *action : languages->actions()) {
            if (action->isChecked())
                marked << action->objectName();
        }
        QCOMPARE(marked, QStringList{QStringLiteral("systemLanguage")});
        int names = 0;
        for (const QAction *action : languages->actions()) {
            if (!action->objectName().startsWith(QStringLiteral("language_")))
                continue;
            ++names;
            const QFont font = action->font().resolve(languages->font());
            if (!(font.styleStrategy() & QFont::NoFontMerging))
                continue;
            const QFontMetrics metrics(font);
            for (const char32_t c : action->text().toUcs4())
                QVERIFY2(QChar::isSpace(c) || metrics.inFontUcs4(c), qPrintable(action->text() + " is drawn as boxes"));
        }
        languages->hide();
        QCOMPARE(names, language::available().size());
        QVERIFY(names > 1);

        // English chosen is kept as a choice, which a system in another language does not undo.
        languages->findChild<QAction *>(QStringLiteral("language_en"))->trigger();
        QVERIFY(!language::preference().isNull() && language::preference().isEmpty());
        QVERIFY(!language::startLanguage().isNull());
        languages->popup(QPoint());
        QVERIFY(languages->findChild<QAction *>(QStringLiteral("language_en"))->isChecked());
        languages->hide();
        language::setPreference(QString());
    }

    // Which catalogue a system's locale is served by.
    void systemLanguageMatched_data()
    {
        QTest::addColumn<QStringList>("ui");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German") << QStringList{"de-DE", "en-US"} << "de";
        QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "";
        QTest::newRow("C") << QStringList{"C"} << "";
        QTest::newRow("nothing") << QStringList{} << "";
        QTest::newRow("Brazil") << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("Portugal") << QStringList{"pt-PT"} << "pt_BR";
        QTest::newRow("simplified Chinese") << QStringList{"zh-Hans-CN", "zh-CN"} << "zh_CN";
        QTest::newRow("traditional Chinese") << QStringList{"zh-Hant-TW", "zh-TW"} << "";
        QTest::newRow("Italian, then Mexican Spanish") << QStringList{"it-IT", "es-MX"} << "es";
        QTest::newRow("Ukrainian") << QStringList{"uk-UA", "uk"} << "uk";
    }

    void systemLanguageMatched()
    {
        QFETCH(QStringList, ui);
        QFETCH(QString, expected);
        const QStringList offered{"de", "es", "fr", "pt_BR", "uk", "zh_CN"};
        QCOMPARE(language::match(ui, offered), expected);
    }

    // The English words a message quotes carry the marks of the learner's language: a task's
    // feedback quotes the learner's own words.
    void englishWordsTakeTheLanguagesMarks_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("en") << QString() << QStringLiteral("\u201Cwalks\u201D");
        QTest::newRow("de") << QStringLiteral("de") << QStringLiteral("\u201Ewalks\u201C");
        QTest::newRow("es") << QStringLiteral("es") << QStringLiteral("\u00ABwalks\u00BB");
    }
    void englishWordsTakeTheLanguagesMarks()
    {
        QFETCH(QString, code);
        QFETCH(QString, quoted);
        if (!code.isEmpty())
            QVERIFY(language::apply(code));
        const grammar::DocumentReading answered = grammar::readDocument(R"({"format":"parsella-worksheet","version":1,
            "tasks":[{"ask":{"tense":"past"}}],
            "sentences":[{"type":"statement","brackets":"[S [NP [Pron she]] [VP [V walks]]]","task":1}]})");
        QVERIFY2(answered.document, qPrintable(answered.problem));
        const QList<grammar::TaskResult> results = grammar::resultsOf(*answered.document);
        QCOMPARE(results.size(), 1);
        QVERIFY2(results.first().feedback.contains(quoted), qPrintable(results.first().feedback));
    }

    // A prompt written from the ask ends as a sentence ends in the language.
    void promptsEndAsTheLanguageEndsASentence()
    {
        const grammar::DocumentReading sheet = grammar::readDocument(
            R"({"format":"parsella-worksheet","version":1,"sentences":[],"tasks":[{"ask":{"tense":"past"}}]})");
        QVERIFY2(sheet.document, qPrintable(sheet.problem));
        QVERIFY(grammar::resultsOf(*sheet.document).value(0).prompt.endsWith(QLatin1Char('.')));
        QVERIFY(language::apply(QStringLiteral("zh_CN")));
        const QString chinese = grammar::resultsOf(*sheet.document).value(0).prompt;
        QVERIFY2(chinese.endsWith(QChar(0x3002)) && !chinese.endsWith(QStringLiteral(".\u3002")), qPrintable(chinese));
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Languages)
#include "tst_languages.moc"

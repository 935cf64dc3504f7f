#include "app/frmGram1.h"
#include "sentences/frmDec.h"
#include "sentences/frmImp.h"
#include "sentences/frmInt.h"
#include "GuiTest.h"
#include "Driver.h"
#include "Sentences.h"
#include "RecordingPlatform.h"

#include <QAccessible>
#include <QPushButton>
#include <QTest>

using namespace parsella;
using namespace drive;
using namespace sentences;

// A learner without a mouse presses keys on whatever has the keyboard focus in the window
// in front; these send them there.
static QWidget *focusOf(QWidget *window)
{
    return window->focusWidget() ? window->focusWidget() : window;
}

static void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focusOf(window), key, modifiers);
}

static QString focused(QWidget *window)
{
    return focusOf(window)->objectName();
}

// What a screen reader is told about a control.
static QString spoken(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(what) : QStringLiteral("(no accessible interface)");
}

// The words a screen reader reads out of a control's text.
static QString readOut(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QAccessibleTextInterface *text = iface ? iface->textInterface() : nullptr;
    return text ? text->text(0, text->characterCount()) : QStringLiteral("(no text)");
}

// Modal windows get the focus when they open; offscreen, activation is asked for explicitly
// so that the arrow keys, which follow the application's focus, reach the window. (A
// dialog's window counts as active as soon as its owner is, so wait for the widget.)
static void activate(QWidget *window)
{
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window);
}


// Chooses a word or two in whichever picker a step opened, and returns.
static void chooseSomething(QWidget *picker)
{
    const QString name = picker->objectName();
    if (name == QLatin1String("frmNP")) {
        sentences::clickCaption(picker, "the");
        sentences::clickCaption(picker, "dog");
    } else if (name == QLatin1String("frmNPP")) {
        sentences::clickCaption(picker, "she");
    } else if (name == QLatin1String("frmVerb")) {
        sentences::clickCaption(picker, "walk");
    } else if (name == QLatin1String("frmComp")) {
        sentences::clickCaption(picker, "here");
    }
    button(picker, "cmdExit")->click();
}

// Builds the sentence of `w`, complement and all, by pressing `key` again and again on
// whatever has the focus (Space on a word, where Enter chooses nothing), as a learner who
// trusts the focus to move on would. After every press the focus is on a control the learner can use, and the
// window holding an unfinished sentence is still open. Returns the finished sentence.
static QString buildByRepeating(QWidget *w, Qt::Key key)
{
    QLabel *lbl = label(w, "lblDecl");
    QWidget *ret = button(w, "cmdExit");
    // A question starts from its question word, which the learner reaches by Tab.
    for (int i = 0; i < 20 && w->focusWidget() == ret; ++i)
        press(w, Qt::Key_Tab);
    QWidget *complement = button(w, "cmdComp");
    const auto stepsLeft = [&] { return lbl->text().isEmpty() || !isBlack(lbl) || complement->isVisibleTo(w); };
    for (int presses = 0; presses < 30 && stepsLeft(); ++presses) {
        QWidget *f = w->focusWidget();
        if (!f || !f->isEnabled() || !f->isVisibleTo(w))
            return QStringLiteral("the focus is on no usable control before \"%1\"").arg(lbl->text());
        if (f == ret && !isBlack(lbl))
            return QStringLiteral("Return has the focus of the unfinished \"%1\"").arg(lbl->text());
        const bool opensPicker = QStringList{"cmdNP", "cmdNPP", "cmdVP", "cmdComp"}.contains(f->objectName());
        const bool onWord = !qobject_cast<QPushButton *>(f);
        if (onWord && key != Qt::Key_Space) {
            press(w, key); // chooses nothing, and must not close the window either
            if (!w->isVisible())
                return QStringLiteral("%1 on a word closed \"%2\"").arg(QKeySequence(key).toString(), lbl->text());
        }
        auto ran = opensPicker ? onNextModal(chooseSomething) : nullptr;
        press(w, onWord ? Qt::Key_Space : key);
        if (ran && !*ran)
            return f->objectName() + " opened no picker";
        if (!w->isVisible())
            return QStringLiteral("the window closed on the unfinished \"%1\"").arg(lbl->text());
    }
    return lbl->text();
}

class tst_Keyboard : public testsupport::GuiTest
{
    Q_OBJECT
private slots:
    // "she walks here." from the main window, with Tab, the arrow keys, Space, Enter and Esc.
    void statementByKeysAlone()
    {
        RecordingPlatform system;
        frmGram1 main;
        main.setPlatform(system);
        main.show();
        activate(&main);
        QCOMPARE(focused(&main), QString("cmdDec"));

        QString sentence, name, descriptionBefore, descriptionWithSubject, descriptionAfter;
        bool statementRan = false, pronounRan = false, verbRan = false, complementRan = false;
        auto statement = onNextModal([&](QWidget *w) {
            statementRan = true;
            activate(w);
            QLabel *lbl = label(w, "lblDecl");
            name = spoken(lbl, QAccessible::Name);
            descriptionBefore = spoken(lbl, QAccessible::Description);
            QCOMPARE(focused(w), QString("cmdSubj"));

            press(w, Qt::Key_Space); // Subject
            QCOMPARE(look(button(w, "cmdNPP")), QString("enabled"));
            // The focus left the disabled "Subject"; find the pronoun button by Tab alone.
            for (int i = 0; i < 8 && focused(w) != QLatin1String("cmdNPP"); ++i)
                press(w, Qt::Key_Tab);
            QCOMPARE(focused(w), QString("cmdNPP"));

            onNextModal([&](QWidget *p) {
                pronounRan = true;
                activate(p);
                QCOMPARE(focused(p), QString("optNPP(0)"));
                press(p, Qt::Key_Down); // you
                press(p, Qt::Key_Down); // the row below: she is nearest
                QCOMPARE(focused(p), QString("optNPP(3)"));
                QCOMPARE(label(p, "lblNPP")->text(), QString()); // moving alone chooses nothing
                press(p, Qt::Key_Space);
                QCOMPARE(label(p, "lblNPP")->text(), QString("she"));
                press(p, Qt::Key_Tab);
                QCOMPARE(focused(p), QString("cmdExit"));
                press(p, Qt::Key_Space); // Return
            });
            press(w, Qt::Key_Enter);
            QVERIFY(pronounRan);
            QCOMPARE(lbl->text(), QString("she"));
            descriptionWithSubject = spoken(lbl, QAccessible::Description);

            for (int i = 0; i < 8 && focused(w) != QLatin1String("cmdPred"); ++i)
                press(w, Qt::Key_Tab);
            QCOMPARE(focused(w), QString("cmdPred"));
            press(w, Qt::Key_Space); // Predicate
            for (int i = 0; i < 8 && focused(w) != QLatin1String("cmdVP"); ++i)
                press(w, Qt::Key_Tab);
            QCOMPARE(focused(w), QString("cmdVP"));

            onNextModal([&](QWidget *v) {
                verbRan = true;
                activate(v);
                QCOMPARE(focused(v), QString("optVerb(0)"));
                for (int i = 0; i < 3; ++i)
                    press(v, Qt::Key_Down); // stay, bake, walk
                press(v, Qt::Key_Space);
                QCOMPARE(checkedIds(v, "optVerb"), QList<int>{3});
                press(v, Qt::Key_Up);       // a chosen verb: the arrows choose as they move
                QCOMPARE(checkedIds(v, "optVerb"), QList<int>{2});
                press(v, Qt::Key_Down);
                QCOMPARE(label(v, "lblVerb")->text(), QString("walks"));
                press(v, Qt::Key_Tab);      // out of the verbs, into the tenses at "Present"
                QCOMPARE(focused(v), QString("optTense(0)"));
                press(v, Qt::Key_Return);   // Enter on an option presses "Return"
            });
            press(w, Qt::Key_Return);
            QVERIFY(verbRan);
            QCOMPARE(lbl->text(), QString("she walks."));
            descriptionAfter = spoken(lbl, QAccessible::Description);

            for (int i = 0; i < 8 && focused(w) != QLatin1String("cmdComp"); ++i)
                press(w, Qt::Key_Tab);
            QCOMPARE(focused(w), QString("cmdComp"));
            onNextModal([&](QWidget *c) {
                complementRan = true;
                activate(c);
                QCOMPARE(focused(c), QString("cmdExit"));
                press(c, Qt::Key_Tab, Qt::ShiftModifier); // back into the last offered group
                QCOMPARE(focused(c), QString("optAdv(1)"));
                press(c, Qt::Key_Up);
                QCOMPARE(focused(c), QString("optAdv(0)"));
                press(c, Qt::Key_Space); // here
                press(c, Qt::Key_Enter);
            });
            press(w, Qt::Key_Space);
            QVERIFY(complementRan);
            sentence = lbl->text();
            QVERIFY(isBlack(lbl));
            press(w, Qt::Key_Escape);
            QVERIFY(!w->isVisible());
        });
        press(&main, Qt::Key_Return);
        QVERIFY(*statement);
        QVERIFY(statementRan);
        QCOMPARE(sentence, QString("she walks here."));
        QCOMPARE(name, QString("Sentence"));
        QCOMPARE(descriptionBefore, QString());
        QCOMPARE(descriptionWithSubject, QString("“she” needs a verb next: press Predicate."));
        QCOMPARE(descriptionAfter, QString("complete"));
        QVERIFY(system.calls.isEmpty());
    }

    // A window of the worksheet closes on Esc exactly as by its title-bar button, and leaves
    // the same in the shared state.
    void escapeClosesLikeTheTitleBar()
    {
        SentenceState byEsc, byTitleBar;
        byEsc.xsubj = byTitleBar.xsubj = QStringLiteral("they");
        for (SentenceState *st : {&byEsc, &byTitleBar}) {
            const bool ran = openModal<frmDec>(*st, [&](frmDec &w) {
                button(&w, "cmdSubj")->click();
                QVERIFY(clickInto(button(&w, "cmdNPP"), [&](QWidget *p) {
                    clickOption(p, "optNPP", 5); // we
                    if (st == &byEsc)
                        pressEscape(p);
                    else
                        closeByTitleBar(p);
                    QVERIFY(!p->isVisible());
                }));
                if (st == &byEsc)
                    pressEscape(&w);
                else
                    closeByTitleBar(&w);
                QVERIFY(!w.isVisible());
            });
            QVERIFY(ran);
        }
        QCOMPARE(byEsc.xsubj, byTitleBar.xsubj);
        QCOMPARE(byEsc.xnumb, byTitleBar.xnumb);
        QCOMPARE(byEsc.xpers, byTitleBar.xpers);
    }

    // The sentence label is named for what it shows, reads out its words and says what the
    // sentence still needs or that it is done, since red and black say nothing to a learner
    // who cannot see them; a verb that needs a complement says so.
    void sentenceLabelTellsCompleteness()
    {
        SentenceState st;
        QStringList told;
        const bool ran = openModal<frmDec>(st, [&](frmDec &w) {
            QLabel *lbl = label(&w, "lblDecl");
            auto tell = [&] {
                told << readOut(lbl) + QLatin1Char('|') + spoken(lbl, QAccessible::Name) + QLatin1Char('|')
                            + spoken(lbl, QAccessible::Description);
            };
            button(&w, "cmdSubj")->click();
            choosePronoun(&w, 0); // I
            tell();
            button(&w, "cmdPred")->click();
            QVERIFY(clickInto(button(&w, "cmdVP"), [](QWidget *v) {
                clickOption(v, "optVerb", 0); // be
                button(v, "cmdExit")->click();
            }));
            tell();
            chooseComplement(&w, "optAdj", 0); // ready
            tell();
        });
        QVERIFY(ran);
        QCOMPARE(told, (QStringList{"I|Sentence|“I” needs a verb next: press Predicate.",
                                    "I am|Sentence|“am” needs a complement: ready, here, by the sea…",
                                    "I am ready.|Sentence|complete"}));
    }

    // The main window's buttons answer Space and Enter, as buttons do in every window.
    void mainWindowButtonsAnswerSpaceAndEnter()
    {
        frmGram1 main;
        main.show();
        activate(&main);
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            QWidget *cmdDec = main.findChild<QWidget *>("cmdDec");
            cmdDec->setFocus();
            auto ran = onNextModal([](QWidget *w) { QCOMPARE(w->objectName(), QString("frmDec")); });
            press(&main, key);
            QVERIFY2(*ran, qPrintable(QKeySequence(key).toString()));
        }
        // Tab runs through the buttons in their order, from top to bottom.
        QStringList order;
        main.findChild<QWidget *>("cmdDec")->setFocus();
        for (int i = 0; i < 4; ++i) {
            order << focused(&main);
            press(&main, Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"cmdDec", "cmdInt", "cmdImp", "cmdExit"}));
    }
    // Each kind of sentence built by Space alone, then by Enter alone, never leaves the
    // focus on a grey control nor closes a window on an unfinished sentence.
    void repeatedKeysFollowTheSteps()
    {
        const QStringList expected{"the dog walks here.", "Who walks here?", "walk here!"};
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Enter}) {
            QStringList built;
            for (int kind = 0; kind < 3; ++kind) {
                SentenceState st;
                const auto run = [&](auto &w) {
                    w.show();
                    activate(&w);
                    built << buildByRepeating(&w, key);
                    QVERIFY(w.isVisible());
                    QCOMPARE(w.focusWidget(), button(&w, "cmdExit")); // only now
                    press(&w, key);
                    QVERIFY(!w.isVisible());
                };
                if (kind == 0)
                    QVERIFY(openModal<frmDec>(st, std::function<void(frmDec &)>(run)));
                else if (kind == 1)
                    QVERIFY(openModal<frmInt>(st, std::function<void(frmInt &)>(run)));
                else
                    QVERIFY(openModal<frmImp>(st, std::function<void(frmImp &)>(run)));
            }
            QCOMPARE(built, expected);
        }
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"

#include "pickers/frmComp.h"
#include "pickers/frmNP.h"
#include "pickers/frmVerb.h"
#include "sentences/frmImp.h"
#include "sentences/frmInt.h"
#include "GuiTest.h"
#include "Driver.h"
#include "NounPhrases.h"
#include "Sentences.h"

#include <QAccessible>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QToolTip>

using namespace parsella;
using namespace drive;

// A grey word says, when pointed at, which rule refuses it; a word that may be chosen says
// nothing. The explanation is the tool tip, which a screen reader reads as the description.
class tst_Explain : public testsupport::GuiTest
{
    Q_OBJECT

    static QString described(QWidget *w)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        return iface ? iface->text(QAccessible::Description) : QStringLiteral("(no accessible interface)");
    }

    // Every option the learner can see: grey ones explain themselves in one short sentence,
    // the others carry no tool tip. Returns the first fault, empty if none.
    static QString faultIn(const QWidget *window, bool namesItsWord)
    {
        const auto options = window->findChildren<QRadioButton *>();
        for (QRadioButton *b : options) {
            if (!b->isVisible())
                continue;
            const QString tip = b->toolTip();
            if (b->isEnabled() != tip.isEmpty())
                return b->text() + (tip.isEmpty() ? " is grey without a reason" : " may be chosen yet says: " + tip);
            if (tip.size() > 90)
                return b->text() + " explains itself at length: " + tip;
            if (namesItsWord && !tip.isEmpty() && !tip.contains(b->text()))
                return b->text() + " is not named in: " + tip;
        }
        return {};
    }

private slots:
    void everyGreyNounPhraseWordExplainsItself()
    {
        SentenceState st;
        int states = 0;
        nounphrases::walk(st, [&](const nounphrases::Path &path, QWidget &w) {
            ++states;
            const QString fault = faultIn(&w, true);
            if (!fault.isEmpty()) {
                QStringList clicks;
                for (const auto &c : path)
                    clicks << option(&w, c.group, c.index)->text();
                QFAIL(qPrintable(clicks.join(' ') + ": " + fault));
            }
        });
        QCOMPARE(states, 1736);
    }

    void everyGreyComplementExplainsItself()
    {
        for (int verb = -1; verb < 8; ++verb) {
            SentenceState st;
            if (verb >= 0) {
                QVERIFY(openModal<frmVerb>(st, [&](frmVerb &w) {
                    clickOption(&w, "optVerb", verb);
                    button(&w, "cmdExit")->click();
                }));
            }
            QVERIFY(openModal<frmComp>(st, [&](frmComp &w) {
                const QString fault = faultIn(&w, false);
                QVERIFY2(fault.isEmpty(), qPrintable(st.xv + ": " + fault));
            }));
        }
    }

    // One refusal of each kind, as the learner reads it and a screen reader says it.
    void eachKindOfRuleInWords()
    {
        SentenceState st;
        QStringList told;
        const auto tell = [&](QWidget *control) {
            QCOMPARE(described(control), control->toolTip());
            told << control->toolTip();
        };
        QVERIFY(openModal<frmNP>(st, [&](frmNP &w) {
            tell(option(&w, "optCPN", 1)); // engineer's, before any article
            clickOption(&w, "optArt", 1);  // an
            tell(option(&w, "optNoun", 0)); // dog
            clickOption(&w, "optArt", 0);  // a
            tell(option(&w, "optNoun", 1)); // dogs
            clickOption(&w, "optAdv", 0);  // very
            tell(option(&w, "optNoun", 4)); // hand
            clickOption(&w, "optPN", 0);   // John
            tell(option(&w, "optAdj", 0)); // small
        }));
        QVERIFY(openModal<frmVerb>(st, [&](frmVerb &w) {
            clickOption(&w, "optVerb", 3); // walk
            button(&w, "cmdExit")->click();
        }));
        QVERIFY(openModal<frmComp>(st, [&](frmComp &w) { tell(option(&w, "optNP", 0)); })); // her pet
        QVERIFY(openModal<frmInt>(st, [&](frmInt &w) {
            clickOption(&w, "optWh", 1);  // Which
            clickOption(&w, "optAdv", 1); // extremely
            tell(option(&w, "optWh", 0)); // Who
            tell(label(&w, "lblDecl"));
            clickOption(&w, "optAdj", 2);  // pretty
            clickOption(&w, "optNoun", 3); // images
            tell(label(&w, "lblDecl"));
        }));
        // Complete, the label says so; a screen reader hears it as the phrase labels say it.
        QVERIFY(openModal<frmImp>(st, [&](frmImp &w) {
            button(&w, "cmdPred")->click();
            QCOMPARE(sentences::pickVerb(&w, "go"), QString("go"));
            QCOMPARE(described(label(&w, "lblDecl")), QString("complete"));
            told << label(&w, "lblDecl")->toolTip();
        }));
        QCOMPARE(told, (QStringList{
            "“engineer's” needs an article before it: choose “an” or “the” first.",
            "“an” goes before a vowel sound (an image); say “a dog”.",
            "“a” is for one thing, not “dogs”: start with “the” for more than one.",
            "“very” needs its adjective first: choose one such as “small”, then “hand”.",
            "“John” stands alone; to use “small”, start with a determiner such as “the”.",
            "“walk” takes no object; it takes a place: here, by the sea…",
            "The question word “Which” stays: to change it, start a new question.",
            "“extremely” needs an adjective: small, interesting, pretty…",
            "“Which extremely pretty images” needs a verb next: press Predicate.",
            "The sentence is complete.",
        }));
    }

    // The keyboard cannot land on a grey word; Shift+F1 shows one explanation after another.
    void shiftF1ExplainsWhatTheKeyboardCannotReach()
    {
        SentenceState st;
        QVERIFY(openModal<frmNP>(st, [&](frmNP &w) {
            w.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &w);
            clickOption(&w, "optArt", 1); // an: lady's, very, small ... are grey
            QStringList shown;
            for (int i = 0; i < 2; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
                QTRY_VERIFY(QToolTip::isVisible());
                shown << QToolTip::text();
            }
            QCOMPARE(shown, (QStringList{option(&w, "optCPN", 0)->toolTip(), option(&w, "optAdv", 0)->toolTip()}));
            QCOMPARE(shown.first(), QString("“an” goes before a vowel sound (an image); say “a lady's”."));
        }));
    }

    // A round of Shift+F1 says each explanation once, however many grey words share it; Esc
    // hides the one shown and leaves the window open, a second Esc closes it.
    void shiftF1SaysEachReasonOnceAndEscHidesIt()
    {
        SentenceState st;
        bool closedBySecondEsc = false;
        QVERIFY(openModal<frmVerb>(st, [&](frmVerb &w) {
            clickOption(&w, "optVerb", 0); // a verb that takes only some kinds of complement
            button(&w, "cmdExit")->click();
        }));
        QVERIFY(openModal<frmComp>(st, [&](frmComp &w) {
            w.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &w);
            QStringList round;
            for (int i = 0; i < 40; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1, Qt::ShiftModifier);
                QTRY_VERIFY(QToolTip::isVisible());
                if (round.contains(QToolTip::text()))
                    break;
                round << QToolTip::text();
            }
            QVERIFY(round.size() > 1);
            QCOMPARE(QSet<QString>(round.begin(), round.end()).size(), round.size());
            // Every grey word's explanation is in the round.
            const auto words = w.findChildren<QAbstractButton *>();
            int grey = 0;
            for (const QAbstractButton *b : words) {
                if (b->isVisible() && !b->isEnabled() && !b->toolTip().isEmpty()) {
                    ++grey;
                    QVERIFY2(round.contains(b->toolTip()), qPrintable(b->toolTip()));
                }
            }
            QVERIFY(grey > round.size()); // some explanations are shared

            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QTRY_VERIFY(!QToolTip::isVisible());
            QVERIFY(w.isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            closedBySecondEsc = !w.isVisible();
        }));
        QVERIFY(closedBySecondEsc);
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Explain)
#include "tst_explain.moc"

#include "app/frmCopyright.h"
#include "app/frmGram1.h"
#include "pickers/frmComp.h"
#include "pickers/frmNP.h"
#include "pickers/frmNPP.h"
#include "pickers/frmVerb.h"
#include "sentences/frmDec.h"
#include "sentences/frmImp.h"
#include "sentences/frmInt.h"
#include "GuiTest.h"
#include "Driver.h"
#include "NounPhrases.h"
#include "RecordingPlatform.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

using namespace parsella;
using namespace drive;

// No caption or sentence may be cut off: every control must show all of its text, in the
// states a learner can reach, including the display labels holding the longest text each can
// hold. Runs at the default scale and again with QT_SCALE_FACTOR=2.
class tst_Layout : public testsupport::GuiTest
{
    Q_OBJECT

    static int width(const QWidget *w, const QString &text) { return QFontMetrics(w->font()).horizontalAdvance(text); }

    // Every visible control of the window shows its whole text and lies inside its frame.
    static QStringList problems(const QWidget *window)
    {
        QStringList found;
        const auto widgets = window->findChildren<QWidget *>();
        for (const QWidget *w : widgets) {
            if (!w->isVisibleTo(window) || w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
                continue;
            const QString why = clippedCaption(w);
            if (!why.isEmpty())
                found << why;
            const QWidget *parent = w->parentWidget();
            if (parent && parent != window && !parent->rect().contains(w->geometry()))
                found << w->objectName() + " sticks out of " + parent->objectName();
        }
        return found;
    }

    static void expectNoProblems(const QWidget *window)
    {
        const QStringList found = problems(window);
        QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
    }

    // The widest text a display label can be asked to show, among the candidates. No
    // candidates means their gathering failed: that fails the test rather than measure "".
    static QString widest(const QWidget *label, const QStringList &candidates)
    {
        if (candidates.isEmpty())
            QTest::qFail("no candidates to measure: gathering them failed", __FILE__, __LINE__);
        QString best;
        for (const QString &c : candidates)
            if (width(label, c) > width(label, best))
                best = c;
        return best;
    }

    // Every predicate the verb and complement pickers can produce, for subjects of every
    // class, gathered through the real pickers; none if a picker failed to open or a click in
    // it failed.
    static QStringList predicates(bool command)
    {
        static QStringList statements, commands;
        QStringList &cache = command ? commands : statements;
        if (!cache.isEmpty())
            return cache;
        const QList<QPair<qint16, qint16>> subjects{{1, 1}, {3, 1}, {2, 2}};
        for (auto [pers, numb] : subjects) {
            for (int verb = 0; verb < 8; ++verb) {
                for (int tense = 0; tense < (command ? 1 : 3); ++tense) {
                    SentenceState st;
                    st.xsentyp = command ? "Imp" : "Dec";
                    st.xpers = pers;
                    st.xnumb = numb;
                    const bool chosen = openModal<frmVerb>(st, [&](frmVerb &w) {
                        if (!command)
                            QVERIFY(clickOption(&w, "optTense", tense));
                        QVERIFY(clickOption(&w, "optVerb", verb));
                        button(&w, "cmdExit")->click();
                    });
                    cache << st.xvp;
                    const bool offered = openModal<frmComp>(st, [&](frmComp &w) {
                        for (QRadioButton *r : w.findChildren<QRadioButton *>())
                            if (r->isEnabled())
                                cache << st.xvp + ' ' + r->text();
                    });
                    if (!chosen || !offered) {
                        cache.clear();
                        return {};
                    }
                }
            }
        }
        return cache;
    }

    static QStringList pronouns()
    {
        SentenceState st;
        QStringList all;
        if (!openModal<frmNPP>(st, [&](frmNPP &w) { all = captions(&w, "optNPP"); }))
            return {};
        return all;
    }

    // Every phrase the noun phrase generator can complete, through the real window.
    static QStringList nounPhrases()
    {
        static QStringList all;
        if (all.isEmpty()) {
            SentenceState st;
            nounphrases::walk(st, [&](const nounphrases::Path &, QWidget &w) {
                if (st.xnumb > 0)
                    all << label(&w, "lblNP")->text();
            });
            if (QTest::currentTestFailed())
                all.clear();
        }
        return all;
    }

    static QStringList join(const QStringList &subjects, const QStringList &preds, const QString &mark)
    {
        QStringList all;
        for (const QString &s : subjects)
            for (const QString &p : preds)
                all << (s.isEmpty() ? p : s + ' ' + p) + mark;
        return all;
    }

private slots:
    void designStatesShowEveryCaption_data()
    {
        QTest::addColumn<std::function<QWidget *(SentenceState &)>>("make");
        QTest::newRow("frmGram1") << std::function<QWidget *(SentenceState &)>([](SentenceState &) { return new frmGram1; });
        QTest::newRow("frmDec") << std::function<QWidget *(SentenceState &)>([](SentenceState &s) { return new frmDec(s, nullptr); });
        QTest::newRow("frmInt") << std::function<QWidget *(SentenceState &)>([](SentenceState &s) { return new frmInt(s, nullptr); });
        QTest::newRow("frmImp") << std::function<QWidget *(SentenceState &)>([](SentenceState &s) { return new frmImp(s, nullptr); });
        QTest::newRow("frmNP") << std::function<QWidget *(SentenceState &)>([](SentenceState &s) { return new frmNP(s, nullptr); });
        QTest::newRow("frmCopyright") << std::function<QWidget *(SentenceState &)>([](SentenceState &) {
            static RecordingPlatform platform;
            return new frmCopyright(platform);
        });
        QTest::newRow("frmNPP") << std::function<QWidget *(SentenceState &)>([](SentenceState &s) { return new frmNPP(s, nullptr); });
        QTest::newRow("frmVerb") << std::function<QWidget *(SentenceState &)>([](SentenceState &s) { return new frmVerb(s, nullptr); });
        QTest::newRow("frmComp") << std::function<QWidget *(SentenceState &)>([](SentenceState &s) { return new frmComp(s, nullptr); });
    }

    void designStatesShowEveryCaption()
    {
        QFETCH(std::function<QWidget *(SentenceState &)>, make);
        SentenceState st;
        std::unique_ptr<QWidget> w(make(st));
        // Show every control, hidden ones included: each is shown in some state.
        int controls = 0;
        for (QWidget *c : w->findChildren<QWidget *>())
            if (!c->objectName().startsWith("qt_")) {
                c->setVisible(true);
                ++controls;
            }
        QVERIFY2(controls >= 3, qPrintable(QString::number(controls))); // a window of nothing fits trivially
        w->show();
        QCOMPARE(problems(w.get()), QStringList());
    }

    void longestStatementFits()
    {
        SentenceState st;
        frmDec w(st, nullptr);
        QLabel *lbl = label(&w, "lblDecl");
        // The widest sentence is the widest subject with the widest predicate.
        QCOMPARE(pronouns().size(), 8);
        QVERIFY2(nounPhrases().size() >= 1000, qPrintable(QString::number(nounPhrases().size())));
        QVERIFY2(predicates(false).size() >= 2 * 3 * 8 * 3, qPrintable(QString::number(predicates(false).size())));
        const QString subject = widest(lbl, pronouns() + nounPhrases());
        lbl->setText(widest(lbl, join({subject}, predicates(false), ".")));
        expectNoProblems(&w);
    }

    void longestNounPhraseFits()
    {
        SentenceState st;
        frmNP w(st, nullptr);
        QLabel *lbl = label(&w, "lblNP");
        QVERIFY2(nounPhrases().size() >= 1000, qPrintable(QString::number(nounPhrases().size())));
        lbl->setText(widest(lbl, nounPhrases()));
        expectNoProblems(&w);
    }

    void longestQuestionFits()
    {
        SentenceState st;
        frmInt w(st, nullptr);
        QLabel *lbl = label(&w, "lblDecl");
        QStringList subjects{"Who"};
        for (const QString &adv : captions(&w, "optAdv"))
            for (const QString &adj : captions(&w, "optAdj"))
                for (const QString &noun : captions(&w, "optNoun"))
                    subjects << "Which " + adv + ' ' + adj + ' ' + noun;
        QVERIFY2(subjects.size() > 8, qPrintable(subjects.join(", ")));
        QVERIFY2(predicates(false).size() >= 2 * 3 * 8 * 3, qPrintable(QString::number(predicates(false).size())));
        lbl->setText(widest(lbl, join(subjects, predicates(false), "?")));
        expectNoProblems(&w);
    }

    void longestCommandFits()
    {
        SentenceState st;
        frmImp w(st, nullptr);
        QLabel *lbl = label(&w, "lblDecl");
        QVERIFY2(predicates(true).size() >= 2 * 3 * 8, qPrintable(QString::number(predicates(true).size())));
        lbl->setText(widest(lbl, join({QString()}, predicates(true), "!")));
        expectNoProblems(&w);
    }

    void longestVerbAndPronounFit()
    {
        SentenceState st;
        frmVerb verb(st, nullptr);
        QLabel *vp = label(&verb, "lblVerb");
        QStringList forms;
        for (const QString &p : predicates(false))
            forms << p.section(' ', 0, p.startsWith("will ") ? 1 : 0);
        QVERIFY2(forms.size() >= 2 * 3 * 8 * 3, qPrintable(QString::number(forms.size())));
        vp->setText(widest(vp, forms));
        expectNoProblems(&verb);

        frmComp comp(st, nullptr);
        QLabel *cv = label(&comp, "lblCV");
        QCOMPARE(captions(&verb, "optVerb").size(), 8);
        cv->setText(widest(cv, captions(&verb, "optVerb")));
        expectNoProblems(&comp);

        frmNPP npp(st, nullptr);
        QLabel *pronoun = label(&npp, "lblNPP");
        QCOMPARE(pronouns().size(), 8);
        pronoun->setText(widest(pronoun, pronouns()));
        expectNoProblems(&npp);
    }
};

PARSELLA_GUI_TEST_MAIN(tst_Layout)
#include "tst_layout.moc"

#include "app/frmGram1.h"
#include "GuiTest.h"
#include "Driver.h"
#include "RecordingPlatform.h"

#include <QDialog>
#include <QEventLoop>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QMap>
#include <QMenuBar>
#include <QAction>
#include <QSet>

using namespace parsella;
using namespace drive;

// Long seeded random use: only what a learner could click (enabled, visible controls of the
// window in front, Esc and the title-bar close), checking after every click what a learner
// relies on. A failure prints the seed and the clicks that led to it; setting
// PARSELLA_WALK_SEED replays one seed.
class RandomWalk
{
public:
    RandomWalk(quint32 seed, int clicks) : rng(seed), seed(seed), target(clicks) {}

    QString run()
    {
        frmGram1 hub;
        RecordingPlatform platform; // the menus' documents are recorded, never opened
        hub.setPlatform(platform);
        main = &hub;
        hub.show();
        QEventLoop loop;
        done = [&loop] { loop.quit(); };
        QTimer::singleShot(0, [this] { step(); });
        loop.exec();
        return failure;
    }

    int clicksMade() const { return clicks; }
    QSet<QString> completeSentences; // distinct complete sentences seen on the way
    QSet<QString> windowsSeen;
    QStringList trail;
    int greyStepsSeen = 0;

private:
    void step()
    {
        QWidget *front = QApplication::activeModalWidget();
        if (clicks >= target || !failure.isEmpty()) {
            // Unwind: close the windows in front one by one, then stop.
            if (front) {
                QTimer::singleShot(0, [this] { step(); });
                if (auto *dialog = qobject_cast<QDialog *>(front))
                    dialog->reject();
                else
                    front->close();
            } else {
                done();
            }
            return;
        }
        // Queue the next step before acting: the action may open a window and block in its
        // modal loop, inside which the walk must go on.
        QTimer::singleShot(0, [this] { step(); });
        if (!front)
            front = main;
        windowsSeen.insert(front->objectName().isEmpty() ? QString::fromLatin1(front->metaObject()->className())
                                                         : front->objectName());
        check(front);
        if (!failure.isEmpty())
            return;
        act(front);
    }

    void act(QWidget *front)
    {
        QList<QAbstractButton *> choices;
        const auto buttons = front->findChildren<QAbstractButton *>();
        for (QAbstractButton *b : buttons) {
            if (!b->isVisibleTo(front) || !b->isEnabled())
                continue;
            if (front == main && b->objectName() == QLatin1String("cmdExit"))
                continue; // ending the program ends the walk
            choices << b;
        }
        // The main window's menu items are choices too.
        QList<QAction *> menus;
        if (front == main)
            menus = main->menuBar()->actions();
        // Like a learner, the walk mostly chooses words and moves on, and leaves a window
        // now and then: "Return" is less likely than a choice, Esc and the title-bar button
        // rarer still. Weights are in quarters.
        QList<int> weights;
        for (const QAbstractButton *b : choices)
            weights << (b->objectName() == QLatin1String("cmdExit") ? 4 : 12);
        for (int i = 0; i < menus.size(); ++i)
            weights << 4;
        if (front != main)
            weights << 1 << 1; // Esc, title-bar close
        int sum = 0;
        for (int wgt : weights)
            sum += wgt;
        int roll = int(rng.bounded(quint32(sum)));
        int pick = 0;
        while (roll >= weights.at(pick))
            roll -= weights.at(pick++);

        ++clicks;
        if (pick < choices.size()) {
            QAbstractButton *b = choices.at(pick);
            trail << front->objectName() + QLatin1Char(':') + b->objectName() + QLatin1Char(' ') + b->text();
            b->click();
        } else if (pick < choices.size() + menus.size()) {
            QAction *menu = menus.at(pick - choices.size());
            trail << front->objectName() + QLatin1Char(':') + menu->objectName();
            menu->trigger();
        } else if (pick == choices.size() + menus.size()) {
            trail << front->objectName() + QStringLiteral(":Esc");
            pressEscape(front);
        } else {
            trail << front->objectName() + QStringLiteral(":close");
            closeByTitleBar(front);
        }
    }

    void fail(const QString &why)
    {
        if (failure.isEmpty())
            failure = why;
    }

    void check(QWidget *front)
    {
        // No choice is ever offered without its caption.
        const auto buttons = front->findChildren<QAbstractButton *>();
        for (const QAbstractButton *b : buttons)
            if (b->isVisibleTo(front) && b->text().trimmed().isEmpty())
                fail(b->objectName() + " shows no caption");
        // Every grey step button says what to do first; an enabled one has no such tip.
        const auto commands = front->findChildren<QPushButton *>();
        for (const QPushButton *b : commands) {
            if (!b->isVisibleTo(front))
                continue;
            if (!b->isEnabled() && (b->toolTip().isEmpty() || b->accessibleDescription() != b->toolTip()))
                fail(front->objectName() + ": the grey " + b->objectName() + " explains nothing");
            else if (b->isEnabled() && !b->toolTip().isEmpty())
                fail(front->objectName() + ": the enabled " + b->objectName() + " still says \"" + b->toolTip() + '"');
            greyStepsSeen += !b->isEnabled();
        }
        // The keyboard is never left on a control the learner cannot use.
        if (QWidget *focus = front->focusWidget(); focus && (!focus->isEnabled() || !focus->isVisibleTo(front)))
            fail(front->objectName() + ": the focus is on the grey or hidden " + focus->objectName());

        const SentenceState &st = main->state();
        const QString name = front->objectName();
        static const QMap<QString, QChar> marks{{"frmDec", '.'}, {"frmInt", '?'}, {"frmImp", '!'}};
        // A sentence is recorded exactly while its window is open, and only it opens pickers.
        static const QStringList pickers{"frmNP", "frmNPP", "frmVerb", "frmComp"};
        if (front == main ? st.record.isBuilding() : pickers.contains(name) && !st.record.isBuilding()) {
            fail(name + (front == main ? " is in front of a sentence still recorded" : " opened with none recorded"));
            return;
        }
        if (marks.contains(name))
            checkSentence(front, marks.value(name), name != QLatin1String("frmImp"), st);
        else if (name == QLatin1String("frmNPP"))
            checkPronouns(front, st);
        else if (name == QLatin1String("frmVerb"))
            checkVerb(front, st);
        else if (name == QLatin1String("frmComp"))
            checkComplement(front, st);
        else if (name == QLatin1String("frmNP"))
            checkNounPhrase(front, st);
    }

    // The sentence label is black exactly when the sentence is complete, and then ends in
    // exactly one closing mark; its words are those the shared state holds.
    void checkSentence(QWidget *w, QChar mark, bool subjectLeads, const SentenceState &st)
    {
        const QLabel *lbl = label(w, "lblDecl");
        const QString text = lbl->text();
        const bool black = isBlack(lbl);
        if (black && !text.isEmpty())
            completeSentences.insert(text);
        const int marks = int(text.count(QLatin1Char('.')) + text.count(QLatin1Char('?')) + text.count(QLatin1Char('!')));
        // An empty label shows no colour; the design gives it black before any word.
        if (!text.isEmpty() && black != text.endsWith(mark))
            fail(QStringLiteral("%1: \"%2\" is %3").arg(w->objectName(), text, black ? "black" : "red"));
        if (marks > 1 || (marks == 1 && !text.endsWith(mark)))
            fail(QStringLiteral("%1: \"%2\" has a stray closing mark").arg(w->objectName(), text));
        if (!text.isEmpty() && !black && !isRed(lbl))
            fail(w->objectName() + ": the sentence is neither red nor black");
        // With no picker open the record shows no draft, and it says what the label says.
        const auto recorded = st.record.recordedSentence();
        if (!recorded || st.record.shown() != recorded)
            fail(w->objectName() + ": the record shows another sentence than the window");
        else if (!text.isEmpty() && (recorded->text() != text || recorded->isComplete() != black))
            fail(QStringLiteral("%1: \"%2\" recorded as \"%3\"").arg(w->objectName(), text, recorded->text()));

        const bool verbDone = !button(w, "cmdVP")->isVisibleTo(w) && button(w, "cmdComp")->isVisibleTo(w);
        const bool sentenceDone = !button(w, "cmdVP")->isVisibleTo(w) && !button(w, "cmdComp")->isVisibleTo(w)
                                  && button(w, "cmdPred")->isVisibleTo(w) && !button(w, "cmdPred")->isEnabled()
                                  && !text.isEmpty();
        const QString lead = subjectLeads ? st.xsubj + QLatin1Char(' ') : QString();
        // "be" is the one verb that cannot end a sentence without its complement.
        static const QStringList be{"am", "is", "are", "was", "were", "will be", "be"};
        if (verbDone) {
            const bool complete = !be.contains(st.xvp);
            const QString expected = lead + st.xvp + (complete ? QString(mark) : QString());
            if (text != expected || black != complete)
                fail(QStringLiteral("%1: shows \"%2\" for \"%3\"").arg(w->objectName(), text, expected));
        } else if (sentenceDone) {
            const QString expected = lead + st.xvp + QLatin1Char(' ') + st.xcomp1 + mark;
            if (text != expected || !black)
                fail(QStringLiteral("%1: shows \"%2\" for \"%3\"").arg(w->objectName(), text, expected));
        } else if (!text.isEmpty() && (black || (subjectLeads && text != st.xsubj)))
            fail(QStringLiteral("%1: subject \"%2\" but the state holds \"%3\"").arg(w->objectName(), text, st.xsubj));
    }

    // While a picker is open, the part it builds shows in the record as in its label.
    void checkDraft(QWidget *w, const std::optional<grammar::Node> &part, const QString &shown)
    {
        const QString words = part ? part->saidWords().join(QLatin1Char(' ')) : QString();
        if (words != shown)
            fail(QStringLiteral("%1 shows \"%2\" but the record \"%3\"").arg(w->objectName(), shown, words));
    }

    void checkPronouns(QWidget *w, const SentenceState &st)
    {
        checkDraft(w, st.record.shown()->subject, label(w, "lblNPP")->text());
        const QList<int> on = checkedIds(w, "optNPP");
        const QString shown = label(w, "lblNPP")->text();
        if (on.isEmpty() ? (!shown.isEmpty() || st.xnumb != 0) : shown != option(w, "optNPP", on.first())->text())
            fail(QStringLiteral("frmNPP shows \"%1\"").arg(shown));
    }

    void checkVerb(QWidget *w, const SentenceState &st)
    {
        const auto verb = st.record.shown()->verb;
        checkDraft(w, verb ? std::optional(grammar::phraseNode(grammar::Label::VP, verb->words)) : std::nullopt,
                   label(w, "lblVerb")->text());
        const bool chosen = !checkedIds(w, "optVerb").isEmpty();
        if (chosen == label(w, "lblVerb")->text().isEmpty())
            fail(QStringLiteral("frmVerb shows \"%1\"").arg(label(w, "lblVerb")->text()));
    }

    void checkComplement(QWidget *w, const SentenceState &st)
    {
        checkDraft(w, st.record.shown()->complement, st.xcomp1);
        QStringList chosen;
        for (const char *g : {"optPP", "optAdv", "optNP", "optPresP", "optAdj"})
            for (int id : checkedIds(w, g))
                chosen << option(w, g, id)->text();
        if (chosen.size() > 1 || st.xcomp1 != chosen.value(0))
            fail(QStringLiteral("frmComp: chosen %1, state \"%2\"").arg(chosen.join('/'), st.xcomp1));
    }

    void checkNounPhrase(QWidget *w, const SentenceState &st)
    {
        const QLabel *lbl = label(w, "lblNP");
        checkDraft(w, st.record.shown()->subject, lbl->text());
        if (isBlack(lbl) != (st.xnumb > 0))
            fail(QStringLiteral("frmNP: \"%1\" is %2 with xnumb %3").arg(lbl->text(), isBlack(lbl) ? "black" : "red").arg(st.xnumb));
        const QString text = lbl->text();
        if (text.startsWith(' ') || text.endsWith(' ') || text.contains(QStringLiteral("  ")))
            fail(QStringLiteral("frmNP: badly spaced \"%1\"").arg(text));
    }

    QRandomGenerator rng;
    quint32 seed;
    int target;
    int clicks = 0;
    frmGram1 *main = nullptr;
    QString failure;
    std::function<void()> done;
};

class tst_RandomWalk : public testsupport::GuiTest
{
    Q_OBJECT
private slots:
    void learnerNeverMeetsABrokenSentence()
    {
        QList<quint32> seeds;
        int clicksPerSeed = 10000;
        if (qEnvironmentVariableIsSet("PARSELLA_WALK_SEED")) {
            seeds << quint32(qEnvironmentVariableIntValue("PARSELLA_WALK_SEED"));
        } else {
            for (quint32 s = 1; s <= 10; ++s)
                seeds << s * 7919u;
        }
        if (qEnvironmentVariableIsSet("PARSELLA_WALK_CLICKS"))
            clicksPerSeed = qEnvironmentVariableIntValue("PARSELLA_WALK_CLICKS");

        int total = 0, greySteps = 0;
        QSet<QString> sentences, windows;
        for (quint32 seed : seeds) {
            RandomWalk walk(seed, clicksPerSeed);
            const QString failure = walk.run();
            total += walk.clicksMade();
            sentences.unite(walk.completeSentences);
            windows.unite(walk.windowsSeen);
            greySteps += walk.greyStepsSeen;
            if (!failure.isEmpty()) {
                const QStringList last = walk.trail.mid(qMax(0, int(walk.trail.size()) - 200));
                qWarning().noquote() << "seed" << seed << "after" << walk.clicksMade() << "clicks (replay with"
                                     << QStringLiteral("PARSELLA_WALK_SEED=%1), last clicks:\n").arg(seed)
                                         + last.join('\n');
                QFAIL(qPrintable(failure));
            }
        }
        qInfo("%d clicks over %d seeds; %d distinct complete sentences met", total, int(seeds.size()),
              int(sentences.size()));
        QVERIFY(total >= int(seeds.size()) * clicksPerSeed);
        // A walk that never finishes a sentence would check nothing worth checking.
        QVERIFY(sentences.size() >= int(seeds.size()));
        QVERIFY(greySteps > 0);
        if (!qEnvironmentVariableIsSet("PARSELLA_WALK_SEED")) {
            QStringList seen(windows.begin(), windows.end());
            seen.sort();
            QCOMPARE(seen, (QStringList{"QMessageBox", "frmComp", "frmCopyright", "frmDec", "frmGram1", "frmImp",
                                        "frmInt", "frmNP", "frmNPP", "frmVerb"}));
        }
    }
};

PARSELLA_GUI_TEST_MAIN(tst_RandomWalk)
#include "tst_randomwalk.moc"

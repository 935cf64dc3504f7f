#include "Sentences.h"

#include <QTest>

namespace sentences {

// Fails the test with `why` unless a check inside the picker failed it already; gives `ok`.
static bool reported(bool ok, const char *why)
{
    if (!ok && !QTest::currentTestFailed())
        QTest::qFail(why, __FILE__, __LINE__);
    return ok;
}

bool clickCaption(QWidget *window, const QString &caption)
{
    QAbstractButton *option = drive::optionShowing(window, caption);
    if (!option) {
        qWarning("no \"%s\" in %s", qPrintable(caption), qPrintable(window->objectName()));
        return false;
    }
    if (!option->isEnabled() || !option->isVisibleTo(window)) {
        qWarning("\"%s\" cannot be clicked", qPrintable(caption));
        return false;
    }
    option->click();
    return true;
}

QString pickVerb(QWidget *window, const QString &verb, const QString &tense)
{
    QString shown;
    const bool ran = drive::clickInto(drive::button(window, "cmdVP"), [&](QWidget *picker) {
        if (!clickCaption(picker, verb) || (!tense.isEmpty() && !clickCaption(picker, tense)))
            return;
        shown = drive::label(picker, "lblVerb")->text();
        drive::button(picker, "cmdExit")->click();
    });
    return ran ? shown : QString();
}

bool pickComplement(QWidget *window, const QString &complement)
{
    bool clicked = false;
    const bool ran = drive::clickInto(drive::button(window, "cmdComp"), [&](QWidget *picker) {
        clicked = clickCaption(picker, complement);
        drive::button(picker, "cmdExit")->click();
    });
    return ran && clicked;
}

bool choosePronoun(QWidget *window, int index)
{
    const bool chosen = drive::clickInto(drive::button(window, "cmdNPP"), [index](QWidget *picker) {
        QVERIFY(drive::clickOption(picker, "optNPP", index));
        drive::button(picker, "cmdExit")->click();
    });
    return reported(chosen, "the pronoun picker did not open, or choosing failed");
}

bool chooseVerb(QWidget *window, int verb, int tense)
{
    const bool chosen = drive::clickInto(drive::button(window, "cmdVP"), [verb, tense](QWidget *picker) {
        QVERIFY(drive::clickOption(picker, "optTense", tense));
        QVERIFY(drive::clickOption(picker, "optVerb", verb));
        drive::button(picker, "cmdExit")->click();
    });
    return reported(chosen, "the verb picker did not open, or choosing failed");
}

bool chooseComplement(QWidget *window, const char *group, int index)
{
    const bool chosen = drive::clickInto(drive::button(window, "cmdComp"), [group, index](QWidget *picker) {
        QVERIFY(drive::clickOption(picker, group, index));
        drive::button(picker, "cmdExit")->click();
    });
    return reported(chosen, "the complement picker did not open, or choosing failed");
}

bool leaveEmpty(QAbstractButton *button, void (*close)(QWidget *))
{
    return drive::clickInto(button, [close](QWidget *picker) { close(picker); });
}

QString steps(const QWidget *window)
{
    return QStringLiteral("Predicate %1, Verb %2, Complement %3, Return %4")
        .arg(drive::look(drive::button(window, "cmdPred")), drive::look(drive::button(window, "cmdVP")),
             drive::look(drive::button(window, "cmdComp")), drive::look(drive::button(window, "cmdExit")));
}

// A picker left without a choice, the way the learner closed it.
static void (*closing(const QString &how))(QWidget *)
{
    if (how == QLatin1String("Esc"))
        return drive::pressEscape;
    if (how == QLatin1String("title bar"))
        return drive::closeByTitleBar;
    if (how == QLatin1String("Return"))
        return [](QWidget *picker) { drive::button(picker, "cmdExit")->click(); };
    return nullptr;
}

static bool complete(const QString &sentence)
{
    return sentence.endsWith(QLatin1Char('.')) || sentence.endsWith(QLatin1Char('?')) || sentence.endsWith(QLatin1Char('!'));
}

bool buildPredicate(QWidget *window, const Predicate &p)
{
    static const QString predicateOpen = QStringLiteral("Predicate disabled, Verb enabled, Complement disabled, Return enabled");
    static const QString verbDone = QStringLiteral("Predicate disabled, Verb hidden, Complement enabled, Return enabled");
    static const QString sentenceDone = QStringLiteral("Predicate disabled, Verb hidden, Complement hidden, Return enabled");
    QLabel *lbl = drive::label(window, "lblDecl");
    // Predicate and an empty picker change nothing the learner reads.
    const QString subject = lbl->text();
    const bool subjectRed = drive::isRed(lbl);
    // A failed check returns from this lambda only; the caller looks at currentTestFailed().
    const auto leftAlone = [&](const QString &text, bool red, const QString &stepsShown) {
        QCOMPARE(lbl->text(), text);
        QCOMPARE(drive::isRed(lbl), red);
        QCOMPARE(steps(window), stepsShown);
    };
    [&] {
        drive::button(window, "cmdPred")->click();
        leftAlone(subject, subjectRed, predicateOpen);
        if (QTest::currentTestFailed())
            return;
        if (!p.verbLeftBy.isEmpty()) {
            QVERIFY2(closing(p.verbLeftBy), qPrintable(p.verbLeftBy));
            QVERIFY(leaveEmpty(drive::button(window, "cmdVP"), closing(p.verbLeftBy)));
            leftAlone(subject, subjectRed, predicateOpen);
            if (QTest::currentTestFailed())
                return;
        }
        const QString shown = pickVerb(window, p.verb, p.tense);
        if (p.form.isEmpty())
            QVERIFY(!shown.isEmpty());
        else
            QCOMPARE(shown, p.form);
        const bool done = complete(p.withVerb);
        QCOMPARE(drive::isBlack(lbl), done);
        leftAlone(p.withVerb, !done, verbDone);
        if (QTest::currentTestFailed())
            return;
        for (const QString &how : p.complementLeftBy) {
            QVERIFY2(closing(how), qPrintable(how));
            QVERIFY(leaveEmpty(drive::button(window, "cmdComp"), closing(how)));
            leftAlone(p.withVerb, !done, verbDone);
            if (QTest::currentTestFailed())
                return;
        }
        if (!p.complement.isEmpty()) {
            QVERIFY(pickComplement(window, p.complement));
            QVERIFY(complete(p.sentence));
            QVERIFY(drive::isBlack(lbl));
            leftAlone(p.sentence, false, sentenceDone);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(clippedCaptions(window), QStringList());
    }();
    return !QTest::currentTestFailed();
}

QStringList clippedCaptions(const QWidget *window)
{
    QStringList clipped;
    const auto widgets = window->findChildren<QWidget *>();
    for (const QWidget *w : widgets) {
        const QString why = drive::clippedCaption(w);
        if (!why.isEmpty())
            clipped << why;
    }
    return clipped;
}

} // namespace sentences

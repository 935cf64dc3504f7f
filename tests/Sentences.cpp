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

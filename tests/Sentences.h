#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>

#include "Driver.h"

// What the sentence window tests share: clicking words by what they say, running the verb
// and complement pickers, and reading the state of the sentence steps at a glance.
namespace sentences {

// Clicks the option button of `window` that shows `caption`, as a learner picks a word.
// Fails the test if there is none, or if it cannot be clicked.
inline bool clickCaption(QWidget *window, const QString &caption)
{
    const auto options = window->findChildren<QRadioButton *>();
    for (QRadioButton *option : options) {
        if (option->text() != caption)
            continue;
        if (!option->isEnabled() || !option->isVisibleTo(window)) {
            qWarning("\"%s\" cannot be clicked", qPrintable(caption));
            return false;
        }
        option->click();
        return true;
    }
    qWarning("no \"%s\" in %s", qPrintable(caption), qPrintable(window->objectName()));
    return false;
}

// Opens the verb picker, clicks the verb and, unless `tense` is empty, the tense, and
// returns. Gives what the picker showed; empty if the picker did not open or a click failed.
inline QString pickVerb(QWidget *window, const QString &verb, const QString &tense = {})
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

// Opens the complement picker, clicks `complement` and returns; false if that failed.
inline bool pickComplement(QWidget *window, const QString &complement)
{
    bool clicked = false;
    const bool ran = drive::clickInto(drive::button(window, "cmdComp"), [&](QWidget *picker) {
        clicked = clickCaption(picker, complement);
        drive::button(picker, "cmdExit")->click();
    });
    return ran && clicked;
}

// Opens a picker through `button` and leaves it by `close` without choosing anything.
inline bool leaveEmpty(QAbstractButton *button, void (*close)(QWidget *))
{
    return drive::clickInto(button, [close](QWidget *picker) { close(picker); });
}

// The sentence steps as a learner sees them: "Predicate enabled, Verb hidden, ...".
inline QString steps(const QWidget *window)
{
    return QStringLiteral("Predicate %1, Verb %2, Complement %3, Return %4")
        .arg(drive::look(drive::button(window, "cmdPred")), drive::look(drive::button(window, "cmdVP")),
             drive::look(drive::button(window, "cmdComp")), drive::look(drive::button(window, "cmdExit")));
}

// The controls of a window, shown or not, whose caption does not fit inside them as drawn
// in the window's style and fonts. Hidden frames count too: they appear later.
inline QStringList clippedCaptions(const QWidget *window)
{
    QStringList clipped;
    const auto widgets = window->findChildren<QWidget *>();
    for (const QWidget *w : widgets) {
        const QFontMetrics fm(w->font());
        const QStyle *style = w->style();
        int needed = 0;
        int neededHeight = 0;
        if (auto *radio = qobject_cast<const QRadioButton *>(w)) {
            needed = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w)
                     + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w)
                     + fm.horizontalAdvance(radio->text());
            neededHeight = fm.height();
        } else if (auto *button = qobject_cast<const QPushButton *>(w)) {
            needed = fm.horizontalAdvance(button->text())
                     + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
            neededHeight = fm.height();
        } else if (auto *frame = qobject_cast<const QGroupBox *>(w)) {
            needed = fm.horizontalAdvance(frame->title());
            neededHeight = fm.height();
        } else if (auto *label = qobject_cast<const QLabel *>(w)) {
            needed = fm.horizontalAdvance(label->text()) - label->contentsRect().width() + w->width();
            neededHeight = label->text().isEmpty() ? 0 : fm.height();
        } else {
            continue;
        }
        if (needed > w->width() || neededHeight > w->height())
            clipped << QStringLiteral("%1 (%2x%3 needs %4x%5)")
                           .arg(w->objectName()).arg(w->width()).arg(w->height()).arg(needed).arg(neededHeight);
    }
    return clipped;
}

} // namespace sentences

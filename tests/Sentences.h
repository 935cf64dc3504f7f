#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "Driver.h"

// What the sentence window tests share: clicking words by what they say, running the verb
// and complement pickers, and reading the state of the sentence steps at a glance.
namespace sentences {

// Clicks the option button of `window` that shows `caption`, as a learner picks a word.
// Fails the test if there is none, or if it cannot be clicked.
[[nodiscard]] bool clickCaption(QWidget *window, const QString &caption);

// Opens the verb picker, clicks the verb and, unless `tense` is empty, the tense, and
// returns. Gives what the picker showed; empty if the picker did not open or a click failed.
[[nodiscard]] QString pickVerb(QWidget *window, const QString &verb, const QString &tense = {});

// Opens the complement picker, clicks `complement` and returns; false if that failed.
[[nodiscard]] bool pickComplement(QWidget *window, const QString &complement);

// Open the pronoun, verb or complement picker, click the option button `index` of its group
// (the tense first, for the verb) and return by "Return". A failed step fails the test and
// gives false, for the caller to stop on.
[[nodiscard]] bool choosePronoun(QWidget *window, int index);
[[nodiscard]] bool chooseVerb(QWidget *window, int verb, int tense = 0);
[[nodiscard]] bool chooseComplement(QWidget *window, const char *group, int index);

// Opens a picker through `button` and leaves it by `close` without choosing anything.
[[nodiscard]] bool leaveEmpty(QAbstractButton *button, void (*close)(QWidget *));

// The sentence steps as a learner sees them: "Predicate enabled, Verb hidden, ...".
QString steps(const QWidget *window);

// The controls of a window, shown or not, whose caption does not fit inside them as drawn
// in the window's style and fonts. Hidden frames count too: they appear later.
QStringList clippedCaptions(const QWidget *window);

} // namespace sentences

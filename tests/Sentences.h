#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QMetaType>
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

// A predicate as a learner picks it once the subject is there, and what each step shows.
struct Predicate {
    QString verb{}, tense{};      // captions in the verb picker; no tense for a command
    QString form{};               // what the verb picker shows; empty: anything but nothing
    QString withVerb{};           // the sentence then, complete once it has its closing mark
    QString complement{};         // empty: the sentence ends with its verb
    QString sentence{};           // the sentence with its complement
    QString verbLeftBy{};         // how a verb picker is first left empty: "Esc", "title bar", "Return"
    QStringList complementLeftBy{}; // likewise for complement pickers, in turn
};

// Presses Predicate in a sentence window whose subject is done (or that needs none) and
// picks `p`, checking the sentence, its colour and the steps on offer after every step, and
// that no caption is clipped at the end. False if a check failed, for the caller to stop on.
[[nodiscard]] bool buildPredicate(QWidget *window, const Predicate &p);

// The controls of a window, shown or not, whose caption does not fit inside them as drawn
// in the window's style and fonts. Hidden frames count too: they appear later.
QStringList clippedCaptions(const QWidget *window);

} // namespace sentences

Q_DECLARE_METATYPE(sentences::Predicate)

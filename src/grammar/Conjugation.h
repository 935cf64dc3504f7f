#pragma once

#include "grammar/Admission.h"
#include "grammar/Node.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace parsella::grammar {

// The three tenses the verb picker offers, in the order of its buttons.
enum class Tense { Present, Past, Future };

// Who a verb agrees with: person 1 to 3 and number 1 (one) or 2 (more than one), as the
// pronoun picker and the noun phrase generator record them. 0 is "not known": a verb then
// takes the forms of "you", "we" and "they".
struct Agreement {
    int person = 0;
    int number = 0;

    bool operator==(const Agreement &) const = default;
};

// The verb picker's eight verbs by their base forms, in the order of its buttons.
const QStringList &verbs();

// Whether a verb may end a sentence without a complement ("be" may not), and which kinds of
// complement it takes. A verb no window offers ends nothing and takes nothing.
bool endsSentence(const QString &base);
VerbComplements complementsOf(const QString &base);

// The form the verb picker shows: agreement with the subject in the present and past, "will"
// and the base form in the future. Empty for a verb no window offers. A command has no tense:
// it always takes the base form, which the caller gives itself.
QString conjugate(const QString &base, Tense tense, Agreement subject);

// The base form of any form the verb picker shows ("went" and "will go" give "go"); empty if
// the picker never shows it.
QString baseOf(const QString &form);

// The tense in which `form` agrees with `subject`, if it does in any: "walks" with a singular
// third person is the present; "walk" with it is none.
std::optional<Tense> tenseOf(const QString &form, Agreement subject);

// Who a subject noun phrase can agree as. A noun phrase is third person, its number that of
// its noun; the proper noun is one person. "you" may be one person or several, so it gives
// both; a phrase without a known head gives none.
QList<Agreement> agreementsOf(const Node &subject);

} // namespace parsella::grammar

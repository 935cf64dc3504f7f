#pragma once

#include "pickers/frmNP.h"
#include "Driver.h"

#include <QList>
#include <functional>

// Every way a learner can build a noun phrase in the generator, clicking its groups in the
// order of the phrase and only what is enabled.
namespace nounphrases {

struct Click {
    const char *group;
    int index;
};
using Path = QList<Click>;

// Where a group stands in the phrase: 0 for the determiners and the proper noun, then the
// common possessive, adverb, adjective and noun. A walk only moves forward through it.
int position(const QString &group);

// Replays every forward click path in a fresh generator and calls `visit` on each state
// reached; a state with a noun ends its path, any other is extended by every enabled word
// of the groups further on in the phrase. The walk stops once the test has failed.
void walk(parsella::SentenceState &st, const std::function<void(const Path &, QWidget &)> &visit);

} // namespace nounphrases

#pragma once

#include "core/SentenceState.h"
#include "grammar/Admission.h"

namespace parsella {

// What the verb that the verb picker left in the state takes after it: the kinds of
// complement its flags admit.
grammar::VerbComplements complementsTaken(const SentenceState &state);

} // namespace parsella

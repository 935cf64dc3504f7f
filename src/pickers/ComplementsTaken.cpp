#include "pickers/ComplementsTaken.h"

namespace parsella {

grammar::VerbComplements complementsTaken(const SentenceState &state)
{
    // A flag admits only when it is exactly 1; 0, or never written, admits nothing.
    return {state.xa0 == 1, state.xa1 == 1, state.xa4 == 1, state.xa7 == 1};
}

} // namespace parsella

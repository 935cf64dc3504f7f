#pragma once

namespace parsella {

// A display label carries a fixed accessible name ("Sentence", "Pronoun", ...), and a named
// label no longer offers its words to a screen reader. This gives such labels an accessible
// interface that keeps the name and the completeness description and also reads out the
// sentence or phrase itself, as text and as the label's value.
void installDisplayAccessibility();

} // namespace parsella

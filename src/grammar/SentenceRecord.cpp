#include "grammar/SentenceRecord.h"

namespace parsella::grammar {

SentenceRecord::SentenceRecord(QObject *parent)
    : QObject(parent)
{
}

void SentenceRecord::update(const std::optional<Sentence> &newRecorded, const std::optional<Sentence> &newDraft)
{
    // A picker's draft accepted leaves the tree as it was, but the sentence label now shows
    // it, and the label's colour is the tree's: a watcher must hear of that too.
    const std::optional<Sentence> before = shown();
    const std::optional<Sentence> recordedBefore = recorded;
    recorded = newRecorded;
    draft = newDraft;
    if (shown() != before || recorded != recordedBefore)
        Q_EMIT changed();
}

void SentenceRecord::begin(SentenceType type)
{
    update(Sentence{type, {}, {}, {}}, std::nullopt);
}

// A step recorded outside a sentence window has nowhere to go; it is ignored rather than
// starting a sentence of a type nobody chose.
void SentenceRecord::setSubject(const Node &subject)
{
    if (!recorded)
        return;
    Sentence s = *recorded;
    s.subject = subject;
    update(s, std::nullopt);
}

void SentenceRecord::setVerb(const VerbGroup &verb)
{
    if (!recorded)
        return;
    Sentence s = *recorded;
    s.verb = verb;
    update(s, std::nullopt);
}

void SentenceRecord::setComplement(const Node &complement)
{
    if (!recorded)
        return;
    Sentence s = *recorded;
    s.complement = complement;
    update(s, std::nullopt);
}

void SentenceRecord::setDraftSubject(const std::optional<Node> &subject)
{
    if (!recorded)
        return;
    Sentence s = *recorded;
    s.subject = subject;
    update(recorded, s);
}

void SentenceRecord::setDraftVerb(const std::optional<VerbGroup> &verb)
{
    if (!recorded)
        return;
    Sentence s = *recorded;
    s.verb = verb;
    update(recorded, s);
}

void SentenceRecord::setDraftComplement(const std::optional<Node> &complement)
{
    if (!recorded)
        return;
    Sentence s = *recorded;
    s.complement = complement;
    update(recorded, s);
}

void SentenceRecord::acceptDraft()
{
    if (draft)
        update(draft, std::nullopt);
}

void SentenceRecord::dropDraft()
{
    update(recorded, std::nullopt);
}

// A sentence counts once, when its window closes complete; the draft of a picker still open
// is not part of it.
void SentenceRecord::end()
{
    if (!recorded)
        return;
    if (recorded->isComplete())
        done.append(*recorded);
    recorded.reset();
    draft.reset();
    Q_EMIT changed();
}

} // namespace parsella::grammar

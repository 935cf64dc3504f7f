#pragma once

#include "grammar/Sentence.h"

#include <QList>
#include <QObject>
#include <optional>

namespace parsella::grammar {

// The sentence being built and every sentence finished in this run, for a window that only
// watches (the worksheet): it redraws on changed(). The sentence windows and pickers write:
//
//   begin(type)                 a sentence window opened
//   setDraftSubject(...)        a picker's part grew: a noun phrase by a word, a verb form by a
//   setDraftVerb(...)           tense; the tree shows it in place of the recorded part
//   setDraftComplement(...)
//   acceptDraft()               the picker closed and its step succeeded: the draft is what
//                               the sentence label now shows, so it becomes the recorded part
//   dropDraft()                 the picker closed without a result
//   setSubject/Verb/Complement  a part recorded directly, as the question builder does with
//                               its subject on every click (the label shows it as it grows)
//   end()                       the sentence window closed; a complete sentence is kept
//
// The parts come from the builders in grammar/Phrases.h, fed with the captions a window chose:
// nounPhrase({"the", "small", "dog"}), verbGroup("will walk"), complement("here").
//
// Nothing is kept between runs. changed() is emitted when what is shown changes, when the
// sentence as its label shows it changes, or when the finished list grows.
class SentenceRecord : public QObject
{
    Q_OBJECT
public:
    explicit SentenceRecord(QObject *parent = nullptr);

    void begin(SentenceType type);

    void setSubject(const Node &subject);
    void setVerb(const VerbGroup &verb);
    void setComplement(const Node &complement);

    // No value: the picker has nothing chosen yet, and the tree shows the part's placeholder.
    void setDraftSubject(const std::optional<Node> &subject);
    void setDraftVerb(const std::optional<VerbGroup> &verb);
    void setDraftComplement(const std::optional<Node> &complement);
    void acceptDraft();
    void dropDraft();

    void end();

    // Whether a sentence window is open.
    bool isBuilding() const { return recorded.has_value(); }
    // The sentence as the tree shows it: the recorded parts with the open picker's draft in
    // place. None while no sentence window is open.
    std::optional<Sentence> shown() const { return draft ? draft : recorded; }
    // The sentence as its window's label shows it, without the draft.
    std::optional<Sentence> recordedSentence() const { return recorded; }
    // Every sentence whose window closed while it was complete, oldest first.
    const QList<Sentence> &finished() const { return done; }

Q_SIGNALS:
    void changed();

private:
    void update(const std::optional<Sentence> &newRecorded, const std::optional<Sentence> &newDraft);

    std::optional<Sentence> recorded;
    std::optional<Sentence> draft;
    QList<Sentence> done;
};

} // namespace parsella::grammar

#pragma once

#include "grammar/Conjugation.h"
#include "grammar/Phrases.h"
#include "grammar/Sentence.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace parsella::grammar {

// How a subject is made: a statement's by the pronoun picker or the noun phrase generator, a
// question's by "Who" or by "Which" and its noun.
enum class SubjectKind { Pronoun, NounPhrase, Who, Which };

// What a finished sentence is, in the terms a task asks for. A command has no subject of its
// own, so it has no tense, number, person or subject kind. "you" may be one person or several
// and its verb is the same either way, so a sentence with "you" has no number: neither the
// sentence nor its bracket notation can tell, and it meets a task asking for either.
struct Features {
    SentenceType type = SentenceType::Statement;
    std::optional<Tense> tense;
    std::optional<int> number; // 1 singular, 2 plural
    std::optional<int> person; // 1 to 3
    std::optional<SubjectKind> subject;
    ComplementGroup complement = ComplementGroup::None;

    bool operator==(const Features &) const = default;
};

// None for a sentence that is not complete or whose verb does not agree with its subject.
std::optional<Features> featuresOf(const Sentence &sentence);

// What a task asks for: any non-empty choice of features, or one exact sentence.
struct Ask {
    std::optional<SentenceType> type;
    std::optional<Tense> tense;
    std::optional<int> number;
    std::optional<int> person;
    std::optional<SubjectKind> subject;
    std::optional<ComplementGroup> complement;
    QString brackets;              // as the teacher wrote it, empty if no exact sentence is asked
    std::optional<Sentence> exact; // the sentence those brackets make

    bool isEmpty() const;
    bool operator==(const Ask &) const = default;
};

// The features an ask may name, in the order a learner reads a sentence's description.
enum class Feature { Type, Tense, Number, Person, Subject, Complement };
inline constexpr Feature allFeatures[] = {Feature::Type, Feature::Tense, Feature::Number,
                                          Feature::Person, Feature::Subject, Feature::Complement};
// What `ask` asks of the feature in a teacher's words ("a question", "past", "third person");
// empty if it asks nothing of it.
QString featureWords(const Ask &ask, Feature feature);
// `ask` no longer asking for `feature`.
void dropFeature(Ask &ask, Feature feature);

// Reads bracket notation as a sentence of the given type; a problem in words if it is not
// one the windows could build. The document's reader provides it, so that a task's sentence
// is checked by the same rules as the worksheet's sentences.
using SentenceFromBrackets = std::function<std::optional<Sentence>(SentenceType, const QString &, QString *)>;

// The ask object of a task. A problem in words if it is empty, has a key or value this
// program does not know, or asks for what no sentence can be (a command in the past tense,
// a pronoun subject in a question, brackets that are no sentence or say otherwise than
// another key).
std::optional<Ask> readAsk(const QJsonObject &object, const SentenceFromBrackets &readSentence, QString *problem);
QJsonObject writeAsk(const Ask &ask);

// An ask of every feature of a sentence (and, if `exactSentence`, the sentence itself).
Ask askOf(const Sentence &sentence, bool exactSentence = false);

// The ask in plain English, as the learner reads it when the teacher wrote no prompt:
// "Build a question in the past tense whose subject is plural, with a noun phrase as its
// complement."
QString promptOf(const Ask &ask);

// One line for each asked feature the sentence lacks, in the sentence's own words: "The task
// asks for the past tense; “walks” is in the present." Empty when the sentence meets the ask.
QStringList feedbackOn(const Sentence &sentence, const Ask &ask);
inline bool meets(const Sentence &sentence, const Ask &ask) { return feedbackOn(sentence, ask).isEmpty(); }

// What the learner is told of a sentence checked against task `index` (from 0), given what it
// lacks: the task is done, or not yet and why; or, where an earlier sentence met the task, that it
// is already done and what this sentence would lack.
QString answerNote(int index, const QStringList &lacks, bool doneBefore);

// The teacher's own prompt is plain text of at most this many characters.
inline constexpr int maxPromptLength = 2000;

// A task set by a teacher, as a worksheet keeps it: what it asks, the teacher's own prompt
// if any, how often the learner tried and whether it is done. Keys this program does not
// know are kept for the next save.
struct Task {
    Ask ask;
    QString prompt;
    int tries = 0;
    bool done = false;
    QJsonObject extra;

    // The teacher's prompt, or the one written from the ask.
    QString shownPrompt() const { return prompt.isEmpty() ? promptOf(ask) : prompt; }
    bool operator==(const Task &) const = default;
};

// Task `number` (counted from 1) of a document; a problem that names it if it is refused.
std::optional<Task> readTask(const QJsonValue &value, int number, const SentenceFromBrackets &readSentence, QString *problem);
QJsonObject writeTask(const Task &task);

// The task's state as the worksheet shows it: "to do", "done" or "not yet".
QString taskState(const Task &task);
// Task `index` (from 0) as the worksheet lists it: its number, its prompt on one line and its
// state, with the count of tries while it is not yet done.
QString taskEntry(int index, const Task &task);


} // namespace parsella::grammar

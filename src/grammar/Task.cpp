#include "grammar/Task.h"

#include "grammar/BracketReader.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <array>

namespace parsella::grammar {

namespace {

// The task's words, which translators find under "Task".
struct TaskText {
    Q_DECLARE_TR_FUNCTIONS(Task)
};

// The values of the ask's keys as a teacher writes them in the file.
template <typename T>
struct Named {
    T value;
    const char *key;
};

constexpr std::array<Named<Tense>, 3> tenseKeys{{{Tense::Present, "present"}, {Tense::Past, "past"}, {Tense::Future, "future"}}};
constexpr std::array<Named<int>, 2> numberKeys{{{1, "singular"}, {2, "plural"}}};
constexpr std::array<Named<SubjectKind>, 4> subjectKeys{{{SubjectKind::Pronoun, "pronoun"},
    {SubjectKind::NounPhrase, "noun phrase"}, {SubjectKind::Who, "who"}, {SubjectKind::Which, "which"}}};
constexpr std::array<Named<ComplementGroup>, 6> complementKeys{{{ComplementGroup::None, "none"},
    {ComplementGroup::Prepositional, "prepositional phrase"}, {ComplementGroup::Adverb, "adverb"},
    {ComplementGroup::NounPhrase, "noun phrase"}, {ComplementGroup::Participle, "present participle"},
    {ComplementGroup::Adjective, "adjective"}}};

template <typename T, size_t N>
QString keyOf(const std::array<Named<T>, N> &names, T value)
{
    for (const auto &name : names) {
        if (name.value == value)
            return QString::fromLatin1(name.key);
    }
    return {};
}

template <typename T, size_t N>
std::optional<T> valueOf(const std::array<Named<T>, N> &names, const QString &key)
{
    for (const auto &name : names) {
        if (key == QLatin1String(name.key))
            return name.value;
    }
    return std::nullopt;
}

// A value from the file as a message may show it: as JSON writes it, which escapes the
// control characters, and then as any text from a file is shown.
QString shown(const QJsonValue &value)
{
    const QString json = QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
    return shownSafely(json.mid(1, json.size() - 2));
}
QString said(const Node &node) { return node.saidWords().join(QLatin1Char(' ')); }
QString said(const VerbGroup &verb)
{
    QStringList words;
    for (const Node &word : verb.words)
        words << said(word);
    return words.join(QLatin1Char(' '));
}

QString typeNoun(SentenceType type)
{
    switch (type) {
    case SentenceType::Statement: return TaskText::tr("a statement");
    case SentenceType::Question: return TaskText::tr("a question");
    case SentenceType::Command: return TaskText::tr("a command");
    }
    return {};
}

QString tenseName(Tense tense)
{
    switch (tense) {
    case Tense::Present: return TaskText::tr("present");
    case Tense::Past: return TaskText::tr("past");
    case Tense::Future: return TaskText::tr("future");
    }
    return {};
}

QString numberName(int number) { return number == 2 ? TaskText::tr("plural") : TaskText::tr("singular"); }

QString personName(int person)
{
    switch (person) {
    case 1: return TaskText::tr("first");
    case 2: return TaskText::tr("second");
    default: return TaskText::tr("third");
    }
}

// How the prompt names a subject kind: "whose subject is a pronoun".
QString subjectNoun(SubjectKind kind)
{
    switch (kind) {
    case SubjectKind::Pronoun: return TaskText::tr("a pronoun");
    case SubjectKind::NounPhrase: return TaskText::tr("a noun phrase");
    case SubjectKind::Who: return TaskText::tr("“Who”");
    case SubjectKind::Which: return TaskText::tr("a phrase with “Which”");
    }
    return {};
}

QString complementNoun(ComplementGroup group)
{
    switch (group) {
    case ComplementGroup::None: return TaskText::tr("no complement");
    case ComplementGroup::Prepositional: return TaskText::tr("a prepositional phrase");
    case ComplementGroup::Adverb: return TaskText::tr("an adverb");
    case ComplementGroup::NounPhrase: return TaskText::tr("a noun phrase");
    case ComplementGroup::Participle: return TaskText::tr("a present participle");
    case ComplementGroup::Adjective: return TaskText::tr("an adjective");
    }
    return {};
}

// "A, B and C", as a sentence lists things.
QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.value(0);
    return TaskText::tr("%1 and %2").arg(items.mid(0, items.size() - 1).join(TaskText::tr(", ", "between the items of a list")), items.last());
}

// Why the asked features cannot all be had in one sentence; empty if they can. Only the
// features are weighed here: the brackets are checked against them by the sentence they make.
QString contradiction(const Ask &ask)
{
    const bool command = ask.type == SentenceType::Command;
    if (command && ask.tense)
        return TaskText::tr("a command has no tense");
    if (command && (ask.number || ask.person || ask.subject))
        return TaskText::tr("a command has no subject of its own, so it has no number, person or subject kind");
    const bool questionSubject = ask.subject == SubjectKind::Who || ask.subject == SubjectKind::Which;
    if (ask.type == SentenceType::Question && ask.subject && !questionSubject)
        return TaskText::tr("a question's subject is made with “Who” or “Which”");
    if (ask.type == SentenceType::Statement && questionSubject)
        return TaskText::tr("“Who” and “Which” make the subject of a question, not of a statement");
    // Only a pronoun may be in the first or second person; "Who" is singular.
    const bool thirdOnly = ask.type == SentenceType::Question || (ask.subject && ask.subject != SubjectKind::Pronoun);
    if (thirdOnly && ask.person && ask.person != 3)
        return TaskText::tr("only a pronoun subject can be in the first or second person");
    if (ask.subject == SubjectKind::Who && ask.number == 2)
        return TaskText::tr("“Who” as a subject is singular");
    return {};
}

} // namespace

std::optional<Features> featuresOf(const Sentence &sentence)
{
    if (!sentence.isComplete() || !sentence.verb)
        return std::nullopt;
    Features f;
    f.type = sentence.type;
    f.complement = complementGroupOf(sentence.complement);
    if (sentence.type == SentenceType::Command)
        return f;

    const QList<Agreement> agreements = agreementsOf(*sentence.subject);
    if (agreements.isEmpty())
        return std::nullopt;
    f.tense = tenseOf(said(*sentence.verb), agreements.first());
    if (!f.tense)
        return std::nullopt;
    f.person = agreements.first().person;
    if (agreements.size() == 1)
        f.number = agreements.first().number;

    const QStringList words = sentence.subject->saidWords();
    const auto &children = sentence.subject->children;
    if (words.first() == QLatin1String("Who"))
        f.subject = SubjectKind::Who;
    else if (words.first() == QLatin1String("Which"))
        f.subject = SubjectKind::Which;
    else if (children.size() == 1 && children.front().label == Label::Pron)
        f.subject = SubjectKind::Pronoun;
    else
        f.subject = SubjectKind::NounPhrase;
    return f;
}

bool Ask::isEmpty() const
{
    return !type && !tense && !number && !person && !subject && !complement && brackets.isEmpty();
}

std::optional<Ask> readAsk(const QJsonObject &object, const SentenceFromBrackets &readSentence, QString *problem)
{
    const auto refuse = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    if (object.isEmpty())
        return refuse(TaskText::tr("it asks for nothing"));

    Ask ask;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString key = it.key();
        const QJsonValue value = it.value();
        const QString text = value.toString();
        const auto unknownValue = [&] {
            return refuse(TaskText::tr("%1 is no value of “%2”").arg(shown(value), key));
        };
        if (key == QLatin1String("type")) {
            if (!(ask.type = sentenceTypeFromKey(text)))
                return unknownValue();
        } else if (key == QLatin1String("tense")) {
            if (!(ask.tense = valueOf(tenseKeys, text)))
                return unknownValue();
        } else if (key == QLatin1String("number")) {
            if (!(ask.number = valueOf(numberKeys, text)))
                return unknownValue();
        } else if (key == QLatin1String("person")) {
            const double person = value.toDouble(0);
            if (!value.isDouble() || (person != 1 && person != 2 && person != 3))
                return unknownValue();
            ask.person = int(person);
        } else if (key == QLatin1String("subject")) {
            if (!(ask.subject = valueOf(subjectKeys, text)))
                return unknownValue();
        } else if (key == QLatin1String("complement")) {
            if (!(ask.complement = valueOf(complementKeys, text)))
                return unknownValue();
        } else if (key == QLatin1String("brackets")) {
            if (!value.isString() || text.isEmpty())
                return unknownValue();
            ask.brackets = text;
        } else {
            return refuse(TaskText::tr("it asks for %1, which this Parsella does not know").arg(shown(key)));
        }
    }

    if (const QString why = contradiction(ask); !why.isEmpty())
        return refuse(why);

    if (!ask.brackets.isEmpty()) {
        // Without a type, the brackets are read as whichever kind of sentence they make.
        QString first;
        for (SentenceType type : sentenceTypes) {
            if (ask.type && ask.type != type)
                continue;
            QString why;
            if (std::optional<Sentence> sentence = readSentence(type, ask.brackets, &why)) {
                ask.exact = sentence;
                break;
            }
            if (first.isEmpty())
                first = why;
        }
        if (!ask.exact)
            return refuse(TaskText::tr("its brackets are no sentence: %1").arg(first));
        Ask features = ask;
        features.brackets.clear();
        features.exact.reset();
        const QStringList differ = feedbackOn(*ask.exact, features);
        if (!differ.isEmpty())
            return refuse(TaskText::tr("its brackets do not fit its other keys: %1").arg(differ.first()));
    }
    return ask;
}

QJsonObject writeAsk(const Ask &ask)
{
    QJsonObject object;
    if (ask.type)
        object.insert(QStringLiteral("type"), sentenceTypeKey(*ask.type));
    if (ask.tense)
        object.insert(QStringLiteral("tense"), keyOf(tenseKeys, *ask.tense));
    if (ask.number)
        object.insert(QStringLiteral("number"), keyOf(numberKeys, *ask.number));
    if (ask.person)
        object.insert(QStringLiteral("person"), *ask.person);
    if (ask.subject)
        object.insert(QStringLiteral("subject"), keyOf(subjectKeys, *ask.subject));
    if (ask.complement)
        object.insert(QStringLiteral("complement"), keyOf(complementKeys, *ask.complement));
    if (!ask.brackets.isEmpty())
        object.insert(QStringLiteral("brackets"), ask.brackets);
    return object;
}

Ask askOf(const Sentence &sentence, bool exactSentence)
{
    Ask ask;
    if (const std::optional<Features> f = featuresOf(sentence)) {
        ask.type = f->type;
        ask.tense = f->tense;
        ask.number = f->number;
        ask.person = f->person;
        ask.subject = f->subject;
        ask.complement = f->complement;
    }
    if (exactSentence) {
        ask.brackets = sentence.brackets();
        ask.exact = sentence;
    }
    return ask;
}

QString featureWords(const Ask &ask, Feature feature)
{
    switch (feature) {
    case Feature::Type: return ask.type ? typeNoun(*ask.type) : QString();
    case Feature::Tense: return ask.tense ? tenseName(*ask.tense) : QString();
    case Feature::Number: return ask.number ? numberName(*ask.number) : QString();
    case Feature::Person: return ask.person ? TaskText::tr("%1 person").arg(personName(*ask.person)) : QString();
    case Feature::Subject: return ask.subject ? subjectNoun(*ask.subject) : QString();
    case Feature::Complement: return ask.complement ? complementNoun(*ask.complement) : QString();
    }
    return {};
}

void dropFeature(Ask &ask, Feature feature)
{
    switch (feature) {
    case Feature::Type: ask.type.reset(); break;
    case Feature::Tense: ask.tense.reset(); break;
    case Feature::Number: ask.number.reset(); break;
    case Feature::Person: ask.person.reset(); break;
    case Feature::Subject: ask.subject.reset(); break;
    case Feature::Complement: ask.complement.reset(); break;
    }
}

QString promptOf(const Ask &ask)
{
    if (ask.exact)
        return TaskText::tr("Build this sentence: %1").arg(quotedWords(ask.exact->written()));

    QString prompt = TaskText::tr("Build %1").arg(ask.type ? typeNoun(*ask.type) : TaskText::tr("a sentence"));
    if (ask.tense)
        prompt += TaskText::tr(" in the %1 tense").arg(tenseName(*ask.tense));
    QStringList subject;
    if (ask.subject)
        subject << subjectNoun(*ask.subject);
    if (ask.number)
        subject << numberName(*ask.number);
    if (ask.person)
        subject << TaskText::tr("in the %1 person").arg(personName(*ask.person));
    if (!subject.isEmpty())
        prompt += TaskText::tr(" whose subject is %1").arg(listed(subject));
    if (ask.complement) {
        if (!subject.isEmpty())
            prompt += TaskText::tr(",", "after the subject's features, before the complement's");
        prompt += *ask.complement == ComplementGroup::None
            ? TaskText::tr(" with no complement")
            : TaskText::tr(" with %1 as its complement").arg(complementNoun(*ask.complement));
    }
    return TaskText::tr("%1.", "the prompt written from an ask, ended as a sentence is in the language").arg(prompt);
}

namespace {

// One line for each phrase in which the learner's sentence differs from the task's, read in the
// order of the sentence; a question's verb group is one phrase, its helping verb and all.
QStringList differences(const Sentence &yours, const Sentence &wanted)
{
    QStringList lines;
    if (yours.type != wanted.type)
        lines << TaskText::tr("The task's sentence is %1; yours is %2.").arg(typeNoun(wanted.type), typeNoun(yours.type));
    const auto words = [](const auto &part) { return part ? said(*part) : QString(); };
    const std::array<std::pair<QString, QString>, 3> phrases{{{words(wanted.subject), words(yours.subject)},
                                                              {words(wanted.verb), words(yours.verb)},
                                                              {words(wanted.complement), words(yours.complement)}}};
    for (const auto &[theirs, mine] : phrases) {
        if (theirs == mine)
            continue;
        if (mine.isEmpty())
            lines << TaskText::tr("The task's sentence has %1, which yours lacks.").arg(quotedWords(theirs));
        else if (theirs.isEmpty())
            lines << TaskText::tr("Yours has %1, which the task's sentence does not.").arg(quotedWords(mine));
        else
            lines << TaskText::tr("The task's sentence has %1 where yours has %2.").arg(quotedWords(theirs), quotedWords(mine));
    }
    return lines;
}

} // namespace

QStringList feedbackOn(const Sentence &sentence, const Ask &ask)
{
    const QString whole = quotedWords(sentence.written());
    if (ask.exact) {
        if (sentence.brackets() == ask.exact->brackets())
            return {};
        const QStringList lines = differences(sentence, *ask.exact);
        // The same words in another structure: only the sentences as wholes can be named.
        if (!lines.isEmpty())
            return lines;
        return {TaskText::tr("The task asks for the sentence %1; yours is %2.").arg(quotedWords(ask.exact->written()), whole)};
    }
    const std::optional<Features> f = featuresOf(sentence);
    if (!f)
        return {TaskText::tr("%1 is not a complete sentence.").arg(whole)};

    QStringList lines;
    const bool command = f->type == SentenceType::Command;
    const QString noSubject = TaskText::tr("a command has no subject of its own.");
    const QString subject = sentence.subject ? quotedWords(said(*sentence.subject)) : QString();
    if (ask.type && ask.type != f->type)
        lines << TaskText::tr("The task asks for %1; %2 is %3.").arg(typeNoun(*ask.type), whole, typeNoun(f->type));
    if (ask.tense && ask.tense != f->tense) {
        const QString want = TaskText::tr("The task asks for the %1 tense; ").arg(tenseName(*ask.tense));
        lines << want + (command ? TaskText::tr("a command has no tense.")
                                 : TaskText::tr("%1 is in the %2.").arg(quotedWords(said(*sentence.verb)), tenseName(*f->tense)));
    }
    // "you" has no number of its own, so it is never wrong in number.
    if (ask.number && f->number != ask.number && (command || f->number)) {
        const QString want = TaskText::tr("The task asks for a %1 subject; ").arg(numberName(*ask.number));
        lines << want + (command ? noSubject : TaskText::tr("%1 is %2.").arg(subject, numberName(*f->number)));
    }
    if (ask.person && ask.person != f->person) {
        const QString want = TaskText::tr("The task asks for a subject in the %1 person; ").arg(personName(*ask.person));
        lines << want + (command ? noSubject : TaskText::tr("%1 is in the %2.").arg(subject, personName(*f->person)));
    }
    if (ask.subject && ask.subject != f->subject) {
        const QString want = TaskText::tr("The task asks for %1 as the subject; ").arg(subjectNoun(*ask.subject));
        QString is;
        if (!command) {
            switch (*f->subject) {
            case SubjectKind::Pronoun: is = TaskText::tr("%1 is a pronoun."); break;
            case SubjectKind::NounPhrase: is = TaskText::tr("%1 is a noun phrase."); break;
            case SubjectKind::Who: is = TaskText::tr("%1 is the question word alone."); break;
            case SubjectKind::Which: is = TaskText::tr("%1 is a phrase with “Which”."); break;
            }
        }
        lines << want + (command ? noSubject : is.arg(subject));
    }
    if (ask.complement && ask.complement != f->complement) {
        QString line;
        if (*ask.complement == ComplementGroup::None)
            line = TaskText::tr("The task asks for no complement; %1 has %2, %3.")
                       .arg(whole, quotedWords(said(*sentence.complement)), complementNoun(f->complement));
        else if (f->complement == ComplementGroup::None)
            line = TaskText::tr("The task asks for %1 as the complement; %2 has no complement.")
                       .arg(complementNoun(*ask.complement), whole);
        else
            line = TaskText::tr("The task asks for %1 as the complement; %2 is %3.")
                       .arg(complementNoun(*ask.complement), quotedWords(said(*sentence.complement)),
                            complementNoun(f->complement));
        lines << line;
    }
    return lines;
}

QString answerNote(int index, const QStringList &lacks, bool doneBefore)
{
    const QString why = lacks.join(QLatin1Char(' '));
    if (doneBefore)
        return lacks.isEmpty() ? TaskText::tr("Task %1 is already done; this sentence meets it too.").arg(index + 1)
                               : TaskText::tr("Task %1 is already done; this sentence would not meet it: %2").arg(index + 1).arg(why);
    // Under the name the catalogues have long translated them by, the worksheet's task panel.
    return lacks.isEmpty() ? QCoreApplication::translate("parsella::TaskPanel", "Task %1 is done.").arg(index + 1)
                           : QCoreApplication::translate("parsella::TaskPanel", "Task %1, not yet: %2").arg(index + 1).arg(why);
}

std::optional<Task> readTask(const QJsonValue &value, int number, const SentenceFromBrackets &readSentence, QString *problem)
{
    const auto refuse = [&](const QString &why) {
        if (problem)
            *problem = TaskText::tr("task %1: %2").arg(number).arg(why);
        return std::nullopt;
    };
    if (!value.isObject())
        return refuse(TaskText::tr("it is not an object"));
    QJsonObject object = value.toObject();
    Task task;
    const QJsonValue ask = object.take(QStringLiteral("ask"));
    if (!ask.isObject())
        return refuse(TaskText::tr("it has no “ask” object"));
    QString why;
    std::optional<Ask> read = readAsk(ask.toObject(), readSentence, &why);
    if (!read)
        return refuse(why);
    task.ask = *read;

    const QJsonValue prompt = object.take(QStringLiteral("prompt"));
    if (!prompt.isUndefined() && !prompt.isString())
        return refuse(TaskText::tr("its “prompt” is not text"));
    // The prompt is shown in the worksheet and written into a teacher's CSV: plain text, its
    // lines at most.
    const QString text = prompt.toString();
    if (text.size() > maxPromptLength)
        return refuse(TaskText::tr("its “prompt” is longer than %1 characters").arg(maxPromptLength));
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control && c != QLatin1Char('\n'); }))
        return refuse(TaskText::tr("its “prompt” holds a control character"));
    task.prompt = prompt.toString();
    const QJsonValue tries = object.take(QStringLiteral("tries"));
    const double count = tries.toDouble(-1);
    if (!tries.isUndefined() && (!tries.isDouble() || count < 0 || count > 1e9 || count != double(qint64(count))))
        return refuse(TaskText::tr("its “tries” is not a count"));
    task.tries = tries.isUndefined() ? 0 : int(count);
    const QJsonValue done = object.take(QStringLiteral("done"));
    if (!done.isUndefined() && !done.isBool())
        return refuse(TaskText::tr("its “done” is neither true nor false"));
    task.done = done.toBool(false);
    task.extra = object;
    return task;
}

QJsonObject writeTask(const Task &task)
{
    QJsonObject object = task.extra;
    object.insert(QStringLiteral("ask"), writeAsk(task.ask));
    if (!task.prompt.isEmpty())
        object.insert(QStringLiteral("prompt"), task.prompt);
    object.insert(QStringLiteral("tries"), task.tries);
    object.insert(QStringLiteral("done"), task.done);
    return object;
}

QString taskState(const Task &task)
{
    if (task.done)
        return TaskText::tr("done");
    return task.tries > 0 ? TaskText::tr("not yet") : TaskText::tr("to do");
}

QString taskEntry(int index, const Task &task)
{
    QString state = taskState(task);
    if (!task.done && task.tries > 0)
        state = TaskText::tr("%1, tries: %2").arg(state).arg(task.tries);
    // A prompt is one line in the list; a teacher's line breaks become blanks.
    const QString prompt = QString(task.shownPrompt()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return TaskText::tr("%1. %2 — %3").arg(index + 1).arg(prompt, state);
}

} // namespace parsella::grammar

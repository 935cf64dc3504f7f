#include "grammar/SentenceReader.h"
#include "grammar/BracketReader.h"

#include "grammar/Admission.h"
#include "grammar/Conjugation.h"
#include "grammar/Lexicon.h"
#include "grammar/Phrases.h"

#include <QCoreApplication>

namespace parsella::grammar {

namespace {

QString said(const Node &node)
{
    return node.saidWords().join(QLatin1Char(' '));
}

// "a noun", "an adjective": a part of speech in words, as a learner reads it.
QString withArticle(Label label)
{
    const QString meaning = labelMeaning(label);
    const bool vowel = QStringLiteral("aeiou").contains(meaning.at(0));
    return (vowel ? QCoreApplication::translate("SentenceReader", "an %1")
                  : QCoreApplication::translate("SentenceReader", "a %1"))
        .arg(meaning);
}

// Every word said must be one the windows offer, under the label its caption gives it.
QString wordProblem(const Node &node)
{
    if (node.isSaidWord()) {
        const std::optional<Label> known = partOfSpeech(node.word);
        if (!known)
            return QCoreApplication::translate("SentenceReader", "%1 is not a word the pickers offer.")
                .arg(quotedWords(node.word));
        if (*known != node.label)
            return QCoreApplication::translate("SentenceReader", "%1 is %2, not %3.")
                .arg(quotedWords(node.word), withArticle(*known), withArticle(node.label));
        return {};
    }
    for (const Node &child : node.children) {
        const QString problem = wordProblem(child);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

// The captions a part says, as the windows offered them: the longest caption at each word,
// so "King" "John's" is the one caption "King John's". A word no caption begins is kept
// alone and refused later by its role.
QStringList captionsOf(const Node &node)
{
    const QStringList words = node.saidWords();
    QStringList list;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i + 1 < words.size()) {
            const QString pair = words.at(i) + QLatin1Char(' ') + words.at(i + 1);
            if (lookUp(pair)) {
                list << pair;
                ++i;
                continue;
            }
        }
        list << words.at(i);
    }
    return list;
}

std::optional<Role> roleOf(const QString &caption)
{
    const Entry *entry = lookUp(caption);
    return entry ? std::optional<Role>(entry->role) : std::nullopt;
}

// Where each of the noun phrase generator's groups stands in the phrase; the generator only
// ever says them in this order, each at most once.
int position(NounPhraseSlot slot)
{
    switch (slot) {
    case NounPhraseSlot::CommonPossessive:
        return 1;
    case NounPhraseSlot::Adverb:
        return 2;
    case NounPhraseSlot::Adjective:
        return 3;
    case NounPhraseSlot::Noun:
        return 4;
    default:
        return 0; // the determiners and the proper noun begin the phrase
    }
}

// The generator's group of a caption. A possessive noun that is a name ("Mary's", "King
// John's") is a proper possessive, written with a capital; "lady's" is a common one.
std::optional<NounPhraseSlot> slotOf(const QString &caption)
{
    switch (roleOf(caption).value_or(Role::Complement)) {
    case Role::Article:
        return NounPhraseSlot::Article;
    case Role::PossessiveNoun:
        return caption.at(0).isUpper() ? NounPhraseSlot::ProperPossessive : NounPhraseSlot::CommonPossessive;
    case Role::PossessiveAdjective:
        return NounPhraseSlot::PersonalPossessive;
    case Role::Adverb:
        return NounPhraseSlot::Adverb;
    case Role::Adjective:
        return NounPhraseSlot::Adjective;
    case Role::Noun:
        return NounPhraseSlot::Noun;
    case Role::ProperNoun:
        return NounPhraseSlot::ProperNoun;
    default:
        return std::nullopt;
    }
}

QString outOfOrder(const QString &earlier, const QString &later)
{
    return QCoreApplication::translate("SentenceReader",
        "%1 cannot follow %2: a noun phrase says its determiner, adverb, adjective and noun in that order, each once.")
        .arg(quotedWords(later), quotedWords(earlier));
}

// The generator's own rules, replayed word by word in the order the phrase says them, so a
// refusal is the one the learner would have seen as the word's tool tip.
QString generatorProblem(const QStringList &captions)
{
    NounPhraseChoices choices;
    int last = -1;
    QString previous;
    for (const QString &caption : captions) {
        const std::optional<NounPhraseSlot> slot = slotOf(caption);
        if (!slot)
            return QCoreApplication::translate("SentenceReader", "%1 is not offered by the noun phrase generator.")
                .arg(quotedWords(caption));
        const QString refusal = choices.refusal(*slot, caption);
        if (!refusal.isEmpty())
            return refusal;
        if (position(*slot) <= last)
            return outOfOrder(previous, caption);
        choices.choose(*slot, caption);
        last = position(*slot);
        previous = caption;
    }
    if (choices.number() == 0)
        return QCoreApplication::translate("SentenceReader", "%1 needs a noun to be a whole subject.")
            .arg(quotedWords(captions.join(QLatin1Char(' '))));
    return {};
}

QString questionSubjectProblem(const QStringList &captions)
{
    const QString first = captions.value(0);
    const bool who = first == QLatin1String("Who");
    if (!who && roleOf(first) != Role::QuestionDeterminer)
        return QCoreApplication::translate(
            "SentenceReader", "A question's subject begins with “Who” or “Which”, not %1.")
            .arg(quotedWords(first));
    QuestionSubject subject;
    subject.questionWord = first;
    int last = 0;
    for (qsizetype i = 1; i < captions.size(); ++i) {
        const QString &caption = captions.at(i);
        if (who)
            return QCoreApplication::translate(
                "SentenceReader", "“Who” is a whole subject on its own: %1 cannot follow it.")
                .arg(quotedWords(caption));
        const std::optional<Role> role = roleOf(caption);
        const QuestionSlot slot = role == Role::Adverb ? QuestionSlot::Adverb
            : role == Role::Adjective                  ? QuestionSlot::Adjective
                                                       : QuestionSlot::Noun;
        if (role != Role::Adverb && role != Role::Adjective && role != Role::Noun)
            return QCoreApplication::translate("SentenceReader", "%1 is not offered after %2 in a question.")
                .arg(quotedWords(caption), quotedWords(first));
        const QString refusal = subject.refusal(slot, caption);
        if (!refusal.isEmpty())
            return refusal;
        if (int(slot) <= last)
            return outOfOrder(captions.at(i - 1), caption);
        last = int(slot);
        (slot == QuestionSlot::Adverb             ? subject.adverb
                : slot == QuestionSlot::Adjective ? subject.adjective
                                                  : subject.noun)
            = caption;
    }
    return subject.need();
}

// Whether the subject is one its window builds: a statement's by the pronoun picker or the
// noun phrase generator, a question's by the question builder.
QString subjectProblem(SentenceType type, const QStringList &captions)
{
    if (type == SentenceType::Question)
        return questionSubjectProblem(captions);
    const QString first = captions.value(0);
    if (first == QLatin1String("Who") || roleOf(first) == Role::QuestionDeterminer)
        return QCoreApplication::translate("SentenceReader", "%1 begins the subject of a question, not of a statement.")
            .arg(quotedWords(first));
    if (roleOf(first) == Role::Pronoun) {
        if (captions.size() > 1)
            return QCoreApplication::translate(
                "SentenceReader", "The pronoun %1 is a whole subject on its own: %2 cannot follow it.")
                .arg(quotedWords(first), quotedWords(captions.at(1)));
        return {};
    }
    return generatorProblem(captions);
}

// The verb and its complement, checked against the subject's agreement and the verb's
// admissions.
QString predicateProblem(const Sentence &s)
{
    const QString form = said(phraseNode(Label::VP, s.verb->words));
    if (roleOf(form) != Role::VerbForm)
        return QCoreApplication::translate("SentenceReader", "%1 is not a form the verb picker shows.")
            .arg(quotedWords(form));
    const QString base = baseOf(form);
    if (s.type == SentenceType::Command) {
        if (form != base)
            return QCoreApplication::translate("SentenceReader", "A command takes the verb's base form: %1, not %2.")
                .arg(quotedWords(base), quotedWords(form));
    } else {
        const QList<Agreement> agreements = agreementsOf(*s.subject);
        bool agrees = false;
        for (const Agreement &a : agreements)
            agrees = agrees || tenseOf(form, a).has_value();
        if (!agrees) {
            const Agreement a = agreements.value(0);
            return QCoreApplication::translate(
                "SentenceReader", "%1 does not agree with %2: the verb picker shows %3, %4 or %5.")
                .arg(quotedWords(form), quotedWords(said(*s.subject)), quotedWords(conjugate(base, Tense::Present, a)),
                    quotedWords(conjugate(base, Tense::Past, a)), quotedWords(conjugate(base, Tense::Future, a)));
        }
    }
    const VerbComplements takes = complementsOf(base);
    if (!s.complement)
        return endsSentence(base) ? QString() : verbNeedsComplement(form, takes);
    const QString phrase = said(*s.complement);
    if (roleOf(phrase) != Role::Complement)
        return QCoreApplication::translate("SentenceReader", "%1 is not a complement the complement picker offers.")
            .arg(quotedWords(phrase));
    return complementRefusal(base, takes, complementGroupOf(*s.complement));
}

// The sentence the windows would have built from the same captions.
Sentence rebuilt(const Sentence &s)
{
    Sentence r;
    r.type = s.type;
    if (s.type != SentenceType::Command && s.subject)
        r.subject = nounPhrase(captionsOf(*s.subject));
    if (s.verb)
        r.verb = verbGroup(said(phraseNode(Label::VP, s.verb->words)));
    if (s.complement)
        r.complement = complement(said(*s.complement));
    return r;
}

// The top of the tree: [S subject [VP verb complement]], with the parts a sentence still
// lacks left out.
std::optional<Sentence> partsOf(SentenceType type, const Node &tree, QString *problem)
{
    const auto fail = [problem](const QString &message) {
        if (problem)
            *problem = message;
        return std::nullopt;
    };
    if (tree.label != Label::S || tree.isSaidWord())
        return fail(QCoreApplication::translate("SentenceReader", "A sentence's brackets begin with [S."));
    Sentence s;
    s.type = type;
    qsizetype next = 0;
    const auto &parts = tree.children;
    if (next < qsizetype(parts.size()) && parts.at(next).label == Label::NP) {
        const Node &subject = parts.at(next++);
        if (subject.isUnderstood() != (type == SentenceType::Command))
            return fail(type == SentenceType::Command ? QCoreApplication::translate(
                            "SentenceReader", "A command's subject is the understood “you”: write [NP (you)].")
                                                      : QCoreApplication::translate("SentenceReader",
                                                          "Only a command has the understood subject (you)."));
        if (type != SentenceType::Command) {
            if (subject.isSaidWord() || subject.children.empty())
                return fail(QCoreApplication::translate(
                    "SentenceReader", "The subject's brackets [NP] hold its words, each in a bracket of its own."));
            s.subject = subject;
        }
    } else if (type == SentenceType::Command) {
        return fail(QCoreApplication::translate(
            "SentenceReader", "A command's subject is the understood “you”: write [NP (you)]."));
    }
    if (next < qsizetype(parts.size()) && parts.at(next).label == Label::VP && !parts.at(next).isSaidWord()) {
        const Node &vp = parts.at(next++);
        VerbGroup verb;
        qsizetype i = 0;
        while (i < qsizetype(vp.children.size()) && vp.children.at(i).isSaidWord()
            && (vp.children.at(i).label == Label::V || vp.children.at(i).label == Label::Aux))
            verb.words.push_back(vp.children.at(i++));
        if (verb.words.empty())
            return fail(
                QCoreApplication::translate("SentenceReader", "A verb phrase begins with its verb: [VP [V …]]."));
        if (const Entry *entry = lookUp(said(phraseNode(Label::VP, verb.words))))
            verb.needsComplement = entry->needsComplement;
        s.verb = verb;
        if (i < qsizetype(vp.children.size()))
            s.complement = vp.children.at(i++);
        if (i < qsizetype(vp.children.size()))
            return fail(
                QCoreApplication::translate("SentenceReader", "A verb takes one complement: %1 is one too many.")
                    .arg(quotedWords(said(vp.children.at(i)))));
        if (s.complement && s.complement->isSaidWord())
            return fail(QCoreApplication::translate(
                "SentenceReader", "A complement is a phrase: %1 needs the brackets of one, such as [AdvP [Adv here]].")
                            .arg(quotedWords(s.complement->word)));
    }
    if (next < qsizetype(parts.size()))
        return fail(QCoreApplication::translate(
            "SentenceReader", "A sentence is its subject and its verb phrase: [S [NP …] [VP …]]."));
    return s;
}

} // namespace

QString sentenceProblem(const Sentence &sentence)
{
    const Node tree = sentence.tree();
    if (QString problem = wordProblem(tree); !problem.isEmpty())
        return problem;
    if (sentence.type != SentenceType::Command) {
        if (!sentence.subject || sentence.subject->saidWords().isEmpty())
            return QCoreApplication::translate("SentenceReader", "The sentence has no subject yet: press %1.")
                .arg(QCoreApplication::translate("frmDec", "Subject")); // the button's own caption
        if (QString problem = subjectProblem(sentence.type, captionsOf(*sentence.subject)); !problem.isEmpty())
            return problem;
    }
    if (!sentence.verb || sentence.verb->words.empty())
        return sentence.type == SentenceType::Command
            ? QCoreApplication::translate("SentenceReader", "A command needs its verb: press %1.")
                  .arg(QCoreApplication::translate("frmImp", "Predicate"))
            : subjectNeedsVerb(said(*sentence.subject));
    if (QString problem = predicateProblem(sentence); !problem.isEmpty())
        return problem;
    // Every word is one a window offers and every rule admits it; what is left is the shape
    // of the tree, which must be the one the windows draw.
    const Sentence r = rebuilt(sentence);
    if (r.tree() != tree)
        return QCoreApplication::translate("SentenceReader",
            "The brackets do not have the structure the windows build; they write this sentence as %1.")
            .arg(r.brackets());
    if (!r.isComplete())
        return QCoreApplication::translate("SentenceReader", "The sentence is not complete.");
    return {};
}

std::optional<Sentence> sentenceFromTree(SentenceType type, const Node &tree, QString *problem)
{
    const std::optional<Sentence> parts = partsOf(type, tree, problem);
    if (!parts)
        return std::nullopt;
    const QString found = sentenceProblem(*parts);
    if (!found.isEmpty()) {
        if (problem)
            *problem = found;
        return std::nullopt;
    }
    return rebuilt(*parts);
}

std::optional<Sentence> readSentence(SentenceType type, const QString &brackets, QString *problem)
{
    BracketError error;
    const std::optional<Node> tree = readBrackets(brackets, &error);
    if (!tree) {
        if (problem) {
            QString message = error.message;
            if (message.endsWith(QLatin1Char('.')))
                message.chop(1);
            *problem = QCoreApplication::translate("SentenceReader", "%1 (at character %2 of the brackets).")
                           .arg(message)
                           .arg(error.position + 1);
        }
        return std::nullopt;
    }
    return sentenceFromTree(type, *tree, problem);
}

} // namespace parsella::grammar

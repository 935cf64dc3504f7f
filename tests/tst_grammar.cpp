#include <QSignalSpy>
#include <QTest>

#include "Brackets.h"
#include "grammar/Admission.h"
#include "grammar/Lexicon.h"
#include "grammar/Phrases.h"
#include "grammar/Sentence.h"
#include "grammar/SentenceRecord.h"
#include "grammar/TreeLayout.h"

using namespace parsella::grammar;

// The grammar core without any window: sentences from the words the windows offer, read back
// as text, as bracket notation and as a tree laid out for drawing.
class TestGrammar : public QObject
{
    Q_OBJECT

    static Sentence build(const QString &code, const QStringList &subject, const QString &verb,
                          const QString &comp)
    {
        Sentence s;
        const auto type = sentenceTypeFromCode(code);
        if (!type) // a failed check, not an exception that ends the whole run
            QTest::qFail(qPrintable("no sentence type " + code), __FILE__, __LINE__);
        s.type = type.value_or(SentenceType::Statement);
        if (!subject.isEmpty())
            s.subject = nounPhrase(subject);
        if (!verb.isEmpty())
            s.verb = verbGroup(verb);
        if (!comp.isEmpty())
            s.complement = complement(comp);
        return s;
    }

    // Deliberately uneven, so that a layout that assumed equal widths would show it.
    static qreal width(const QString &text) { return 6.5 * text.size() + (text.startsWith(QLatin1Char('A')) ? 9 : 2); }

private slots:
    void sentences_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("subject");
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("comp");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("notation");

        QTest::newRow("pronoun, adverb") << "Dec" << QStringList{"she"} << "walks" << "here" << "she walks here."
            << "[S [NP [Pron she]] [VP [V walks] [AdvP [Adv here]]]]";
        QTest::newRow("adjective before the noun") << "Dec" << QStringList{"the", "small", "dog"} << "walks" << ""
            << "the small dog walks." << "[S [NP [Det the] [Adj small] [N dog]] [VP [V walks]]]";
        QTest::newRow("article owned by the possessor, prepositional phrase")
            << "Dec" << QStringList{"a", "lady's", "pretty", "hands"} << "washed" << "in the bathtub"
            << "a lady's pretty hands washed in the bathtub."
            << "[S [NP [Poss [Det a] [N lady's]] [Adj pretty] [N hands]] [VP [V washed] [PP [P in] [NP [Det the] [N bathtub]]]]]";
        QTest::newRow("two-word possessive, graded adjective, future, object")
            << "Dec" << QStringList{"King John's", "very", "strong", "dog"} << "will bake" << "the delicious cookies"
            << "King John's very strong dog will bake the delicious cookies."
            << "[S [NP [Poss [N King] [N John's]] [AdjP [AdvP [Adv very]] [Adj strong]] [N dog]] "
               "[VP [Aux will] [V bake] [NP [Det the] [Adj delicious] [N cookies]]]]";
        QTest::newRow("proper noun, present participle") << "Dec" << QStringList{"John"} << "goes" << "dancing"
            << "John goes dancing." << "[S [NP [N John]] [VP [V goes] [VP [V dancing]]]]";
        QTest::newRow("be still waiting") << "Dec" << QStringList{"I"} << "am" << "" << "I am"
            << "[S [NP [Pron I]] [VP [V am]]]";
        QTest::newRow("Who, graded adjective complement") << "Int" << QStringList{"Who"} << "was" << "extremely fast"
            << "Who was extremely fast?" << "[S [NP [Pron Who]] [VP [V was] [AdjP [AdvP [Adv extremely]] [Adj fast]]]]";
        QTest::newRow("Which") << "Int" << QStringList{"Which", "interesting", "images"} << "changed" << ""
            << "Which interesting images changed?" << "[S [NP [Det Which] [Adj interesting] [N images]] [VP [V changed]]]";
        QTest::newRow("question subject still growing") << "Int" << QStringList{"Which", "very"} << "" << ""
            << "Which very" << "[S [NP [Det Which] [AdjP [AdvP [Adv very]]]]]";
        QTest::newRow("command") << "Imp" << QStringList{} << "wash" << "our clothes" << "wash our clothes!"
            << "[S [NP (you)] [VP [V wash] [NP [Det our] [N clothes]]]]";
        QTest::newRow("command waiting for its complement") << "Imp" << QStringList{} << "be" << ""
            << "be" << "[S [NP (you)] [VP [V be]]]";
        QTest::newRow("command not begun") << "Imp" << QStringList{} << "" << "" << "" << "[S [NP (you)]]";
    }

    void sentences()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, subject);
        QFETCH(QString, verb);
        QFETCH(QString, comp);
        QFETCH(QString, text);
        QFETCH(QString, notation);

        const Sentence s = build(type, subject, verb, comp);
        QCOMPARE(s.text(), text);
        QCOMPARE(s.brackets(), notation);
        QCOMPARE(s.isComplete(), text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char('?'))
                                     || text.endsWith(QLatin1Char('!')));
    }

    void describesTheStructureInWords()
    {
        QCOMPARE(build("Dec", {"she"}, "walks", "here").description(),
                 QString("Statement, complete: She walks here. Subject: noun phrase 'she' (pronoun 'she'). "
                         "Predicate: verb phrase 'walks here' (verb 'walks', adverb phrase 'here')."));
        QCOMPARE(build("Imp", {}, "", "").description(),
                 QString("Command, not complete yet. Subject: 'you', understood. Predicate: not chosen yet."));
        QVERIFY(build("Dec", {"the", "very"}, "", "").description().contains(
            "(determiner 'the', adjective phrase 'very' (adverb phrase 'very', adjective not chosen yet), "
            "noun not chosen yet)"));
    }

    // A grey step says, in one sentence, why it is grey and which button leads on, named as
    // the windows caption it. The progress is written as the parts done so far: the subject
    // begun (b) or chosen (s), the predicate begun (p), the verb (v), the complement (c).
    void greyStepsSayWhatLeadsOn_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("by");
        QTest::addColumn<QString>("done");
        QTest::addColumn<QString>("tip");
        using St = SentenceStep;
        constexpr int pickers = int(SentenceProgress::SubjectBy::Pickers);
        constexpr int words = int(SentenceProgress::SubjectBy::Words);
        constexpr int understood = int(SentenceProgress::SubjectBy::Understood);
        const QString np = "Noun, Noun Phrase or Nominative Personal Pronoun";
        const QString orReturn = "Complement, or Return if the sentence is complete";
        QTest::newRow("statement begun") << int(St::Predicate) << pickers << "" << "Choose a subject first: press Subject.";
        QTest::newRow("subject begun") << int(St::Subject) << pickers << "b" << "The subject has begun: press " + np + ".";
        QTest::newRow("subject begun, complement") << int(St::Complement) << pickers << "b" << "Choose a subject first: press " + np + ".";
        QTest::newRow("subject chosen") << int(St::Subject) << pickers << "bs" << "The subject is chosen: press Predicate.";
        QTest::newRow("subject chosen, verb") << int(St::Verb) << pickers << "bs" << "Begin the predicate first: press Predicate.";
        QTest::newRow("subject chosen, complement") << int(St::Complement) << pickers << "bs" << "Choose a verb first: press Predicate.";
        QTest::newRow("predicate begun") << int(St::Predicate) << pickers << "bsp" << "The predicate has begun: press Verb, Verb Phrase.";
        QTest::newRow("predicate begun, complement") << int(St::Complement) << pickers << "bsp" << "Choose a verb first: press Verb, Verb Phrase.";
        QTest::newRow("verb chosen") << int(St::Verb) << pickers << "bspv" << "The verb is chosen: press " + orReturn + ".";
        QTest::newRow("verb chosen, predicate") << int(St::Predicate) << pickers << "bspv" << "The predicate has its verb: press " + orReturn + ".";
        QTest::newRow("verb chosen, subject") << int(St::Subject) << pickers << "bspv" << "The subject is chosen: press " + orReturn + ".";
        QTest::newRow("complement chosen") << int(St::Complement) << pickers << "bspvc" << "The complement is chosen: press Return.";
        QTest::newRow("complement chosen, verb") << int(St::Verb) << pickers << "bspvc" << "The verb is chosen: press Return.";
        QTest::newRow("question begun") << int(St::Predicate) << words << "" << "Choose a subject first: choose “Who”, or “Which” and a noun.";
        QTest::newRow("command begun") << int(St::Verb) << understood << "" << "Begin the predicate first: press Predicate.";
    }

    void greyStepsSayWhatLeadsOn()
    {
        QFETCH(int, step);
        QFETCH(int, by);
        QFETCH(QString, done);
        QFETCH(QString, tip);
        SentenceProgress p;
        p.subjectBy = SentenceProgress::SubjectBy(by);
        p.subjectBegun = done.contains('b');
        p.subjectDone = done.contains('s');
        p.predicateBegun = done.contains('p');
        p.verbDone = done.contains('v');
        p.complementDone = done.contains('c');
        QCOMPARE(greyStepTip(SentenceStep(step), p), tip);
    }

    // Every caption the windows offer, in every role it can take, makes notation that the drawers
    // can read: balanced, each leaf one word of letters and apostrophes (bar the command's
    // "(you)"), each under its part of speech, the leaves saying the chosen captions in order.
    void everyWordMakesWellFormedNotation()
    {
        QList<QStringList> subjects{{"John"}};
        for (const QString &pronoun : captions(Role::Pronoun))
            subjects << QStringList{pronoun};
        const QStringList nouns = captions(Role::Noun), adjectives = captions(Role::Adjective),
                          adverbs = captions(Role::Adverb);
        QStringList determiners = captions(Role::Article) + captions(Role::PossessiveAdjective)
                                  + captions(Role::QuestionDeterminer) + captions(Role::PossessiveNoun);
        for (int i = 0; i < determiners.size(); ++i)
            subjects << QStringList{determiners[i], adverbs[i % 2], adjectives[i % 4], nouns[i % 8]};
        for (const QString &possessor : captions(Role::PossessiveNoun))
            subjects << QStringList{"the", possessor, nouns.last()};

        const QStringList verbs = captions(Role::VerbForm);
        const QStringList complements = captions(Role::Complement) << QString();
        QCOMPARE(complements.size(), 16);
        const QStringList types{"Dec", "Int", "Imp"};
        const QRegularExpression oneWord("^[A-Za-z']+$");
        int n = 0;
        for (const QStringList &subject : subjects) {
            for (const QString &verb : verbs) {
                for (const QString &comp : complements) {
                    const Sentence s = build(types[n++ % 3], subject, verb, comp);
                    const auto leaves = brackets::leaves(s.brackets());
                    QVERIFY2(leaves, qPrintable(s.brackets()));
                    QStringList said;
                    for (const auto &[label, leaf] : *leaves) {
                        if (leaf == QLatin1String("(you)") && s.type == SentenceType::Command)
                            continue;
                        QVERIFY2(oneWord.match(leaf).hasMatch(), qPrintable(leaf));
                        const auto part = partOfSpeech(leaf);
                        QVERIFY2(part, qPrintable(leaf + " has no part of speech"));
                        QCOMPARE(labelName(*part), label);
                        said << leaf;
                    }
                    // The label joins the chosen captions with single blanks.
                    QStringList captionsSaid{verb};
                    if (s.type != SentenceType::Command)
                        captionsSaid.prepend(subject.join(' '));
                    if (!comp.isEmpty())
                        captionsSaid << comp;
                    QString text = s.text();
                    if (s.isComplete())
                        text.chop(1);
                    QCOMPARE(said.join(' '), captionsSaid.join(' '));
                    QCOMPARE(text, captionsSaid.join(' '));
                }
            }
        }
    }

    void foreignWordsCannotBreakTheNotation()
    {
        Sentence s;
        s.subject = phraseNode(Label::NP, {wordNode(Label::Det, "[the]"), wordNode(Label::N, "do g_^*#%@~\\<>\"")});
        s.verb = VerbGroup{{wordNode(Label::V, "<>")}, false};
        QCOMPARE(s.brackets(), QString("[S [NP [Det the] [N dog]]]"));
        QVERIFY(!nounPhrase({"the", "dog]"}));
        QVERIFY(!nounPhrase({"dog", "the"}));
        QVERIFY(!verbGroup("here"));
        QVERIFY(!complement("walks"));
    }

    void treeIsLaidOutTidily_data()
    {
        QTest::addColumn<qreal>("gap");
        QTest::addColumn<qreal>("margin");
        QTest::newRow("roomy") << qreal(12) << qreal(8);
        QTest::newRow("tight: any overhang would overlap") << qreal(0.5) << qreal(0);
    }

    void treeIsLaidOutTidily()
    {
        QFETCH(qreal, gap);
        QFETCH(qreal, margin);
        TreeSpacing spacing;
        spacing.gap = gap;
        spacing.margin = margin;
        for (const Sentence &s : {build("Dec", {"King John's", "very", "strong", "dog"}, "will bake", "the delicious cookies"),
                                  build("Int", {"Which", "very"}, "", ""), build("Imp", {}, "be", "")}) {
            const TreeLayout layout = layOutTree(s.tree(), &TestGrammar::width, spacing);
            const QRectF whole(QPointF(0, 0), layout.size);
            QStringList leavesInOrder, placeholders;
            for (size_t i = 0; i < layout.boxes.size(); ++i) {
                const TreeBox &box = layout.boxes[i];
                QCOMPARE(box.rect.width(), width(box.text) + 2 * spacing.padding);
                QVERIFY(whole.contains(box.rect));
                for (size_t j = i + 1; j < layout.boxes.size(); ++j)
                    QVERIFY2(!box.rect.intersects(layout.boxes[j].rect), qPrintable(box.text + " " + layout.boxes[j].text));
                if (box.kind == TreeBox::Kind::Placeholder)
                    placeholders << box.text;
            }
            for (const QLineF &line : layout.lines)
                QVERIFY(line.p2().y() > line.p1().y());
            QCOMPARE(layout.lines.size(), layout.boxes.size() - 1); // a tree: every box but S has one parent

            std::vector<TreeBox> words;
            for (const TreeBox &box : layout.boxes) {
                if (box.kind == TreeBox::Kind::Word)
                    words.push_back(box);
            }
            std::sort(words.begin(), words.end(), [](const TreeBox &a, const TreeBox &b) { return a.rect.x() < b.rect.x(); });
            for (const TreeBox &box : words)
                leavesInOrder << box.text;
            QCOMPARE(leavesInOrder, s.tree().saidWords());
            QCOMPARE(placeholders.isEmpty(), s.isComplete());
        }
    }

    // Fitted, a tree fills its view without ever growing past its natural size, and only a
    // view too small for the readable minimum leaves it larger than the view (to scroll).
    // Zooming in and out moves away from the fit and back, within the bounds.
    void treeFitsAndZooms()
    {
        int checked = 0;
        for (const QSizeF natural : {QSizeF(900, 220), QSizeF(300, 400), QSizeF(40, 30)}) {
            for (const QSizeF room : {QSizeF(340, 500), QSizeF(700, 460), QSizeF(1600, 1200), QSizeF(200, 90)}) {
                const qreal fit = TreeZoom::scale(natural, room, 0);
                const QSizeF drawn = natural * fit;
                QVERIFY(fit <= 1 && fit >= TreeZoom::minimum);
                QVERIFY(fit == TreeZoom::minimum || (drawn.width() <= room.width() + 1e-9 && drawn.height() <= room.height() + 1e-9));
                // Touching the view on one side, unless the natural size stopped it first.
                QVERIFY(fit == 1 || fit == TreeZoom::minimum || qFuzzyCompare(drawn.width(), room.width())
                        || qFuzzyCompare(drawn.height(), room.height()));
                qreal before = fit;
                for (int step = 1; step < 12; ++step) {
                    const qreal zoomed = TreeZoom::scale(natural, room, step);
                    QVERIFY(zoomed >= before && zoomed <= TreeZoom::maximum);
                    before = zoomed;
                }
                QCOMPARE(before, TreeZoom::maximum);
                QCOMPARE(TreeZoom::scale(natural, room, -12), TreeZoom::minimum);
                ++checked;
            }
        }
        QCOMPARE(checked, 12);
    }

    // The worksheet follows a picker's part as it grows, forgets it if the picker closes
    // without a result, and keeps only sentences whose window closed complete.
    void recordFollowsTheWindows()
    {
        SentenceRecord record;
        QSignalSpy changed(&record, &SentenceRecord::changed);
        record.begin(SentenceType::Statement);
        record.setDraftSubject(nounPhrase({"the"}));
        QCOMPARE(record.shown()->brackets(), QString("[S [NP [Det the]]]"));
        record.setDraftSubject(nounPhrase({"the", "dogs"}));
        QCOMPARE(record.shown()->text(), QString("the dogs"));
        record.dropDraft();
        QCOMPARE(record.shown()->text(), QString());
        QCOMPARE(changed.size(), 4);
        record.dropDraft();
        QCOMPARE(changed.size(), 4); // nothing shown changed

        record.setSubject(*nounPhrase({"we"}));
        record.setDraftVerb(verbGroup("were"));
        QCOMPARE(record.recordedSentence()->text(), QString("we"));
        record.acceptDraft();
        QCOMPARE(record.recordedSentence()->text(), QString("we were"));
        record.end();
        QVERIFY(record.finished().isEmpty()); // "we were" still wants its complement
        QVERIFY(!record.shown());

        record.begin(SentenceType::Command);
        record.setVerb(*verbGroup("go"));
        record.setDraftComplement(complement("walking"));
        record.end(); // the complement picker's draft is not part of the sentence
        record.begin(SentenceType::Question);
        record.setSubject(*nounPhrase({"Who"}));
        record.setVerb(*verbGroup("will study"));
        record.end();
        QCOMPARE(record.finished().size(), 2);
        QCOMPARE(record.finished().at(0).text(), QString("go!"));
        QCOMPARE(record.finished().at(1).text(), QString("Who will study?"));
    }
};

QTEST_GUILESS_MAIN(TestGrammar)
#include "tst_grammar.moc"

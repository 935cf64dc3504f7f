#include "sentences/frmInt.h"

#include "grammar/Admission.h"
#include "grammar/Phrases.h"
#include "grammar/Sentence.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace parsella {

static const WindowDesign design{
    "frmInt", QT_TRANSLATE_NOOP("frmInt", "Interrogative Sentence (Question)"), 8835, 4335, true, plain,
    {
        {Kind::Label, "lblDecl", -1, "", nullptr, {600, 120, 7935, 375}, display, Shown, 1, QT_TRANSLATE_NOOP("frmInt", "Sentence")},
        {Kind::Button, "cmdPred", -1, QT_TRANSLATE_NOOP("frmInt", "Predicate"), nullptr, {5040, 840, 3615, 375}, plain, Hidden | Disabled, 0},
        {Kind::Button, "cmdVP", -1, QT_TRANSLATE_NOOP("frmInt", "Verb, Verb Phrase"), nullptr, {5040, 1560, 1695, 375}, plain, Hidden, 3},
        {Kind::Button, "cmdComp", -1, QT_TRANSLATE_NOOP("frmInt", "Complement"), nullptr, {6960, 1560, 1695, 375}, plain, Hidden, 4},
        {Kind::Button, "cmdExit", -1, QT_TRANSLATE_NOOP("frmInt", "Return"), nullptr, {6360, 3840, 1095, 375}, plain, Shown, 2},

        {Kind::Frame, "fraWh", -1, QT_TRANSLATE_NOOP("frmInt", "Who/Which"), nullptr, {360, 720, 1335, 1095}, frameTitle},
        {Kind::Option, "optWh", 0, "Who", "fraWh", {120, 240, 975, 255}},
        {Kind::Option, "optWh", 1, "Which", "fraWh", {120, 480, 975, 255}},
        {Kind::Frame, "fraAdj", -1, QT_TRANSLATE_NOOP("frmInt", "Adjective"), nullptr, {1800, 720, 2895, 1575}, frameTitle, Hidden},
        {Kind::Frame, "fraAdv", -1, QT_TRANSLATE_NOOP("frmInt", "Adverb"), "fraAdj", {120, 360, 1215, 1095}, frameTitle},
        {Kind::Option, "optAdv", 0, "very", "fraAdv", {120, 240, 975, 255}},
        {Kind::Option, "optAdv", 1, "extremely", "fraAdv", {120, 480, 975, 255}},
        {Kind::Option, "optAdj", 0, "small", "fraAdj", {1440, 480, 1095, 255}},
        {Kind::Option, "optAdj", 1, "interesting", "fraAdj", {1440, 720, 1095, 255}},
        {Kind::Option, "optAdj", 2, "pretty", "fraAdj", {1440, 960, 1095, 255}},
        {Kind::Option, "optAdj", 3, "strong", "fraAdj", {1440, 1200, 1095, 255}},
        {Kind::Frame, "fraNoun", -1, QT_TRANSLATE_NOOP("frmInt", "Noun"), nullptr, {4800, 720, 1575, 2295}, frameTitle, Hidden},
        // Singular and plural alternate: an even index is singular, the odd one after it plural.
        {Kind::Option, "optNoun", 0, "dog", "fraNoun", {120, 240, 1095, 195}},
        {Kind::Option, "optNoun", 1, "dogs", "fraNoun", {120, 480, 1335, 255}},
        {Kind::Option, "optNoun", 2, "image", "fraNoun", {120, 720, 1335, 255}},
        {Kind::Option, "optNoun", 3, "images", "fraNoun", {120, 960, 1335, 255}},
        {Kind::Option, "optNoun", 4, "hand", "fraNoun", {120, 1200, 1335, 255}},
        {Kind::Option, "optNoun", 5, "hands", "fraNoun", {120, 1440, 1335, 255}},
        {Kind::Option, "optNoun", 6, "tool", "fraNoun", {120, 1680, 1335, 255}},
        {Kind::Option, "optNoun", 7, "tools", "fraNoun", {120, 1920, 1215, 255}},
    },
};

static constexpr qint16 none = 999;

frmInt::frmInt(SentenceState &state, QWidget *parent)
    : SentenceForm(state, design, parent, QLatin1Char('?'), Subject::Leads)
{
    fraWh = control<QGroupBox>("fraWh");
    fraAdj = control<QGroupBox>("fraAdj");
    fraNoun = control<QGroupBox>("fraNoun");
    connect(group("optWh"), &QButtonGroup::idClicked, this, &frmInt::optWh_Click);
    connect(group("optAdv"), &QButtonGroup::idClicked, this, &frmInt::optAdv_Click);
    connect(group("optAdj"), &QButtonGroup::idClicked, this, &frmInt::optAdj_Click);
    connect(group("optNoun"), &QButtonGroup::idClicked, this, &frmInt::optNoun_Click);
    Form_Load();
    explainGreySteps();
}

QList<QList<QWidget *>> frmInt::steps() const
{
    QList<QList<QWidget *>> order;
    for (const char *name : {"optWh", "optAdv", "optAdj", "optNoun"}) {
        QList<QWidget *> words;
        const auto buttons = group(name)->buttons();
        for (QAbstractButton *b : buttons)
            words << b;
        order << words;
    }
    return order + SentenceForm::steps();
}

void frmInt::Form_Load()
{
    st.xsentyp = grammar::sentenceTypeCode(grammar::SentenceType::Question);
    iwh = none;
    // A question starts without a subject, whatever an earlier sentence left behind.
    st.xsubj.clear();
    st.record.begin(grammar::SentenceType::Question);
}

QStringList frmInt::chosenWords() const
{
    const auto word = [this](const char *groupName, qint16 index) {
        return index == none ? QString() : option(groupName, index)->text();
    };
    return {word("optWh", iwh), word("optAdv", iadv), word("optAdj", iadj), word("optNoun", inoun)};
}

static grammar::QuestionSubject subjectOf(const QStringList &words)
{
    return {words.at(0), words.at(1), words.at(2), words.at(3)};
}

void frmInt::offer()
{
    using Slot = grammar::QuestionSlot;
    const grammar::QuestionSubject subject = subjectOf(chosenWords());
    // The question word is chosen once: its frame stands for both of its words.
    bool whOpen = true;
    const auto questionWords = group("optWh")->buttons();
    for (QAbstractButton *b : questionWords) {
        const QString refusal = subject.refusal(Slot::QuestionWord, b->text());
        b->setToolTip(refusal);
        whOpen = whOpen && refusal.isEmpty();
    }
    fraWh->setEnabled(whOpen);
    for (const auto &[slot, name] : {std::pair{Slot::Adverb, "optAdv"}, {Slot::Adjective, "optAdj"}, {Slot::Noun, "optNoun"}}) {
        const auto members = group(name)->buttons();
        for (QAbstractButton *b : members) {
            const QString refusal = subject.refusal(slot, b->text());
            b->setEnabled(refusal.isEmpty());
            b->setToolTip(refusal);
        }
    }
}

void frmInt::optWh_Click(int Index)
{
    iadv = iadj = inoun = none;
    iwh = qint16(Index);
    offer();
    if (Index != 0) {
        // "Which" still needs a noun, with an adverb and adjective if the learner likes.
        cmdPred->hide();
        cmdPred->setEnabled(false);
        fraAdj->show();
        fraNoun->show();
        for (const char *name : {"optAdv", "optAdj", "optNoun"})
            clearSelection(group(name));
    } else {
        // "Who" is a whole subject on its own, singular and third person.
        cmdPred->show();
        cmdPred->setEnabled(true);
        fraAdj->hide();
        fraNoun->hide();
        st.xnumb = 1;
        st.xpers = 3;
    }
    BuildSubject();
    stepTaken(option("optWh", qint16(Index)));
}

// An adverb modifies an adjective, so no noun may follow until an adjective has; a new
// adverb also drops the adjective it may have been put before.
void frmInt::optAdv_Click(int Index)
{
    st.xnumb = 0;
    iadv = qint16(Index);
    clearSelection(group("optAdj"));
    iadj = none;
    clearSelection(group("optNoun"));
    inoun = none;
    offer();
    BuildSubject();
    stepTaken(option("optAdv", qint16(Index)));
}

void frmInt::optAdj_Click(int Index)
{
    st.xnumb = 0;
    iadj = qint16(Index);
    clearSelection(group("optNoun"));
    inoun = none;
    offer();
    BuildSubject();
    stepTaken(option("optAdj", qint16(Index)));
}

// The noun completes the subject; the word groups go away so it can no longer change.
void frmInt::optNoun_Click(int Index)
{
    inoun = qint16(Index);
    offer();
    st.xnumb = qint16(Index % 2 + 1);
    st.xpers = 3;
    BuildSubject();
    fraAdj->hide();
    fraNoun->hide();
    cmdPred->show();
    cmdPred->setEnabled(true);
    stepTaken(option("optNoun", qint16(Index)));
}

// The subject is rebuilt from the four choices after every click, never patched, and shown
// red: even a complete subject is not yet a sentence. The label shows it as it grows, so
// the record takes it as the subject at every click, not as a picker's draft.
void frmInt::BuildSubject()
{
    QStringList words;
    if (iwh != none)
        words << option("optWh", iwh)->text();
    if (iadv != none)
        words << option("optAdv", iadv)->text();
    if (iadj != none)
        words << option("optAdj", iadj)->text();
    if (inoun != none)
        words << option("optNoun", inoun)->text();
    st.xsubj = words.join(QLatin1Char(' '));
    if (const auto subject = grammar::nounPhrase(words))
        st.record.setSubject(*subject);
    showSubject(subjectOf(chosenWords()).need());
}

} // namespace parsella

#include "pickers/frmComp.h"

#include "grammar/Phrases.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <cstring>

namespace parsella {

static const WindowDesign design{
    "frmComp", QT_TRANSLATE_NOOP("frmComp", "Verb Complements"), 8640, 4305, false, plain,
    {
        {Kind::Label, "Label2", -1, QT_TRANSLATE_NOOP("frmComp", "Current Verb:"), nullptr, {240, 240, 1215, 375}},
        {Kind::Label, "lblCV", -1, "", nullptr, {1680, 240, 2175, 255}, {9.75, WhiteBack}, Shown, -1, QT_TRANSLATE_NOOP("frmComp", "Current verb")},
        {Kind::Label, "Label1", -1, QT_TRANSLATE_NOOP("frmComp", "Complements"), nullptr, {2760, 720, 3495, 375}, {9.75, Centred}},
        {Kind::Frame, "Frame1", -1, QT_TRANSLATE_NOOP("frmComp", "Prepositional Phrase"), nullptr, {360, 1200, 1935, 1455}},
        {Kind::Option, "optPP", 0, "in the mountains", "Frame1", {120, 240, 1695, 255}, plain, Disabled},
        {Kind::Option, "optPP", 1, "by the sea", "Frame1", {120, 480, 1695, 255}, plain, Disabled},
        {Kind::Option, "optPP", 2, "under a pillow", "Frame1", {120, 720, 1695, 255}, plain, Disabled},
        {Kind::Option, "optPP", 3, "in the bathtub", "Frame1", {120, 960, 1695, 255}, plain, Disabled},
        {Kind::Frame, "Frame2", -1, QT_TRANSLATE_NOOP("frmComp", "Noun, Noun Phrase"), nullptr, {2400, 1200, 2175, 1455}},
        {Kind::Option, "optNP", 0, "her pet", "Frame2", {120, 240, 1455, 255}, plain, Disabled},
        {Kind::Option, "optNP", 1, "the delicious cookies", "Frame2", {120, 480, 1815, 255}, plain, Disabled},
        {Kind::Option, "optNP", 2, "our clothes", "Frame2", {120, 720, 1455, 255}, plain, Disabled},
        {Kind::Frame, "Frame3", -1, QT_TRANSLATE_NOOP("frmComp", "<adverb>* adjective"), nullptr, {4920, 1200, 1695, 1455}},
        {Kind::Option, "optAdj", 0, "ready", "Frame3", {120, 240, 1335, 255}, plain, Disabled},
        {Kind::Option, "optAdj", 1, "quick", "Frame3", {120, 480, 1335, 255}, plain, Disabled},
        {Kind::Option, "optAdj", 2, "extremely fast", "Frame3", {120, 720, 1335, 255}, plain, Disabled},
        {Kind::Option, "optAdj", 3, "brown", "Frame3", {120, 960, 1335, 255}, plain, Disabled},
        {Kind::Frame, "Frame5", -1, QT_TRANSLATE_NOOP("frmComp", "Present Participle"), nullptr, {6840, 1200, 1575, 1455}},
        {Kind::Option, "optPresP", 0, "dancing", "Frame5", {120, 240, 1215, 255}, plain, Disabled},
        {Kind::Option, "optPresP", 1, "walking", "Frame5", {120, 480, 1215, 255}, plain, Disabled},
        {Kind::Frame, "Frame4", -1, QT_TRANSLATE_NOOP("frmComp", "Adverb"), nullptr, {360, 2760, 1815, 975}},
        {Kind::Option, "optAdv", 0, "here", "Frame4", {120, 240, 1095, 255}, plain, Disabled},
        {Kind::Option, "optAdv", 1, "everywhere", "Frame4", {120, 480, 1335, 255}, plain, Disabled},
        {Kind::Button, "cmdExit", -1, QT_TRANSLATE_NOOP("frmComp", "Return"), nullptr, {6360, 3720, 855, 375}},
    },
};

// The groups in the order in which a choice in one clears the others.
static const std::array<std::pair<const char *, grammar::ComplementGroup>, 5> groupsInOrder{{
    {"optPP", grammar::ComplementGroup::Prepositional},
    {"optAdv", grammar::ComplementGroup::Adverb},
    {"optNP", grammar::ComplementGroup::NounPhrase},
    {"optPresP", grammar::ComplementGroup::Participle},
    {"optAdj", grammar::ComplementGroup::Adjective},
}};

frmComp::frmComp(SentenceState &state, QWidget *parent)
    : Form(state, design, parent)
{
    lblCV = control<QLabel>("lblCV");
    cmdExit = control<QPushButton>("cmdExit");
    connect(group("optPP"), &QButtonGroup::idClicked, this, &frmComp::optPP_Click);
    connect(group("optAdv"), &QButtonGroup::idClicked, this, &frmComp::optAdv_Click);
    connect(group("optNP"), &QButtonGroup::idClicked, this, &frmComp::optNP_Click);
    connect(group("optPresP"), &QButtonGroup::idClicked, this, &frmComp::optPresP_Click);
    connect(group("optAdj"), &QButtonGroup::idClicked, this, &frmComp::optAdj_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmComp::cmdExit_Click);
    cmdExit->setFocus();
    Form_Load();
}

void frmComp::Form_Load()
{
    lblCV->setText(st.xv);
    st.xcomp1.clear();
    // Each kind of complement is offered only if the current verb admits it; the others
    // say why not.
    const grammar::VerbComplements &takes = st.verbTakes;
    for (const auto &[name, complementGroup] : groupsInOrder) {
        const QString refusal = grammar::complementRefusal(st.xv, takes, complementGroup);
        const auto members = group(name)->buttons();
        for (QAbstractButton *b : members) {
            b->setEnabled(refusal.isEmpty());
            b->setToolTip(refusal);
        }
    }
}

void frmComp::optPP_Click(int Index) { choose("optPP", Index); }
void frmComp::optAdv_Click(int Index) { choose("optAdv", Index); }
void frmComp::optNP_Click(int Index) { choose("optNP", Index); }
void frmComp::optPresP_Click(int Index) { choose("optPresP", Index); }
void frmComp::optAdj_Click(int Index) { choose("optAdj", Index); }

// The five groups act as one choice: at most one phrase is selected in the window.
void frmComp::choose(const char *groupName, int index)
{
    const QString phrase = option(groupName, index)->text();
    st.xcomp1 = phrase;
    st.record.setDraftComplement(grammar::complement(phrase));
    for (const auto &other : groupsInOrder) {
        if (std::strcmp(other.first, groupName) != 0)
            clearSelection(group(other.first));
    }
}

void frmComp::cmdExit_Click()
{
    accept(); // the choice is already in the state
}

} // namespace parsella

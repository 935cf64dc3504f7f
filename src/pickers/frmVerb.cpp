#include "pickers/frmVerb.h"

#include "grammar/Conjugation.h"
#include "grammar/Phrases.h"
#include "grammar/Sentence.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace parsella {

static const WindowDesign design{
    "frmVerb", QT_TRANSLATE_NOOP("frmVerb", "Verb, Verb Phrase"), 6690, 4140, false, plain,
    {
        {Kind::Label, "lblVerb", -1, "", nullptr, {840, 120, 4695, 375}, display, Shown, -1, QT_TRANSLATE_NOOP("frmVerb", "Verb phrase")},
        {Kind::Frame, "Frame1", -1, QT_TRANSLATE_NOOP("frmVerb", "Verbs"), nullptr, {600, 840, 1695, 2535}},
        {Kind::Option, "optVerb", 0, "be", "Frame1", {240, 360, 975, 255}},
        {Kind::Option, "optVerb", 1, "stay", "Frame1", {240, 600, 975, 255}},
        {Kind::Option, "optVerb", 2, "bake", "Frame1", {240, 840, 975, 255}},
        {Kind::Option, "optVerb", 3, "walk", "Frame1", {240, 1080, 975, 255}},
        {Kind::Option, "optVerb", 4, "wash", "Frame1", {240, 1320, 975, 255}},
        {Kind::Option, "optVerb", 5, "change", "Frame1", {240, 1560, 975, 255}},
        {Kind::Option, "optVerb", 6, "study", "Frame1", {240, 1800, 975, 255}},
        {Kind::Option, "optVerb", 7, "go", "Frame1", {240, 2040, 975, 255}},
        {Kind::Frame, "frmTense", -1, QT_TRANSLATE_NOOP("frmVerb", "Tense"), nullptr, {2760, 840, 1455, 2415}},
        {Kind::Option, "optTense", 0, "Present", "frmTense", {240, 480, 1095, 255}, plain, Checked},
        {Kind::Option, "optTense", 1, "Past", "frmTense", {240, 840, 975, 255}},
        {Kind::Option, "optTense", 2, "Future", "frmTense", {240, 1200, 975, 255}},
        {Kind::Button, "cmdExit", -1, QT_TRANSLATE_NOOP("frmVerb", "Return"), nullptr, {5160, 3720, 1095, 375}},
    },
};

frmVerb::frmVerb(SentenceState &state, QWidget *parent)
    : Form(state, design, parent)
{
    lblVerb = control<QLabel>("lblVerb");
    frmTense = control<QGroupBox>("frmTense");
    cmdExit = control<QPushButton>("cmdExit");
    connect(group("optVerb"), &QButtonGroup::idClicked, this, &frmVerb::optVerb_Click);
    connect(group("optTense"), &QButtonGroup::idClicked, this, &frmVerb::optTense_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmVerb::cmdExit_Click);
    Form_Load();
}

// Whether the sentence window that opened the picker builds a command.
bool frmVerb::isCommand() const
{
    return grammar::sentenceTypeFromCode(st.xsentyp) == grammar::SentenceType::Command;
}

void frmVerb::Form_Load()
{
    verbidx = 999;
    tenseidx = 0;
    st.xvp.clear();
    st.x0 = st.xa0 = st.xa1 = st.xa4 = st.xa7 = 0;
    st.verbTakes = {};
    st.xv.clear();
    // A command has no tense: it always takes the verb's base form.
    if (isCommand())
        frmTense->hide();
}

void frmVerb::optVerb_Click(int Index)
{
    verbidx = qint16(Index);
    // No flag of an earlier verb may survive into this one.
    st.x0 = st.xa0 = st.xa1 = st.xa4 = st.xa7 = 0;
    st.verbTakes = {};
    ConjugateVerb();
}

void frmVerb::optTense_Click(int Index)
{
    tenseidx = qint16(Index);
    ConjugateVerb();
}

void frmVerb::ConjugateVerb()
{
    lblVerb->clear();
    if (verbidx == 999)
        return; // a tense without a verb shows and records nothing

    st.xv = option("optVerb", verbidx)->text();
    // The flags say what the verb admits, for the sentence window and the complement picker.
    const grammar::VerbComplements takes = grammar::complementsOf(st.xv);
    st.x0 = grammar::endsSentence(st.xv) ? 1 : 0;
    st.xa0 = takes.place ? 1 : 0;
    st.xa1 = takes.object ? 1 : 0;
    st.xa4 = takes.participle ? 1 : 0;
    st.xa7 = takes.adjective ? 1 : 0;
    st.verbTakes = takes;

    // Agreement is read afresh on every click, so the form follows the current subject. A
    // command has no tense and takes the base form.
    const grammar::Tense tense = tenseidx == 0 ? grammar::Tense::Present
                                 : tenseidx == 1 ? grammar::Tense::Past
                                                 : grammar::Tense::Future;
    const QString shown = isCommand()
                              ? st.xv
                              : grammar::conjugate(st.xv, tense, {st.xpers, st.xnumb});
    lblVerb->setText(shown);
    st.record.setDraftVerb(grammar::verbGroup(shown));
}

void frmVerb::cmdExit_Click()
{
    if (verbidx != 999)
        st.xvp = lblVerb->text();
    accept();
}

} // namespace parsella

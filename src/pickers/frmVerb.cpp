#include "pickers/frmVerb.h"

#include "grammar/Phrases.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>

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

// What each verb admits, by the index of its button, and every form it can take.
// Nothing is inflected by rule; the base form (the button's caption) is the command form.
struct Verb {
    qint16 x0, xa0, xa1, xa4, xa7;
    const char *present1st;   // first person singular
    const char *present3rd;   // third person singular
    const char *presentOther; // every other subject
    const char *past1st3rd;   // first or third person singular
    const char *pastOther;
    const char *future;
};

static const std::array<Verb, 8> verbs{{
    //            x0 xa0 xa1 xa4 xa7  present: 1st  3rd        other     past: 1st/3rd other      future
    /* be     */ {0, 1, 0, 0, 1, "am",     "is",      "are",    "was",     "were",    "will be"},
    /* stay   */ {1, 1, 0, 0, 0, "stay",   "stays",   "stay",   "stayed",  "stayed",  "will stay"},
    /* bake   */ {1, 1, 1, 0, 0, "bake",   "bakes",   "bake",   "baked",   "baked",   "will bake"},
    /* walk   */ {1, 1, 0, 0, 0, "walk",   "walks",   "walk",   "walked",  "walked",  "will walk"},
    /* wash   */ {1, 1, 1, 0, 0, "wash",   "washes",  "wash",   "washed",  "washed",  "will wash"},
    /* change */ {1, 1, 1, 0, 0, "change", "changes", "change", "changed", "changed", "will change"},
    /* study  */ {1, 1, 1, 0, 0, "study",  "studies", "study",  "studied", "studied", "will study"},
    /* go     */ {1, 1, 0, 1, 0, "go",     "goes",    "go",     "went",    "went",    "will go"},
}};

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

void frmVerb::Form_Load()
{
    verbidx = 999;
    tenseidx = 0;
    st.xvp.clear();
    st.x0 = st.xa0 = st.xa1 = st.xa4 = st.xa7 = 0;
    st.xv.clear();
    // A command has no tense: it always takes the verb's base form.
    if (st.xsentyp == QLatin1String("Imp"))
        frmTense->hide();
}

void frmVerb::optVerb_Click(int Index)
{
    verbidx = qint16(Index);
    // No flag of an earlier verb may survive into this one.
    st.x0 = st.xa0 = st.xa1 = st.xa4 = st.xa7 = 0;
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

    const Verb &v = verbs.at(size_t(verbidx));
    st.xv = option("optVerb", verbidx)->text();
    st.x0 = v.x0;
    st.xa0 = v.xa0;
    st.xa1 = v.xa1;
    st.xa4 = v.xa4;
    st.xa7 = v.xa7;

    // Agreement is read afresh on every click, so the form follows the current subject.
    // An unset subject falls among the "other" subjects.
    const bool firstSingular = st.xpers == 1 && st.xnumb == 1;
    const bool thirdSingular = st.xpers == 3 && st.xnumb == 1;

    const char *form;
    if (st.xsentyp == QLatin1String("Imp"))
        form = nullptr; // the base form
    else if (tenseidx == 0)
        form = firstSingular ? v.present1st : thirdSingular ? v.present3rd : v.presentOther;
    else if (tenseidx == 1)
        form = firstSingular || thirdSingular ? v.past1st3rd : v.pastOther;
    else
        form = v.future;

    const QString shown = form ? QString::fromLatin1(form) : st.xv;
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

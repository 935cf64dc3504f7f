#include "sentences/frmImp.h"

#include "grammar/Sentence.h"

namespace parsella {

static const WindowDesign design{
    "frmImp", QT_TRANSLATE_NOOP("frmImp", "Imperative Sentence (Command)"), 8520, 4335, true, plain,
    {
        {Kind::Label, "lblDecl", -1, "", nullptr, {480, 120, 7575, 375}, display, Shown, 1, QT_TRANSLATE_NOOP("frmImp", "Sentence")},
        {Kind::Button, "cmdPred", -1, QT_TRANSLATE_NOOP("frmImp", "Predicate"), nullptr, {1560, 840, 3975, 375}, plain, Shown, 0},
        {Kind::Button, "cmdVP", -1, QT_TRANSLATE_NOOP("frmImp", "Verb, Verb Phrase"), nullptr, {1560, 1560, 1695, 375}, plain, Hidden, 3},
        {Kind::Button, "cmdComp", -1, QT_TRANSLATE_NOOP("frmImp", "Complement"), nullptr, {3480, 1560, 2055, 375}, plain, Hidden, 4},
        {Kind::Button, "cmdExit", -1, QT_TRANSLATE_NOOP("frmImp", "Return"), nullptr, {6360, 3840, 1095, 375}, plain, Shown, 2},
    },
};

frmImp::frmImp(SentenceState &state, QWidget *parent)
    : SentenceForm(state, design, parent, QLatin1Char('!'), Subject::None)
{
    Form_Load();
    explainGreySteps();
}

void frmImp::Form_Load()
{
    // The command's code tells the verb picker to offer no tense and to give the base form.
    st.xsentyp = grammar::sentenceTypeCode(grammar::SentenceType::Command);
    st.xsubj.clear();
    st.record.begin(grammar::SentenceType::Command);
}

} // namespace parsella

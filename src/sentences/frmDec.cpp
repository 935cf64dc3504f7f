#include "sentences/frmDec.h"

#include "grammar/Sentence.h"
#include "pickers/frmNP.h"
#include "pickers/frmNPP.h"

#include <QLabel>
#include <QPushButton>

namespace parsella {

static const WindowDesign design{
    "frmDec", QT_TRANSLATE_NOOP("frmDec", "Declarative Sentence (statement)"), 8520, 4335, true, plain,
    {
        {Kind::Label, "lblDecl", -1, "", nullptr, {360, 120, 7575, 375}, display, Shown, 2, QT_TRANSLATE_NOOP("frmDec", "Sentence")},
        {Kind::Button, "cmdSubj", -1, QT_TRANSLATE_NOOP("frmDec", "Subject"), nullptr, {720, 840, 2655, 375}, plain, Shown, 0},
        {Kind::Button, "cmdPred", -1, QT_TRANSLATE_NOOP("frmDec", "Predicate"), nullptr, {3840, 840, 3975, 375}, plain, Disabled, 1},
        {Kind::Button, "cmdNP", -1, QT_TRANSLATE_NOOP("frmDec", "Noun, Noun Phrase"), nullptr, {720, 1560, 2655, 375}, plain, Hidden, 3},
        {Kind::Button, "cmdNPP", -1, QT_TRANSLATE_NOOP("frmDec", "Nominative Personal Pronoun"), nullptr, {720, 2160, 2655, 375}, plain, Hidden, 4},
        {Kind::Button, "cmdVP", -1, QT_TRANSLATE_NOOP("frmDec", "Verb, Verb Phrase"), nullptr, {3840, 1560, 1695, 375}, plain, Hidden, 6},
        {Kind::Button, "cmdComp", -1, QT_TRANSLATE_NOOP("frmDec", "Complement"), nullptr, {5760, 1560, 2055, 375}, plain, Hidden, 7},
        {Kind::Button, "cmdExit", -1, QT_TRANSLATE_NOOP("frmDec", "Return"), nullptr, {6360, 3840, 1095, 375}, plain, Shown, 5},
    },
};

frmDec::frmDec(SentenceState &state, QWidget *parent)
    : SentenceForm(state, design, parent, QLatin1Char('.'), Subject::Leads)
{
    cmdSubj = control<QPushButton>("cmdSubj");
    cmdNP = control<QPushButton>("cmdNP");
    cmdNPP = control<QPushButton>("cmdNPP");
    connect(cmdSubj, &QPushButton::clicked, this, &frmDec::cmdSubj_Click);
    connect(cmdNP, &QPushButton::clicked, this, &frmDec::cmdNP_Click);
    connect(cmdNPP, &QPushButton::clicked, this, &frmDec::cmdNPP_Click);
    Form_Load();
    explainGreySteps();
}

QList<QList<QWidget *>> frmDec::steps() const
{
    return QList<QList<QWidget *>>{{cmdSubj}, {cmdNP, cmdNPP}} + SentenceForm::steps();
}

grammar::SentenceProgress frmDec::progress() const
{
    grammar::SentenceProgress p = SentenceForm::progress();
    p.subjectBy = grammar::SentenceProgress::SubjectBy::Pickers;
    p.subjectBegun = !cmdSubj->isEnabled();
    p.subjectDone = subjectDone;
    return p;
}

void frmDec::Form_Load()
{
    st.xsentyp = grammar::sentenceTypeCode(grammar::SentenceType::Statement);
    st.record.begin(grammar::SentenceType::Statement);
}

void frmDec::cmdSubj_Click()
{
    cmdPred->setEnabled(false);
    cmdSubj->setEnabled(false);
    cmdNP->show();
    cmdNPP->show();
    stepTaken(cmdSubj);
}

void frmDec::cmdNP_Click()
{
    showModal<frmNP>(this, st);
    takeSubject(cmdNP);
}

void frmDec::cmdNPP_Click()
{
    showModal<frmNPP>(this, st);
    takeSubject(cmdNPP);
}

// Both subject pickers report success the same way: a subject with a number.
void frmDec::takeSubject(QPushButton *picker)
{
    if (st.xnumb <= 0) {
        st.record.dropDraft();
        stepTaken(picker);
        return;
    }
    subjectDone = true;
    st.record.acceptDraft();
    showSubject();
    cmdNP->hide();
    cmdNPP->hide();
    cmdPred->setEnabled(true);
    cmdSubj->setEnabled(false);
    stepTaken(picker);
}

} // namespace parsella

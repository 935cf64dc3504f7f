#include "sentences/SentenceForm.h"

#include "grammar/Admission.h"
#include "pickers/frmComp.h"
#include "pickers/frmVerb.h"

#include <QLabel>
#include <QPushButton>

namespace parsella {

SentenceForm::SentenceForm(SentenceState &state, const WindowDesign &design, QWidget *parent,
                           QChar closingMark, Subject subjectRule)
    : Form(state, design, parent), mark(closingMark), subject(subjectRule)
{
    lblDecl = control<QLabel>("lblDecl");
    cmdPred = control<QPushButton>("cmdPred");
    cmdVP = control<QPushButton>("cmdVP");
    cmdComp = control<QPushButton>("cmdComp");
    cmdExit = control<QPushButton>("cmdExit");

    connect(cmdPred, &QPushButton::clicked, this, &SentenceForm::cmdPred_Click);
    connect(cmdVP, &QPushButton::clicked, this, &SentenceForm::cmdVP_Click);
    connect(cmdComp, &QPushButton::clicked, this, &SentenceForm::cmdComp_Click);
    connect(cmdExit, &QPushButton::clicked, this, &SentenceForm::cmdExit_Click);
}

QList<QList<QWidget *>> SentenceForm::steps() const
{
    return {{cmdPred}, {cmdVP}, {cmdComp}};
}

grammar::SentenceProgress SentenceForm::progress() const
{
    grammar::SentenceProgress p;
    p.subjectBy = subject == Subject::None ? grammar::SentenceProgress::SubjectBy::Understood
                                           : grammar::SentenceProgress::SubjectBy::Words;
    p.predicateBegun = predicateBegun;
    // A subject is done once the predicate may follow it.
    p.subjectDone = subject == Subject::None || predicateBegun || cmdPred->isEnabled();
    p.subjectBegun = p.subjectDone;
    p.verbDone = verbDone;
    p.complementDone = complementDone;
    return p;
}

void SentenceForm::explainGreySteps()
{
    using grammar::SentenceStep;
    const grammar::SentenceProgress now = progress();
    const std::pair<const char *, SentenceStep> stepButtons[] = {
        {"cmdSubj", SentenceStep::Subject}, {"cmdPred", SentenceStep::Predicate},
        {"cmdVP", SentenceStep::Verb}, {"cmdComp", SentenceStep::Complement}};
    for (const auto &[name, step] : stepButtons) {
        if (auto *b = findChild<QPushButton *>(QLatin1String(name))) {
            const QString tip = b->isEnabled() ? QString() : grammar::greyStepTip(step, now);
            b->setToolTip(tip);
            b->setAccessibleDescription(tip);
        }
    }
}

void SentenceForm::stepTaken(QWidget *from)
{
    explainGreySteps();

    const auto open = [this](QWidget *w) { return w->isVisibleTo(this) && w->isEnabled(); };
    if (from && qobject_cast<QPushButton *>(from) && open(from)) {
        from->setFocus();
        return;
    }
    const QList<QList<QWidget *>> order = steps();
    qsizetype next = 0;
    for (qsizetype i = 0; i < order.size(); ++i) {
        if (order.at(i).contains(from))
            next = i + 1;
    }
    for (qsizetype i = next; i < order.size(); ++i) {
        for (QWidget *w : order.at(i)) {
            if (open(w)) {
                w->setFocus();
                return;
            }
        }
    }
    cmdExit->setFocus();
}

QString SentenceForm::lead() const
{
    return subject == Subject::Leads ? st.xsubj + QLatin1Char(' ') : QString();
}

void SentenceForm::showSubject(const QString &need)
{
    showCompleteness(lblDecl, false, need.isEmpty() ? grammar::subjectNeedsVerb(st.xsubj) : need);
    lblDecl->setText(st.xsubj);
}

// The closing mark goes onto the text just set, never onto an older text, so a
// sentence never carries more than one.
void SentenceForm::complete()
{
    showCompleteness(lblDecl, true, grammar::sentenceIsComplete());
    lblDecl->setText(lblDecl->text() + mark);
}

void SentenceForm::cmdPred_Click()
{
    predicateBegun = true;
    cmdPred->setEnabled(false);
    cmdVP->show();
    cmdComp->show();
    cmdComp->setEnabled(false);
    stepTaken(cmdPred);
}

void SentenceForm::cmdVP_Click()
{
    showModal<frmVerb>(this, st);
    if (st.xvp.isEmpty()) {
        st.record.dropDraft();
        stepTaken(cmdVP);
        return; // no verb chosen: the learner may try again
    }
    st.record.acceptDraft();

    lblDecl->setText(lead() + st.xvp);
    if (st.x0 == 1)
        complete();
    else
        showCompleteness(lblDecl, false, // "be" still needs its complement
                         grammar::verbNeedsComplement(st.xvp, st.verbTakes));
    cmdVP->setEnabled(false);
    cmdVP->hide();
    cmdComp->setEnabled(true);
    verbDone = true;
    stepTaken(cmdVP);
}

void SentenceForm::cmdComp_Click()
{
    showModal<frmComp>(this, st);
    if (st.xcomp1.isEmpty()) {
        st.record.dropDraft();
        stepTaken(cmdComp);
        return;
    }
    st.record.acceptDraft();

    lblDecl->setText(lead() + st.xvp + QLatin1Char(' ') + st.xcomp1);
    complete();
    cmdComp->setEnabled(false);
    cmdComp->hide();
    complementDone = true;
    stepTaken(cmdComp);
}

void SentenceForm::cmdExit_Click()
{
    accept();
}

void SentenceForm::Form_Unload()
{
    st.record.end();
}

} // namespace parsella

#include "sentences/SentenceForm.h"

#include "grammar/Admission.h"
#include "pickers/ComplementsTaken.h"
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
    cmdPred->setEnabled(false);
    cmdVP->show();
    cmdComp->show();
    cmdComp->setEnabled(false);
}

void SentenceForm::cmdVP_Click()
{
    showModal<frmVerb>(this, st);
    if (st.xvp.isEmpty()) {
        st.record.dropDraft();
        return; // no verb chosen: the learner may try again
    }
    st.record.acceptDraft();

    lblDecl->setText(lead() + st.xvp);
    if (st.x0 == 1)
        complete();
    else
        showCompleteness(lblDecl, false, // "be" still needs its complement
                         grammar::verbNeedsComplement(st.xvp, complementsTaken(st)));
    cmdVP->setEnabled(false);
    cmdVP->hide();
    cmdComp->setEnabled(true);
}

void SentenceForm::cmdComp_Click()
{
    showModal<frmComp>(this, st);
    if (st.xcomp1.isEmpty()) {
        st.record.dropDraft();
        return;
    }
    st.record.acceptDraft();

    lblDecl->setText(lead() + st.xvp + QLatin1Char(' ') + st.xcomp1);
    complete();
    cmdComp->setEnabled(false);
    cmdComp->hide();
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

#pragma once

#include "core/Form.h"
#include "grammar/Admission.h"

class QLabel;
class QPushButton;

namespace parsella {

// What the statement, question and command windows have in common: the Predicate,
// Verb phrase, Complement and Return steps, and the rules of the sentence label.
// The label is rebuilt from the shared state after every successful step: red while the
// sentence is incomplete, black with its closing mark once it is complete. Each step that
// succeeds also takes the part its picker built into the state's record, so the record
// always says what the label shows. A window of the family differs only in its closing
// mark, in whether the subject leads the label (a command has none) and in how its subject
// is made.
class SentenceForm : public Form
{
    Q_OBJECT
public:
    enum class Subject { Leads, None };

    SentenceForm(SentenceState &state, const WindowDesign &design, QWidget *parent,
                 QChar closingMark, Subject subject);

    void cmdPred_Click();
    void cmdVP_Click();
    void cmdComp_Click();
    void cmdExit_Click();

protected:
    // However the window closes, the sentence it built is finished in the record.
    void Form_Unload() override;

    // Shows the subject alone, red: the sentence has begun but has no verb yet. `need` is what
    // an unfinished subject still lacks; a finished one needs its verb.
    void showSubject(const QString &need = QString());

    // The window's steps in the order the learner takes them, Return aside: each a set of
    // alternatives (the subject pickers, a word group). The subject's steps come first.
    virtual QList<QList<QWidget *>> steps() const;
    // After a step: every grey step button says why it is grey, and the keyboard focus goes
    // on to the next step the learner can take. A step button left enabled (its picker was
    // cancelled) keeps the focus, so the learner may try again; Return gets it only when no
    // later step is open. Qt would otherwise move the focus of a button that greys itself to
    // Return, where a second Space would close the window on an unfinished sentence.
    void stepTaken(QWidget *from);
    void explainGreySteps();
    // How far the learner has come; the subclass knows how its subject is made.
    virtual grammar::SentenceProgress progress() const;

    QLabel *lblDecl;
    QPushButton *cmdPred;
    QPushButton *cmdVP;
    QPushButton *cmdComp;
    QPushButton *cmdExit;

    bool predicateBegun = false;
    bool verbDone = false;
    bool complementDone = false;

private:
    QString lead() const;
    void complete();

    const QChar mark;
    const Subject subject;
};

} // namespace parsella

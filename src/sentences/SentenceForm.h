#pragma once

#include "core/Form.h"

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

    QLabel *lblDecl;
    QPushButton *cmdPred;
    QPushButton *cmdVP;
    QPushButton *cmdComp;
    QPushButton *cmdExit;

private:
    QString lead() const;
    void complete();

    const QChar mark;
    const Subject subject;
};

} // namespace parsella

#pragma once

#include "sentences/SentenceForm.h"

namespace parsella {

// A statement: subject from the noun phrase generator or the pronoun picker, then the
// family's predicate steps, closed with a full stop.
class frmDec : public SentenceForm
{
    Q_OBJECT
public:
    frmDec(SentenceState &state, QWidget *parent);

    void Form_Load();
    void cmdSubj_Click();
    void cmdNP_Click();
    void cmdNPP_Click();

protected:
    QList<QList<QWidget *>> steps() const override;
    grammar::SentenceProgress progress() const override;

private:
    void takeSubject(QPushButton *picker);

    QPushButton *cmdSubj;
    bool subjectDone = false;
    QPushButton *cmdNP;
    QPushButton *cmdNPP;
};

} // namespace parsella

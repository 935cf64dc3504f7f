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

private:
    void takeSubject();

    QPushButton *cmdSubj;
    QPushButton *cmdNP;
    QPushButton *cmdNPP;
};

} // namespace parsella

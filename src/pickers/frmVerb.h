#pragma once

#include "core/Form.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace parsella {

// Eight verbs and three tenses. The label shows the form that agrees with the subject
// already in the shared state; "Return" hands it back as the verb phrase. The verb's base
// form, its complement flags and what it takes are left in the state for the sentence window
// and the complement picker.
class frmVerb : public Form
{
    Q_OBJECT
public:
    frmVerb(SentenceState &state, QWidget *parent);

    void Form_Load();
    void optVerb_Click(int Index);
    void optTense_Click(int Index);
    void cmdExit_Click();

private:
    void ConjugateVerb();
    bool isCommand() const;

    qint16 verbidx = 999; // 999: no verb chosen yet
    qint16 tenseidx = 0;  // 0 present, 1 past, anything else future

    QLabel *lblVerb;
    QGroupBox *frmTense;
    QPushButton *cmdExit;
};

} // namespace parsella

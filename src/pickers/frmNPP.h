#pragma once

#include "core/Form.h"

class QLabel;
class QPushButton;

namespace parsella {

// The eight nominative personal pronouns laid out as a small conjugation table. A click
// records the pronoun's person and number and lights up the headings that describe it.
class frmNPP : public Form
{
    Q_OBJECT
public:
    frmNPP(SentenceState &state, QWidget *parent);

    void Form_Load();
    void optNPP_Click(int Index);
    void cmdExit_Click();

protected:
    // However the window is closed, the pronoun shown is handed back as the subject, so
    // the statement never meets a subject number without its subject text.
    void Form_Unload() override;

private:
    QLabel *lblNPP;
    QPushButton *cmdExit;
};

} // namespace parsella

#pragma once

#include "core/Form.h"

class QLabel;
class QPushButton;

namespace parsella {

// Fifteen complement phrases in five groups, one per kind of complement. Only the groups
// that the current verb admits are enabled, and the five groups act as one choice.
class frmComp : public Form
{
    Q_OBJECT
public:
    frmComp(SentenceState &state, QWidget *parent);

    void Form_Load();
    void optPP_Click(int Index);
    void optAdv_Click(int Index);
    void optNP_Click(int Index);
    void optPresP_Click(int Index);
    void optAdj_Click(int Index);
    void cmdExit_Click();

private:
    void choose(const char *groupName, int index);

    QLabel *lblCV;
    QPushButton *cmdExit;
};

} // namespace parsella

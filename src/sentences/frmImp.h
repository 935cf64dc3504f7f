#pragma once

#include "sentences/SentenceForm.h"

namespace parsella {

// A command. It has no spoken subject, so it starts at the predicate; the verb comes in its
// base form, and the command closes with "!".
class frmImp : public SentenceForm
{
    Q_OBJECT
public:
    frmImp(SentenceState &state, QWidget *parent);

    void Form_Load();
};

} // namespace parsella

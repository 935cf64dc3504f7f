#pragma once

#include "sentences/SentenceForm.h"

#include <QStringList>

class QGroupBox;

namespace parsella {

// A question. Its subject is not picked in another window but built here, from left to
// right, out of four groups of words: "Who", or "Which" with an optional adverb and
// adjective and a noun. Once the subject is complete the family's predicate steps follow,
// and the question closes with "?".
class frmInt : public SentenceForm
{
    Q_OBJECT
public:
    frmInt(SentenceState &state, QWidget *parent);

    void Form_Load();
    void optWh_Click(int Index);
    void optAdv_Click(int Index);
    void optAdj_Click(int Index);
    void optNoun_Click(int Index);

protected:
    QList<QList<QWidget *>> steps() const override;

private:
    // Enables the words the grammar admits after what is chosen; a refused word tells why.
    void offer();
    // The chosen words of the four groups in the order of the subject, empty where none.
    QStringList chosenWords() const;
    void BuildSubject();

    // The chosen button of each word group; 999 while nothing is chosen there.
    qint16 iwh = 999;
    qint16 iadv = 999;
    qint16 iadj = 999;
    qint16 inoun = 999;

    QGroupBox *fraWh;
    QGroupBox *fraAdj;
    QGroupBox *fraNoun;
};

} // namespace parsella

#pragma once

#include "core/Form.h"

class QAbstractButton;
class QLabel;
class QPushButton;

namespace parsella {

// The word groups of a noun phrase, in the order the phrase says them.
enum WordGroup : unsigned;

// Assembles the subject of a statement from closed word lists: one determiner (an article,
// perhaps followed by a common possessive noun, a proper possessive noun or a personal
// possessive adjective), then perhaps an adjective with perhaps an adverb before it, then a
// noun; or the proper noun alone. After every click only the grammatical continuations are
// enabled, so the phrase can only ever be English. "Return" hands the phrase back as the
// subject, third person, singular or plural by its noun.
class frmNP : public Form
{
    Q_OBJECT
public:
    frmNP(SentenceState &state, QWidget *parent);

    void Form_Load();
    void optArt_Click(int Index);
    void optCPN_Click(int Index);
    void optPPN_Click(int Index);
    void optPPA_Click(int Index);
    void optAdv_Click(int Index);
    void optAdj_Click(int Index);
    void optNoun_Click(int Index);
    void optPN_Click();
    void cmdExit_Click();

protected:
    // However the window is closed, the subject text matches the subject number: the
    // phrase once it has a noun, otherwise nothing.
    void Form_Unload() override;

private:
    void click(WordGroup clicked, int Index);
    void clear(WordGroup g);
    // Enables exactly the words the grammar admits after what is chosen; a refused word
    // tells why.
    void offer();
    qint16 *selection(WordGroup g);
    QString chosenWord(WordGroup g);
    void appendWord(const char *groupName, qint16 index, const QString &separator);
    void BuildNounPhrase();
    QStringList chosenWords() const;

    // The chosen button of each group, 999 while nothing is chosen there. The proper noun
    // needs none: its button's selection is the record.
    qint16 iart = 999;
    qint16 icpn = 999;
    qint16 ippn = 999;
    qint16 ippa = 999;
    qint16 iadv = 999;
    qint16 iadj = 999;
    qint16 inoun = 999;

    QLabel *lblNP;
    QAbstractButton *optPN;
    QPushButton *cmdExit;
};

} // namespace parsella

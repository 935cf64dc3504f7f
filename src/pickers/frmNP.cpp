#include "pickers/frmNP.h"

#include "grammar/Admission.h"
#include "grammar/Phrases.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <functional>

namespace parsella {

static const WindowDesign design{
    "frmNP", QT_TRANSLATE_NOOP("frmNP", "Noun Phrase Generation"), 9495, 6570, true, plain,
    {
        {Kind::Label, "lblNP", -1, "", nullptr, {1560, 120, 6975, 375}, display, Shown, -1, QT_TRANSLATE_NOOP("frmNP", "Noun phrase")},
        {Kind::Frame, "Frame1", -1, QT_TRANSLATE_NOOP("frmNP", "Noun Phrase"), nullptr, {240, 600, 9135, 4575}, frameTitle},
        {Kind::Frame, "Frame2", -1, "", "Frame1", {120, 240, 4215, 1455}, frameTitle},
        {Kind::Frame, "Frame3", -1, QT_TRANSLATE_NOOP("frmNP", "Article"), "Frame2", {240, 240, 1095, 1095}, frameTitle},
        {Kind::Option, "optArt", 0, "a", "Frame3", {120, 240, 855, 255}},
        {Kind::Option, "optArt", 1, "an", "Frame3", {120, 480, 855, 255}},
        {Kind::Option, "optArt", 2, "the", "Frame3", {120, 720, 855, 255}},
        {Kind::Frame, "Frame4", -1, QT_TRANSLATE_NOOP("frmNP", "Common Possessive Noun"), "Frame2", {1440, 240, 2655, 1095}, frameTitle},
        {Kind::Option, "optCPN", 0, "lady's", "Frame4", {120, 240, 1335, 255}},
        {Kind::Option, "optCPN", 1, "engineer's", "Frame4", {120, 480, 1455, 255}},
        {Kind::Frame, "Frame5", -1, QT_TRANSLATE_NOOP("frmNP", "Proper Possessive Noun"), "Frame1", {120, 1800, 4215, 855}, frameTitle},
        {Kind::Option, "optPPN", 0, "King John's", "Frame5", {120, 240, 1575, 255}},
        {Kind::Option, "optPPN", 1, "Mary's", "Frame5", {120, 480, 1455, 255}},
        {Kind::Frame, "Frame6", -1, QT_TRANSLATE_NOOP("frmNP", "Personal Possessive Adjective"), "Frame1", {120, 2760, 4215, 1695}, frameTitle},
        {Kind::Option, "optPPA", 0, "my", "Frame6", {120, 240, 1095, 255}},
        {Kind::Option, "optPPA", 1, "your", "Frame6", {120, 480, 1215, 255}},
        {Kind::Option, "optPPA", 2, "his", "Frame6", {120, 720, 735, 255}},
        {Kind::Option, "optPPA", 3, "her", "Frame6", {120, 960, 975, 255}},
        {Kind::Option, "optPPA", 4, "its", "Frame6", {120, 1200, 1095, 255}},
        {Kind::Option, "optPPA", 5, "our", "Frame6", {1560, 240, 855, 255}},
        {Kind::Option, "optPPA", 6, "their", "Frame6", {1560, 600, 855, 255}},
        // The adjective and noun frames stand on the window, in front of the right half of
        // "Noun Phrase"; coming later in the table puts them on top.
        {Kind::Frame, "fraAdj", -1, QT_TRANSLATE_NOOP("frmNP", "Adjective"), nullptr, {4680, 840, 2895, 1575}, frameTitle},
        {Kind::Frame, "fraAdv", -1, QT_TRANSLATE_NOOP("frmNP", "Adverb"), "fraAdj", {120, 360, 1215, 1095}, frameTitle},
        {Kind::Option, "optAdv", 0, "very", "fraAdv", {120, 240, 975, 255}},
        {Kind::Option, "optAdv", 1, "extremely", "fraAdv", {120, 480, 975, 255}},
        {Kind::Option, "optAdj", 0, "small", "fraAdj", {1440, 480, 1095, 255}},
        {Kind::Option, "optAdj", 1, "interesting", "fraAdj", {1440, 720, 1095, 255}},
        {Kind::Option, "optAdj", 2, "pretty", "fraAdj", {1440, 960, 1095, 255}},
        {Kind::Option, "optAdj", 3, "strong", "fraAdj", {1440, 1200, 1095, 255}},
        {Kind::Frame, "fraNoun", -1, QT_TRANSLATE_NOOP("frmNP", "Noun"), nullptr, {7680, 840, 1575, 2295}, frameTitle},
        {Kind::Option, "optNoun", 0, "dog", "fraNoun", {120, 240, 1095, 195}},
        {Kind::Option, "optNoun", 1, "dogs", "fraNoun", {120, 480, 1335, 255}},
        {Kind::Option, "optNoun", 2, "image", "fraNoun", {120, 720, 1335, 255}},
        {Kind::Option, "optNoun", 3, "images", "fraNoun", {120, 960, 1335, 255}},
        {Kind::Option, "optNoun", 4, "hand", "fraNoun", {120, 1200, 1335, 255}},
        {Kind::Option, "optNoun", 5, "hands", "fraNoun", {120, 1440, 1335, 255}},
        {Kind::Option, "optNoun", 6, "tool", "fraNoun", {120, 1680, 1335, 255}},
        {Kind::Option, "optNoun", 7, "tools", "fraNoun", {120, 1920, 1215, 255}},
        {Kind::Frame, "Frame7", -1, QT_TRANSLATE_NOOP("frmNP", "Proper Noun"), nullptr, {240, 5280, 2655, 615}, frameTitle},
        {Kind::Option, "optPN", -1, "John", "Frame7", {120, 240, 975, 255}},
        {Kind::Button, "cmdExit", -1, QT_TRANSLATE_NOOP("frmNP", "Return"), nullptr, {8040, 6000, 1095, 375}},
    },
};

enum WordGroup : unsigned { Art, CPN, PPN, PPA, Adv, Adj, Noun, PN };

static const std::array<std::pair<WordGroup, const char *>, 8> groupNames{{
    {Art, "optArt"}, {CPN, "optCPN"}, {PPN, "optPPN"}, {PPA, "optPPA"},
    {Adv, "optAdv"}, {Adj, "optAdj"}, {Noun, "optNoun"}, {PN, "optPN"},
}};

// The groups are the grammar's slots of a noun phrase, in the same order.
static grammar::NounPhraseSlot slotOf(WordGroup g)
{
    static_assert(unsigned(grammar::NounPhraseSlot::ProperNoun) == PN);
    return grammar::NounPhraseSlot(g);
}

static const char *nameOf(WordGroup g)
{
    return groupNames.at(g).second;
}

frmNP::frmNP(SentenceState &state, QWidget *parent)
    : Form(state, design, parent)
{
    lblNP = control<QLabel>("lblNP");
    optPN = control<QAbstractButton>("optPN");
    cmdExit = control<QPushButton>("cmdExit");
    connect(group("optArt"), &QButtonGroup::idClicked, this, &frmNP::optArt_Click);
    connect(group("optCPN"), &QButtonGroup::idClicked, this, &frmNP::optCPN_Click);
    connect(group("optPPN"), &QButtonGroup::idClicked, this, &frmNP::optPPN_Click);
    connect(group("optPPA"), &QButtonGroup::idClicked, this, &frmNP::optPPA_Click);
    connect(group("optAdv"), &QButtonGroup::idClicked, this, &frmNP::optAdv_Click);
    connect(group("optAdj"), &QButtonGroup::idClicked, this, &frmNP::optAdj_Click);
    connect(group("optNoun"), &QButtonGroup::idClicked, this, &frmNP::optNoun_Click);
    connect(optPN, &QAbstractButton::clicked, this, &frmNP::optPN_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmNP::cmdExit_Click);
    Form_Load();
}

void frmNP::Form_Load()
{
    st.xnumb = 0;
    st.xpers = 0;
    for (const auto &[g, name] : groupNames)
        clear(g);
    // Nothing may come before a determiner: the determiners and the proper noun start.
    offer();
    showCompleteness(lblNP, false);
}

void frmNP::optArt_Click(int Index) { click(Art, Index); }
void frmNP::optCPN_Click(int Index) { click(CPN, Index); }
void frmNP::optPPN_Click(int Index) { click(PPN, Index); }
void frmNP::optPPA_Click(int Index) { click(PPA, Index); }
void frmNP::optAdv_Click(int Index) { click(Adv, Index); }
void frmNP::optAdj_Click(int Index) { click(Adj, Index); }
void frmNP::optNoun_Click(int Index) { click(Noun, Index); }
void frmNP::optPN_Click() { click(PN, 0); }

// The words chosen so far, told to the grammar in the order of the phrase: a word can drop
// only what comes after it or competes with it, and nothing chosen does.
static grammar::NounPhraseChoices choicesOf(const std::function<QString(WordGroup)> &chosenWord)
{
    grammar::NounPhraseChoices choices;
    for (const auto &[g, name] : groupNames) {
        const QString word = chosenWord(g);
        if (!word.isEmpty())
            choices.choose(slotOf(g), word);
    }
    return choices;
}

void frmNP::click(WordGroup clicked, int Index)
{
    grammar::NounPhraseChoices choices = choicesOf([this](WordGroup g) { return chosenWord(g); });
    choices.choose(slotOf(clicked), option(nameOf(clicked), Index)->text());
    if (qint16 *chosen = selection(clicked))
        *chosen = qint16(Index);
    // Only a noun or the proper noun completes the phrase and makes it third person; any
    // other click leaves the person as it was.
    st.xnumb = qint16(choices.number());
    if (st.xnumb > 0)
        st.xpers = 3;
    for (const auto &[g, name] : groupNames) {
        if (choices.chosen(slotOf(g)).isEmpty())
            clear(g);
    }
    offer();

    cmdExit->setFocus();
    BuildNounPhrase();
    st.record.setDraftSubject(grammar::nounPhrase(chosenWords()));
}

void frmNP::clear(WordGroup g)
{
    clearSelection(group(nameOf(g)));
    if (qint16 *chosen = selection(g))
        *chosen = 999;
}

QString frmNP::chosenWord(WordGroup g)
{
    if (g == PN)
        return optPN->isChecked() ? optPN->text() : QString();
    const qint16 index = *selection(g);
    return index == 999 ? QString() : option(nameOf(g), index)->text();
}

void frmNP::offer()
{
    const grammar::NounPhraseChoices choices = choicesOf([this](WordGroup g) { return chosenWord(g); });
    for (const auto &[g, name] : groupNames) {
        const auto members = group(name)->buttons();
        for (QAbstractButton *b : members) {
            const QString refusal = choices.refusal(slotOf(g), b->text());
            b->setEnabled(refusal.isEmpty());
            b->setToolTip(refusal);
        }
    }
}

qint16 *frmNP::selection(WordGroup g)
{
    switch (g) {
    case Art: return &iart;
    case CPN: return &icpn;
    case PPN: return &ippn;
    case PPA: return &ippa;
    case Adv: return &iadv;
    case Adj: return &iadj;
    case Noun: return &inoun;
    case PN: return nullptr;
    }
    return nullptr;
}

// The captions of the chosen buttons in the order the phrase says them, as the label joins
// them: the record builds the phrase's structure from these, not from the label.
QStringList frmNP::chosenWords() const
{
    const std::pair<const char *, qint16> chosen[] = {
        {"optArt", iart}, {"optCPN", icpn}, {"optPPN", ippn}, {"optPPA", ippa},
        {"optAdv", iadv}, {"optAdj", iadj}, {"optNoun", inoun}};
    QStringList words;
    for (const auto &[groupName, index] : chosen) {
        if (index != 999)
            words << option(groupName, index)->text();
    }
    if (optPN->isChecked())
        words << optPN->text();
    return words;
}

// The label is its own working buffer: each word is appended to what it already shows.
void frmNP::appendWord(const char *groupName, qint16 index, const QString &separator)
{
    if (index != 999)
        lblNP->setText(lblNP->text() + separator + option(groupName, index)->text());
}

// A determiner always begins the phrase and at most one is chosen, so the determiners are
// joined without a blank; every later word follows one.
void frmNP::BuildNounPhrase()
{
    const QString none;
    const QString blank(QLatin1Char(' '));
    lblNP->clear();
    showCompleteness(lblNP, false);
    appendWord("optArt", iart, none);
    appendWord("optCPN", icpn, blank);
    appendWord("optPPN", ippn, none);
    appendWord("optPPA", ippa, none);
    appendWord("optAdv", iadv, blank);
    appendWord("optAdj", iadj, blank);
    if (inoun != 999) {
        appendWord("optNoun", inoun, blank);
        showCompleteness(lblNP, true);
    }
    if (optPN->isChecked()) {
        lblNP->setText(lblNP->text() + optPN->text());
        showCompleteness(lblNP, true);
    }
}

void frmNP::cmdExit_Click()
{
    if (st.xnumb <= 0) {
        QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                        tr("Error - A noun was not selected"), QMessageBox::Ok, this);
        box.exec();
    }
    accept();
}

void frmNP::Form_Unload()
{
    st.xsubj.clear();
    if (st.xnumb > 0)
        st.xsubj = lblNP->text();
}

} // namespace parsella

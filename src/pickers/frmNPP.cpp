#include "pickers/frmNPP.h"

#include "grammar/Phrases.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <array>

namespace parsella {

static const Look pronounFont{9.75, Serif};

static const WindowDesign design{
    "frmNPP", QT_TRANSLATE_NOOP("frmNPP", "Nominative Personal Pronoun"), 6690, 4140, true, {8.25, Serif},
    {
        {Kind::Label, "lblNPP", -1, "", nullptr, {1200, 360, 3375, 375}, display, Shown, -1, QT_TRANSLATE_NOOP("frmNPP", "Pronoun")},
        {Kind::Label, "Label1", 0, QT_TRANSLATE_NOOP("frmNPP", "-- Singular --"), nullptr, {3120, 1080, 1815, 255}, {8.25, Centred}},
        {Kind::Option, "optNPP", 0, "I", nullptr, {720, 1320, 1455, 255}, pronounFont, Shown, 0},
        {Kind::Label, "Label1", 1, QT_TRANSLATE_NOOP("frmNPP", "First Person"), nullptr, {3360, 1320, 1815, 255}},
        {Kind::Option, "optNPP", 1, "you", nullptr, {720, 1560, 1455, 255}, pronounFont, Shown, 1},
        {Kind::Label, "Label1", 2, QT_TRANSLATE_NOOP("frmNPP", "Second Person"), nullptr, {3360, 1560, 1815, 255}},
        {Kind::Option, "optNPP", 2, "he", nullptr, {720, 1800, 615, 255}, pronounFont, Shown, 2},
        {Kind::Option, "optNPP", 3, "she", nullptr, {1320, 1800, 735, 255}, pronounFont, Shown, 3},
        {Kind::Option, "optNPP", 4, "it", nullptr, {1920, 1800, 855, 255}, pronounFont, Shown, 4},
        {Kind::Label, "Label1", 3, QT_TRANSLATE_NOOP("frmNPP", "Third Person"), nullptr, {3360, 1800, 1815, 255}},
        {Kind::Label, "Label2", -1, QT_TRANSLATE_NOOP("frmNPP", "-- Plural --"), nullptr, {3120, 2400, 1575, 255}, {8.25, Centred}},
        {Kind::Option, "optNPP", 5, "we", nullptr, {720, 2640, 1455, 255}, pronounFont, Shown, 5},
        {Kind::Label, "Label1", 4, QT_TRANSLATE_NOOP("frmNPP", "First Person"), nullptr, {3360, 2640, 1815, 255}},
        {Kind::Option, "optNPP", 6, "you", nullptr, {720, 2880, 1455, 255}, pronounFont, Shown, 6},
        {Kind::Label, "Label1", 5, QT_TRANSLATE_NOOP("frmNPP", "Second Person"), nullptr, {3360, 2880, 1815, 255}},
        {Kind::Option, "optNPP", 7, "they", nullptr, {720, 3120, 1455, 255}, pronounFont, Shown, 7},
        {Kind::Label, "Label1", 6, QT_TRANSLATE_NOOP("frmNPP", "Third Person"), nullptr, {3360, 3120, 1815, 255}},
        {Kind::Button, "cmdExit", -1, QT_TRANSLATE_NOOP("frmNPP", "Return"), nullptr, {5400, 3720, 1095, 375}, plain, Shown, 8},
    },
};

// Person, number and the headings that describe each pronoun. Both "you" light up both
// second-person rows, since the form does not tell singular from plural.
struct Pronoun {
    qint16 xpers;
    qint16 xnumb;
    std::vector<const char *> highlighted;
};

static const std::array<Pronoun, 8> pronouns{{
    /* I    */ {1, 1, {"Label1(0)", "Label1(1)"}},
    /* you  */ {2, 1, {"Label1(0)", "Label1(2)", "Label2", "Label1(5)"}},
    /* he   */ {3, 1, {"Label1(0)", "Label1(3)"}},
    /* she  */ {3, 1, {"Label1(0)", "Label1(3)"}},
    /* it   */ {3, 1, {"Label1(0)", "Label1(3)"}},
    /* we   */ {1, 2, {"Label2", "Label1(4)"}},
    /* you  */ {2, 2, {"Label2", "Label1(5)", "Label1(0)", "Label1(2)"}},
    /* they */ {3, 2, {"Label2", "Label1(6)"}},
}};

static const std::array<const char *, 8> headings{
    "Label2", "Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)", "Label1(5)", "Label1(6)"};

frmNPP::frmNPP(SentenceState &state, QWidget *parent)
    : Form(state, design, parent)
{
    lblNPP = control<QLabel>("lblNPP");
    cmdExit = control<QPushButton>("cmdExit");
    connect(group("optNPP"), &QButtonGroup::idClicked, this, &frmNPP::optNPP_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmNPP::cmdExit_Click);
    Form_Load();
}

void frmNPP::Form_Load()
{
    // A subject counts only if a pronoun is clicked during this opening.
    st.xnumb = 0;
}

void frmNPP::optNPP_Click(int Index)
{
    for (const char *heading : headings)
        setTextColour(control(heading), colour::black);

    const Pronoun &p = pronouns.at(size_t(Index));
    st.xpers = p.xpers;
    st.xnumb = p.xnumb;
    for (const char *heading : p.highlighted)
        setTextColour(control(heading), colour::blue);

    const QString pronoun = option("optNPP", Index)->text();
    lblNPP->setText(pronoun);
    st.record.setDraftSubject(grammar::nounPhrase({pronoun}));
}

void frmNPP::cmdExit_Click()
{
    accept();
}

void frmNPP::Form_Unload()
{
    st.xsubj = lblNPP->text();
}

} // namespace parsella

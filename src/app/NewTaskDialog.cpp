#include "app/NewTaskDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace parsella {

NewTaskDialog::NewTaskDialog(const grammar::Sentence &built, QWidget *parent)
    : QDialog(parent), sentence(built), features(grammar::askOf(built))
{
    setObjectName(QStringLiteral("NewTaskDialog"));
    setWindowTitle(tr("New Task from Sentence"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("Ask for a sentence like “%1”, with the features ticked:").arg(sentence.written()), this);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    // Each feature with this sentence's value in a teacher's words.
    const std::pair<const char *, const char *> captions[] = {{"type", QT_TR_NOOP("&Type: %1")},
        {"tense", QT_TR_NOOP("T&ense: %1")}, {"number", QT_TR_NOOP("&Number: %1")}, {"person", QT_TR_NOOP("&Person: %1")},
        {"subject", QT_TR_NOOP("&Subject: %1")}, {"complement", QT_TR_NOOP("&Complement: %1")}};
    for (int i = 0; i < int(std::size(grammar::allFeatures)); ++i) {
        const QString words = grammar::featureWords(features, grammar::allFeatures[i]);
        if (words.isEmpty())
            continue;
        auto *box = new QCheckBox(tr(captions[i].second).arg(words), this);
        box->setObjectName(QLatin1String(captions[i].first));
        box->setProperty("feature", i);
        // Only the type at first: every feature at once makes a wordy prompt, and the teacher
        // ticks what the lesson is about.
        box->setChecked(grammar::allFeatures[i] == grammar::Feature::Type);
        connect(box, &QCheckBox::toggled, this, &NewTaskDialog::update);
        layout->addWidget(box);
        boxes << box;
    }
    exact = new QCheckBox(tr("This e&xact sentence"), this);
    exact->setObjectName(QStringLiteral("exact"));
    connect(exact, &QCheckBox::toggled, this, &NewTaskDialog::update);
    layout->addWidget(exact);

    auto *previewCaption = new QLabel(tr("The learner reads:"), this);
    layout->addWidget(previewCaption);
    preview = new QLabel(this);
    preview->setObjectName(QStringLiteral("promptPreview"));
    preview->setWordWrap(true);
    preview->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    preview->setFrameShape(QFrame::StyledPanel);
    preview->setMargin(4);
    layout->addWidget(preview);
    auto *ownCaption = new QLabel(tr("Your &own prompt (optional):"), this);
    ownPrompt = new QLineEdit(this);
    ownPrompt->setObjectName(QStringLiteral("ownPrompt"));
    ownPrompt->setMaxLength(grammar::maxPromptLength);
    ownCaption->setBuddy(ownPrompt);
    connect(ownPrompt, &QLineEdit::textChanged, this, &NewTaskDialog::update);
    layout->addWidget(ownCaption);
    layout->addWidget(ownPrompt);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    update();
    setMinimumWidth(420);
}

std::optional<grammar::Ask> NewTaskDialog::ask() const
{
    grammar::Ask ticked;
    if (exact->isChecked()) {
        ticked.type = features.type;
        ticked.brackets = sentence.brackets();
        ticked.exact = sentence;
    } else {
        // Any choice of a finished sentence's own features is one it meets, so none contradicts.
        ticked = features;
        for (const QCheckBox *box : boxes) {
            if (!box->isChecked())
                grammar::dropFeature(ticked, grammar::allFeatures[box->property("feature").toInt()]);
        }
    }
    if (ticked.isEmpty())
        return std::nullopt;
    return ticked;
}

grammar::Task NewTaskDialog::task() const
{
    grammar::Task made;
    made.ask = ask().value_or(grammar::Ask{});
    made.prompt = ownPrompt->text().simplified();
    return made;
}

void NewTaskDialog::update()
{
    // The exact sentence has every feature already.
    for (QCheckBox *box : boxes)
        box->setEnabled(!exact->isChecked());
    const std::optional<grammar::Ask> made = ask();
    const QString own = ownPrompt->text().simplified();
    preview->setText(!made ? tr("Tick at least one feature.") : own.isEmpty() ? grammar::promptOf(*made) : own);
    preview->setAccessibleName(tr("Prompt"));
    preview->setAccessibleDescription(preview->text());
    buttons->button(QDialogButtonBox::Ok)->setEnabled(made.has_value());
}

} // namespace parsella

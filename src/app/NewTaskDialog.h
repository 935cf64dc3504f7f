#pragma once

#include "grammar/Task.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace parsella {

// Tasks ▸ New Task from Sentence…: a teacher makes a task by building a sentence that meets
// it. The sentence's features are offered as check boxes, or the sentence itself; the prompt
// the ticks make is shown as they change, and the teacher may write their own instead.
class NewTaskDialog : public QDialog
{
    Q_OBJECT
public:
    explicit NewTaskDialog(const grammar::Sentence &sentence, QWidget *parent = nullptr);

    // The task the ticks make, with the teacher's prompt if one was written.
    grammar::Task task() const;

private:
    std::optional<grammar::Ask> ask() const;
    void update();

    grammar::Sentence sentence;
    grammar::Ask features; // every feature of the sentence
    QList<QCheckBox *> boxes;
    QCheckBox *exact;
    QLabel *preview;
    QLineEdit *ownPrompt;
    QDialogButtonBox *buttons;
};

} // namespace parsella

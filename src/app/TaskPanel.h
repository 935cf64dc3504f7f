#pragma once

#include "grammar/Sentence.h"

#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QListWidget;
class QMenuBar;

namespace parsella {

class WorksheetDocument;

// The worksheet's tasks, above its list of sentences: one list entry per task with its number,
// prompt and state; the current task's prompt, which stays in view while the sentence windows
// are open; and the feedback on the last sentence checked. Shown only when the document has
// tasks. Its menu makes tasks from a finished sentence, removes and reorders them.
class TaskPanel : public QWidget
{
    Q_OBJECT
public:
    // `chosenSentence` gives the finished sentence a new task is made from.
    TaskPanel(WorksheetDocument &document, std::function<std::optional<grammar::Sentence>()> chosenSentence,
              QWidget *parent = nullptr);

    // Adds the Tasks menu.
    void addMenu(QMenuBar *bar);
    // Opens Tasks ▸ New Task from Sentence… on the chosen sentence; false if there is none
    // or the teacher cancelled.
    bool newTaskFromSentence();

    // Shows what a sentence was told of its task (`met` if it met it); empty to show nothing.
    void showFeedback(const QString &text, bool met);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refill();
    void showCurrent(int index);
    std::optional<int> selected() const;

    WorksheetDocument &doc;
    std::function<std::optional<grammar::Sentence>()> chosen;
    QListWidget *list;
    QLabel *current;
    QLabel *feedback;
    QAction *newAction = nullptr;
    QAction *removeAction = nullptr;
    QAction *upAction = nullptr;
    QAction *downAction = nullptr;
    QAction *noneAction = nullptr;
    int wantedListHeight = 0; // the list's height with room for the sheet's first few tasks
};

} // namespace parsella

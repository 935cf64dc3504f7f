#include "app/TaskPanel.h"

#include "app/NewTaskDialog.h"
#include "app/WorksheetDocument.h"
#include "grammar/Results.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace parsella {

namespace {

// A screen reader is told when a label it may be reading says something new.
void announce(QLabel *label)
{
    label->setAccessibleDescription(label->text());
    QAccessibleEvent event(label, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace

TaskPanel::TaskPanel(WorksheetDocument &document, std::function<std::optional<grammar::Sentence>()> chosenSentence,
                     QWidget *parent)
    : QWidget(parent), doc(document), chosen(std::move(chosenSentence))
{
    setObjectName(QStringLiteral("taskPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *caption = new QLabel(tr("&Tasks — choose one to work on"), this);
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("tasks"));
    list->setAccessibleName(tr("Tasks"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setWordWrap(true);
    caption->setBuddy(list);
    current = new QLabel(this);
    current->setObjectName(QStringLiteral("currentTask"));
    current->setAccessibleName(tr("Current task"));
    current->setWordWrap(true);
    current->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont bold = current->font();
    bold.setBold(true);
    current->setFont(bold);
    feedback = new QLabel(this);
    feedback->setObjectName(QStringLiteral("taskFeedback"));
    feedback->setAccessibleName(tr("Task feedback"));
    feedback->setWordWrap(true);
    feedback->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    feedback->hide(); // until there is something to tell
    layout->addWidget(caption);
    layout->addWidget(list, 1);
    layout->addWidget(current);
    layout->addWidget(feedback);

    connect(list, &QListWidget::itemSelectionChanged, this, [this] { doc.setCurrentTask(selected().value_or(-1)); });
    connect(&doc, &WorksheetDocument::changed, this, &TaskPanel::refill);
    connect(&doc, &WorksheetDocument::currentTaskChanged, this, &TaskPanel::showCurrent);
    connect(&doc, &WorksheetDocument::answered, this, [this](int index, const QStringList &lacks, bool doneBefore) {
        showFeedback(grammar::answerNote(index, lacks, doneBefore), lacks.isEmpty());
    });
    refill();
}

void TaskPanel::addMenu(QMenuBar *bar)
{
    QMenu *menu = bar->addMenu(tr("Tas&ks"));
    menu->setObjectName(QStringLiteral("tasksMenu"));
    newAction = menu->addAction(tr("&New Task from Sentence…"));
    newAction->setObjectName(QStringLiteral("newTask"));
    connect(newAction, &QAction::triggered, this, &TaskPanel::newTaskFromSentence);
    menu->addSeparator();
    removeAction = menu->addAction(tr("&Remove Task"));
    removeAction->setObjectName(QStringLiteral("removeTask"));
    connect(removeAction, &QAction::triggered, this, [this] {
        if (const std::optional<int> row = selected())
            doc.removeTask(*row);
    });
    upAction = menu->addAction(tr("Move Task &Up"));
    upAction->setObjectName(QStringLiteral("moveTaskUp"));
    connect(upAction, &QAction::triggered, this, [this] {
        if (const std::optional<int> row = selected())
            doc.moveTask(*row, *row - 1);
    });
    downAction = menu->addAction(tr("Move Task &Down"));
    downAction->setObjectName(QStringLiteral("moveTaskDown"));
    connect(downAction, &QAction::triggered, this, [this] {
        if (const std::optional<int> row = selected())
            doc.moveTask(*row, *row + 1);
    });
    menu->addSeparator();
    noneAction = menu->addAction(tr("&Work Without a Task"));
    noneAction->setObjectName(QStringLiteral("noTask"));
    connect(noneAction, &QAction::triggered, this, [this] { list->clearSelection(); });
    connect(menu, &QMenu::aboutToShow, this, [this] {
        const std::optional<int> row = selected();
        newAction->setEnabled(chosen().has_value());
        removeAction->setEnabled(row.has_value());
        upAction->setEnabled(row && *row > 0);
        downAction->setEnabled(row && *row + 1 < list->count());
        noneAction->setEnabled(row.has_value());
    });
}

bool TaskPanel::newTaskFromSentence()
{
    const std::optional<grammar::Sentence> sentence = chosen();
    if (!sentence)
        return false;
    NewTaskDialog dialog(*sentence, window());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    doc.addTask(dialog.task());
    return true;
}

std::optional<int> TaskPanel::selected() const
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return list->row(items.first());
}

// The list is written afresh after every change: a try, a removal or a move changes entries.
// The entries and the current task are composed with arguments, so another language writes
// them again.
void TaskPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refill();
    QWidget::changeEvent(event);
}

void TaskPanel::refill()
{
    const QList<grammar::Task> &tasks = doc.tasks();
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (int i = 0; i < tasks.size(); ++i)
            list->addItem(grammar::taskEntry(i, tasks.at(i)));
        if (doc.currentTask() >= 0 && doc.currentTask() < list->count())
            list->setCurrentRow(doc.currentTask());
    }
    // Room for two lines an entry, as a prompt wraps in a narrow window, up to six lines, where
    // the window has the height; at the least two lines, and a longer sheet scrolls. The
    // entries' own sizes are not known before the window is shown.
    const int lines = std::clamp(int(list->count()) * 2, 2, 6);
    const int frame = 2 * list->frameWidth() + 4;
    list->setMinimumHeight(list->fontMetrics().lineSpacing() * 2 + frame);
    wantedListHeight = list->fontMetrics().lineSpacing() * lines + frame;
    updateGeometry();
    setVisible(!tasks.isEmpty());
    showCurrent(doc.currentTask());
}

void TaskPanel::showCurrent(int index)
{
    const QList<grammar::Task> &tasks = doc.tasks();
    if (index >= 0 && index < tasks.size()) {
        current->setText(tr("Task %1: %2").arg(index + 1).arg(tasks.at(index).shownPrompt()));
        // The task's standing as its sentences show it, so that a reopened worksheet tells
        // the learner again where the task stands.
        const grammar::TaskResult result = grammar::resultsOf(doc.content()).at(index);
        if (result.answers > 0)
            showFeedback(result.done ? grammar::answerNote(index, {}, false)
                                     : grammar::answerNote(index, {result.feedback}, false),
                         result.done);
        else
            showFeedback(QString(), true);
        if (selected() != index) {
            const QSignalBlocker quiet(list);
            list->setCurrentRow(index);
        }
    } else {
        current->setText(tr("No task chosen: sentences are only listed."));
        showFeedback(QString(), true);
        const QSignalBlocker quiet(list);
        list->clearSelection();
    }
    announce(current);
}

void TaskPanel::showFeedback(const QString &text, bool met)
{
    if (text == feedback->text())
        return;
    QPalette colours = feedback->palette();
    colours.setColor(QPalette::WindowText, met ? QColor(0x00, 0x64, 0x00) : QColor(0x9c, 0x00, 0x00));
    feedback->setPalette(colours);
    feedback->setText(text);
    feedback->setVisible(!text.isEmpty());
    announce(feedback);
}

// A splitter gives its panes no height for their width: the wrapped prompt and feedback are
// measured at the panel's own width here, so that they never run over the list.
QSize TaskPanel::minimumSizeHint() const
{
    QSize hint = QWidget::minimumSizeHint();
    if (layout()->hasHeightForWidth())
        hint.setHeight(std::max(hint.height(), layout()->minimumHeightForWidth(width())));
    return hint;
}

QSize TaskPanel::sizeHint() const
{
    const QSize least = minimumSizeHint();
    return QSize(least.width(), least.height() + std::max(0, wantedListHeight - list->minimumHeight()));
}

void TaskPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        updateGeometry();
}

} // namespace parsella

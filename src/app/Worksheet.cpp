#include "app/Worksheet.h"

#include "app/OutputModule.h"
#include "app/TaskPanel.h"
#include "app/TaskSheetPrint.h"
#include "app/TreeView.h"
#include "core/Language.h"
#include "app/WorksheetDocument.h"
#include "core/FormTable.h"
#include "core/Placement.h"
#include "grammar/Results.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace parsella {

using grammar::Sentence;

namespace {

// The ending a file filter names, without its dot: "parsella" of "Parsella worksheet
// (*.parsella)"; empty if it names none or a pattern.
QString filterEnding(const QString &filter)
{
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    const qsizetype end = filter.indexOf(QLatin1Char(')'), star);
    if (star < 0 || end < 0)
        return {};
    const QString ending = filter.mid(star + 2, end - star - 2);
    return ending.contains(QLatin1Char('*')) || ending.contains(QLatin1Char(' ')) ? QString() : ending;
}

} // namespace

QString WorksheetDialogs::saveFileName(QWidget *parent, const QString &title, const QString &suggested, const QString &filters,
                                       QString *selectedFilter)
{
    // The dialog adds the filter's ending itself, before it asks whether to replace a file of
    // that name: added afterwards, "sheet" typed by a learner would replace sheet.parsella
    // without a question.
    QFileDialog dialog(parent, title, suggested, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(filterEnding(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &filter) { dialog.setDefaultSuffix(filterEnding(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (selectedFilter)
        *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

bool WorksheetDialogs::choosePrinter(QWidget *parent, QPrinter &printer)
{
    OutputModule *output = outputModule(nullptr);
    return output && output->choosePrinter(parent, printer);
}

void WorksheetDialogs::tellFailure(QWidget *parent, const QString &title, const QString &message)
{
    QMessageBox::warning(parent, title, message);
}

QString WorksheetDialogs::openFileName(QWidget *parent, const QString &title, const QString &folder, const QString &filters)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filters);
}

QMessageBox::StandardButton WorksheetDialogs::askSave(QWidget *parent, const QString &documentName)
{
    // A learner who never opened the Worksheet knows no worksheet, only the sentences built.
    const QString question = documentName.isEmpty()
        ? QObject::tr("Save your finished sentences before they are dropped?\n\nThey are not saved in a file yet.")
        : QObject::tr("The worksheet \u201c%1\u201d has changes that are not saved.\n\n"
                      "Save them before they are dropped?").arg(documentName);
    return QMessageBox::question(parent, QObject::tr("Worksheet"), question,
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
}

namespace {

// Where `window`'s frame is, or will be: one shown at start-up and not yet placed (no frame
// known, never moved) is about to be centred on its screen by the window manager.
QRect shownFrame(const QWidget *window)
{
    QRect shown = window->frameGeometry();
    if (shown == window->geometry() && !window->testAttribute(Qt::WA_Moved))
        shown.moveCenter(window->screen()->availableGeometry().center());
    return shown;
}

} // namespace

bool WorksheetDialogs::askRestore(QWidget *parent, const QString &what)
{
    QMessageBox box(QMessageBox::Question, QObject::tr("Restore Worksheet"),
                    QObject::tr("Parsella was not closed properly last time, and a worksheet with changes that "
                                "were not saved was kept: %1.\n\nRestore it?").arg(what),
                    QMessageBox::NoButton, parent);
    QPushButton *restore = box.addButton(QObject::tr("&Restore"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Discard);
    box.setDefaultButton(restore);
    // Asked at start-up, before the main window has its place: centred where it will be, not
    // in the corner where the unplaced window sits for now.
    // The box knows its own size only once shown.
    if (parent)
        QTimer::singleShot(0, &box, [&box, parent] {
            QRect place = box.frameGeometry();
            const QRect screen = parent->window()->screen()->availableGeometry();
            place.moveCenter(shownFrame(parent->window()).center());
            // Title bar and buttons stay on the screen.
            place.moveLeft(std::clamp(place.left(), screen.left(), std::max(screen.left(), screen.right() - place.width())));
            place.moveTop(std::clamp(place.top(), screen.top(), std::max(screen.top(), screen.bottom() - place.height())));
            box.move(place.topLeft());
        });
    box.exec();
    return box.clickedButton() == restore;
}

namespace {

QString entryText(int row, const Sentence &s)
{
    return grammar::sentenceEntry(row, s);
}

const char *const fileFilter = QT_TRANSLATE_NOOP("parsella::Worksheet", "Parsella worksheet (*.parsella)");
const QString recentKey = QStringLiteral("worksheet/recentFiles");
constexpr int recentCount = 8;

// Printed pages keep this far from the paper's edges (millimetres), where printers clip.
constexpr qreal printMargin = 15;

// The folder the learner saved into last, remembered between runs; the home folder at first.
QString lastFolder()
{
    const QString folder = QSettings().value(QStringLiteral("worksheet/lastFolder")).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void rememberFolder(const QString &savedPath)
{
    QSettings().setValue(QStringLiteral("worksheet/lastFolder"), QFileInfo(savedPath).absolutePath());
}

// A name typed without an extension takes the one of the filter chosen ("SVG picture (*.svg)").
QString withExtension(const QString &path, const QString &filter)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    const QString ending = filterEnding(filter);
    return ending.isEmpty() ? path : path + QLatin1Char('.') + ending;
}

} // namespace

Worksheet::Worksheet(WorksheetDocument &document, grammar::SentenceRecord &record, QWidget *parent)
    : QMainWindow(parent), rec(record), doc(document)
{
    build();
}

Worksheet::Worksheet(grammar::SentenceRecord &record, QWidget *parent)
    : QMainWindow(parent), rec(record), ownDocument(std::make_unique<WorksheetDocument>(record)), doc(*ownDocument)
{
    build();
}

Worksheet::~Worksheet() = default;

void Worksheet::build()
{
    setObjectName(QStringLiteral("Worksheet"));

    auto *client = new QWidget(this);
    setCentralWidget(client);
    auto *layout = new QVBoxLayout(client);
    auto *splitter = panes = new QSplitter(Qt::Vertical, client);
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter);

    auto *top = new QWidget(splitter);
    auto *topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    treeCaption = new QLabel(top);
    tree = new TreeView;
    scroll = new QScrollArea(top);
    scroll->setObjectName(QStringLiteral("treeArea"));
    scroll->setWidget(tree);
    // The view fills the area and fits the tree to it; zoomed past it, the area scrolls.
    scroll->setWidgetResizable(true);
    scroll->viewport()->installEventFilter(tree);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setBackgroundRole(QPalette::Base);
    // The scroll area takes the focus (its arrow keys scroll a large tree), so it says what
    // the tree says.
    scroll->setAccessibleName(tree->accessibleName());
    treeCaption->setBuddy(scroll);
    topLayout->addWidget(treeCaption);
    topLayout->addWidget(scroll, 1);

    auto *bottom = bottomPane = new QWidget(splitter);
    auto *bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    auto *learnerRow = new QHBoxLayout;
    auto *learnerCaption = new QLabel(tr("&Learner:"), bottom);
    learner = new QLineEdit(doc.learner(), bottom);
    learner->setObjectName(QStringLiteral("learner"));
    learner->setAccessibleName(tr("Learner"));
    learner->setPlaceholderText(tr("optional"));
    learner->setMaxLength(grammar::maxLearnerLength);
    // The line edit's own undo would compete with the document's.
    learner->installEventFilter(this);
    learnerCaption->setBuddy(learner);
    learnerRow->addWidget(learnerCaption);
    learnerRow->addWidget(learner, 1);
    bottomLayout->addLayout(learnerRow);
    listCaption = new QLabel(bottom);
    list = new QListWidget(bottom);
    list->setObjectName(QStringLiteral("sentences"));
    list->setAccessibleName(tr("Finished sentences"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every entry is one line: the list need not measure a thousand of them one by one.
    list->setUniformItemSizes(true);
    // Three entries are enough to pick from on a small screen; a longer list scrolls.
    list->setMinimumHeight(list->fontMetrics().lineSpacing() * 3 + 2 * list->frameWidth()
                           + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    listCaption->setBuddy(list);
    bottomLayout->addWidget(listCaption);
    bottomLayout->addWidget(list, 1);
    // A sheet's tasks stand between the tree and the sentences, in view while the learner works.
    taskPanel = new TaskPanel(doc, [this] { return target(); }, splitter);
    splitter->insertWidget(1, taskPanel);
    // The tree gets most of the height; a few lines of the list are enough to pick from.
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setStretchFactor(2, 1);
    splitter->setSizes({3000, 1200, 1000});

    auto addAction = [this](QMenu *menu, const char *name, const QString &text, const QKeySequence &keys,
                            void (Worksheet::*handler)()) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu *file = menuBar()->addMenu(tr("&File"));
    addAction(file, "newDocument", tr("&New"), QKeySequence::New, &Worksheet::newDocument);
    QAction *openAction = file->addAction(tr("&Open…"));
    openAction->setObjectName(QStringLiteral("open"));
    openAction->setShortcut(QKeySequence::Open);
    connect(openAction, &QAction::triggered, this, &Worksheet::open);
    recentMenu = file->addMenu(tr("Open &Recent"));
    recentMenu->setObjectName(QStringLiteral("openRecent"));
    connect(recentMenu, &QMenu::aboutToShow, this, &Worksheet::fillRecent);
    QAction *saveAction = file->addAction(tr("&Save"));
    saveAction->setObjectName(QStringLiteral("save"));
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, &Worksheet::save);
    QAction *saveAsAction = file->addAction(tr("Save &As…"));
    saveAsAction->setObjectName(QStringLiteral("saveAs"));
    saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAsAction, &QAction::triggered, this, &Worksheet::saveAs);
    QMenu *exportMenu = file->addMenu(tr("&Export"));
    savePictureAction = addAction(exportMenu, "savePicture", tr("&Picture…"), QKeySequence(), &Worksheet::savePicture);
    exportTextAction = addAction(exportMenu, "exportText", tr("&Text…"), QKeySequence(), &Worksheet::exportText);
    printAction = addAction(file, "print", tr("&Print…"), QKeySequence::Print, &Worksheet::print);
    file->addSeparator();
    QAction *closeAction = file->addAction(tr("&Close"));
    closeAction->setShortcut(QKeySequence::Close);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    // Actions of our own rather than the stack's: those keep the prefix they were made with,
    // so they would go on naming the command in the language the window opened in.
    QUndoStack &stack = doc.undoStack();
    undoAction = edit->addAction(QString(), &stack, &QUndoStack::undo);
    undoAction->setObjectName(QStringLiteral("undo"));
    undoAction->setShortcut(QKeySequence::Undo);
    redoAction = edit->addAction(QString(), &stack, &QUndoStack::redo);
    redoAction->setObjectName(QStringLiteral("redo"));
    redoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(&stack, &QUndoStack::indexChanged, this, &Worksheet::nameUndoRedo);
    connect(&stack, &QUndoStack::undoTextChanged, this, &Worksheet::nameUndoRedo);
    connect(&stack, &QUndoStack::redoTextChanged, this, &Worksheet::nameUndoRedo);
    nameUndoRedo();
    edit->addSeparator();
    copyAction = addAction(edit, "copy", tr("&Copy"), QKeySequence::Copy, &Worksheet::copy);
    copyBracketsAction = addAction(edit, "copyBrackets", tr("Copy as &Brackets"),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &Worksheet::copyBrackets);
    edit->addSeparator();
    removeAction = addAction(edit, "remove", tr("Re&move"), QKeySequence::Delete, &Worksheet::removeSelected);
    moveUpAction = edit->addAction(tr("Move &Up"));
    moveUpAction->setObjectName(QStringLiteral("moveUp"));
    moveUpAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    connect(moveUpAction, &QAction::triggered, this, [this] { moveSelected(-1); });
    moveDownAction = edit->addAction(tr("Move &Down"));
    moveDownAction->setObjectName(QStringLiteral("moveDown"));
    moveDownAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    connect(moveDownAction, &QAction::triggered, this, [this] { moveSelected(1); });

    taskPanel->addMenu(menuBar());

    connect(&doc, &WorksheetDocument::changed, this, &Worksheet::documentChanged);
    connect(&doc, &WorksheetDocument::fileChanged, this, &Worksheet::fileChanged);
    connect(&doc, &WorksheetDocument::learnerChanged, this, [this](const QString &name) {
        if (learner->text() != name)
            learner->setText(name);
    });
    connect(learner, &QLineEdit::textEdited, &doc, &WorksheetDocument::setLearner);
    documentChanged(-1);
    fileChanged();

    QMenu *view = menuBar()->addMenu(tr("&View"));
    QAction *zoomIn = view->addAction(tr("Zoom &In"), tree, &TreeView::zoomIn);
    zoomIn->setObjectName(QStringLiteral("zoomIn"));
    // Ctrl+= too: on many keyboards "+" is Shift and "=".
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction *zoomOut = view->addAction(tr("Zoom &Out"), tree, &TreeView::zoomOut);
    zoomOut->setObjectName(QStringLiteral("zoomOut"));
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    QAction *fit = view->addAction(tr("&Fit the Tree"), tree, &TreeView::fit);
    fit->setObjectName(QStringLiteral("fit"));
    fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    view->addSeparator();
    language::fillLanguageMenu(view->addMenu(tr("&Language")));

    connect(&rec, &grammar::SentenceRecord::changed, this, &Worksheet::recordChanged);
    connect(list, &QListWidget::itemSelectionChanged, this, &Worksheet::showTree);
    connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        // A sentence that answered a task is told again what it was told when it was finished.
        if (const std::optional<int> row = selectedRow(); row && *row < answers.size() && answers.at(*row))
            taskPanel->showFeedback(answers.at(*row)->note(), answers.at(*row)->meets());
    });
    connect(&doc, &WorksheetDocument::currentTaskChanged, this, &Worksheet::markAnswers);
    recordChanged();

    // Wide enough for the longest statement's tree at once, but never larger than the
    // screen; on a small screen the tree scrolls.
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(720, screen.width() * 9 / 10), std::min(560, screen.height() * 9 / 10));
}

// The widest of the sentence windows and pickers with its frame: the noun phrase picker.
constexpr int modalWindowsWidth = 660;
// Narrower than this the tree of a short sentence no longer fits.
constexpr int narrowestWorksheet = 340;

void Worksheet::placeBeside(QWidget *opener)
{
    const QRect screen = opener->screen()->availableGeometry();
    // Our own frame is not known before the window is shown; the main window's, drawn by the
    // same window manager, is the best guess (title bar above, borders around).
    const QRect outer = opener->frameGeometry(), inner = opener->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());

    const QByteArray saved = QSettings().value(QStringLiteral("worksheet/geometry")).toByteArray();
    if (saved.isEmpty() || !restoreGeometry(saved)) {
        const QRect place = core::worksheetPlace(screen, size().grownBy(frame), modalWindowsWidth + core::windowGap,
                                                 std::max(narrowestWorksheet, minimumSizeHint().width() + frame.left() + frame.right()),
                                                 outer.width());
        resize(place.size().shrunkBy(frame));
        move(place.topLeft());
    }
    // The main window steps aside too, where there is room. At start-up it may not be placed
    // yet (no frame known, never moved): the window manager will centre it, so it steps aside
    // from there. Where neither side has room it goes to the screen's left edge, so that as
    // much of it shows beside the Worksheet as the screen allows.
    const QRect shown = shownFrame(opener);
    const QRect clear(pos(), size().grownBy(frame));
    QRect main = core::placeClearOf(shown, clear, screen);
    if (main.intersects(clear) && clear.left() > screen.left())
        main.moveLeft(screen.left());
    if (main != shown)
        opener->move(main.topLeft());
}

// The frame is known only once the window manager has drawn it. A window that came out taller
// or wider than the screen, or above it, is brought back, title bar first, so that it can be
// moved and closed.
void Worksheet::keepOnScreen()
{
    const QRect screen = this->screen()->availableGeometry();
    const QRect outer = frameGeometry(), inner = geometry();
    if (screen.contains(outer))
        return;
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    const QSize fits = outer.size().boundedTo(screen.size()).shrunkBy(frame).expandedTo(minimumSizeHint());
    resize(fits);
    QRect place(outer.topLeft(), fits.grownBy(frame));
    place.moveLeft(std::clamp(place.left(), screen.left(), std::max(screen.left(), screen.right() + 1 - place.width())));
    place.moveTop(std::clamp(place.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - place.height())));
    move(place.topLeft());
}

void Worksheet::rememberPlace() const
{
    QSettings().setValue(QStringLiteral("worksheet/geometry"), saveGeometry());
}

void Worksheet::showEvent(QShowEvent *event)
{
    everShown = true;
    QMainWindow::showEvent(event);
    balancePanes();
    QTimer::singleShot(0, this, &Worksheet::keepOnScreen);
}

void Worksheet::hideEvent(QHideEvent *event)
{
    rememberPlace();
    QMainWindow::hideEvent(event);
}

// The list is written afresh: a removal or a move renumbers every row after it.
void Worksheet::documentChanged(int selectRow)
{
    const QSignalBlocker quiet(list);
    // One insertion for the whole list: a worksheet of a thousand sentences opens at once.
    QStringList entries;
    entries.reserve(doc.count());
    answers = grammar::answersOf(doc.content());
    for (int row = 0; row < doc.count(); ++row)
        entries << grammar::sentenceEntry(row, doc.sentence(row), answers.at(row));
    // A change that leaves the sentences as they were (a task added, say) keeps the selection.
    bool same = entries.size() == list->count();
    for (int row = 0; same && row < list->count(); ++row)
        same = list->item(row)->text() == entries.at(row);
    if (same && selectRow < 0)
        selectRow = selectedRow().value_or(-1);
    list->clear();
    list->addItems(entries);
    if (selectRow >= 0 && selectRow < list->count())
        list->setCurrentRow(selectRow);
    markAnswers();
    showTree();
    if (taskPanel->isVisibleTo(this) != tasksShown)
        balancePanes();
}

// The tree keeps most of the height; the tasks get room for their first entries, the prompt and
// the feedback, and the sentences a few lines; each pane at least what it needs.
void Worksheet::balancePanes()
{
    tasksShown = taskPanel->isVisibleTo(this);
    const int total = panes->height();
    const int bottom = std::max(bottomPane->minimumSizeHint().height(), total / 4);
    const int tasks = tasksShown ? std::max(taskPanel->minimumSizeHint().height(), std::min(taskPanel->sizeHint().height(), total / 3))
                                 : 0;
    const int tree = std::max(panes->widget(0)->minimumSizeHint().height(), total - tasks - bottom);
    panes->setSizes({tree, tasks, bottom});
}

// The current task's answers stand out in the list, in bold on a marker's yellow, and the
// list scrolls to the first of them; the caption says so for those who cannot see it.
void Worksheet::markAnswers()
{
    const int task = doc.currentTask();
    QListWidgetItem *first = nullptr;
    int marked = 0;
    for (int row = 0; row < list->count() && row < answers.size(); ++row) {
        QListWidgetItem *item = list->item(row);
        const bool answer = task >= 0 && answers.at(row) && answers.at(row)->task == task;
        QFont font = list->font();
        font.setBold(answer);
        item->setFont(font);
        // A long entry runs past the list's edge; its note is there in full.
        item->setToolTip(answers.at(row) ? answers.at(row)->note() : QString());
        item->setData(Qt::BackgroundRole, answer ? QVariant(QColor(0xff, 0xf0, 0xa8)) : QVariant());
        item->setData(Qt::ForegroundRole, answer ? QVariant(QColor(Qt::black)) : QVariant());
        if (answer && !first)
            first = item;
        marked += answer;
    }
    if (first)
        list->scrollToItem(first);
    listCaption->setText(marked > 0 ? tr("Finished &sentences — in bold, the answers to task %1").arg(task + 1)
                                    : tr("Finished &sentences"));
}

void Worksheet::fileChanged()
{
    setWindowTitle(tr("%1[*] \u2014 Worksheet").arg(doc.displayName()));
    setWindowModified(doc.isModified());
}

void Worksheet::recordChanged()
{
    // A sentence being built takes the tree over, so that every step shows as it happens.
    if (rec.isBuilding())
        list->clearSelection();
    showTree();
}

std::optional<int> Worksheet::selectedRow() const
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return list->row(selected.first());
}

std::optional<Sentence> Worksheet::target() const
{
    if (const std::optional<int> row = selectedRow(); row && *row < doc.count())
        return doc.sentence(*row);
    if (doc.count() == 0)
        return std::nullopt;
    return doc.sentence(doc.count() - 1);
}

QList<Sentence> Worksheet::sheetSentences() const
{
    return doc.sentences();
}

void Worksheet::showTree()
{
    const std::optional<int> row = selectedRow();
    if (!row && rec.isBuilding()) {
        tree->setSentence(rec.shown(), rec.recordedSentence()->isComplete());
        treeCaption->setText(tr("&Tree of the sentence being built"));
    } else if (const std::optional<Sentence> s = target()) {
        tree->setSentence(s, true);
        treeCaption->setText(tr("&Tree of sentence %1").arg(row.value_or(doc.count() - 1) + 1));
    } else {
        tree->setSentence(std::nullopt, false);
        treeCaption->setText(tr("&Tree"));
    }
    scroll->setAccessibleDescription(tree->accessibleDescription());

    const bool any = doc.count() > 0;
    for (QAction *action : {copyAction, copyBracketsAction, savePictureAction})
        action->setEnabled(any);
    // A sheet of tasks prints and exports before any sentence is built: it is handed out on paper too.
    const bool tasks = !doc.tasks().isEmpty();
    exportTextAction->setEnabled(any || tasks);
    printAction->setEnabled(any || tasks);
    removeAction->setEnabled(row.has_value());
    moveUpAction->setEnabled(row && *row > 0);
    moveDownAction->setEnabled(row && *row + 1 < doc.count());
}

void Worksheet::copy()
{
    if (const std::optional<Sentence> s = target())
        QGuiApplication::clipboard()->setText(s->written());
}

void Worksheet::copyBrackets()
{
    if (const std::optional<Sentence> s = target())
        QGuiApplication::clipboard()->setText(s->brackets());
}

void Worksheet::remember(const QString &path)
{
    QSettings settings;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    rememberFolder(absolute);
    QStringList recent = settings.value(recentKey).toStringList();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    settings.setValue(recentKey, QStringList(recent.mid(0, recentCount)));
}

void Worksheet::fillRecent()
{
    recentMenu->clear();
    const QStringList recent = QSettings().value(recentKey).toStringList();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent.at(i);
        QAction *action = recentMenu->addAction(tr("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (settleUnsaved(this))
                openFile(path);
        });
    }
    if (recent.isEmpty())
        recentMenu->addAction(tr("No recent worksheets"))->setEnabled(false);
}

bool Worksheet::settleUnsaved(QWidget *asker)
{
    if (!doc.isModified())
        return true;
    switch (dialogs->askSave(asker, everShown ? doc.displayName() : QString())) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void Worksheet::newDocument()
{
    if (settleUnsaved(this))
        doc.reset(grammar::Document{}, QString());
}

bool Worksheet::open()
{
    if (!settleUnsaved(this))
        return false;
    const QString path = dialogs->openFileName(this, tr("Open Worksheet"), lastFolder(), tr(fileFilter));
    return !path.isEmpty() && openFile(path);
}

// A file is read and checked whole before anything is replaced: a refusal leaves the
// document as it was.
bool Worksheet::openFile(const QString &path)
{
    if (const QString failed = doc.open(path); !failed.isEmpty()) {
        dialogs->tellFailure(this, tr("Open Worksheet"), failed);
        return false;
    }
    remember(path);
    return true;
}

bool Worksheet::save()
{
    if (doc.filePath().isEmpty())
        return saveAs();
    return saveDocument(tr("Save Worksheet"), doc.filePath());
}

bool Worksheet::saveDocument(const QString &title, const QString &path)
{
    if (const QString failed = doc.save(path); !failed.isEmpty()) {
        dialogs->tellFailure(this, title, failed);
        return false;
    }
    remember(path);
    return true;
}

// A worksheet started from a sheet is offered a name of the learner's own beside the sheet.
// The file dialog asks before it replaces a file, so a teacher saves over the sheet only by
// choosing its name and saying so.
bool Worksheet::saveAs()
{
    const QString suggested = !doc.sheetPath().isEmpty() ? doc.suggestedPath()
        : QDir(lastFolder()).filePath(doc.filePath().isEmpty() ? tr("worksheet.parsella") : doc.displayName());
    QString filter;
    const QString path = withExtension(dialogs->saveFileName(this, tr("Save Worksheet As"), suggested, tr(fileFilter), &filter),
                                       tr(fileFilter));
    if (path.isEmpty())
        return false;
    return saveDocument(tr("Save Worksheet As"), path);
}

void Worksheet::removeSelected()
{
    if (const std::optional<int> row = selectedRow())
        doc.removeSentence(*row);
}

void Worksheet::moveSelected(int by)
{
    if (const std::optional<int> row = selectedRow())
        doc.moveSentence(*row, *row + by);
}

// In another language the texts composed with arguments are written again; the others the
// language module puts into it. The recent worksheets are listed afresh each time they open.
void Worksheet::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        doc.retranslate();
        nameUndoRedo();
        fileChanged();
        documentChanged(selectedRow().value_or(-1));
    }
    QMainWindow::changeEvent(event);
}

void Worksheet::nameUndoRedo()
{
    const QUndoStack &stack = doc.undoStack();
    undoAction->setEnabled(stack.canUndo());
    undoAction->setText(stack.canUndo() ? tr("&Undo %1").arg(stack.undoText()) : tr("&Undo"));
    redoAction->setEnabled(stack.canRedo());
    redoAction->setText(stack.canRedo() ? tr("&Redo %1").arg(stack.redoText()) : tr("&Redo"));
}

bool Worksheet::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+Z in the learner's name undoes in the document, where the name's edits are kept.
    if (watched == learner && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
            || QKeySequence(key->keyCombination()) == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Worksheet::saveFile(const QString &title, const QString &path, const std::function<bool(QIODevice &)> &write)
{
    if (const QString failed = doc.writeFile(path, write); !failed.isEmpty()) {
        dialogs->tellFailure(this, title, failed);
        return false;
    }
    return true;
}

void Worksheet::savePicture()
{
    const std::optional<Sentence> s = target();
    if (!s)
        return;
    const QString title = tr("Save Picture");
    QString filter;
    const QString path = withExtension(dialogs->saveFileName(this, title, QDir(lastFolder()).filePath(QStringLiteral("sentence.svg")),
                                                             tr("SVG picture (*.svg);;PNG picture (*.png)"), &filter),
                                       filter);
    if (path.isEmpty())
        return;
    rememberFolder(path);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png")) {
        dialogs->tellFailure(this, title, tr("The file \"%1\" was not saved: a picture is saved as SVG or PNG, "
                                             "so its name must end in .svg or .png.").arg(QDir::toNativeSeparators(path)));
        return;
    }

    OutputModule *output = nullptr;
    if (suffix == QLatin1String("svg")) {
        QString problem;
        output = outputModule(&problem);
        if (!output) {
            dialogs->tellFailure(this, title, tr("The file \"%1\" was not saved: %2").arg(QDir::toNativeSeparators(path), problem));
            return;
        }
    }
    const TreePicture picture(*s, true);
    const QSizeF size = picture.size();
    saveFile(title, path, [&](QIODevice &device) {
        if (suffix == QLatin1String("svg")) {
            const std::unique_ptr<QPaintDevice> svg = output->newSvgPicture(device, size, s->written(), s->brackets());
            QPainter painter;
            if (!painter.begin(svg.get()))
                return false;
            painter.fillRect(QRectF(QPointF(), size), Qt::white);
            picture.draw(painter);
            return painter.end();
        }
        // Twice the screen's pixels, so that the picture stays sharp on a worksheet page.
        QImage image((size * 2).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture.draw(painter);
        painter.end();
        // Encoded in memory first: Qt's PNG writer loses a row buffer when the disk refuses a
        // write half-way, and the file itself is written, or refused, whole below.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return false;
        return device.write(png) == png.size();
    });
}

void Worksheet::exportText()
{
    if (doc.count() == 0 && doc.tasks().isEmpty())
        return;
    const QString title = tr("Save Worksheet");
    QString filter;
    const QString path = withExtension(dialogs->saveFileName(this, title, QDir(lastFolder()).filePath(QStringLiteral("worksheet.txt")),
                                                             tr("Text (*.txt);;All files (*)"), &filter),
                                       filter);
    if (path.isEmpty())
        return;
    rememberFolder(path);
    const QByteArray text = doc.tasks().isEmpty() ? grammar::sentencesText(sheetSentences()) : grammar::taskSheetText(taskSheet());
    saveFile(title, path, [&text](QIODevice &device) { return device.write(text) == text.size(); });
}

void Worksheet::print()
{
    if (doc.count() == 0 && doc.tasks().isEmpty())
        return;
    QString problem;
    OutputModule *output = outputModule(&problem);
    if (!output) {
        dialogs->tellFailure(this, tr("Print"), tr("The worksheet was not printed: %1").arg(problem));
        return;
    }
    const std::unique_ptr<PrintJob> job =
        output->newPrintJob(tr("Worksheet"), printMargin, QDir(lastFolder()).filePath(QStringLiteral("worksheet.pdf")));
    QPagedPaintDevice &printer = job->pages();
    if (!dialogs->choosePrinter(this, job->printer()))
        return;
    // Narrower margins chosen in the dialog would be clipped by most printers.
    const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Millimeter);
    printer.setPageMargins(QMarginsF(std::max(chosen.left(), printMargin), std::max(chosen.top(), printMargin),
                                     std::max(chosen.right(), printMargin), std::max(chosen.bottom(), printMargin)),
                           QPageLayout::Millimeter);
    // A PDF is a file like any other the worksheet writes: whole or not at all, and a full disk
    // is reported, which the printer's own PDF output would pass over in silence.
    if (const QString pdfFile = job->pdfFile(); !pdfFile.isEmpty()) {
        rememberFolder(pdfFile);
        saveFile(tr("Print"), pdfFile, [&](QIODevice &device) {
            QPdfWriter pdf(&device);
            pdf.setTitle(tr("Worksheet"));
            pdf.setPageLayout(printer.pageLayout());
            pdf.setResolution(printer.logicalDpiX());
            return printSheet(pdf);
        });
        return;
    }
    if (!printSheet(printer))
        dialogs->tellFailure(this, tr("Print"),
                             tr("The worksheet was not printed: the printer \"%1\" could not be used.").arg(job->printerName()));
}

grammar::TaskSheet Worksheet::taskSheet() const
{
    const QString title = doc.title();
    return grammar::taskSheetOf(doc.content(), title.isEmpty() ? tr("Worksheet") : title);
}

bool Worksheet::printSheet(QPagedPaintDevice &printer) const
{
    if (!doc.tasks().isEmpty())
        return printTaskSheet(taskSheet(), printer);
    QPainter painter;
    const std::optional<QSizeF> page = beginPrinting(painter, printer);
    if (!page)
        return false;
    const QSizeF room = *page;

    QFont heading = classicFont(9.75, Bold);
    const qreal headingHeight = QFontMetricsF(heading).height() + 6;
    const qreal between = 18;
    qreal y = 0;
    const QList<Sentence> done = sheetSentences();
    for (int row = 0; row < done.size(); ++row) {
        const TreePicture picture(done.at(row), true);
        // A tree wider or taller than the page is shrunk to fit it; none is enlarged. Each is
        // centred, and goes whole onto the next page rather than split.
        const qreal fit = std::min({1.0, room.width() / picture.size().width(),
                                    (room.height() - headingHeight) / picture.size().height()});
        const qreal height = headingHeight + picture.size().height() * fit;
        if (y > 0 && y + height > room.height()) {
            if (!printer.newPage())
                return false;
            y = 0;
        }
        painter.setFont(heading);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y, room.width(), headingHeight), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         entryText(row, done.at(row)));
        painter.save();
        painter.translate((room.width() - picture.size().width() * fit) / 2, y + headingHeight);
        painter.scale(fit, fit);
        picture.draw(painter);
        painter.restore();
        y += height + between;
    }
    return painter.end();
}

} // namespace parsella

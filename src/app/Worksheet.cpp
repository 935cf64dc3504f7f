#include "app/Worksheet.h"

#include "app/TreeView.h"
#include "core/FormTable.h"
#include "grammar/Placement.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSettings>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <algorithm>

namespace parsella {

using grammar::Sentence;

QString WorksheetDialogs::saveFileName(QWidget *parent, const QString &title, const QString &suggested, const QString &filters,
                                       QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, title, suggested, filters, selectedFilter);
}

bool WorksheetDialogs::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    // Every sentence is printed; a range of pages would be offered and then not kept.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

void WorksheetDialogs::tellFailure(QWidget *parent, const QString &title, const QString &message)
{
    QMessageBox::warning(parent, title, message);
}

namespace {

QString entryText(int row, const Sentence &s)
{
    return QObject::tr("%1. %2: %3").arg(row + 1).arg(grammar::sentenceTypeTitle(s.type), s.written());
}

// The worksheet as plain text: one sentence a line, its type, a tab, the sentence as a
// teacher writes it, a tab and its bracket notation, so that a spreadsheet can take any
// column and a tree drawer the last.
QByteArray sheetText(const QList<Sentence> &sentences)
{
    QString text;
    for (const Sentence &s : sentences)
        text += grammar::sentenceTypeName(s.type) + QLatin1Char('\t') + s.written() + QLatin1Char('\t') + s.brackets()
                + QLatin1Char('\n');
    return text.toUtf8();
}

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
    const qsizetype star = filter.indexOf(QLatin1String("*."));
    const qsizetype end = filter.indexOf(QLatin1Char(')'), star);
    if (star < 0 || end < 0)
        return path;
    const QString extension = filter.mid(star + 1, end - star - 1);
    return extension.contains(QLatin1Char('*')) ? path : path + extension;
}

} // namespace

Worksheet::Worksheet(grammar::SentenceRecord &record, QWidget *parent)
    : QMainWindow(parent), rec(record)
{
    setObjectName(QStringLiteral("Worksheet"));
    setWindowTitle(tr("Worksheet"));

    auto *client = new QWidget(this);
    setCentralWidget(client);
    auto *layout = new QVBoxLayout(client);
    auto *splitter = new QSplitter(Qt::Vertical, client);
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

    auto *bottom = new QWidget(splitter);
    auto *bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    auto *listCaption = new QLabel(tr("Finished &sentences"), bottom);
    list = new QListWidget(bottom);
    list->setObjectName(QStringLiteral("sentences"));
    list->setAccessibleName(tr("Finished sentences"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    listCaption->setBuddy(list);
    bottomLayout->addWidget(listCaption);
    bottomLayout->addWidget(list, 1);
    // The tree gets most of the height; a few lines of the list are enough to pick from.
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({3000, 1000});

    auto addAction = [this](QMenu *menu, const char *name, const QString &text, const QKeySequence &keys,
                            void (Worksheet::*handler)()) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu *file = menuBar()->addMenu(tr("&File"));
    savePictureAction = addAction(file, "savePicture", tr("Save &Picture…"), QKeySequence(), &Worksheet::savePicture);
    saveWorksheetAction = addAction(file, "saveWorksheet", tr("&Save Worksheet…"), QKeySequence::Save, &Worksheet::saveWorksheet);
    printAction = addAction(file, "print", tr("&Print…"), QKeySequence::Print, &Worksheet::print);
    file->addSeparator();
    QAction *closeAction = file->addAction(tr("&Close"));
    closeAction->setShortcut(QKeySequence::Close);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    copyAction = addAction(edit, "copy", tr("&Copy"), QKeySequence::Copy, &Worksheet::copy);
    copyBracketsAction = addAction(edit, "copyBrackets", tr("Copy as &Brackets"),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &Worksheet::copyBrackets);

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

    connect(&rec, &grammar::SentenceRecord::changed, this, &Worksheet::recordChanged);
    connect(list, &QListWidget::itemSelectionChanged, this, &Worksheet::showTree);
    recordChanged();

    // Wide enough for the longest statement's tree at once, but never larger than the
    // screen; on a small screen the tree scrolls.
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(720, screen.width() * 9 / 10), std::min(560, screen.height() * 8 / 10));
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
        const QRect place = grammar::worksheetPlace(screen, size().grownBy(frame), modalWindowsWidth + grammar::windowGap,
                                                    narrowestWorksheet);
        resize(place.size().shrunkBy(frame));
        move(place.topLeft());
    }
    // The main window steps aside too, where there is room.
    const QRect clear(pos(), size().grownBy(frame));
    const QRect main = grammar::placeClearOf(outer, clear, screen);
    if (main != outer)
        opener->move(main.topLeft());
}

void Worksheet::rememberPlace() const
{
    QSettings().setValue(QStringLiteral("worksheet/geometry"), saveGeometry());
}

void Worksheet::hideEvent(QHideEvent *event)
{
    rememberPlace();
    QMainWindow::hideEvent(event);
}

void Worksheet::recordChanged()
{
    const QList<Sentence> &done = rec.finished();
    for (int row = list->count(); row < done.size(); ++row)
        list->addItem(entryText(row, done.at(row)));
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
    const QList<Sentence> &done = rec.finished();
    if (const std::optional<int> row = selectedRow(); row && *row < done.size())
        return done.at(*row);
    if (done.isEmpty())
        return std::nullopt;
    return done.last();
}

void Worksheet::showTree()
{
    const std::optional<int> row = selectedRow();
    if (!row && rec.isBuilding()) {
        tree->setSentence(rec.shown(), rec.recordedSentence()->isComplete());
        treeCaption->setText(tr("&Tree of the sentence being built"));
    } else if (const std::optional<Sentence> s = target()) {
        tree->setSentence(s, true);
        treeCaption->setText(tr("&Tree of sentence %1").arg(row.value_or(int(rec.finished().size()) - 1) + 1));
    } else {
        tree->setSentence(std::nullopt, false);
        treeCaption->setText(tr("&Tree"));
    }
    scroll->setAccessibleDescription(tree->accessibleDescription());

    const bool any = !rec.finished().isEmpty();
    for (QAction *action : {copyAction, copyBracketsAction, savePictureAction, saveWorksheetAction, printAction})
        action->setEnabled(any);
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

bool Worksheet::saveFile(const QString &title, const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(path);
    QString why;
    if (!file.open(QIODevice::WriteOnly)) {
        why = file.errorString();
    } else if (!write(file) || !file.flush()) {
        // A small file sits in the write buffer until the flush, and a flush that fails on a
        // full disk is not held against the commit, which would put an empty file in place.
        why = file.errorString();
        file.cancelWriting();
    } else if (!file.commit()) {
        why = file.errorString();
    } else {
        return true;
    }
    if (why.isEmpty())
        why = tr("it could not be written");
    dialogs->tellFailure(this, title, tr("The file \"%1\" was not saved: %2.").arg(QDir::toNativeSeparators(path), why));
    return false;
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

    const TreePicture picture(*s, true);
    const QSizeF size = picture.size();
    saveFile(title, path, [&](QIODevice &device) {
        if (suffix == QLatin1String("svg")) {
            QSvgGenerator svg;
            svg.setOutputDevice(&device);
            svg.setSize(size.toSize());
            svg.setViewBox(QRectF(QPointF(), size));
            svg.setResolution(96);
            svg.setTitle(s->written());
            svg.setDescription(s->brackets());
            QPainter painter;
            if (!painter.begin(&svg))
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

void Worksheet::saveWorksheet()
{
    if (rec.finished().isEmpty())
        return;
    const QString title = tr("Save Worksheet");
    QString filter;
    const QString path = withExtension(dialogs->saveFileName(this, title, QDir(lastFolder()).filePath(QStringLiteral("worksheet.txt")),
                                                             tr("Text (*.txt);;All files (*)"), &filter),
                                       filter);
    if (path.isEmpty())
        return;
    rememberFolder(path);
    const QByteArray text = sheetText(rec.finished());
    saveFile(title, path, [&text](QIODevice &device) { return device.write(text) == text.size(); });
}

void Worksheet::print()
{
    if (rec.finished().isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Worksheet"));
    printer.setPageMargins(QMarginsF(printMargin, printMargin, printMargin, printMargin), QPageLayout::Millimeter);
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(QDir(lastFolder()).filePath(QStringLiteral("worksheet.pdf")));
    if (!dialogs->choosePrinter(this, printer))
        return;
    // Narrower margins chosen in the dialog would be clipped by most printers.
    const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Millimeter);
    printer.setPageMargins(QMarginsF(std::max(chosen.left(), printMargin), std::max(chosen.top(), printMargin),
                                     std::max(chosen.right(), printMargin), std::max(chosen.bottom(), printMargin)),
                           QPageLayout::Millimeter);
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        rememberFolder(printer.outputFileName());
    // A PDF is a file like any other the worksheet writes: whole or not at all, and a full disk
    // is reported, which the printer's own PDF output would pass over in silence.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        saveFile(tr("Print"), printer.outputFileName(), [&](QIODevice &device) {
            QPdfWriter pdf(&device);
            pdf.setTitle(printer.docName());
            pdf.setPageLayout(printer.pageLayout());
            pdf.setResolution(printer.resolution());
            return printSheet(pdf);
        });
        return;
    }
    if (!printSheet(printer))
        dialogs->tellFailure(this, tr("Print"),
                             tr("The worksheet was not printed: the printer \"%1\" could not be used.").arg(printer.printerName()));
}

bool Worksheet::printSheet(QPagedPaintDevice &printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Lay out in screen pixels (96 to the inch) and let the painter scale them to the
    // printer's resolution; the fonts have pixel sizes, so they scale along.
    const int resolution = printer.logicalDpiX();
    const qreal scale = resolution / 96.0;
    const QRectF page = printer.pageLayout().paintRectPixels(resolution);
    const QSizeF room(page.width() / scale, page.height() / scale);
    painter.scale(scale, scale);

    QFont heading = classicFont(9.75, Bold);
    const qreal headingHeight = QFontMetricsF(heading).height() + 6;
    const qreal between = 18;
    qreal y = 0;
    const QList<Sentence> &done = rec.finished();
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

#include "app/TaskSheetPrint.h"

#include "core/FormTable.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace parsella {

namespace {

// Names and prompts come in any script: the printed text may borrow letters from other faces.
QFont printFont(double points, unsigned flags = 0)
{
    QFont font = classicFont(points, flags);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

// One piece of the page: wrapped text, or a line to write on.
struct Piece {
    QString text; // empty: a line to write on
    QFont font;
    qreal indent = 0;
    qreal height = 0;
};

} // namespace

std::optional<QSizeF> beginPrinting(QPainter &painter, QPagedPaintDevice &printer)
{
    if (!painter.begin(&printer))
        return std::nullopt;
    const int resolution = printer.logicalDpiX();
    const qreal scale = resolution / 96.0;
    const QRectF page = printer.pageLayout().paintRectPixels(resolution);
    painter.scale(scale, scale);
    return page.size() / scale;
}

bool printTaskSheet(const grammar::TaskSheet &sheet, QPagedPaintDevice &printer)
{
    QPainter painter;
    const std::optional<QSizeF> room = beginPrinting(painter, printer);
    return room && drawTaskSheet(sheet, painter, *room, [&printer] { return printer.newPage(); }) && painter.end();
}

bool drawTaskSheet(const grammar::TaskSheet &sheet, QPainter &painter, QSizeF room, const std::function<bool()> &newPage)
{
    const qreal width = room.width(), height = room.height();

    const QFont titleFont = printFont(18, Bold), bodyFont = printFont(12), boldFont = printFont(12, Bold);
    const qreal lineRoom = 34; // a handwritten line, with room above it
    const qreal between = 18;
    const auto wrapped = [width](const QString &text, const QFont &font, qreal indent) {
        const QRectF box = QFontMetricsF(font).boundingRect(QRectF(0, 0, width - indent, 1e6), Qt::TextWordWrap, text);
        return Piece{text, font, indent, box.height()};
    };
    const auto writeLine = [lineRoom](qreal indent) { return Piece{QString(), QFont(), indent, lineRoom}; };

    // Blocks that stay together on a page: the heading with the name's line, then each task.
    QList<QList<Piece>> blocks;
    QList<Piece> heading{wrapped(sheet.title, titleFont, 0)};
    heading.first().height += 8;
    const QString name = sheet.nameCaption + QLatin1Char(' ') + sheet.learner;
    if (sheet.learner.isEmpty())
        heading << Piece{name, boldFont, 0, lineRoom};
    else
        heading << wrapped(name, boldFont, 0);
    blocks << heading;
    const qreal numberWidth = QFontMetricsF(boldFont).horizontalAdvance(QStringLiteral("00. "));
    for (const grammar::TaskSheetEntry &entry : sheet.entries) {
        QList<Piece> block{wrapped(entry.prompt, boldFont, numberWidth)};
        if (entry.answer.isEmpty()) {
            for (int line = 0; line < grammar::answerRoomLines; ++line)
                block << writeLine(numberWidth);
        } else {
            block << wrapped(entry.answer, bodyFont, numberWidth);
            if (!entry.feedback.isEmpty())
                block << wrapped(entry.feedback, bodyFont, numberWidth);
        }
        blocks << block;
    }

    painter.setPen(Qt::black);
    qreal y = 0;
    for (int b = 0; b < blocks.size(); ++b) {
        const QList<Piece> &block = blocks.at(b);
        qreal blockHeight = 0;
        for (const Piece &piece : block)
            blockHeight += piece.height;
        if (y > 0 && y + blockHeight > height) {
            if (!newPage())
                return false;
            y = 0;
        }
        if (b > 0) {
            // The task's number stands in the margin its text keeps.
            painter.setFont(boldFont);
            painter.drawText(QRectF(0, y, numberWidth, block.first().height), Qt::AlignLeft | Qt::AlignTop,
                             QStringLiteral("%1.").arg(sheet.entries.at(b - 1).number));
        }
        for (const Piece &piece : block) {
            const QRectF box(piece.indent, y, width - piece.indent, piece.height);
            // A name not yet written and an answer not yet given get a line to write on.
            const bool nameLine = b == 0 && &piece == &block.last() && sheet.learner.isEmpty();
            if (!piece.text.isEmpty()) {
                painter.setFont(piece.font);
                painter.drawText(nameLine ? box.adjusted(0, 0, 0, -6) : box,
                                 Qt::AlignLeft | (nameLine ? Qt::AlignBottom : Qt::AlignTop) | Qt::TextWordWrap, piece.text);
            }
            if (piece.text.isEmpty() || nameLine) {
                const qreal from = nameLine ? piece.indent + QFontMetricsF(piece.font).horizontalAdvance(piece.text) : piece.indent;
                painter.drawLine(QPointF(from, box.bottom() - 4), QPointF(width, box.bottom() - 4));
            }
            y += piece.height;
        }
        y += between;
    }
    return true;
}

} // namespace parsella

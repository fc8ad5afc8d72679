#include "ui/sheet/SheetPages.h"

#include "ui/sheet/ArmySheet.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <vector>

namespace
{

// The sheet is laid out in units of 1/96 inch, whatever the paper's resolution, and the
// painter scales it onto the page. Fonts are sized in those units.
constexpr qreal layoutDpi = 96.0;
constexpr qreal blockGap = 14.0;
constexpr qreal footerHeight = 24.0;
constexpr qreal footerGap = 16.0;
constexpr qreal padX = 4.0;
constexpr qreal padY = 2.0;
const QColor borderColour(0x80, 0x80, 0x80);
const QColor headingsColour(0xe4, 0xe4, 0xe4);
const QColor missingColour(0xb0, 0x00, 0x00);

QFont sheetFont(qreal pixels, bool bold = false, bool italic = false)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    // Windows-1252 text needs no shaping, and without it no ligature turns "fi" into one
    // character that a search of the PDF's text would miss. Unhinted, a text is as wide on
    // the page as when it was measured.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// A font with its metrics.
struct Face {
    explicit Face(const QFont& f) : font(f), metrics(f) {}
    QFont font;
    QFontMetricsF metrics;
};

struct Faces {
    Face normal{sheetFont(12)};
    Face bold{sheetFont(12, true)};
    Face italic{sheetFont(12, false, true)};
    Face heading1{sheetFont(21, true)};
    Face heading2{sheetFont(16, true)};
    Face footer{sheetFont(11)};
};

// What goes onto a page whole: a heading, a line, or one row of a table (row -1: its
// headings). A title and a table's headings stay with what follows them.
struct Piece {
    const SheetItem* item;
    int row;
    qreal height = 0;
    qreal gapBefore = 0;
    bool keepWithNext = false;
    int headings = -1; // for a table row, the piece of its table's headings
};

// A block's pieces, and whether it is kept on one page where it fits.
struct BlockPieces {
    int first;
    int end;
    bool keepWhole;
};

class SheetLayout
{
public:
    SheetLayout(const Faces& sheetFaces, qreal pageWidth, SheetProgress* workProgress, int steps)
        : faces(sheetFaces), width(pageWidth), progress(workProgress), totalSteps(steps)
    {
    }

    // Measures the block's pieces; false when the progress stopped it.
    bool addBlock(const SheetBlock& block, bool keepWhole)
    {
        const int first = int(pieces.size());
        for (const SheetItem& item : block) {
            if (item.kind != SheetItem::Kind::Table) {
                addPiece(item, -1);
                continue;
            }
            const int headings = int(pieces.size());
            addPiece(item, -1);
            for (int row = 0; row < item.table.rows.size(); ++row) {
                if (!tell(int(pieces.size())))
                    return false;
                addPiece(item, row);
                pieces.back().headings = headings;
            }
        }
        blocks.push_back({first, int(pieces.size()), keepWhole});
        return true;
    }

    // Tells the progress every so many steps: a progress dialog is cheap to tell, not free.
    bool tell(int step) const
    {
        return !progress || step % 256 != 0 || progress->advance(step, totalSteps);
    }

    // The pieces in order, with their page and their place on it.
    struct Placement {
        int piece;
        int page;
        qreal y;
    };

    std::vector<Placement> paginate(qreal pageHeight)
    {
        std::vector<Placement> placements;
        int page = 0;
        qreal y = 0;
        auto newPage = [&] {
            ++page;
            y = 0;
        };
        auto put = [&](int piece, qreal gap) {
            if (y > 0)
                y += gap;
            placements.push_back({piece, page, y});
            y += pieces[piece].height;
        };
        for (const BlockPieces& block : blocks) {
            qreal total = 0;
            for (int i = block.first; i < block.end; ++i)
                total += pieces[i].height + (i > block.first ? pieces[i].gapBefore : 0);
            const qreal gap = block.first == 0 ? 0 : blockGap;
            if (block.keepWhole && total <= pageHeight) {
                if (y > 0 && y + gap + total > pageHeight)
                    newPage();
                put(block.first, gap);
                for (int i = block.first + 1; i < block.end; ++i)
                    put(i, pieces[i].gapBefore);
                continue;
            }
            for (int i = block.first; i < block.end; ++i) {
                const qreal before = i == block.first ? gap : pieces[i].gapBefore;
                qreal needed = before + pieces[i].height;
                for (int next = i; next + 1 < block.end && pieces[next].keepWithNext; ++next)
                    needed += pieces[next + 1].gapBefore + pieces[next + 1].height;
                if (y > 0 && y + needed > pageHeight) {
                    newPage();
                    // A table that goes on shows its headings again.
                    if (pieces[i].headings >= 0)
                        put(pieces[i].headings, 0);
                }
                put(i, before);
            }
        }
        pages = y > 0 || placements.empty() ? page + 1 : page;
        return placements;
    }

    int pageCount() const { return pages; }

    void paint(QPainter& painter, const Placement& placement) const
    {
        const Piece& piece = pieces[placement.piece];
        const SheetItem& item = *piece.item;
        const qreal y = placement.y;
        if (const Face* face = textFace(item.kind)) {
            drawWrapped(painter, *face, item.text, QRectF(0, y, width, piece.height));
            return;
        }
        if (item.kind == SheetItem::Kind::Facts)
            paintFacts(painter, item, y, piece.height);
        else
            paintRow(painter, item.table, piece.row, y, piece.height);
    }

private:
    // The face of a heading or a note.
    const Face* textFace(SheetItem::Kind kind) const
    {
        switch (kind) {
        case SheetItem::Kind::Heading1:
            return &faces.heading1;
        case SheetItem::Kind::Heading2:
            return &faces.heading2;
        case SheetItem::Kind::Heading3:
            return &faces.bold;
        case SheetItem::Kind::Note:
            return &faces.italic;
        default:
            return nullptr;
        }
    }

    void addPiece(const SheetItem& item, int row)
    {
        Piece piece{&item, row};
        switch (item.kind) {
        case SheetItem::Kind::Heading1:
            piece.height = wrappedHeight(faces.heading1, item.text, width) + 6;
            piece.keepWithNext = true;
            break;
        case SheetItem::Kind::Heading2:
            piece.height = wrappedHeight(faces.heading2, item.text, width) + 3;
            piece.keepWithNext = true;
            break;
        case SheetItem::Kind::Heading3:
            piece.height = wrappedHeight(faces.bold, item.text, width) + 2;
            piece.gapBefore = 6;
            piece.keepWithNext = true;
            break;
        case SheetItem::Kind::Note:
            piece.height = wrappedHeight(faces.italic, item.text, width) + 4;
            break;
        case SheetItem::Kind::Facts:
            piece.height = factsFitOneLine(item)
                               ? faces.normal.metrics.height() + 2
                               : wrappedHeight(faces.normal, factsText(item), width) + 2;
            break;
        case SheetItem::Kind::Table:
            piece.height = rowHeight(item.table, row);
            piece.keepWithNext = row < 0;
            break;
        }
        pieces.push_back(piece);
    }

    static qreal wrappedHeight(const Face& face, const QString& text, qreal available)
    {
        if (text.isEmpty() || face.metrics.horizontalAdvance(text) <= available)
            return face.metrics.height();
        return face.metrics
            .boundingRect(QRectF(0, 0, available, 1e9), wrapFlags(face, text, available), text)
            .height();
    }

    // Words wrap; a word longer than the line breaks where it must.
    static int wrapFlags(const Face& face, const QString& text, qreal available)
    {
        const QRectF words =
            face.metrics.boundingRect(QRectF(0, 0, available, 1e9), Qt::TextWordWrap, text);
        return words.width() > available + 0.5 ? Qt::TextWrapAnywhere : Qt::TextWordWrap;
    }

    static void drawWrapped(QPainter& painter, const Face& face, const QString& text,
                            const QRectF& area, int alignment = Qt::AlignLeft)
    {
        if (text.isEmpty())
            return;
        painter.setFont(face.font);
        const qreal advance = face.metrics.horizontalAdvance(text);
        if (advance <= area.width()) {
            const qreal x = alignment == Qt::AlignHCenter
                                ? area.left() + (area.width() - advance) / 2
                            : alignment == Qt::AlignRight ? area.right() - advance
                                                          : area.left();
            painter.drawText(QPointF(x, area.top() + face.metrics.ascent()), text);
            return;
        }
        painter.drawText(area, alignment | Qt::AlignTop | wrapFlags(face, text, area.width()),
                         text);
    }

    static QString cellText(const SheetCell& cell)
    {
        return cell.missing ? cell.text + u' ' + missingMark() : cell.text;
    }

    const Face& cellFace(const SheetCell& cell, bool headings) const
    {
        return headings ? faces.bold : cell.missing ? faces.italic : faces.normal;
    }

    qreal columnWidth(const SheetTable& table, int column) const
    {
        return table.widths.value(column) * width / 100.0;
    }

    qreal rowHeight(const SheetTable& table, int row) const
    {
        qreal height = faces.normal.metrics.height();
        const int columns = table.headings.size();
        for (int column = 0; column < columns; ++column) {
            const SheetCell cell =
                row < 0 ? SheetCell{table.headings[column], false} : table.rows[row].value(column);
            height = qMax(height, wrappedHeight(cellFace(cell, row < 0), cellText(cell),
                                                columnWidth(table, column) - 2 * padX));
        }
        return height + 2 * padY;
    }

    void paintRow(QPainter& painter, const SheetTable& table, int row, qreal y, qreal height) const
    {
        const int columns = table.headings.size();
        qreal tableWidth = 0;
        for (int column = 0; column < columns; ++column)
            tableWidth += columnWidth(table, column);
        if (row < 0)
            painter.fillRect(QRectF(0, y, tableWidth, height), headingsColour);
        qreal x = 0;
        for (int column = 0; column < columns; ++column) {
            const qreal w = columnWidth(table, column);
            const SheetCell cell =
                row < 0 ? SheetCell{table.headings[column], false} : table.rows[row].value(column);
            painter.setPen(cell.missing ? missingColour : Qt::black);
            drawWrapped(painter, cellFace(cell, row < 0), cellText(cell),
                        QRectF(x + padX, y + padY, w - 2 * padX, height - 2 * padY),
                        table.centred                 ? Qt::AlignHCenter
                        : table.numeric.value(column) ? Qt::AlignRight
                                                      : Qt::AlignLeft);
            x += w;
        }
        painter.setPen(QPen(borderColour, 0.75));
        painter.drawRect(QRectF(0, y, tableWidth, height));
        x = 0;
        for (int column = 0; column + 1 < columns; ++column) {
            x += columnWidth(table, column);
            painter.drawLine(QPointF(x, y), QPointF(x, y + height));
        }
        painter.setPen(Qt::black);
    }

    static QString factsText(const SheetItem& item)
    {
        if (item.facts.isEmpty())
            return item.text;
        QStringList parts;
        for (const auto& [label, value] : item.facts)
            parts << label + QStringLiteral(": ") + value;
        return parts.join(QStringLiteral("   "));
    }

    bool factsFitOneLine(const SheetItem& item) const
    {
        qreal x = 0;
        for (const auto& [label, value] : item.facts)
            x += faces.bold.metrics.horizontalAdvance(label + QStringLiteral(": ")) +
                 faces.normal.metrics.horizontalAdvance(value + QStringLiteral("     "));
        return x <= width && (!item.facts.isEmpty() ||
                              faces.normal.metrics.horizontalAdvance(item.text) <= width);
    }

    // Each label in bold, its value after it, the pairs apart on one line; too long for one
    // line, the same words wrap.
    void paintFacts(QPainter& painter, const SheetItem& item, qreal y, qreal height) const
    {
        if (!factsFitOneLine(item) || item.facts.isEmpty()) {
            drawWrapped(painter, faces.normal, factsText(item), QRectF(0, y, width, height));
            return;
        }
        qreal x = 0;
        const qreal baseline = y + faces.normal.metrics.ascent();
        for (const auto& [label, value] : item.facts) {
            const QString labelText = label + QStringLiteral(": ");
            painter.setFont(faces.bold.font);
            painter.drawText(QPointF(x, baseline), labelText);
            x += faces.bold.metrics.horizontalAdvance(labelText);
            painter.setFont(faces.normal.font);
            painter.drawText(QPointF(x, baseline), value);
            x += faces.normal.metrics.horizontalAdvance(value + QStringLiteral("     "));
        }
    }

    const Faces& faces;
    qreal width;
    SheetProgress* progress;
    int totalSteps;
    std::vector<Piece> pieces;
    std::vector<BlockPieces> blocks;
    int pages = 1;
};

// The army's name on the left and "Page N of M" on the right; a name too long for the room
// between them ends in "…", so that the page number stays clear.
void paintFooter(QPainter& painter, const Face& face, const QString& armyName, int page, int pages,
                 qreal width, qreal pageHeight)
{
    painter.setFont(face.font);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    const QRectF area(0, pageHeight - footerHeight + 8, width, footerHeight - 8);
    painter.drawLine(QPointF(0, area.top() - 4), QPointF(width, area.top() - 4));
    const QString pageText = QStringLiteral("Page %1 of %2").arg(page).arg(pages);
    const qreal nameRoom = width - face.metrics.horizontalAdvance(pageText) - footerGap;
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     face.metrics.elidedText(armyName, Qt::ElideRight, nameRoom));
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, pageText);
    painter.setPen(Qt::black);
}

} // namespace

QPageSize localPageSize(const QLocale& locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

bool paintArmySheet(const ArmySheet& sheet, QPagedPaintDevice& device, SheetProgress* progress)
{
    const qreal scaleX = device.logicalDpiX() / layoutDpi;
    const qreal scaleY = device.logicalDpiY() / layoutDpi;
    const qreal width = device.width() / scaleX;
    const qreal pageHeight = device.height() / scaleY;
    const qreal contentHeight = pageHeight - footerHeight;

    // Each piece is measured once and painted once.
    const QList<const SheetBlock*> blocks = sheetBlocks(sheet);
    int pieceCount = sheetRowCount(sheet);
    for (const SheetBlock* block : blocks)
        pieceCount += int(block->size());
    const int steps = 2 * pieceCount;

    const Faces faces;
    SheetLayout layout(faces, width, progress, steps);
    for (const SheetBlock* block : blocks) {
        if (!layout.addBlock(*block, block != &sheet.weapons && block != &sheet.abilities))
            return false;
    }
    const std::vector<SheetLayout::Placement> placements = layout.paginate(contentHeight);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(scaleX, scaleY);
    int page = 0;
    for (int i = 0; i < int(placements.size()); ++i) {
        const SheetLayout::Placement& placement = placements[i];
        if (!layout.tell(pieceCount + qMin(i, pieceCount)))
            return false;
        while (page < placement.page) {
            paintFooter(painter, faces.footer, sheet.armyName, page + 1, layout.pageCount(), width,
                        pageHeight);
            device.newPage();
            ++page;
        }
        layout.paint(painter, placement);
    }
    paintFooter(painter, faces.footer, sheet.armyName, page + 1, layout.pageCount(), width,
                pageHeight);
    return true;
}

bool armySheetPdf(const ArmySheet& sheet, const QPageSize& pageSize, QByteArray& pdf,
                  SheetProgress* progress)
{
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(pageSize);
    writer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
    writer.setResolution(600);
    writer.setTitle(QStringLiteral("Army sheet: ") + sheet.armyName);
    writer.setCreator(QStringLiteral("Quarrimak"));
    return paintArmySheet(sheet, writer, progress);
}

#include "ui/sheet/SheetPages.h"

#include "ui/sheet/ArmySheet.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>
#include <vector>

namespace
{

// The blocks are laid out in units of 1/96 inch, whatever the paper's resolution, and the
// painter scales them onto the page.
constexpr qreal layoutDpi = 96.0;
// A catalogue's rows go onto the pages in runs of this many; a page ends between two runs.
constexpr int rowsPerRun = 12;
constexpr qreal blockGap = 14.0;
constexpr qreal footerHeight = 24.0;
constexpr qreal footerPixels = 11.0;

QPaintDevice* layoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(layoutDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

QFont sheetFont(qreal pixelSize)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    // Windows-1252 text needs no shaping, and without it no ligature turns "fi" into one
    // character that a search of the PDF's text would miss.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPixelSize(qRound(pixelSize));
    return font;
}

// A piece of the sheet that is laid out on its own. A title stays with what follows it. A run
// of a catalogue's rows is laid out with the catalogue's headings above it (headedHtml) where it
// begins the table or a page, and without them (html) elsewhere.
struct Block {
    enum class Kind { Whole, Title, Rows };
    Kind kind = Kind::Whole;
    QString html;
    QString headedHtml = QString();
    bool firstRows = false;
};

std::vector<Block> blocksOf(const ArmySheet& sheet)
{
    std::vector<Block> blocks;
    blocks.push_back({Block::Kind::Whole, sheet.headingHtml});
    for (const QString& troop : sheet.troopHtml)
        blocks.push_back({Block::Kind::Whole, troop});
    for (const SheetTable* table : {&sheet.weapons, &sheet.abilities}) {
        blocks.push_back(
            {Block::Kind::Title,
             QStringLiteral("<h2>") + table->title + QStringLiteral("</h2><p class=\"note\">") +
                 table->note + QStringLiteral("</p>") +
                 (table->rows.isEmpty() ? QStringLiteral("<p>None.</p>") : QString())});
        const QString headed = tableStart(table->headings, table->widths);
        const QString plain = QStringLiteral(
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tbody>");
        for (int first = 0; first < table->rows.size(); first += rowsPerRun) {
            QString rows;
            for (int i = first; i < qMin(first + rowsPerRun, int(table->rows.size())); ++i)
                rows += table->rows[i];
            blocks.push_back({Block::Kind::Rows, plain + rows + tableEnd(),
                              headed + rows + tableEnd(), first == 0});
        }
    }
    return blocks;
}

std::unique_ptr<QTextDocument> layOut(const QString& html, qreal width)
{
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    document->setDocumentMargin(0);
    document->setUseDesignMetrics(true);
    document->setDefaultFont(sheetFont(12.0));
    document->setDefaultStyleSheet(sheetStyles());
    document->documentLayout()->setPaintDevice(layoutDevice());
    document->setHtml(html);
    document->setTextWidth(width);
    return document;
}

// The height of what the document shows: a document ends in an empty line after a table, which
// is left out.
qreal shownHeight(QTextDocument& document)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    qreal bottom = 0;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* frame = it.currentFrame())
            bottom = qMax(bottom, layout->frameBoundingRect(frame).bottom());
        else if (!it.currentBlock().text().isEmpty())
            bottom = qMax(bottom, layout->blockBoundingRect(it.currentBlock()).bottom());
    }
    return bottom;
}

// How tall each block is on a page of the given width, and how many pages a block taller than
// a page takes.
struct Measures {
    std::vector<qreal> heights;
    std::vector<int> pages;
    // The height that the headings add to a run of rows, for each run of rows.
    std::vector<qreal> headings;
};

// Where a block, or one page's share of a block taller than a page, goes.
struct Placement {
    int block;
    int page;
    qreal y;
    bool headed = false;
    int share = -1; // the page of a tall block, or -1 for a block that fits
};

class Layout
{
public:
    Layout(qreal pageHeight, const std::vector<Block>& allBlocks, const Measures& blockMeasures)
        : height(pageHeight), blocks(allBlocks), measures(blockMeasures)
    {
    }

    // Places the blocks one after the other.
    std::vector<Placement> place()
    {
        for (int i = 0; i < int(blocks.size()); ++i) {
            const Block& block = blocks[i];
            const qreal h = measures.heights[i];
            if (measures.pages[i] > 1) {
                if (y > 0)
                    newPage();
                for (int share = 0; share < measures.pages[i]; ++share) {
                    placements.push_back({i, page, 0, block.kind == Block::Kind::Rows, share});
                    newPage();
                }
                continue;
            }
            if (block.kind == Block::Kind::Rows) {
                const qreal headed = h + measures.headings[i];
                if (!block.firstRows && y > 0 && y + h > height)
                    newPage();
                const bool withHeadings = block.firstRows || y == 0;
                // Borders of two runs in a row fall on one line.
                put(i, withHeadings ? headed : h, -1.0, withHeadings);
                continue;
            }
            // A title keeps its table's headings and first rows with it.
            qreal needed = h;
            if (block.kind == Block::Kind::Title && i + 1 < int(blocks.size()) &&
                blocks[i + 1].firstRows)
                needed += measures.heights[i + 1] + measures.headings[i + 1];
            if (y > 0 && y + needed > height)
                newPage();
            // A title stands apart from the rows before it.
            if (block.kind == Block::Kind::Title && y > 0 && lastKind == Block::Kind::Rows)
                y += blockGap;
            put(i, h, block.kind == Block::Kind::Whole ? blockGap : 4.0, false);
        }
        return placements;
    }

    int pageCount() const { return y > 0 ? page + 1 : page; }

private:
    void newPage()
    {
        ++page;
        y = 0;
        lastKind = Block::Kind::Whole;
    }

    void put(int block, qreal h, qreal gap, bool headed)
    {
        placements.push_back({block, page, y, headed});
        y += h + gap;
        lastKind = blocks[block].kind;
    }

    qreal height;
    const std::vector<Block>& blocks;
    const Measures& measures;
    std::vector<Placement> placements;
    int page = 0;
    qreal y = 0;
    Block::Kind lastKind = Block::Kind::Whole;
};

void paintFooter(QPainter& painter, const QString& armyName, int page, int pages, qreal width,
                 qreal pageHeight)
{
    painter.save();
    painter.setFont(sheetFont(footerPixels));
    painter.setPen(QColor(0x40, 0x40, 0x40));
    const QRectF area(0, pageHeight - footerHeight + 8, width, footerHeight - 8);
    painter.drawLine(QPointF(0, area.top() - 4), QPointF(width, area.top() - 4));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, armyName);
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Page %1 of %2").arg(page).arg(pages));
    painter.restore();
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

    const std::vector<Block> blocks = blocksOf(sheet);
    const int steps = int(blocks.size()) * 2;
    Measures measures{std::vector<qreal>(blocks.size()), std::vector<int>(blocks.size(), 1),
                      std::vector<qreal>(blocks.size(), 0.0)};
    qreal headings = 0;
    for (int i = 0; i < int(blocks.size()); ++i) {
        if (progress && !progress->advance(i, steps))
            return false;
        const Block& block = blocks[i];
        if (block.firstRows) {
            const auto headed = layOut(block.headedHtml, width);
            headings = shownHeight(*headed);
        }
        const auto document = layOut(block.html, width);
        measures.heights[i] = shownHeight(*document);
        if (block.firstRows)
            headings -= measures.heights[i];
        measures.headings[i] = block.kind == Block::Kind::Rows ? headings : 0.0;
        if (measures.heights[i] + measures.headings[i] > contentHeight) {
            const auto paged =
                layOut(block.kind == Block::Kind::Rows ? block.headedHtml : block.html, width);
            paged->setPageSize(QSizeF(width, contentHeight));
            measures.pages[i] = paged->pageCount();
        }
    }
    Layout layout(contentHeight, blocks, measures);
    const std::vector<Placement> placements = layout.place();
    const int pages = qMax(1, layout.pageCount());

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(scaleX, scaleY);
    int page = 0;
    for (const Placement& placement : placements) {
        if (progress && !progress->advance(int(blocks.size()) + placement.block, steps))
            return false;
        while (page < placement.page) {
            paintFooter(painter, sheet.armyName, page + 1, pages, width, pageHeight);
            device.newPage();
            ++page;
        }
        const Block& block = blocks[placement.block];
        const auto document = layOut(placement.headed ? block.headedHtml : block.html, width);
        painter.save();
        if (placement.share >= 0) {
            document->setPageSize(QSizeF(width, contentHeight));
            const QRectF shown(0, placement.share * contentHeight, width, contentHeight);
            painter.translate(0, -shown.top());
            document->drawContents(&painter, shown);
        } else {
            painter.translate(0, placement.y);
            document->drawContents(&painter, QRectF(0, 0, width, shownHeight(*document)));
        }
        painter.restore();
    }
    paintFooter(painter, sheet.armyName, page + 1, pages, width, pageHeight);
    if (progress)
        progress->advance(steps, steps);
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

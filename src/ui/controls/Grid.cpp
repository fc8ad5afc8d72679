#include "ui/controls/Grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <limits>

// The editor that always stands on the current cell of an editable grid. It hands the keys
// that move between cells or belong to the window to the grid.
class CellEditor : public QLineEdit
{
public:
    CellEditor(Grid& owner, QWidget* parent) : QLineEdit(parent), grid(owner)
    {
        setFrame(false);
        setAutoFillBackground(true);
        setMaxLength(std::numeric_limits<int>::max());
        // Tab reaches the grid, which hands the focus to its editor.
        setFocusPolicy(Qt::ClickFocus);
        hide();
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
            if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
                grid.reportKeyPress(key);
                grid.tabFromEditor(key->key() == Qt::Key_Tab &&
                                   !(key->modifiers() & Qt::ShiftModifier));
                return true;
            }
        }
        return QLineEdit::event(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        grid.reportKeyPress(event);
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (grid.enterNextCell())
                return;
            event->ignore();
            return;
        case Qt::Key_Escape:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // Moving between rows is the grid's; Enter and Esc are the window's buttons'.
            event->ignore();
            return;
        default:
            break;
        }
        QLineEdit::keyPressEvent(event);
        grid.reportTypedText(event);
    }

    void keyReleaseEvent(QKeyEvent* event) override
    {
        QLineEdit::keyReleaseEvent(event);
        grid.reportKeyRelease(event);
        event->accept();
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        grid.focusLeft(event);
    }

private:
    Grid& grid;
};

namespace
{

// Fixed cells look like the window's buttons and never show as selected.
class GridDelegate : public QStyledItemDelegate
{
public:
    explicit GridDelegate(Grid& owner) : QStyledItemDelegate(&owner), grid(owner) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() < grid.fixedColumns()) {
            option->backgroundBrush = grid.palette().button();
            option->palette.setColor(QPalette::Text, grid.palette().color(QPalette::ButtonText));
            option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        }
    }

private:
    Grid& grid;
};

} // namespace

Grid::Grid(QWidget* parent, int colCount, int rowCount) : QTableWidget(parent)
{
    editor = new CellEditor(*this, viewport());
    setItemDelegate(new GridDelegate(*this));
    // The headers are hidden before the grid has cells, so that they never measure them.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setColumnCount(qMax(0, colCount));
    setRowCount(qMax(0, rowCount));
    horizontalHeader()->setMinimumSectionSize(4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(editor, &QLineEdit::textEdited, this, &Grid::editorTextEdited);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        placeEditor();
        updateGeometry();
    });
    applyRowHeight();
    ensureCurrentCell();
}

QLineEdit* Grid::cellEditor() const
{
    return editor;
}

void Grid::setColumnHeadings(const QStringList& headings)
{
    columnHeadings = headings;
    QStringList named = headings;
    named.removeAll(QString());
    setAccessibleName(named.join(QStringLiteral(", ")));
    editor->setAccessibleName(accessibleName());
    applyColumnHeadings();
    placeEditor();
}

// The header stays hidden: the window draws the headings itself, over the columns.
void Grid::applyColumnHeadings()
{
    for (int col = 0; col < columnCount() && col < columnHeadings.size(); ++col)
        setHorizontalHeaderItem(col, new QTableWidgetItem(columnHeadings[col]));
}

void Grid::changeColumnCount(int count)
{
    setColumnCount(qMax(0, count));
    applyColumnHeadings();
    ensureCurrentCell();
    placeEditor();
    updateGeometry();
}

void Grid::changeRowCount(int count)
{
    setRowCount(qMax(0, count));
    ensureCurrentCell();
    placeEditor();
    updateGeometry();
}

QString Grid::cell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= columnCount() || row >= rowCount())
        return QString();
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void Grid::setCell(int col, int row, const QString& text)
{
    if (col < 0 || row < 0 || col >= columnCount() || row >= rowCount())
        return;
    if (QTableWidgetItem* cell = item(row, col))
        cell->setText(text);
    else
        setItem(row, col, new QTableWidgetItem(text));
    if (col == editorColumn && row == editorRow && editor->text() != text)
        editor->setText(text);
}

int Grid::currentColumn() const
{
    return currentIndex().isValid() ? QTableWidget::currentColumn() : -1;
}

int Grid::currentRow() const
{
    return currentIndex().isValid() ? QTableWidget::currentRow() : -1;
}

void Grid::setCurrentColumn(int col)
{
    if (rowCount() == 0 || columnCount() <= fixedColumnCount)
        return;
    const int row = qMax(0, currentRow());
    setCurrentCell(row, qBound(fixedColumnCount, col, columnCount() - 1));
}

void Grid::setCurrentRow(int row)
{
    if (rowCount() == 0 || columnCount() <= fixedColumnCount)
        return;
    const int col = qMax(fixedColumnCount, currentColumn());
    setCurrentCell(qBound(0, row, rowCount() - 1), col);
}

void Grid::setFixedColumns(int count)
{
    fixedColumnCount = qMax(0, count);
    ensureCurrentCell();
    placeEditor();
    viewport()->update();
}

void Grid::resizeColumn(int col, int width)
{
    if (col < 0 || col >= columnCount())
        return;
    setColumnWidth(col, qMax(4, width));
}

int Grid::defaultRowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void Grid::setDefaultRowHeight(int height)
{
    requestedRowHeight = height;
    applyRowHeight();
}

int Grid::minimumRowHeight() const
{
    return qMax(fontMetrics().height(), editor->minimumSizeHint().height()) + 3;
}

void Grid::applyRowHeight()
{
    const int height = qMax(requestedRowHeight, minimumRowHeight());
    verticalHeader()->setDefaultSectionSize(height);
    for (int row = 0; row < rowCount(); ++row)
        setRowHeight(row, height);
    placeEditor();
    updateGeometry();
}

void Grid::setVisibleRows(int rows)
{
    visibleRows = qMax(1, rows);
    updateGeometry();
}

bool Grid::selectsRows() const
{
    return selectionBehavior() == QAbstractItemView::SelectRows;
}

void Grid::setSelectsRows(bool on)
{
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    if (currentIndex().isValid())
        selectionModel()->select(
            currentIndex(), QItemSelectionModel::ClearAndSelect |
                                (on ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
}

void Grid::setReadOnly(bool on)
{
    readOnlyCells = on;
    placeEditor();
}

QSize Grid::sizeHint() const
{
    int width = 2 * frameWidth();
    for (int col = 0; col < columnCount(); ++col)
        width += columnWidth(col);
    const int shownRows = visibleRows > 0 ? visibleRows : qBound(1, rowCount(), 10);
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ||
        (verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded && rowCount() > shownRows))
        width += verticalScrollBar()->sizeHint().width();
    int height = 2 * frameWidth() + shownRows * defaultRowHeight();
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        height += horizontalScrollBar()->sizeHint().height();
    return QSize(width, height);
}

QSize Grid::minimumSizeHint() const
{
    return QSize(sizeHint().width(), 2 * frameWidth() + defaultRowHeight());
}

// A grid with cells always has a current cell outside the fixed columns.
void Grid::ensureCurrentCell()
{
    if (rowCount() == 0 || columnCount() <= fixedColumnCount)
        return;
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        setCurrentCell(0, fixedColumnCount);
    else if (current.column() < fixedColumnCount)
        setCurrentCell(current.row(), fixedColumnCount);
}

void Grid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableWidget::currentChanged(current, previous);
    if (current.isValid() && current.column() < fixedColumnCount &&
        fixedColumnCount < columnCount()) {
        setCurrentCell(current.row(), fixedColumnCount);
        return;
    }
    placeEditor();
}

QModelIndex Grid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex moved = QTableWidget::moveCursor(action, modifiers);
    if (moved.isValid() && moved.column() < fixedColumnCount) {
        if (fixedColumnCount >= columnCount())
            return currentIndex();
        return model()->index(moved.row(), fixedColumnCount);
    }
    return moved;
}

// Shows the editor over the current cell when that cell may be edited, with the cell's text;
// entering another cell selects its whole text, so that typing replaces it.
void Grid::placeEditor()
{
    const QModelIndex current = currentIndex();
    const bool editable =
        !readOnlyCells && current.isValid() && current.column() >= fixedColumnCount;
    if (!editable) {
        editorColumn = editorRow = -1;
        if (editor->hasFocus())
            setFocus(Qt::OtherFocusReason);
        editor->hide();
        return;
    }
    if (current.column() != editorColumn || current.row() != editorRow) {
        editorColumn = current.column();
        editorRow = current.row();
        editor->setText(cell(editorColumn, editorRow));
        editor->selectAll();
    }
    const QString heading = columnHeadings.value(editorColumn);
    editor->setAccessibleName(heading.isEmpty() ? accessibleName() : heading);
    editor->setGeometry(visualRect(current));
    if (!editor->isVisible()) {
        const bool focusHere = hasFocus();
        editor->show();
        if (focusHere)
            editor->setFocus(Qt::OtherFocusReason);
    }
}

void Grid::editorTextEdited(const QString& text)
{
    if (editorColumn < 0 || editorRow < 0)
        return;
    if (QTableWidgetItem* cell = item(editorRow, editorColumn))
        cell->setText(text);
    else
        setItem(editorRow, editorColumn, new QTableWidgetItem(text));
}

void Grid::reportKeyPress(QKeyEvent* event)
{
    emit keyPressed(event->key(), event->modifiers());
}

void Grid::reportTypedText(QKeyEvent* event)
{
    if (!event->text().isEmpty())
        emit textTyped(event->text());
}

void Grid::reportKeyRelease(QKeyEvent* event)
{
    emit keyReleased(event->key(), event->modifiers());
}

void Grid::tabFromEditor(bool forward)
{
    int col = currentColumn();
    int row = currentRow();
    if (col < 0 || row < 0) {
        leaveGrid(forward);
        return;
    }
    if (forward) {
        if (++col >= columnCount()) {
            col = fixedColumnCount;
            ++row;
        }
    } else if (--col < fixedColumnCount) {
        col = columnCount() - 1;
        --row;
    }
    if (row < 0 || row >= rowCount()) {
        leaveGrid(forward);
        return;
    }
    setCurrentCell(row, col);
    editor->selectAll();
}

bool Grid::enterNextCell()
{
    int col = currentColumn();
    int row = currentRow();
    if (readOnlyCells || col < 0 || row < 0)
        return false;
    if (++col >= columnCount()) {
        col = fixedColumnCount;
        ++row;
    }
    if (row >= rowCount())
        return false;
    setCurrentCell(row, col);
    editor->selectAll();
    return true;
}

// The focus goes to the next (previous) control of the window that takes it by Tab.
void Grid::leaveGrid(bool forward)
{
    QWidget* candidate = this;
    for (;;) {
        candidate = forward ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (!candidate || candidate == this)
            return;
        if (isInside(candidate) || candidate->isWindow())
            continue;
        if ((candidate->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && candidate->isEnabled() &&
            candidate->isVisibleTo(window())) {
            candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool Grid::isInside(const QWidget* widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

void Grid::focusLeft(QFocusEvent* event)
{
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (isInside(QApplication::focusWidget()))
        return;
    emit exited();
}

void Grid::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    ensureCurrentCell();
    if (editor->isVisible()) {
        editor->setFocus(event->reason());
        editor->selectAll();
    }
}

void Grid::focusOutEvent(QFocusEvent* event)
{
    QTableWidget::focusOutEvent(event);
    focusLeft(event);
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    const bool mine = hasFocus();
    if (mine)
        emit keyPressed(event->key(), event->modifiers());
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (enterNextCell())
            return;
        event->ignore();
        return;
    case Qt::Key_Escape:
        event->ignore();
        return;
    default:
        break;
    }
    QTableWidget::keyPressEvent(event);
    if (mine && !event->text().isEmpty())
        emit textTyped(event->text());
}

void Grid::keyReleaseEvent(QKeyEvent* event)
{
    QTableWidget::keyReleaseEvent(event);
    if (hasFocus())
        emit keyReleased(event->key(), event->modifiers());
}

void Grid::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyRowHeight();
}

void Grid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    placeEditor();
}

void Grid::scrollContentsBy(int dx, int dy)
{
    QTableWidget::scrollContentsBy(dx, dy);
    placeEditor();
}

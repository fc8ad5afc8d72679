#include "ui/controls/Grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>

// The editor that always stands on the current cell of an editable grid. It hands the keys
// that move between cells or belong to the window to the grid.
class CellEditor : public QLineEdit
{
public:
    CellEditor(StringGrid& grid, QWidget* parent) : QLineEdit(parent), grid(grid)
    {
        setFrame(false);
        setAutoFillBackground(true);
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
                grid.EditorKeyDown(key);
                grid.TabFromEditor(key->key() == Qt::Key_Tab &&
                                   !(key->modifiers() & Qt::ShiftModifier));
                return true;
            }
        }
        return QLineEdit::event(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        grid.EditorKeyDown(event);
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
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
        grid.EditorKeyPressed(event);
    }

    void keyReleaseEvent(QKeyEvent* event) override
    {
        QLineEdit::keyReleaseEvent(event);
        grid.EditorKeyUp(event);
        event->accept();
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        grid.FocusLeft(event);
    }

private:
    StringGrid& grid;
};

namespace
{

// Fixed cells look like the window's buttons and never show as selected.
class GridDelegate : public QStyledItemDelegate
{
public:
    explicit GridDelegate(StringGrid& grid) : QStyledItemDelegate(&grid), grid(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() < grid.FixedCols()) {
            option->backgroundBrush = grid.palette().button();
            option->palette.setColor(QPalette::Text, grid.palette().color(QPalette::ButtonText));
            option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        }
    }

private:
    StringGrid& grid;
};

} // namespace

StringGrid::StringGrid(QWidget* parent, int colCount, int rowCount)
    : QTableWidget(qMax(0, rowCount), qMax(0, colCount), parent)
{
    editor = new CellEditor(*this, viewport());
    setItemDelegate(new GridDelegate(*this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
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
    connect(editor, &QLineEdit::textEdited, this, &StringGrid::EditorTextEdited);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        PlaceEditor();
        updateGeometry();
    });
    ApplyRowHeight();
    EnsureCurrentCell();
}

QLineEdit* StringGrid::Editor() const
{
    return editor;
}

void StringGrid::SetColCount(int count)
{
    setColumnCount(qMax(0, count));
    EnsureCurrentCell();
    PlaceEditor();
    updateGeometry();
}

void StringGrid::SetRowCount(int count)
{
    setRowCount(qMax(0, count));
    EnsureCurrentCell();
    PlaceEditor();
    updateGeometry();
}

QString StringGrid::Cell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= columnCount() || row >= rowCount())
        return QString();
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void StringGrid::SetCell(int col, int row, const QString& text)
{
    if (col < 0 || row < 0 || col >= columnCount() || row >= rowCount())
        return;
    if (QTableWidgetItem* cell = item(row, col))
        cell->setText(text);
    else
        setItem(row, col, new QTableWidgetItem(text));
    if (col == editorCol && row == editorRow && editor->text() != text)
        editor->setText(text);
}

int StringGrid::Col() const
{
    return currentIndex().isValid() ? currentColumn() : -1;
}

int StringGrid::Row() const
{
    return currentIndex().isValid() ? currentRow() : -1;
}

void StringGrid::SetCol(int col)
{
    if (rowCount() == 0 || columnCount() <= fixedCols)
        return;
    const int row = qMax(0, Row());
    setCurrentCell(row, qBound(fixedCols, col, columnCount() - 1));
}

void StringGrid::SetRow(int row)
{
    if (rowCount() == 0 || columnCount() <= fixedCols)
        return;
    const int col = qMax(fixedCols, Col());
    setCurrentCell(qBound(0, row, rowCount() - 1), col);
}

void StringGrid::SetFixedCols(int count)
{
    fixedCols = qMax(0, count);
    EnsureCurrentCell();
    PlaceEditor();
    viewport()->update();
}

int StringGrid::ColWidth(int col) const
{
    return columnWidth(col);
}

void StringGrid::SetColWidth(int col, int width)
{
    if (col < 0 || col >= columnCount())
        return;
    setColumnWidth(col, qMax(4, width));
}

int StringGrid::RowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void StringGrid::SetRowHeight(int height)
{
    requestedRowHeight = height;
    ApplyRowHeight();
}

int StringGrid::MinimumRowHeight() const
{
    return qMax(fontMetrics().height(), editor->minimumSizeHint().height()) + 3;
}

void StringGrid::ApplyRowHeight()
{
    const int height = qMax(requestedRowHeight, MinimumRowHeight());
    verticalHeader()->setDefaultSectionSize(height);
    for (int row = 0; row < rowCount(); ++row)
        setRowHeight(row, height);
    PlaceEditor();
    updateGeometry();
}

void StringGrid::SetVisibleRows(int rows)
{
    visibleRows = qMax(1, rows);
    updateGeometry();
}

bool StringGrid::RowSelect() const
{
    return selectionBehavior() == QAbstractItemView::SelectRows;
}

void StringGrid::SetRowSelect(bool on)
{
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    if (currentIndex().isValid())
        selectionModel()->select(
            currentIndex(), QItemSelectionModel::ClearAndSelect |
                                (on ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
}

void StringGrid::SetReadOnly(bool on)
{
    readOnly = on;
    PlaceEditor();
}

QSize StringGrid::sizeHint() const
{
    int width = 2 * frameWidth();
    for (int col = 0; col < columnCount(); ++col)
        width += columnWidth(col);
    const int shownRows = visibleRows > 0 ? visibleRows : qBound(1, rowCount(), 10);
    if (verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ||
        (verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded && rowCount() > shownRows))
        width += verticalScrollBar()->sizeHint().width();
    int height = 2 * frameWidth() + shownRows * RowHeight();
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        height += horizontalScrollBar()->sizeHint().height();
    return QSize(width, height);
}

QSize StringGrid::minimumSizeHint() const
{
    return QSize(sizeHint().width(), 2 * frameWidth() + RowHeight());
}

// A grid with cells always has a current cell outside the fixed columns.
void StringGrid::EnsureCurrentCell()
{
    if (rowCount() == 0 || columnCount() <= fixedCols)
        return;
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        setCurrentCell(0, fixedCols);
    else if (current.column() < fixedCols)
        setCurrentCell(current.row(), fixedCols);
}

void StringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableWidget::currentChanged(current, previous);
    if (current.isValid() && current.column() < fixedCols && fixedCols < columnCount()) {
        setCurrentCell(current.row(), fixedCols);
        return;
    }
    PlaceEditor();
}

QModelIndex StringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex moved = QTableWidget::moveCursor(action, modifiers);
    if (moved.isValid() && moved.column() < fixedCols) {
        if (fixedCols >= columnCount())
            return currentIndex();
        return model()->index(moved.row(), fixedCols);
    }
    return moved;
}

// Shows the editor over the current cell when that cell may be edited, with the cell's text;
// entering another cell selects its whole text, so that typing replaces it.
void StringGrid::PlaceEditor()
{
    const QModelIndex current = currentIndex();
    const bool editable = !readOnly && current.isValid() && current.column() >= fixedCols;
    if (!editable) {
        editorCol = editorRow = -1;
        if (editor->hasFocus())
            setFocus(Qt::OtherFocusReason);
        editor->hide();
        return;
    }
    if (current.column() != editorCol || current.row() != editorRow) {
        editorCol = current.column();
        editorRow = current.row();
        editor->setText(Cell(editorCol, editorRow));
        editor->selectAll();
    }
    editor->setGeometry(visualRect(current));
    if (!editor->isVisible()) {
        const bool focusHere = hasFocus();
        editor->show();
        if (focusHere)
            editor->setFocus(Qt::OtherFocusReason);
    }
}

void StringGrid::EditorTextEdited(const QString& text)
{
    if (editorCol < 0 || editorRow < 0)
        return;
    if (QTableWidgetItem* cell = item(editorRow, editorCol))
        cell->setText(text);
    else
        setItem(editorRow, editorCol, new QTableWidgetItem(text));
}

void StringGrid::EditorKeyDown(QKeyEvent* event)
{
    emit KeyDown(event->key(), event->modifiers());
}

void StringGrid::EditorKeyPressed(QKeyEvent* event)
{
    if (!event->text().isEmpty())
        emit KeyPress(event->text());
}

void StringGrid::EditorKeyUp(QKeyEvent* event)
{
    emit KeyUp(event->key(), event->modifiers());
}

void StringGrid::TabFromEditor(bool forward)
{
    int col = Col();
    int row = Row();
    if (col < 0 || row < 0) {
        LeaveGrid(forward);
        return;
    }
    if (forward) {
        if (++col >= columnCount()) {
            col = fixedCols;
            ++row;
        }
    } else if (--col < fixedCols) {
        col = columnCount() - 1;
        --row;
    }
    if (row < 0 || row >= rowCount()) {
        LeaveGrid(forward);
        return;
    }
    setCurrentCell(row, col);
    editor->selectAll();
}

// The focus goes to the next (previous) control of the window that takes it by Tab.
void StringGrid::LeaveGrid(bool forward)
{
    QWidget* candidate = this;
    for (;;) {
        candidate = forward ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (!candidate || candidate == this)
            return;
        if (Inside(candidate) || candidate->isWindow())
            continue;
        if ((candidate->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && candidate->isEnabled() &&
            candidate->isVisibleTo(window())) {
            candidate->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool StringGrid::Inside(const QWidget* widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

void StringGrid::FocusLeft(QFocusEvent* event)
{
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (Inside(QApplication::focusWidget()))
        return;
    emit Exit();
}

void StringGrid::focusInEvent(QFocusEvent* event)
{
    QTableWidget::focusInEvent(event);
    EnsureCurrentCell();
    if (editor->isVisible()) {
        editor->setFocus(event->reason());
        editor->selectAll();
    }
}

void StringGrid::focusOutEvent(QFocusEvent* event)
{
    QTableWidget::focusOutEvent(event);
    FocusLeft(event);
}

void StringGrid::keyPressEvent(QKeyEvent* event)
{
    const bool mine = hasFocus();
    if (mine)
        emit KeyDown(event->key(), event->modifiers());
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->ignore();
        return;
    default:
        break;
    }
    QTableWidget::keyPressEvent(event);
    if (mine && !event->text().isEmpty())
        emit KeyPress(event->text());
}

void StringGrid::keyReleaseEvent(QKeyEvent* event)
{
    QTableWidget::keyReleaseEvent(event);
    if (hasFocus())
        emit KeyUp(event->key(), event->modifiers());
}

void StringGrid::changeEvent(QEvent* event)
{
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ApplyRowHeight();
}

void StringGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    PlaceEditor();
}

void StringGrid::scrollContentsBy(int dx, int dy)
{
    QTableWidget::scrollContentsBy(dx, dy);
    PlaceEditor();
}

#pragma once

#include <QList>
#include <QTableWidget>

class CellEditor;
class QLineEdit;

// A grid of text cells addressed by column and row, the way the windows use it:
// - an editable grid always shows its cell editor on the current cell, so the user types
//   straight into a cell; every change of the editor's text reaches the cell at once;
// - Tab and Shift+Tab move from editable cell to editable cell, row by row, and leave the grid
//   for the next (previous) control of the window after the last (before the first) cell;
// - the leading fixed columns are shown but never edited, and never become the current cell;
// - exited() fires when the focus leaves the grid for another control of the same window;
// - a read-only grid shows no editor; with whole-row selection the current row is highlighted.
// A cell outside the grid reads as the empty text and ignores writes, so an empty grid (no
// rows) is safe to read.
class Grid : public QTableWidget
{
    Q_OBJECT
public:
    Grid(QWidget* parent, int colCount, int rowCount);

    void changeColumnCount(int count);
    void changeRowCount(int count);

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);

    // The current cell; both are -1 while the grid has no cell that can be current.
    int currentColumn() const;
    int currentRow() const;
    // A column inside the fixed columns moves to the first column after them; a position
    // outside the grid is held to its last column or row.
    void setCurrentColumn(int col);
    void setCurrentRow(int row);

    int fixedColumns() const { return fixedColumnCount; }
    void setFixedColumns(int count);

    // Column widths and the height of every row, in pixels. A row is never lower than the
    // font and the cell editor need.
    void resizeColumn(int col, int width);
    int defaultRowHeight() const;
    void setDefaultRowHeight(int height);

    // How many rows the grid's preferred height shows (all rows, up to ten, unless set). Its
    // preferred width always shows every column.
    void setVisibleRows(int rows);

    bool selectsRows() const;
    void setSelectsRows(bool on);
    bool isReadOnly() const { return readOnlyCells; }
    void setReadOnly(bool on);

    // The headings shown over the columns, one per column in column order. Assistive technology
    // reads them as the column headers and, joined, as the grid's name; the cell editor takes
    // the heading of the column it edits.
    void setColumnHeadings(const QStringList& headings);

    // Ends the editing as leaving the grid would: exited() fires.
    void finishEditing() { emit exited(); }
    // Enter: the next editable cell becomes current, as Tab makes it; false from the last one
    // (or in a read-only grid), where Enter is the window's.
    bool enterNextCell();

    // The cell editor; it is visible only on an editable current cell.
    QLineEdit* cellEditor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The focus went from the grid to another control of the window. Every text typed is in
    // its cell by then.
    void exited();
    // A key went down while the grid had the focus, before the key acts.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);
    // A key that gives text was typed; an editable cell already holds the result.
    void textTyped(const QString& text);
    // A key came up while the grid had the focus.
    void keyReleased(int key, Qt::KeyboardModifiers modifiers);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class CellEditor;

    int minimumRowHeight() const;
    void applyRowHeight();
    void applyColumnHeadings();
    void ensureCurrentCell();
    void placeEditor();
    void editorTextEdited(const QString& text);
    void reportKeyPress(QKeyEvent* event);
    void reportTypedText(QKeyEvent* event);
    void reportKeyRelease(QKeyEvent* event);
    void tabFromEditor(bool forward);
    void leaveGrid(bool forward);
    void focusLeft(QFocusEvent* event);
    bool isInside(const QWidget* widget) const;

    CellEditor* editor;
    int fixedColumnCount = 0;
    int requestedRowHeight = 0;
    int visibleRows = 0;
    bool readOnlyCells = false;
    int editorColumn = -1;
    int editorRow = -1;
    QStringList columnHeadings;
};

// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTableWidget>

class QLineEdit;

// The text grid of the harmonics table: the header row is the table's own header, so table
// row n holds harmonic n. Columns 0 and 1 are fixed (grey, never current, not editable);
// columns 2 and 3 are edited in place. Whenever the grid has the focus, its current cell is
// open in the cell editor; Tab and Shift+Tab move from cell to cell and, past the last or
// the first cell, on to the dialog's next or previous control. Return and Escape commit or
// undo what is typed into a cell; on a cell with nothing typed they are the dialog's OK and
// Cancel, as in any other field. Rows are resized by dragging their border in the fixed
// columns.
class HarmonicsGrid : public QTableWidget {
    Q_OBJECT
public:
    HarmonicsGrid(QWidget* parent, int rows, const QList<int>& columnWidths, int fixedColumns,
                  int rowHeight);

    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);
    // Makes the cell current and gives the grid the focus, which opens the cell editor.
    void ShowCell(int row, int column);
    // The open cell editor, or null.
    QLineEdit* CellEditor() const;
    // Takes what is typed in the open cell editor into its cell.
    void CommitEditor();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void OpenEditor();
    // The cell editor's keys that reach past the grid; true when taken.
    bool EditorKey(QLineEdit& editor, QKeyEvent& key);
    // Moves the focus to the control before or after the grid in the tab order.
    void LeaveGrid(bool forward);
    bool IsFixed(int column) const { return column < fixedColumns_; }
    // The row whose lower border lies under `pos` in the fixed columns, else -1.
    int RowBorderAt(const QPoint& pos) const;

    int fixedColumns_;
    bool closingEditor_ = false;
    int resizedRow_ = -1; // the row whose border is being dragged
};

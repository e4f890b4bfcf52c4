// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/HarmonicsGrid.h"

#include "ui/Translatable.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cstdlib>

namespace {

// How close to a row border the mouse must be to drag it.
constexpr int BorderGrip = 2;

// Draws a fixed cell grey with its text 1 pixel from the left and never elided: the
// style's own margins would cut "128" in the 20 pixels of the first column.
class FixedCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->fillRect(option.rect, option.palette.button());
        painter->setPen(option.palette.color(QPalette::ButtonText));
        painter->drawText(option.rect.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
    }
};

} // namespace

HarmonicsGrid::HarmonicsGrid(QWidget* parent, int rows, const QList<int>& columnWidths,
                             int fixedColumns, int rowHeight)
    : QTableWidget(rows, static_cast<int>(columnWidths.size()), parent),
      fixedColumns_(fixedColumns) {
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The current cell is always open for editing (see also focusInEvent and closeEditor).
    setEditTriggers(AllEditTriggers);
    setTabKeyNavigation(true);
    setWordWrap(false);

    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFixedHeight(rowHeight);
    for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, columnWidths[c]);

    for (int c = 0; c < fixedColumns_; ++c)
        setItemDelegateForColumn(c, new FixedCellDelegate(this));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(IsFixed(c)
                               ? Qt::ItemIsEnabled
                               : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            setItem(r, c, item);
        }
    }
    viewport()->setMouseTracking(true);
    setCurrentCell(0, fixedColumns_);
}

QString HarmonicsGrid::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void HarmonicsGrid::SetCellText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) cell->setText(text);
}

void HarmonicsGrid::ShowCell(int row, int column) {
    setCurrentCell(row, column);
    scrollTo(currentIndex());
    setFocus(Qt::OtherFocusReason);
    OpenEditor();
}

QLineEdit* HarmonicsGrid::CellEditor() const {
    return qobject_cast<QLineEdit*>(indexWidget(currentIndex()));
}

void HarmonicsGrid::CommitEditor() {
    if (QWidget* editor = indexWidget(currentIndex())) commitData(editor);
}

QModelIndex HarmonicsGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const int first = fixedColumns_;
    const int last = columnCount() - 1;
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : 0;
    int column = current.isValid() ? std::max(current.column(), first) : first;
    switch (action) {
    case MoveNext: // Tab: along the row, then to the first cell of the next row
        if (column < last)
            ++column;
        else if (row < rowCount() - 1) {
            ++row;
            column = first;
        }
        break;
    case MovePrevious:
        if (column > first)
            --column;
        else if (row > 0) {
            --row;
            column = last;
        }
        break;
    default: {
        const QModelIndex moved = QTableWidget::moveCursor(action, modifiers);
        if (!moved.isValid()) return moved;
        row = moved.row();
        column = std::max(moved.column(), first); // the fixed columns are never current
    }
    }
    return model()->index(row, column);
}

void HarmonicsGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Closing an editor that has the focus hands the focus to the grid; the editor then
    // belongs on the cell the hint moves to, not back on the old one.
    closingEditor_ = true;
    QTableWidget::closeEditor(editor, hint);
    closingEditor_ = false;
    if (hasFocus()) OpenEditor();
}

bool HarmonicsGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool editing = QTableWidget::edit(index, trigger, event);
    // Installed after the delegate's filter, so it sees the editor's keys first.
    if (QWidget* editor = indexWidget(index)) {
        editor->installEventFilter(this);
        // A screen reader names the cell by its column and harmonic.
        const QTableWidgetItem* header = horizontalHeaderItem(index.column());
        editor->setAccessibleName(
            QStringLiteral("%1, n = %2")
                .arg(header ? header->text() : QString(), CellText(index.row(), 0)));
        editor->setAccessibleDescription(Translated(QT_TRANSLATE_NOOP(
            "Wellenwerk", "Zelle der Harmonischen; Tab geht zur nächsten Zelle.")));
    }
    return editing;
}

bool HarmonicsGrid::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (editor && event->type() == QEvent::KeyPress &&
        EditorKey(*editor, static_cast<QKeyEvent&>(*event)))
        return true;
    return QTableWidget::eventFilter(watched, event);
}

bool HarmonicsGrid::EditorKey(QLineEdit& editor, QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool forward = key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier);
        if (moveCursor(forward ? MoveNext : MovePrevious, key.modifiers()) != currentIndex())
            return false; // the delegate moves on to the next cell
        CommitEditor();
        LeaveGrid(forward);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: {
        // Something typed: the delegate commits it (Return) or undoes it (Escape).
        if (editor.isModified()) return false;
        QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.text());
        QApplication::sendEvent(window(), &copy);
        return true;
    }
    default:
        return false;
    }
}

void HarmonicsGrid::LeaveGrid(bool forward) {
    QWidget* next = this;
    do {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
    } while (next != this && (isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus) ||
                              !next->isVisibleTo(window()) || !next->isEnabled()));
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void HarmonicsGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    if (!closingEditor_) OpenEditor();
}

void HarmonicsGrid::OpenEditor() {
    const QModelIndex current = currentIndex();
    if (state() == EditingState || !current.isValid() || IsFixed(current.column())) return;
    edit(current, AllEditTriggers, nullptr);
}

int HarmonicsGrid::RowBorderAt(const QPoint& pos) const {
    const int column = columnAt(pos.x());
    if (column < 0 || !IsFixed(column)) return -1;
    const int row = rowAt(pos.y());
    if (row < 0) return -1;
    const int top = rowViewportPosition(row);
    if (std::abs(pos.y() - (top + rowHeight(row))) <= BorderGrip) return row;
    if (row > 0 && std::abs(pos.y() - top) <= BorderGrip) return row - 1;
    return -1;
}

void HarmonicsGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const int column = columnAt(pos.x());
    if (column < 0 || !IsFixed(column)) {
        QTableWidget::mousePressEvent(event);
        return;
    }
    // A press in the fixed columns selects nothing; on a row border it starts resizing.
    if (event->button() == Qt::LeftButton) resizedRow_ = RowBorderAt(pos);
    event->accept();
}

void HarmonicsGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (resizedRow_ >= 0) {
        setRowHeight(resizedRow_, std::max(1, pos.y() - rowViewportPosition(resizedRow_)));
        return;
    }
    if (RowBorderAt(pos) >= 0)
        viewport()->setCursor(Qt::SplitVCursor);
    else
        viewport()->unsetCursor();
    if (columnAt(pos.x()) >= fixedColumns_) QTableWidget::mouseMoveEvent(event);
}

void HarmonicsGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (resizedRow_ >= 0) {
        resizedRow_ = -1;
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
}

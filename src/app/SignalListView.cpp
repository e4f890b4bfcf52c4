// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SignalListView.h"

#include "app/SignalRowDelegate.h"
#include "project/Project.h"
#include "ui/CommandGuard.h"
#include "ui/Glyphs.h"
#include "ui/WindowControls.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

SignalListView::SignalListView(QWidget* client, const Project& project)
    : QObject(client), project_(project), icons_(PaintListIcons()) {
    QGroupBox* group = MakeGroup(client, "GroupBox2", {4, 0, 233, 221},
                                 QString::fromUtf8(QT_TRANSLATE_NOOP("Wellenwerk", "Signale")));
    list_ = new QListWidget(group);
    list_->setObjectName(QStringLiteral("SignalListBox"));
    list_->setGeometry(8, 16, 217, 197);
    list_->setUniformItemSizes(true);
    list_->setItemDelegate(new SignalRowDelegate(project_, icons_, list_));
    list_->setContextMenuPolicy(Qt::PreventContextMenu);
    connect(list_, &QListWidget::currentRowChanged, this, [this] { emit SelectionChanged(); });
    list_->viewport()->installEventFilter(this);
    list_->installEventFilter(this);
    // The window opens with the keys on the list.
    list_->setFocus(Qt::OtherFocusReason);
}

void SignalListView::SetItems(int index) {
    const QSignalBlocker block(list_);
    list_->clear();
    for (int i = 0; i < project_.Count(); ++i)
        list_->addItem(QString::fromStdString(project_.Name(i)));
    list_->setCurrentRow(project_.IsValidIndex(index) ? index : -1);
    list_->viewport()->update();
}

void SignalListView::SetViewScale(double scale) {
    icons_ = PaintListIcons(scale);
    list_->doItemsLayout(); // the rows' height follows the scale
    list_->viewport()->update();
}

int SignalListView::SelectedIndex() const {
    const int row = list_->currentRow();
    return project_.IsValidIndex(row) ? row : -1;
}

bool SignalListView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == list_ && type == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return QObject::eventFilter(watched, event);
        switch (key->key()) {
        case Qt::Key_Space:
            emit RightButtonPressed();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit DoubleClicked();
            return true;
        case Qt::Key_Delete:
            emit DeletePressed();
            return true;
        default:
            break;
        }
    }
    if (watched != list_->viewport() ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick))
        return QObject::eventFilter(watched, event);
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (button == Qt::RightButton) {
        // A quick second press arrives as a double click: it toggles again and must not
        // reach the list, which would select the row under the pointer.
        emit RightButtonPressed();
        return true;
    }
    if (type == QEvent::MouseButtonDblClick && button == Qt::LeftButton) {
        emit DoubleClicked();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

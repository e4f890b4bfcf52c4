// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStyledItemDelegate>

class Project;
class QPixmap;

// Draws a row of the signal list: the kind icon (grey when hidden) and the name.
class SignalRowDelegate : public QStyledItemDelegate {
public:
    // `icons` is the list-icon image; both it and the project outlive the delegate.
    SignalRowDelegate(const Project& project, const QPixmap& icons, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static constexpr int RowHeight = 15;

private:
    const Project& project_;
    const QPixmap& icons_;
};

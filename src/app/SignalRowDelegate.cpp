// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SignalRowDelegate.h"

#include "project/Project.h"
#include "ui/Glyphs.h"

#include <QPainter>

SignalRowDelegate::SignalRowDelegate(const Project& project, const QPixmap& icons, QObject* parent)
    : QStyledItemDelegate(parent), project_(project), icons_(icons) {}

QSize SignalRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), RowHeight};
}

void SignalRowDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    p->fillRect(option.rect, selected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
    const int row = index.row();
    if (project_.IsValidIndex(row)) {
        const tSignal& s = project_.Signal(row);
        // A kind the program does not know (from a file) shows as spectral lines.
        const int kind = IsKnownKind(s.Kind) ? s.Kind : SpectralLines;
        const QRect icon(kind * ListIconSize, s.Visible ? 0 : ListIconSize, ListIconSize,
                         ListIconSize);
        p->drawPixmap(option.rect.left() + 2, option.rect.top(), icons_, icon.x(), icon.y(),
                      icon.width(), icon.height());
    }
    p->setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    p->setFont(option.font);
    const QRect text(option.rect.left() + 20, option.rect.top(), option.rect.width() - 20,
                     RowHeight);
    p->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                index.data(Qt::DisplayRole).toString());
}

// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SignalRowDelegate.h"

#include "project/Project.h"
#include "ui/Glyphs.h"
#include "ui/ViewScale.h"

#include <QPainter>

SignalRowDelegate::SignalRowDelegate(const Project& project, const QPixmap& icons, QObject* parent)
    : QStyledItemDelegate(parent), project_(project), icons_(icons) {}

namespace {

double Scale(const QObject* list) {
    return ViewScaleOf(qobject_cast<const QWidget*>(list));
}

} // namespace

QSize SignalRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), ScaledEdge(RowHeight, Scale(parent()))};
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
        const double scale = Scale(parent());
        if (scale == 1.0 && icons_.devicePixelRatio() == 1.0) {
            p->drawPixmap(option.rect.left() + 2, option.rect.top(), icons_, icon.x(), icon.y(),
                          icon.width(), icon.height());
        } else { // the strip was painted at this scale: cut the cell at its resolution
            const QRect target(option.rect.left() + ScaledEdge(2, scale), option.rect.top(),
                               ScaledEdge(ListIconSize, scale), ScaledEdge(ListIconSize, scale));
            p->drawPixmap(target, icons_, ScaledRect(icon, icons_.devicePixelRatio()));
        }
    }
    p->setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    p->setFont(option.font);
    const int indent = ScaledEdge(20, Scale(parent()));
    const QRect text(option.rect.left() + indent, option.rect.top(), option.rect.width() - indent,
                     option.rect.height());
    p->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                index.data(Qt::DisplayRole).toString());
}

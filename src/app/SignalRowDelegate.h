#pragma once

#include <QStyledItemDelegate>

class TMainForm;

// Draws a row of the signal list: the kind icon (grey when hidden) and the name.
class SignalRowDelegate : public QStyledItemDelegate {
public:
    SignalRowDelegate(TMainForm* form, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static constexpr int RowHeight = 15;

private:
    TMainForm* form_;
};

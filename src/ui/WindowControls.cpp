// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WindowControls.h"

#include "ui/ToolIcons.h"
#include "ui/Translatable.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

namespace {

// The style draws no focus on flat tool buttons; this one frames itself while it has the
// focus and is painted as every other tool button otherwise.
class FocusFramedButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        QToolButton::paintEvent(event);
        if (!hasFocus()) return;
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

} // namespace

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QRect& bounds,
                            const QString& hint, const QIcon& icon) {
    auto* b = new FocusFramedButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(bounds);
    b->setAutoRaise(true);
    b->setIconSize(QSize(18, 18));
    b->setFocusPolicy(Qt::TabFocus);
    if (!hint.isEmpty()) SetTranslated(b, "toolTip", hint.toUtf8());
    if (!icon.isNull()) b->setIcon(icon);
    return b;
}

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QRect& bounds,
                            const QString& hint, ToolIcon icon) {
    QToolButton* b = MakeToolButton(parent, name, bounds, hint, MakeToolIcon(icon));
    b->setProperty(ToolIconProperty, static_cast<int>(icon));
    return b;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QRect& bounds, const QString& title) {
    auto* g = new QGroupBox(parent);
    // An empty title is one its window sets itself, and translates itself.
    if (!title.isEmpty()) SetTranslated(g, "title", title.toUtf8());
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(bounds);
    return g;
}

QFrame* MakePanel(QWidget* parent, const char* name, const QRect& bounds, const QString& caption,
                  int captionWidth) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(bounds);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    auto* label = new QLabel(panel);
    SetTranslated(label, "text", caption.toUtf8());
    label->setGeometry(3, 1, captionWidth, bounds.height() - 2);
    return panel;
}

QMenu* MakeMenu(QWidget* parent, const char* name, const char* title) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QLatin1String(name));
    SetTranslated(menu, "title", title);
    return menu;
}

QAction* AddMenuItem(QMenu* menu, const char* name, const char* text) {
    QAction* item = menu->addAction(QString());
    item->setObjectName(QLatin1String(name));
    SetTranslated(item, "text", text);
    return item;
}

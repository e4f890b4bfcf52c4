// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WindowControls.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QRect& bounds,
                            const QString& hint, const QIcon& icon) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(bounds);
    b->setAutoRaise(true);
    b->setIconSize(QSize(18, 18));
    b->setFocusPolicy(Qt::TabFocus);
    if (!hint.isEmpty()) b->setToolTip(hint);
    if (!icon.isNull()) b->setIcon(icon);
    return b;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QRect& bounds, const QString& title) {
    auto* g = new QGroupBox(title, parent);
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
    auto* label = new QLabel(caption, panel);
    label->setGeometry(3, 1, captionWidth, bounds.height() - 2);
    return panel;
}

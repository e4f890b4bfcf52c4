// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ViewScale.h"

#include "ui/ToolIcons.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace {

// What a widget was at 100 %, kept on the widget the first time it is scaled.
constexpr char ScaleKey[] = "wellenwerkViewScale";
constexpr char BaseGeometry[] = "wellenwerkBaseGeometry";
constexpr char BaseFont[] = "wellenwerkBaseFont";
constexpr char BaseIconSize[] = "wellenwerkBaseIconSize";
constexpr char BaseFixedSize[] = "wellenwerkBaseFixedSize";
constexpr char BaseSectionSize[] = "wellenwerkBaseSectionSize";

template <typename T> T Base(QWidget* w, const char* key, const T& now) {
    const QVariant stored = w->property(key);
    if (stored.isValid()) return stored.value<T>();
    w->setProperty(key, QVariant::fromValue(now));
    return now;
}

// Widgets that Qt places itself: the parts of scroll areas, spin boxes, combo boxes and tab
// bars, and whatever a layout manages.
bool PlacedByQt(const QWidget* w, const QWidget* window) {
    if (w->parentWidget() && w->parentWidget()->layout()) return true;
    for (const QWidget* p = w; p && p != window; p = p->parentWidget()) {
        const QWidget* parent = p->parentWidget();
        if (p->objectName().startsWith(QLatin1String("qt_"))) return true;
        if (!parent || parent == window) break;
        if (qobject_cast<const QAbstractScrollArea*>(parent) ||
            qobject_cast<const QAbstractSpinBox*>(parent) ||
            qobject_cast<const QComboBox*>(parent) || qobject_cast<const QTabBar*>(parent))
            return true;
    }
    return false;
}

// A table's rows, columns and header, which the table's own parts keep in pixels.
void ScaleTable(QTableView* table, double scale) {
    QHeaderView* rows = table->verticalHeader();
    QHeaderView* columns = table->horizontalHeader();
    rows->setDefaultSectionSize(
        ScaledEdge(Base(rows, BaseSectionSize, rows->defaultSectionSize()), scale));
    QVariantList widths;
    for (int c = 0; c < columns->count(); ++c) widths << columns->sectionSize(c);
    widths = Base(columns, BaseSectionSize, widths);
    for (int c = 0; c < columns->count() && c < widths.size(); ++c)
        columns->resizeSection(c, ScaledEdge(widths[c].toInt(), scale));
    const int height = Base(columns, BaseFixedSize, columns->maximumHeight());
    if (height < QWIDGETSIZE_MAX) columns->setFixedHeight(ScaledEdge(height, scale));
    columns->setFont(ScaledFont(Base(columns, BaseFont, columns->font()), scale));
}

void ScaleWidget(QWidget* w, QWidget* window, double scale) {
    if (w != window && !PlacedByQt(w, window))
        w->setGeometry(ScaledRect(Base(w, BaseGeometry, w->geometry()), scale));
    if (w == window || w->testAttribute(Qt::WA_SetFont) || w->property(BaseFont).isValid())
        w->setFont(ScaledFont(Base(w, BaseFont, w->font()), scale));
    if (auto* button = qobject_cast<QToolButton*>(w)) {
        const QSize icon = Base(button, BaseIconSize, button->iconSize());
        button->setIconSize(ScaledRect(QRect(QPoint(), icon), scale).size());
        const QVariant which = button->property(ToolIconProperty);
        if (which.isValid())
            button->setIcon(MakeToolIcon(static_cast<ToolIcon>(which.toInt()), scale));
    }
    if (auto* table = qobject_cast<QTableView*>(w)) ScaleTable(table, scale);
    // Tab bars and menus (windows of their own) take no font from their parent.
    if (qobject_cast<QTabBar*>(w) || qobject_cast<QMenu*>(w))
        w->setFont(ScaledFont(Base(w, BaseFont, w->font()), scale));
}

// The style's own sizes that belong to a control's look (check and radio indicators, scroll
// bars, tab padding) grow with the view scale of the widget they are asked for; at 100 % it
// answers as the style it stands in for.
class ScaledStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_TabBarTabHSpace:
        case PM_TabBarTabVSpace:
            return ScaledEdge(size, ViewScaleOf(widget));
        default:
            return size;
        }
    }
};

// Installed the first time anything is scaled, so that a program that stays at 100 % runs
// on the platform's style untouched.
void UseScaledStyle() {
    if (dynamic_cast<ScaledStyle*>(QApplication::style())) return;
    QApplication::setStyle(new ScaledStyle(QStyleFactory::create(QApplication::style()->name())));
}

} // namespace

int ScaledEdge(int edge, double scale) {
    return static_cast<int>(std::nearbyint(edge * scale)); // ties to even, like every rounding here
}

QRect ScaledRect(const QRect& r, double scale) {
    const int left = ScaledEdge(r.left(), scale), top = ScaledEdge(r.top(), scale);
    return {left, top, ScaledEdge(r.left() + r.width(), scale) - left,
            ScaledEdge(r.top() + r.height(), scale) - top};
}

QFont ScaledFont(const QFont& font, double scale) {
    QFont scaled = font;
    if (font.pixelSize() > 0)
        scaled.setPixelSize(std::max(1, ScaledEdge(font.pixelSize(), scale)));
    else
        scaled.setPointSizeF(font.pointSizeF() * scale);
    return scaled;
}

double DrawingFactor(double scale) {
    return scale * qGuiApp->devicePixelRatio();
}

QPointF UnscaledPosition(const QPointF& position, double scale) {
    if (scale == 1.0) return position;
    return {std::floor(position.x() / scale), std::floor(position.y() / scale)};
}

double ViewScaleOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant scale = w->property(ScaleKey);
        if (scale.isValid()) return scale.toDouble();
    }
    return 1.0;
}

void ApplyViewScale(QWidget* window, double scale) {
    const bool scaledBefore = window->property(ScaleKey).isValid();
    if (!scaledBefore && scale == 1.0) return; // never scaled: exactly as built
    UseScaledStyle();
    window->setProperty(ScaleKey, scale);
    // A window with a layout (a message box, a file dialog) sizes itself to its font.
    if (!window->layout() && (window->minimumSize() == window->maximumSize() ||
                              window->property(BaseFixedSize).isValid()))
        window->setFixedSize(
            ScaledRect(QRect(QPoint(), Base(window, BaseFixedSize, window->size())), scale).size());
    ScaleWidget(window, window, scale);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // Dialogs take the factor when they are shown; menus pop up from this window.
        if (w->window() == window || qobject_cast<QMenu*>(w)) ScaleWidget(w, window, scale);
    }
}

void FollowOwnerViewScale(QWidget* dialog) {
    const QWidget* owner = dialog->parentWidget();
    if (owner) ApplyViewScale(dialog, ViewScaleOf(owner));
}

#pragma once

#include <QWidget>
#include <functional>

class QPainter;

// A plain drawing surface whose owner paints it and handles its mouse presses.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    PaintBox(QWidget* parent, const QString& name, const QRect& bounds);

    std::function<void(QPainter&)> OnPaint;
    std::function<void(QMouseEvent*)> OnMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

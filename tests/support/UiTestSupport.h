// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <ostream>

class QWidget;

// Fails the running test, and throws, for a control that is missing or not unique.
[[noreturn]] void NoSuchChild(const QObject& parent, const QString& objectName, qsizetype found);

// The control of type T with this object name, anywhere below `parent`: how tests reach the
// controls of windows and dialogs. Fails loudly unless there is exactly one.
template <class T> T* Child(const QObject& parent, const QString& objectName) {
    const QList<T*> found = parent.findChildren<T*>(objectName);
    if (found.size() != 1) NoSuchChild(parent, objectName, found.size());
    return found.front();
}

// Test failures show texts as text, not as bytes.
void PrintTo(const QString& text, std::ostream* out);

// Fails the running test if it is still running after `seconds`, and closes whatever
// modal window holds it up, so that a dialog nobody answers cannot hang the suite.
class Watchdog {
public:
    explicit Watchdog(int seconds = 20);
    ~Watchdog();

private:
    QTimer timer_;
};

// Pixels a text covers when drawn alone in `font` (black on white): what a label must show
// to be readable whole.
int TextPixelCount(const QString& text, const QFont& font);
// Pixels of `colour` inside `area` of an image.
int PixelCount(const QImage& image, const QRect& area, const QColor& colour);

// The widget's pixels as painted now (paint events run synchronously).
QImage RenderToImage(QWidget& widget);

// The folder the test run uses as home and settings location; fresh for every run.
QString TestHome();

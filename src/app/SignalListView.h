// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPixmap>

class Project;
class QListWidget;
class QWidget;

// The signal list in its group box "Signale", placed in the main window's client area: one
// row per signal of the project with its kind icon and name. It says what the user does
// with it; the window decides what that changes.
class SignalListView : public QObject {
    Q_OBJECT
public:
    SignalListView(QWidget* client, const Project& project);

    // Sets the rows again from the project and selects `index` (none when out of range).
    void SetItems(int index);
    // The selected entry when it is one of the project's, else -1.
    int SelectedIndex() const;
    // Paints the icons again and sizes the rows for a view scale.
    void SetViewScale(double scale);

signals:
    void SelectionChanged();
    // The right button was pressed on the list (wherever: it acts on the selected signal),
    // or Space with the list focused: the selected signal is to be shown or hidden.
    void RightButtonPressed();
    // A double click or Return: the selected signal is to be edited.
    void DoubleClicked();
    // Delete with the list focused.
    void DeletePressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Project& project_;
    QPixmap icons_; // the list icons, painted once
    QListWidget* list_;
};

// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Prompts.h"

#include "ui/Translatable.h"
#include "ui/ViewScale.h"

#include <QCloseEvent>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace {

// A message box that tells a dismissal from a click: QMessageBox counts Escape and the close
// box as its No button.
class DismissableBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool dismissed = false;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->matches(QKeySequence::Cancel)) {
            QMessageBox::keyPressEvent(event);
            return;
        }
        dismissed = true;
        reject();
    }
    void closeEvent(QCloseEvent* event) override {
        dismissed = true;
        QDialog::closeEvent(event);
    }
};

int Show(QMessageBox::Icon icon, const QString& title, const QString& text,
         QMessageBox::StandardButtons buttons, QWidget* parent) {
    std::unique_ptr<QMessageBox> box(CreateMessageBox(icon, title, text, buttons, parent));
    return box->exec();
}

class QtPrompts final : public Prompts {
public:
    void Error(QWidget* parent, const QString& text) override {
        Show(QMessageBox::Critical, Translated(QT_TRANSLATE_NOOP("Wellenwerk", "Fehler")), text,
             QMessageBox::Ok, parent);
    }

    void Inform(QWidget* parent, const QString& text) override {
        Show(QMessageBox::Information, Translated(QT_TRANSLATE_NOOP("Wellenwerk", "Information")),
             text, QMessageBox::Ok, parent);
    }

    bool Confirm(QWidget* parent, const QString& text) override {
        return Show(QMessageBox::Question,
                    Translated(QT_TRANSLATE_NOOP("Wellenwerk", "Bestätigung")), text,
                    QMessageBox::Yes | QMessageBox::No, parent) == QMessageBox::Yes;
    }

    SaveAnswer AskSave(QWidget* parent, const QString& text) override {
        switch (Show(QMessageBox::Question,
                     Translated(QT_TRANSLATE_NOOP("Wellenwerk", "Bestätigung")), text,
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent)) {
        case QMessageBox::Yes:
            return SaveAnswer::Yes;
        case QMessageBox::No:
            return SaveAnswer::No;
        default:
            return SaveAnswer::Cancel;
        }
    }

    SaveAnswer AskYesNo(QWidget* parent, const QString& text) override {
        DismissableBox box(QMessageBox::Question,
                           Translated(QT_TRANSLATE_NOOP("Wellenwerk", "Bestätigung")), text,
                           QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);
        const int result = box.exec();
        if (box.dismissed) return SaveAnswer::Cancel;
        return result == QMessageBox::Yes ? SaveAnswer::Yes : SaveAnswer::No;
    }

    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& start) override {
        QFileDialog dialog(parent, title, start, filter);
        FollowOwnerViewScale(&dialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setDefaultSuffix(QStringLiteral("wwp"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix, const QString& start) override {
        QFileDialog dialog(parent, title, start, filter);
        FollowOwnerViewScale(&dialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    int Exec(QDialog& dialog) override { return dialog.exec(); }
};

QtPrompts realPrompts;
Prompts* current = &realPrompts;

} // namespace

QMessageBox* CreateMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                              QMessageBox::StandardButtons buttons, QWidget* parent) {
    auto* box = new QMessageBox(icon, title, text, buttons, parent);
    FollowOwnerViewScale(box);
    // A signal named "<b>Fett</b>" must read as typed, not in bold.
    box->setTextFormat(Qt::PlainText);
    return box;
}

Prompts& prompts() {
    return *current;
}

void SetPrompts(Prompts* replacement) {
    current = replacement ? replacement : &realPrompts;
}

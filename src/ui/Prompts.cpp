#include "ui/Prompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

class QtPrompts final : public Prompts {
public:
    void Error(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), text, QMessageBox::Ok,
                        parent);
        box.exec();
    }

    void Information(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text,
                        QMessageBox::Ok, parent);
        box.exec();
    }

    bool Confirm(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), text,
                        QMessageBox::Yes | QMessageBox::No, parent);
        return box.exec() == QMessageBox::Yes;
    }

    SaveAnswer AskSave(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return SaveAnswer::Yes;
        case QMessageBox::No:
            return SaveAnswer::No;
        default:
            return SaveAnswer::Cancel;
        }
    }

    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) override {
        QFileDialog dialog(parent, title, QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override {
        QFileDialog dialog(parent, title, QString(), filter);
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

Prompts& prompts() {
    return *current;
}

void SetPrompts(Prompts* replacement) {
    current = replacement ? replacement : &realPrompts;
}

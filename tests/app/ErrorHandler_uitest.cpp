#include "app/Application.h"
#include "app/HelpSystem.h"
#include "support/FakePrompts.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class Throwing : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw ConversionError(QStringLiteral("12a"));
        if (e->type() == QEvent::User + 1) throw std::overflow_error("Gleitkommaüberlauf");
        return QObject::event(e);
    }
};

TEST(ErrorHandler, AnEscapingExceptionIsShownAndTheProgramGoesOn) {
    FakePrompts prompts;
    Throwing target;
    prompts.ExpectError();
    prompts.ExpectError();
    QEvent user(QEvent::User);
    QApplication::sendEvent(&target, &user);
    QEvent other(static_cast<QEvent::Type>(QEvent::User + 1));
    QApplication::sendEvent(&target, &other);
    EXPECT_EQ(prompts.Texts("error"),
              QStringList({"'12a' is not a valid integer value", "Gleitkommaüberlauf"}));
}

} // namespace

namespace {

TEST(Translations, StandardButtonsSpeakGerman) {
    QMessageBox box(QMessageBox::Question, "t", "x",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Nein");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), "Abbrechen");
}

TEST(HelpWindow, UsableOverAModalDialog) {
    HelpSystem help;
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    help.ShowContext(3);
    EXPECT_EQ(help.Window()->windowModality(), Qt::ApplicationModal);
    dialog.hide();
    help.ShowContext(1);
    EXPECT_EQ(help.Window()->windowModality(), Qt::NonModal);
    help.CloseAll();
}

} // namespace

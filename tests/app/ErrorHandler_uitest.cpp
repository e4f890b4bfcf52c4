#include "app/Application.h"
#include "support/FakePrompts.h"

#include <QApplication>
#include <QEvent>
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

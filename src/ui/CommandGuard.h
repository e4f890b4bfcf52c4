// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/Translatable.h"

#include <QString>
#include <exception>
#include <type_traits>
#include <utility>

// The general error handler: shows an error's text in a message box with an OK button.
// The command that failed has ended; the program goes on.
void ReportError(const QString& text);

// Runs one command of the user's. An exception it throws ends the command and is shown by
// the general error handler. Every entry point from Qt (slots, event handlers and filters,
// dialog buttons) runs its work through here, so no exception ever unwinds through Qt's
// own frames, which are not exception-safe.
template <typename Command> void RunCommand(Command&& command) noexcept {
    try {
        std::forward<Command>(command)();
    } catch (const MessageError& e) {
        ReportError(Translated(e.Message()));
    } catch (const std::exception& e) {
        ReportError(Translated(e.what())); // a fixed message marked for translation, or as is
    } catch (...) {
        ReportError(Translated(QT_TRANSLATE_NOOP("Wellenwerk", "Unbekannter Fehler")));
    }
}

// `command` wrapped for connecting to a Qt signal: the signal's arguments are passed on
// when the command takes them (clicked(bool) may call a command without parameters).
template <typename Command> auto Guarded(Command command) {
    return [command = std::move(command)](auto&&... args) {
        RunCommand([&] {
            if constexpr (std::is_invocable_v<const Command&, decltype(args)...>)
                command(std::forward<decltype(args)>(args)...);
            else
                command();
        });
    };
}

// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/TranslatableText.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// `text` with each of %1 to %9 replaced by that argument, in one pass, so that an argument's
// own "%2" stays as written; a "%" without an argument of its number stays too.
std::string FillIn(std::string_view text, const std::vector<std::string>& args);

// A message the core composes for the user: its German text, marked for translation, with
// %1 to %9 where the arguments go (names, numbers, the system's reason). The core keeps the
// two apart, so that the interface translates the text before it fills in the arguments.
struct MessageText {
    const char* source = ""; // a marked literal: the texts live as long as the program
    std::vector<std::string> args;

    bool Empty() const { return *source == '\0'; }
    // The message as the German interface shows it.
    std::string German() const { return FillIn(source, args); }
};

// An error for the user: what() is the German message, Message() its parts for translation.
class MessageError : public std::runtime_error {
public:
    explicit MessageError(MessageText message)
        : std::runtime_error(message.German()),
          message_(std::make_shared<const MessageText>(std::move(message))) {}
    const MessageText& Message() const { return *message_; }

private:
    std::shared_ptr<const MessageText> message_; // shared: copying an exception must not throw
};

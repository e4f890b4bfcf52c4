// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class QClipboard;
class QMimeData;

// Hands the data over to the clipboard and checks that it holds them afterwards; throws
// std::runtime_error("Cannot open clipboard") when it does not (or there is none).
void PutOnClipboard(std::unique_ptr<QMimeData> data, QClipboard* clipboard);
// The same with the application's clipboard.
void PutOnClipboard(std::unique_ptr<QMimeData> data);

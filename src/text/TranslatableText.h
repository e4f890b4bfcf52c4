// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The core is written without Qt, yet some of its German texts reach the screen (titles,
// messages). They are marked as the interface marks its own, with the context "Wellenwerk",
// so that lupdate collects them; the core keeps and returns the German source, and the
// interface translates it where it shows it. The definition is Qt's own, so that either may
// come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

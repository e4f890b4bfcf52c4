// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Gives the controls of a window what a screen reader says of them: an accessible name
// where the control's own text does not name it (fields, lists, views, buttons with a
// picture) and a description of what it does and which keys it takes. The texts are kept
// in one table by the controls' object names; what a control already has is kept. Runs
// again harmlessly, so windows call it each time they are shown.
void DescribeControls(QWidget& window);

// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLabel;
class QWidget;
class tSignal;

// The readouts "Effektivwert:" and "Klirrfaktor:" under the spectra, placed in the main
// window's client area.
class MeasureReadouts {
public:
    explicit MeasureReadouts(QWidget* client);
    // The RMS value and distortion factor of `signal`; empty without one, so that they never
    // describe a signal that is gone.
    void Show(const tSignal* signal);

private:
    QLabel* rms_;
    QLabel* distortion_;
};

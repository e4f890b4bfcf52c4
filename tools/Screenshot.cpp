// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the main window with a few example signals to a PNG file, for the README.
// Usage: wellenwerk_screenshot OUTPUT.png [mode] [view size in percent]
#include "app/Application.h"
#include "app/MainForm.h"
#include "display/SpectrumEditing.h"
#include "ui/Prompts.h"

#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

namespace {

tSignal Square(int colour, bool visible) {
    tSignal s;
    s.ColorIndex = colour;
    s.Visible = visible;
    for (int n = 1; n <= 15; n += 2) {
        s.Amplitude[n] = 100.0f / n;
        s.Phase[n] = -90;
    }
    return s;
}

tSignal Sawtooth(int colour, bool visible) {
    tSignal s;
    s.ColorIndex = colour;
    s.Visible = visible;
    s.Amplitude[0] = 10;
    for (int n = 1; n <= 12; ++n) {
        s.Amplitude[n] = 60.0f / n;
        s.Phase[n] = 90;
    }
    return s;
}

tSignal Beat(int colour, bool visible) {
    tSignal s;
    s.ColorIndex = colour;
    s.Visible = visible;
    s.Amplitude[1] = 40;
    s.Amplitude[2] = 30;
    s.Phase[2] = 45;
    return s;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/wellenwerk-shot-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    WellenwerkApplication app(argc, argv);
    app.LoadGermanTranslations();
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shot.png");
    // Nobody is there to answer the info dialog of the first activation.
    DeclineAllPrompts noAnswers;
    SetPrompts(&noAnswers);
    TMainForm form;
    AppSettings values = form.settings().Values();
    if (argc > 2) values.mode = QString::fromLocal8Bit(argv[2]).toInt();
    if (argc > 3) values.ansicht = QString::fromLocal8Bit(argv[3]).toInt();
    values.sh[3] = values.sh[0] = true;
    values.sprache = German; // the README's picture, whatever language the system speaks
    form.settings().Replace(values);
    const double scale = form.settings().Values().ansicht / 100.0;
    form.project().Append("Rechteck", Square(3, true));
    form.project().Append("Sägezahn", Sawtooth(1, true));
    form.project().Append("Schwebung (verborgen)", Beat(2, false));
    form.findChild<QListWidget*>(QStringLiteral("SignalListBox"))->setCurrentRow(0);
    // The harmonic 3 picked in the upper view, as a click there would.
    QWidget* spectrum = form.findChild<QWidget*>(QStringLiteral("specbox0"));
    int x = 0;
    while (PickColumn(x) != 3) ++x;
    const QPointF at(x * scale, 40 * scale);
    QMouseEvent press(QEvent::MouseButtonPress, at, spectrum->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(spectrum, &press);
    form.show();
    QTimer::singleShot(500, [&] {
        form.grab().save(output);
        QCoreApplication::exit(0); // quit() would ask the window to close
    });
    const int result = app.exec();
    form.project().MarkSaved();
    return result;
}

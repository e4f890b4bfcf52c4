// Renders the main window with a few example signals to a PNG file, for the README.
// Usage: wellenwerk_screenshot OUTPUT.png [mode]
#include "app/Application.h"
#include "app/MainForm.h"

#include <QDir>
#include <QListWidget>
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
    TMainForm form;
    form.FirstActivation = false;
    if (argc > 2) form.Settings.mode = QString::fromLocal8Bit(argv[2]).toInt();
    form.Settings.sh[3] = true;
    form.Settings.sh[0] = true;
    form.Signals.Append("Rechteck", Square(3, true));
    form.Signals.Append("Sägezahn", Sawtooth(1, true));
    form.Signals.Append("Schwebung (verborgen)", Beat(2, false));
    form.SetListItems(0);
    form.SelectedHarmonic = 3;
    form.UpdateEditControls();
    form.FormPaint();
    form.show();
    QTimer::singleShot(500, [&] {
        form.grab().save(output);
        QCoreApplication::exit(0); // quit() would ask the window to close
    });
    const int result = app.exec();
    form.ProjectModified = false;
    return result;
}

// Renders the main window with a few example signals to a PNG file, for the README.
// Usage: wellenwerk_screenshot OUTPUT.png [mode]
#include "app/Application.h"
#include "support/MainFormAccess.h"

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
    MainFormAccess access(form);
    access.FirstActivation() = false;
    if (argc > 2) access.Settings().mode = QString::fromLocal8Bit(argv[2]).toInt();
    access.Settings().sh[3] = true;
    access.Settings().sh[0] = true;
    access.project().Append("Rechteck", Square(3, true));
    access.project().Append("Sägezahn", Sawtooth(1, true));
    access.project().Append("Schwebung (verborgen)", Beat(2, false));
    access.Select(0);
    access.Spectra().SetSelection(3, 0);
    access.Spectra().UpdateEditControls();
    access.FormPaint();
    form.show();
    QTimer::singleShot(500, [&] {
        form.grab().save(output);
        QCoreApplication::exit(0); // quit() would ask the window to close
    });
    const int result = app.exec();
    access.project().MarkSaved();
    return result;
}

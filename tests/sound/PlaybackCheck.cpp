// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The tone player against a real sound server: a private PulseAudio daemon with a null sink
// whose monitor is recorded while the player sounds a tone; the recording is measured.
//   wellenwerk_playback_check             plays, records, measures frequency, gaps, silence
//   wellenwerk_playback_check --no-server the same calls with no sound server to be found
// Exit code 0 when every check holds. The checks are about order and outcome only; the times
// from a press to the first recorded sound are printed, not judged (they depend on the load
// of the machine). The daemon and the recorder die with this program.
#include "signal/Signal.h"
#include "sound/SoundImage.h"
#include "sound/TonePlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <sys/prctl.h>
#include <thread>
#include <vector>

namespace {

constexpr int RecordRate = 44100;
// A recorded sample louder than this is sound; the tones here swing about ±25000.
constexpr int SilenceLevel = 300;

int failures = 0;
void Check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok  " : "FAIL", what);
    if (!ok) ++failures;
}

QElapsedTimer clock_;

// Runs the event loop (sound output and recorder) for `ms` milliseconds.
void Pump(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A child process that is killed when this program ends, however it ends.
void StartChild(QProcess& process, const QString& program, const QStringList& arguments) {
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, arguments);
    if (!process.waitForStarted(5000)) {
        std::printf("FAIL: cannot start %s\n", qPrintable(program));
        std::exit(1);
    }
}

// Mono 16-bit samples from parec, with the time at which each block arrived.
struct Recording {
    std::vector<int16_t> samples;
    std::vector<std::pair<qint64, std::size_t>> arrivals; // (ms, samples so far)
    QByteArray pending;

    void Take(const QByteArray& bytes) {
        pending += bytes;
        for (qsizetype i = 0; i + 1 < pending.size(); i += 2)
            samples.push_back(qFromLittleEndian<qint16>(pending.constData() + i));
        pending.remove(0, pending.size() / 2 * 2);
        arrivals.emplace_back(clock_.elapsed(), samples.size());
    }
    // When sample `index` had arrived.
    qint64 ArrivalOf(std::size_t index) const {
        for (const auto& [ms, count] : arrivals)
            if (count > index) return ms;
        return clock_.elapsed();
    }
};

bool Loud(int16_t s) {
    return std::abs(static_cast<int>(s)) > SilenceLevel;
}

// Frequency from the rising zero crossings in samples [from, to), interpolated between samples.
double MeasuredFrequency(const std::vector<int16_t>& s, std::size_t from, std::size_t to) {
    std::vector<double> crossings;
    for (std::size_t i = from + 1; i < to; ++i)
        if (s[i - 1] < 0 && s[i] >= 0)
            crossings.push_back(static_cast<double>(i - 1) +
                                static_cast<double>(-s[i - 1]) / (s[i] - s[i - 1]));
    if (crossings.size() < 3) return 0;
    return (crossings.size() - 1) * RecordRate / (crossings.back() - crossings.front());
}

// Whether every 5 ms window of samples [from, to) holds sound: no gap where the loop wraps
// or where the output ran dry.
bool WithoutGaps(const std::vector<int16_t>& s, std::size_t from, std::size_t to) {
    constexpr std::size_t window = RecordRate / 200;
    for (std::size_t at = from; at + window <= to; at += window)
        if (std::none_of(s.begin() + at, s.begin() + at + window, Loud)) return false;
    return true;
}

tSignal Sine() {
    tSignal s;
    s.Amplitude[1] = 100;
    return s;
}

// Whether the last tenth of a second recorded is silent.
bool EndsSilent(const Recording& rec) {
    const auto& s = rec.samples;
    const std::size_t tail = std::min<std::size_t>(s.size(), RecordRate / 10);
    return std::none_of(s.end() - static_cast<std::ptrdiff_t>(tail), s.end(), Loud);
}

// Plays one tone for a second while recording and measures it.
void PlayAndMeasure(TonePlayer& player, Recording& rec, float fo, int sfreq) {
    const ToneTiming timing = *ToneTimingFor(fo, SampleRateFor(sfreq));
    const double expected = double(timing.periods) * SampleRateFor(sfreq) / timing.samples;
    std::printf("-- %g Hz at %d samples/s: the loop sounds at %.3f Hz\n", fo, SampleRateFor(sfreq),
                expected);
    Pump(200);
    const std::size_t before = rec.samples.size();
    const qint64 pressed = clock_.elapsed();
    player.PlayTone(Sine(), fo, sfreq);
    const qint64 returned = clock_.elapsed();
    Pump(1000);
    const qint64 released = clock_.elapsed();
    player.StopTone();
    Pump(500);

    const auto& s = rec.samples;
    const auto first = std::find_if(s.begin() + before, s.end(), Loud);
    const auto last = std::find_if(s.rbegin(), s.rend(), Loud);
    Check(first != s.end(), "the tone reaches the sound server");
    if (first == s.end()) return;
    const std::size_t begin = first - s.begin(), end = s.rend() - last;
    std::printf("PlayTone returned after %lld ms; first sound recorded %lld ms after the "
                "press; last sound %lld ms after the release; %.0f ms of tone\n",
                returned - pressed, rec.ArrivalOf(begin) - pressed,
                rec.ArrivalOf(end - 1) - released, (end - begin) * 1000.0 / RecordRate);
    const std::size_t margin = RecordRate / 20;
    const double f = MeasuredFrequency(s, begin + margin, end - margin);
    std::printf("measured %.3f Hz (%+.3f %%)\n", f, (f / expected - 1) * 100);
    Check(std::abs(f / expected - 1) < 0.01, "the recorded frequency is within 1 % of P*R/n");
    Check(WithoutGaps(s, begin + margin, end - margin), "the tone sounds without gaps");
    Check(EndsSilent(rec), "after StopTone the recording falls silent");
}

// Ten presses of the dearest tone to build (5 Hz at 44.1 kHz: 8820 samples of 128 harmonics,
// loud from the first on): the times from each press to PlayTone's return and to the first
// sound recorded.
void PressesToFirstSound(TonePlayer& player, Recording& rec) {
    tSignal full;
    for (int n = 1; n <= MaxHarmonicNumber; ++n) full.Amplitude[n] = 100.0f / n;
    std::string times;
    for (int press = 0; press < 10; ++press) {
        Pump(150);
        const std::size_t before = rec.samples.size();
        const qint64 pressed = clock_.elapsed();
        player.PlayTone(full, 5, 2);
        const qint64 returned = clock_.elapsed() - pressed;
        Pump(250);
        player.StopTone();
        Pump(300);
        const auto first = std::find_if(rec.samples.begin() + before, rec.samples.end(), Loud);
        Check(first != rec.samples.end() && EndsSilent(rec),
              "each press sounds, each release ends it");
        if (first != rec.samples.end())
            times += " " + std::to_string(returned) + "/" +
                     std::to_string(rec.ArrivalOf(first - rec.samples.begin()) - pressed);
    }
    std::printf("ms from each press to PlayTone's return / to the first recorded sound:%s\n",
                times.c_str());
}

int WithoutServer(const QTemporaryDir& dir) {
    // An explicit server address also keeps the client library from spawning a daemon.
    qputenv("PULSE_SERVER", ("unix:" + dir.filePath("no-server-here")).toLocal8Bit());
    TonePlayer player;
    for (int press = 0; press < 2; ++press) {
        QElapsedTimer t;
        t.start();
        player.PlayTone(Sine(), 1000, 0);
        std::printf("PlayTone without a server returned after %lld ms\n", t.elapsed());
        Check(!player.Playing(), "without a sound server PlayTone returns and nothing plays");
        Pump(50);
        player.StopTone();
    }
    return failures;
}

int WithNullSink(const QTemporaryDir& dir) {
    const QString socket = dir.filePath("native");
    QProcess daemon;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", dir.path());
    env.insert("XDG_RUNTIME_DIR", dir.path());
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    daemon.setProcessEnvironment(env);
    daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    StartChild(daemon, "pulseaudio",
               {"--daemonize=no", "--system=false", "--exit-idle-time=-1", "--disallow-exit",
                "--use-pid-file=no", "--log-level=error", "-n",
                "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket,
                "--load=module-null-sink sink_name=nullsink rate=44100 channels=2"});
    const QString server = "unix:" + socket;
    bool ready = false;
    for (int i = 0; i < 100 && !ready; ++i) {
        QProcess info;
        info.start("pactl", {"-s", server, "info"});
        ready = info.waitForFinished(2000) && info.exitCode() == 0;
        if (!ready) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    Check(ready, "the private sound server runs");
    if (!ready) return failures;
    qputenv("PULSE_SERVER", server.toLocal8Bit());

    // The recorder first: an idle null sink holds its audio back until its monitor is read.
    QProcess recorder;
    Recording rec;
    QObject::connect(&recorder, &QProcess::readyReadStandardOutput,
                     [&] { rec.Take(recorder.readAllStandardOutput()); });
    StartChild(recorder, "parec",
               {"-s", server, "-d", "nullsink.monitor", "--raw", "--format=s16le", "--rate=44100",
                "--channels=1", "--latency-msec=5"});
    for (int i = 0; i < 50 && rec.samples.size() < RecordRate / 10; ++i) Pump(100);
    Check(rec.samples.size() >= RecordRate / 10, "the recorder records");

    TonePlayer player;
    PlayAndMeasure(player, rec, 1000, 0);
    PlayAndMeasure(player, rec, 440, 2);
    PressesToFirstSound(player, rec);

    // The output goes away while a tone plays, first the sink, then the whole server: the
    // program goes on in silence.
    auto survives = [&](const char* what, const std::function<void()>& loss) {
        player.PlayTone(Sine(), 1000, 0);
        Pump(200);
        loss();
        Pump(300);
        QElapsedTimer t;
        t.start();
        player.StopTone();
        player.PlayTone(Sine(), 1000, 0);
        const qint64 calls = t.elapsed();
        Pump(100);
        t.restart();
        player.StopTone();
        std::printf("%s: StopTone and PlayTone took %lld ms, StopTone %lld ms\n", what, calls,
                    t.elapsed());
        Check(!player.Playing(), "losing the output neither hangs nor stops the program");
    };
    survives("sink removed", [&] {
        QProcess::execute("pactl", {"-s", server, "unload-module", "module-null-sink"});
    });
    survives("server gone", [&] {
        recorder.kill();
        daemon.kill();
        daemon.waitForFinished(5000);
    });
    return failures;
}

} // namespace

int main(int argc, char** argv) {
    // A hang inside the sound system is caught by the test's time-out.
    QTemporaryDir dir;
    qputenv("WELLENWERK_MODULE_DIR", WELLENWERK_MODULE_DIR);
    QCoreApplication app(argc, argv);
    clock_.start();
    const bool noServer = argc > 1 && QByteArray(argv[1]) == "--no-server";
    const int failed = noServer ? WithoutServer(dir) : WithNullSink(dir);
    std::printf("%s\n", failed ? "FAILED" : "PASSED");
    return failed ? 1 : 0;
}

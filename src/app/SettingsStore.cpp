// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SettingsStore.h"

#include "text/NumberText.h"

#include <QLocale>
#include <QSettings>
#include <QStringList>

namespace {

const QString Group = QStringLiteral("V2/common");
const QString PlacementKey = QStringLiteral("MainForm");

QString ShKey(int n) {
    return QStringLiteral("sh%1").arg(n);
}

} // namespace

SettingsStore::SettingsStore()
    : store_(new QSettings(QStringLiteral("Dorwinkel"), QStringLiteral("Wellenwerk"))) {
    store_->beginGroup(Group);
}

SettingsStore::~SettingsStore() {
    store_->endGroup();
    store_->sync();
    delete store_;
}

AppSettings SettingsStore::Load(const QString& programDir) const {
    AppSettings s;
    auto readInt = [this](const QString& key, int fallback) {
        const QVariant v = store_->value(key);
        if (!v.isValid()) return fallback;
        return ParseIntSetting(v.toString().toStdString(), fallback);
    };
    s.left = readInt(QStringLiteral("left"), s.left);
    s.top = readInt(QStringLiteral("top"), s.top);
    s.dxr = readInt(QStringLiteral("dxr"), s.dxr);
    s.dyr = readInt(QStringLiteral("dyr"), s.dyr);
    s.path = store_->value(QStringLiteral("path"), programDir).toString().toStdString();
    s.mode = readInt(QStringLiteral("mode"), s.mode);
    s.tongue = readInt(QStringLiteral("tongue"), s.tongue);
    s.sanz = readInt(QStringLiteral("sanz"), s.sanz);
    s.lanz = readInt(QStringLiteral("lanz"), s.lanz);
    s.banz = readInt(QStringLiteral("banz"), s.banz);
    s.sfreq = readInt(QStringLiteral("sfreq"), s.sfreq);
    const QString freqText =
        store_->value(QStringLiteral("freq"), QStringLiteral("1000")).toString();
    s.freq = ParseFrequencySetting(freqText).value_or(1000.0f);
    for (int n = 0; n < HarmonicCount; ++n) s.sh[n] = readInt(ShKey(n), 0) != 0;
    s.ansicht = readInt(QStringLiteral("ansicht"), s.ansicht);
    s.stuetz = readInt(QStringLiteral("stuetz"), 0) != 0;
    s.exportpath = store_->value(QStringLiteral("exportpath")).toString().toStdString();
    s.sprache = readInt(QStringLiteral("sprache"), s.sprache);
    s.Normalize();
    return s;
}

void SettingsStore::Save(const AppSettings& s) {
    auto put = [this](const QString& key, const QString& value) { store_->setValue(key, value); };
    auto putInt = [&](const char* key, int value) {
        put(QString::fromLatin1(key), QString::number(value));
    };
    putInt("left", s.left);
    putInt("top", s.top);
    putInt("dxr", s.dxr);
    putInt("dyr", s.dyr);
    put(QStringLiteral("path"), QString::fromStdString(s.path));
    putInt("mode", s.mode);
    putInt("sanz", s.sanz);
    putInt("lanz", s.lanz);
    putInt("banz", s.banz);
    put(QStringLiteral("freq"), FormatFrequencySetting(s.freq));
    putInt("sfreq", s.sfreq);
    putInt("tongue", s.tongue);
    for (int n = 0; n < HarmonicCount; ++n)
        put(ShKey(n), s.sh[n] ? QStringLiteral("1") : QStringLiteral("0"));
    putInt("ansicht", s.ansicht);
    putInt("stuetz", s.stuetz ? 1 : 0);
    put(QStringLiteral("exportpath"), QString::fromStdString(s.exportpath));
    // Written only once chosen: until then the system's language decides at every start.
    if (s.sprache != LanguageFromSystem) putInt("sprache", s.sprache);
    store_->sync();
}

QString SettingsStore::ReadPlacement() const {
    return store_->value(PlacementKey).toString();
}

void SettingsStore::WritePlacement(const QString& placement) {
    store_->setValue(PlacementKey, placement);
}

QString FormatPlacement(const QRect& r, bool minimized) {
    // flags 0; show state 1 = normal, 2 = minimised; right and bottom are exclusive edges.
    return QStringLiteral("200,0,%1,%2,%3,%4,%5")
        .arg(minimized ? 2 : 1)
        .arg(r.left())
        .arg(r.top())
        .arg(r.left() + r.width())
        .arg(r.top() + r.height());
}

std::optional<QRect> ParsePlacement(const QString& value) {
    const QStringList items = value.split(QLatin1Char(','));
    if (items.size() != 7 || items[0].trimmed() != QLatin1String("200")) return std::nullopt;
    int numbers[7];
    for (int i = 0; i < 7; ++i) {
        bool ok = false;
        numbers[i] = items[i].trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    const int left = numbers[3], top = numbers[4], right = numbers[5], bottom = numbers[6];
    if (right <= left || bottom <= top) return std::nullopt;
    return QRect(left, top, right - left, bottom - top);
}

QRect MoveInside(const QRect& rect, const QRect& desktop) {
    QRect r = rect;
    if (r.right() > desktop.right()) r.moveRight(desktop.right());
    if (r.bottom() > desktop.bottom()) r.moveBottom(desktop.bottom());
    if (r.left() < desktop.left()) r.moveLeft(desktop.left());
    if (r.top() < desktop.top()) r.moveTop(desktop.top());
    return r;
}

QString FormatFrequencySetting(float fo) {
    const QChar point = QLocale().decimalPoint().front();
    return QString::fromStdString(FormatGeneral(fo, point.toLatin1() ? point.toLatin1() : '.'));
}

std::optional<float> ParseFrequencySetting(const QString& text) {
    const std::optional<float> fo = ParseStoredDecimal(text.toStdString());
    if (!fo) return std::nullopt;
    return ClampFrequency(*fo);
}

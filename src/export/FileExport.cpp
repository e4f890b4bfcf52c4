// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/FileExport.h"

#include "export/HarmonicsTable.h"
#include "export/LineDiagramPicture.h"
#include "export/PicturePainter.h"
#include "export/SpectraPicture.h"
#include "export/Wmf.h"
#include "project/FileReplace.h"
#include "project/SignalList.h"
#include "settings/AppSettings.h"
#include "ui/Translatable.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <stdexcept>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    if (!WriteFileContent(QFile::encodeName(path).toStdString(),
                          std::string_view(bytes.constData(), bytes.size())))
        throw MessageError(
            {QT_TRANSLATE_NOOP("Wellenwerk", "Die Datei \"%1\" konnte nicht geschrieben werden. "
                                             "Bitte prüfen Sie, ob der Ordner besteht und Sie dort "
                                             "schreiben dürfen."),
             {path.toStdString()}});
}

void SavePicture(const QString& path, const Picture& picture) {
    if (!IsPictureFileName(path)) throw std::runtime_error(PictureSuffixText);
    TWMF wmf;
    wmf.SetSize(picture.width, picture.height);
    wmf.SetTitle(QString::fromStdString(picture.title),
                 QString::fromStdString(picture.description));
    wmf.Record([&picture](QPainter& p) { PaintPicture(p, picture); });
    const bool svg =
        QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    WriteFile(path, svg ? wmf.Svg() : wmf.Png());
}

} // namespace

bool IsPictureFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("svg") || suffix == QLatin1String("png");
}

bool SaveLineDiagramFile(const QString& path, const SignalList& signalList, int selectedIndex,
                         const AppSettings& settings) {
    const std::optional<Picture> picture =
        LineDiagramPicture(signalList, selectedIndex, settings, ShownPictureLanguage());
    if (!picture) return false;
    SavePicture(path, *picture);
    return true;
}

void SaveSpectraFile(const QString& path, const tSignal* selected, const AppSettings& settings,
                     int harmonicCount) {
    SavePicture(path, SpectraPicture(selected, settings, harmonicCount, ShownPictureLanguage()));
}

bool SaveTableFile(const QString& path, const SignalList& signalList, int selectedIndex,
                   const AppSettings& settings) {
    if (!signalList.IsValidIndex(selectedIndex)) return false;
    const std::string text = HarmonicsCsv(signalList.Signal(selectedIndex), settings.mode,
                                          settings.freq, ShownDecimalPoint());
    WriteFile(path, QByteArray::fromStdString(text));
    return true;
}

// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/ClipboardExport.h"

#include "export/Clipboard.h"
#include "export/HarmonicsTable.h"
#include "export/LineDiagramPicture.h"
#include "export/PicturePainter.h"
#include "export/SpectraPicture.h"
#include "export/Wmf.h"
#include "project/SignalList.h"
#include "settings/AppSettings.h"
#include "ui/Translatable.h"

#include <QMimeData>
#include <QPainter>
#include <memory>
#include <optional>

namespace {

void CopyPicture(const Picture& picture) {
    TWMF wmf;
    wmf.SetSize(picture.width, picture.height);
    wmf.SetTitle(QString::fromStdString(picture.title),
                 QString::fromStdString(picture.description));
    wmf.Record([&picture](QPainter& p) { PaintPicture(p, picture); });
    wmf.CopyToClipboard();
}

} // namespace

bool ExportLineDiagram(const SignalList& signalList, int selectedIndex,
                       const AppSettings& settings) {
    const std::optional<Picture> picture =
        LineDiagramPicture(signalList, selectedIndex, settings, ShownPictureLanguage());
    if (!picture) return false;
    CopyPicture(*picture);
    return true;
}

void ExportSpectra(const tSignal* selected, const AppSettings& settings, int harmonicCount) {
    CopyPicture(SpectraPicture(selected, settings, harmonicCount, ShownPictureLanguage()));
}

bool ExportTable(const SignalList& signalList, int selectedIndex, const AppSettings& settings) {
    if (!signalList.IsValidIndex(selectedIndex)) return false;
    const std::string text =
        HarmonicsTableText(signalList.Name(selectedIndex), signalList.Signal(selectedIndex),
                           settings.mode, settings.freq, ShownDecimalPoint());
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    PutOnClipboard(std::move(data));
    return true;
}

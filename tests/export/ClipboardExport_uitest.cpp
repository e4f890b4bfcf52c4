// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/Clipboard.h"
#include "export/ClipboardExport.h"
#include "export/HarmonicsTable.h"
#include "project/SignalList.h"
#include "settings/AppSettings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const QString Sentinel = "vorher";

QClipboard& Clipboard() {
    return *QGuiApplication::clipboard();
}

SignalList OneSignal() {
    SignalList list;
    tSignal s;
    s.Amplitude[1] = 100;
    s.Phase[1] = -90;
    list.Append("Sinus", s);
    return list;
}

// The picture on the clipboard: the size its SVG states, and the PNG's size in pixels.
std::pair<QByteArray, QSize> PictureOnClipboard() {
    const QMimeData* data = Clipboard().mimeData();
    if (!data) return {};
    const QByteArray svg = data->data("image/svg+xml");
    const qsizetype at = svg.indexOf("<svg width=");
    return {at < 0 ? QByteArray() : svg.mid(at, 36),
            QImage::fromData(data->data("image/png"), "PNG").size()};
}

TEST(ClipboardExport, PicturesAsSvgAndPng) {
    const SignalList list = OneSignal();
    ASSERT_TRUE(ExportLineDiagram(list, 0, AppSettings()));
    EXPECT_EQ(
        PictureOnClipboard(),
        std::make_pair(QByteArray("<svg width=\"120.1mm\" height=\"60.1mm\""), QSize(1201, 601)));
    // The spectra also without a signal.
    for (const tSignal* signal : {&list.Signal(0), static_cast<const tSignal*>(nullptr)}) {
        Clipboard().setText(Sentinel);
        ExportSpectra(signal, AppSettings(), 128);
        EXPECT_EQ(PictureOnClipboard(),
                  std::make_pair(QByteArray("<svg width=\"120.1mm\" height=\"80.1mm\""),
                                 QSize(1201, 801)));
    }
}

TEST(ClipboardExport, TableAsPlainText) {
    AppSettings settings;
    settings.mode = 0;
    ASSERT_TRUE(ExportTable(OneSignal(), 0, settings));
    EXPECT_EQ(Clipboard().text().toStdString(),
              HarmonicsTableText("Sinus", OneSignal().Signal(0), 0, 1000));
}

TEST(ClipboardExport, NothingWithoutASelectedSignal) {
    for (int index : {-1, 1}) {
        Clipboard().setText(Sentinel);
        EXPECT_FALSE(ExportLineDiagram(OneSignal(), index, AppSettings()));
        EXPECT_FALSE(ExportTable(OneSignal(), index, AppSettings()));
        EXPECT_FALSE(ExportTable(SignalList(), 0, AppSettings()));
        EXPECT_EQ(Clipboard().text(), Sentinel);
    }
    EXPECT_THROW(PutOnClipboard(std::make_unique<QMimeData>(), nullptr), std::runtime_error);
}

} // namespace

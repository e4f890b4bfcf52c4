// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/LoopDevice.h"

#include <algorithm>
#include <cstring>

LoopDevice::LoopDevice(QByteArray loop, QObject* parent)
    : QIODevice(parent), loop_(std::move(loop)) {}

qint64 LoopDevice::readData(char* data, qint64 maxSize) {
    if (loop_.isEmpty()) return 0;
    qint64 done = 0;
    while (done < maxSize) {
        const qint64 chunk = std::min<qint64>(maxSize - done, loop_.size() - position_);
        std::memcpy(data + done, loop_.constData() + position_, static_cast<std::size_t>(chunk));
        done += chunk;
        position_ = (position_ + chunk) % loop_.size();
    }
    return done;
}

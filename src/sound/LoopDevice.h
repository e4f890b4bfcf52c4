// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>

// An endless stream that repeats a block of bytes: every read goes on where the last one
// stopped and wraps round to the start, so a loop of whole periods sounds without a gap or a
// jump at the seam. Reading never runs dry.
class LoopDevice : public QIODevice {
    Q_OBJECT
public:
    // `loop` must not be empty.
    explicit LoopDevice(QByteArray loop, QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return loop_.size() + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray loop_;
    qsizetype position_ = 0;
};

// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the start-up measurement: a bare Qt Widgets main window with a menu bar and
// the main window's client size, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowCloseButtonHint);
    for (const char* title : {"&Projekt", "&Signal", "&Einstellungen", "&Hilfe"})
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("&Neu"));
    auto* client = new QWidget(&window);
    client->setFixedSize(633, 493);
    window.setCentralWidget(client);
    window.setWindowTitle(QStringLiteral("Wellenwerk V2.5"));
    window.show();
    return app.exec();
}

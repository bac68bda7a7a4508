// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// The least a Qt program does to show a picture: what startup_bench holds the game's start against.
//
//   startup_bare PICTURE

#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window;
    window.setPixmap(QPixmap(QString::fromLocal8Bit(argc > 1 ? argv[1] : "")));
    window.setFixedSize(600, 400);
    window.show();
    return QApplication::exec();
}

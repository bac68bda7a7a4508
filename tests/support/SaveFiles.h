// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "TestGame.h"

#include <QDirIterator>
#include <QMap>

// Every file and folder under Files, keyed like "Slot2/Money.txt", with the bytes it holds; a
// folder (or anything else that cannot be read) holds "<folder>".
using SaveFiles = QMap<QString, QByteArray>;
inline SaveFiles saveFiles(const TestGame& t) {
    SaveFiles all;
    QDirIterator it(t.folder() + "/Files", QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        all[file.fileName().section("/Files/", 1)] =
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<folder>");
    }
    return all;
}

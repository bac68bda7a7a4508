// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Canvas.h"
#include "Catalogue.h"
#include "GifWriter.h"
#include "MenuArt.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// "Hearts/Hearts10.GIF" at 2x is "Hearts/Hearts10@2x.GIF", the name Qt reads as a picture for a
// screen of device pixel ratio 2.
QString fileNameAt(const QString& name, int scale) {
    if (scale == 1) return name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QStringLiteral("@%1x").arg(scale) + name.mid(dot);
}

} // namespace

// Draws every picture of the game into <programDir>/Graphics, once at 1x and once at 2x for
// high-density screens, the window icon beside them, and the desktop icons of an installed copy
// into <programDir>/icons/<size>x<size>/.
int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: vantrell-graphics <program folder>\n";
        return 2;
    }
    const QDir programDir(args.at(1));
    const QString graphics = programDir.filePath(QStringLiteral("Graphics"));

    int failures = 0;
    for (int scale : {1, 2}) {
        art::setScale(scale);
        for (const art::Picture& picture : art::allPictures()) {
            const QString path = QDir(graphics).filePath(fileNameAt(picture.fileName, scale));
            if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
                err << "cannot create the folder of " << path << '\n';
                ++failures;
                continue;
            }
            const QString problem =
                art::writeGif(art::quantise(picture.image, picture.dither), path);
            if (!problem.isEmpty()) {
                err << problem << '\n';
                ++failures;
            }
        }
    }
    const QString iconPath = programDir.filePath(QStringLiteral("vantrell.png"));
    if (!art::desktopIcon().save(iconPath, "PNG")) {
        err << "cannot write " << iconPath << '\n';
        ++failures;
    }
    for (const int size : {32, 48, 64, 128, 256}) {
        const QString folder = programDir.filePath(QStringLiteral("icons/%1x%1").arg(size));
        const QString path = folder + QStringLiteral("/org.vantrell.Vantrell.png");
        if (!QDir().mkpath(folder) || !art::desktopIcon(size).save(path, "PNG")) {
            err << "cannot write " << path << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "Canvas.h"
#include "Catalogue.h"
#include "GifWriter.h"
#include "MenuArt.h"
#include "ui/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <QTranslator>

namespace {

// "Hearts/Hearts10.GIF" at 2x is "Hearts/Hearts10@2x.GIF", the name Qt reads as a picture for a
// screen of device pixel ratio 2.
QString fileNameAt(const QString& name, int scale) {
    if (scale == 1) return name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return name.left(dot) + QStringLiteral("@%1x").arg(scale) + name.mid(dot);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QFile::ReadOnly) ? file.readAll() : QByteArray();
}

struct Drawing {
    QTextStream& err;
    int failures = 0;

    // Draws the pictures (only those with words, where asked) into the folder at 1x and 2x and
    // returns their names; words too long for their picture are failures, named with it.
    QStringList draw(const QString& folder, bool onlyWords) {
        QStringList names;
        for (int scale : {1, 2}) {
            art::setScale(scale);
            for (const art::Picture& picture : art::allPictures()) {
                if (onlyWords && !picture.words) continue;
                const QString path = QDir(folder).filePath(fileNameAt(picture.fileName, scale));
                if (scale == 1) names << picture.fileName;
                // The room is measured in units, so a word that fails fails at both scales.
                for (const QString& misfit : scale == 1 ? picture.misfits : QStringList())
                    fail(QStringLiteral("%1: %2").arg(path, misfit));
                if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
                    fail(QStringLiteral("cannot create the folder of %1").arg(path));
                    continue;
                }
                const QString problem =
                    art::writeGif(art::quantise(picture.image, picture.dither), path);
                if (!problem.isEmpty()) fail(problem);
            }
        }
        return names;
    }

    // The pictures of a language, drawn with its words into Graphics/<language>/. One that comes
    // out the same as the English picture (its words are spelt alike) is left out, and the game
    // shows the English one.
    void drawLanguage(const QString& graphics, const QString& language, const QString& words) {
        QTranslator translator;
        if (!translator.load(words)) {
            fail(QStringLiteral("cannot read the words of \"%1\" from %2").arg(language, words));
            return;
        }
        QCoreApplication::installTranslator(&translator);
        const QString folder = QDir(graphics).filePath(language);
        for (const QString& name : draw(folder, true)) {
            const QString at1 = fileNameAt(name, 1), at2 = fileNameAt(name, 2);
            const QDir english(graphics), translated(folder);
            if (contentsOf(english.filePath(at1)) == contentsOf(translated.filePath(at1)) &&
                contentsOf(english.filePath(at2)) == contentsOf(translated.filePath(at2))) {
                QFile::remove(translated.filePath(at1));
                QFile::remove(translated.filePath(at2));
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }

    void fail(const QString& problem) {
        err << "vantrell-graphics: " << problem << '\n';
        ++failures;
    }
};

} // namespace

// Draws every picture of the game into <programDir>/Graphics, once at 1x and once at 2x for
// high-density screens, and those that carry words once more in every language the game speaks,
// into Graphics/<language>/; the window icon beside them, and the desktop icons of an installed
// copy into <programDir>/icons/<size>x<size>/. A translator can try words not yet built in by
// naming their compiled file, vantrell_<language>.qm, after the folder.
int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        err << "usage: vantrell-graphics <program folder> [vantrell_<language>.qm ...]\n";
        return 2;
    }
    const QDir programDir(args.at(1));
    const QString graphics = programDir.filePath(QStringLiteral("Graphics"));

    Drawing drawing{err};
    drawing.draw(graphics, false);
    for (const QString& language : ui::translatedLanguages())
        drawing.drawLanguage(graphics, language,
                             QStringLiteral(":/i18n/vantrell_%1.qm").arg(language));
    for (const QString& words : args.mid(2)) {
        const QString language = QFileInfo(words).completeBaseName().section(QLatin1Char('_'), 1);
        drawing.drawLanguage(graphics, language, words);
    }

    const QString iconPath = programDir.filePath(QStringLiteral("vantrell.png"));
    if (!art::desktopIcon().save(iconPath, "PNG"))
        drawing.fail(QStringLiteral("cannot write %1").arg(iconPath));
    for (const int size : {32, 48, 64, 128, 256}) {
        const QString folder = programDir.filePath(QStringLiteral("icons/%1x%1").arg(size));
        const QString path = folder + QStringLiteral("/org.vantrell.Vantrell.png");
        if (!QDir().mkpath(folder) || !art::desktopIcon(size).save(path, "PNG"))
            drawing.fail(QStringLiteral("cannot write %1").arg(path));
    }
    return drawing.failures == 0 ? 0 : 1;
}

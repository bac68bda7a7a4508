// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/PictureStore.h"

#include "ui/GifReader.h"
#include "ui/Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSet>
#include <cstdio>
#include <optional>
#include <sys/stat.h>

namespace ui {

namespace {

// A missing picture is reported once on the console; the game goes on with a blank control.
void warnMissing(const QString& path) {
    static QSet<QString> told;
    if (told.contains(path)) return;
    told.insert(path);
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate(
                                "Pictures", "Vantrell: the picture %1 could not be read")
                                .arg(path)));
}

// "Graphics/Back.GIF" -> "Graphics/Back@2x.GIF": the name under which Qt's image reader
// gives the picture a device pixel ratio of 2.
QString sharpPath(const QString& path) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? path.left(dot) + QStringLiteral("@2x") + path.mid(dot)
                       : path + QStringLiteral("@2x");
}

// What tells one version of a file from the next: a file replaced under the same name has
// another inode or change time, even when it has the same size and was written within the
// same second. Times in nanoseconds.
struct FileStamp {
    qint64 device, inode, size, modified, changed;
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> stampOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
    auto nanoseconds = [](const timespec& time) {
        return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
    };
    return FileStamp{qint64(info.st_dev), qint64(info.st_ino), qint64(info.st_size),
                     nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)};
}

struct Kept {
    FileStamp stamp;
    QImage image;
};

// The last reading of each picture file, kept while the file stays as it was: a reset sets the
// same dozen pictures again, and decoding them anew each time would cost the click its frame.
class PictureStore {
  public:
    static PictureStore& instance() {
        static PictureStore store;
        return store;
    }

    QImage read(const QString& path) {
        const std::optional<FileStamp> stamp = stampOf(path);
        const auto found = kept_.constFind(path);
        if (found != kept_.cend() && stamp && found->stamp == *stamp) return found->image;
        QImage image = readOwnGif(path);
        if (image.isNull()) image = QImage(path);
        if (image.isNull() || !stamp) {
            kept_.remove(path);
        } else {
            kept_.insert(path, Kept{*stamp, image});
        }
        return image;
    }

  private:
    QHash<QString, Kept> kept_;
};

QImage readPicture(const QString& path) {
    return PictureStore::instance().read(path);
}

// A sharp copy older than its picture by more than a moment was drawn before the picture was
// replaced, and shows the old one. (Copying a program folder may reorder the two a little.)
bool sharpCopyIsCurrent(const QString& sharp, const QString& path) {
    const auto sharpStamp = stampOf(sharp), stamp = stampOf(path);
    constexpr qint64 Moment = 1000000000;
    return sharpStamp && (!stamp || sharpStamp->modified + Moment >= stamp->modified);
}

// "Graphics/HitButton.GIF" in German is "Graphics/de/HitButton.GIF", drawn with the German
// words, where the picture has words; the English picture serves every other.
QString inPictureLanguage(const QString& path) {
    const QString& language = pictureLanguage();
    if (language == QLatin1String("en")) return path;
    const QLatin1String folder("/Graphics/");
    const qsizetype at = path.lastIndexOf(folder);
    if (at < 0) return path;
    QString translated = path;
    translated.insert(at + folder.size(), language + QLatin1Char('/'));
    return stampOf(translated) ? translated : path;
}

} // namespace

bool PictureSource::load(const QString& path, qreal ratio) {
    path_ = path;
    file_ = inPictureLanguage(path);
    image_ = QImage();
    sharpTried_ = false;
    if (ratio > 1.0 && loadSharp()) return true;
    image_ = readPicture(file_);
    if (image_.isNull()) {
        warnMissing(file_);
        return false;
    }
    return true;
}

bool PictureSource::loadSharp() {
    sharpTried_ = true;
    const QString sharpFile = sharpPath(file_);
    if (!sharpCopyIsCurrent(sharpFile, file_)) return false;
    const QImage sharp = readPicture(sharpFile);
    if (sharp.isNull()) return false;
    image_ = sharp;
    image_.setDevicePixelRatio(2.0); // already so, by the file's name
    return true;
}

void PictureSource::clear() {
    path_.clear();
    file_.clear();
    image_ = QImage();
    sharpTried_ = false;
}

void PictureSource::paint(QPainter& painter, const QRect& target) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (ratio > image_.devicePixelRatio() && !sharpTried_ && !path_.isEmpty()) loadSharp();
    if (image_.isNull()) return;
    if (naturalSize() == target.size() && qFuzzyCompare(ratio, image_.devicePixelRatio())) {
        painter.drawImage(target.topLeft(), image_);
        return;
    }
    // Scale once at the device's pixel density so a high-density screen gets the sharpest
    // result the picture allows.
    QImage scaled =
        image_.scaled(target.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    painter.drawImage(target.topLeft(), scaled);
}

} // namespace ui

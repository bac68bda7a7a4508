// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// The desktop's words for the game in every language the game speaks: the menu entry, the
// software centre's page and the manual page are written from their English files, each of their
// translatable pieces looked up in the game's own translations (:/i18n/vantrell_<language>.qm).
// The English files stay the one source of these words: --extract hands their pieces to lupdate,
// so that a translator finds them in vantrell_<language>.ts beside the game's.
//
//   vantrell-words ENGLISH OUT   OUT/org.vantrell.Vantrell.desktop and .metainfo.xml with
//                                every language's words beside the English ones;
//                                OUT/man/man6/vantrell.6 and OUT/man/<language>/man6/vantrell.6
//   vantrell-words --extract ENGLISH FILE   the English pieces as C++ that lupdate reads

#include "ui/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QTranslator>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QString desktopName = QStringLiteral("org.vantrell.Vantrell.desktop");
const QString metainfoName = QStringLiteral("org.vantrell.Vantrell.metainfo.xml");
const QString manualName = QStringLiteral("vantrell.6");

// One translatable piece: what lupdate shows the translator, and the text looked up.
struct Piece {
    const char* context;
    QString source;
    QString disambiguation;
    QString note;
};

struct Language {
    QString code; // "de", "pt_BR": as desktop entries, AppStream and man's folders write it
    std::unique_ptr<QTranslator> words;

    // The translation, or an empty string where the translator has none yet.
    QString translate(const Piece& piece) const {
        return words->translate(
            piece.context, piece.source.toUtf8().constData(),
            piece.disambiguation.isEmpty() ? nullptr : piece.disambiguation.toUtf8().constData());
    }
};

std::vector<Language> languages() {
    std::vector<Language> found;
    for (const QString& code : ui::translatedLanguages()) {
        Language language{code, std::make_unique<QTranslator>()};
        if (language.words->load(QStringLiteral(":/i18n/vantrell_%1.qm").arg(code)))
            found.push_back(std::move(language));
    }
    return found;
}

// Each format walks its English file line by line, handing every line it keeps as it is to
// `verbatim` and every translatable piece, with the English lines it came from, to `piece`.
using Verbatim = std::function<void(const QString& line)>;
using PieceFound = std::function<void(const Piece& piece, const QStringList& lines)>;

// The keys a desktop's menu and search show.
void walkDesktop(const QStringList& lines, const Verbatim& verbatim, const PieceFound& piece) {
    static const QRegularExpression shown(
        QStringLiteral("^(Name|GenericName|Comment|Keywords)=(.*)$"));
    for (const QString& line : lines) {
        const auto match = shown.match(line);
        if (!match.hasMatch()) {
            verbatim(line);
            continue;
        }
        const QString key = match.captured(1);
        piece({"DesktopEntry", match.captured(2), key,
               key == QLatin1String("Keywords")
                   ? QStringLiteral(
                         "Words a desktop's search finds the game by, each ended by a semicolon")
                   : QStringLiteral("The desktop menu's %1 of the game").arg(key)},
              {line});
    }
}

QString xmlText(QString text) {
    text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"));
    return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

// The summary, the paragraphs and list items of the description and the screenshots' captions;
// the release notes stay as they are.
void walkMetainfo(const QStringList& lines, const Verbatim& verbatim, const PieceFound& piece) {
    static const QRegularExpression opening(QStringLiteral("^\\s*<(summary|p|li|caption)>"));
    QString tag;
    QStringList element;
    bool releases = false;
    for (const QString& line : lines) {
        releases = releases || line.contains(QLatin1String("<releases>"));
        const auto match = opening.match(line);
        if (tag.isEmpty() && !releases && match.hasMatch()) tag = match.captured(1);
        if (tag.isEmpty()) {
            verbatim(line);
            continue;
        }
        element << line;
        const QString closing = QStringLiteral("</%1>").arg(tag);
        if (!line.contains(closing)) continue;
        QString text = element.join(QLatin1Char(' '));
        text = text.mid(text.indexOf(QLatin1Char('>')) + 1);
        text = xmlText(text.left(text.indexOf(closing)).simplified());
        piece({"AppStream",
               text,
               {},
               tag == QLatin1String("summary")
                   ? QStringLiteral("The software centre's one line about the game")
               : tag == QLatin1String("li")
                   ? QStringLiteral("An item of the software centre's list of places")
               : tag == QLatin1String("caption")
                   ? QStringLiteral("A screenshot's caption in the software centre")
                   : QStringLiteral("The software centre's description of the game")},
              element);
        tag.clear();
        element.clear();
    }
}

// The manual page: every heading and every stretch of text between the paragraph macros, with
// the font macros inside it, and the name of section 6 in the title line.
void walkManual(const QStringList& lines, const Verbatim& verbatim, const PieceFound& piece) {
    static const QRegularExpression title(QStringLiteral("^(\\.TH .*\")([^\"]+)(\"\\s*)$"));
    static const QRegularExpression layout(
        QStringLiteral("^(\\.\\\\\"|\\.(nh|ad|TP|PP|P|LP|IP)\\b|$)"));
    static const QString note = QStringLiteral(
        "A stretch of the manual page, in the manual's markup: keep each line that starts with a "
        "dot "
        "a line of its own, with its macro (.B bold, .I italic, .BR and .IR alternating); keep \\- "
        "before options; name the keys the game binds in your language");
    QStringList stretch;
    const auto endStretch = [&] {
        if (!stretch.isEmpty())
            piece({"Manual", stretch.join(QLatin1Char('\n')), {}, note}, stretch);
        stretch.clear();
    };
    for (const QString& line : lines) {
        if (const auto match = title.match(line); match.hasMatch()) {
            endStretch();
            piece(
                {"Manual", match.captured(2), {}, QStringLiteral("The title of manual section 6")},
                {line});
        } else if (line.startsWith(QLatin1String(".SH "))) {
            endStretch();
            piece({"Manual",
                   line.mid(4),
                   {},
                   QStringLiteral("A heading of the manual page, in capitals")},
                  {line});
        } else if (layout.match(line).hasMatch()) {
            endStretch();
            verbatim(line);
        } else {
            stretch << line;
        }
    }
    endStretch();
}

QString readLines(const QString& path, QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("cannot read %1").arg(path);
    lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) lines.removeLast();
    return {};
}

QString writeLines(const QString& path, const QStringList& lines) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QStringLiteral("cannot write %1").arg(path);
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.error() == QFileDevice::NoError ? QString()
                                                : QStringLiteral("cannot write %1").arg(path);
}

QString cString(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + text.replace(QLatin1Char('\n'), QLatin1String("\\n")) +
           QLatin1Char('"');
}

using Walk = void (*)(const QStringList&, const Verbatim&, const PieceFound&);
const std::vector<std::pair<QString, Walk>> files = {
    {desktopName, walkDesktop}, {metainfoName, walkMetainfo}, {manualName, walkManual}};

QString extract(const QString& englishDir, const QString& target) {
    QStringList out{
        QStringLiteral("// The words of the desktop entry, the AppStream page and the manual, "
                       "written by vantrell-words --extract for lupdate")};
    for (const auto& [name, walk] : files) {
        QStringList lines;
        if (QString error = readLines(QDir(englishDir).filePath(name), lines); !error.isEmpty())
            return error;
        walk(
            lines, [](const QString&) {},
            [&](const Piece& piece, const QStringList&) {
                out << QStringLiteral("//: ") + piece.note;
                out << (piece.disambiguation.isEmpty()
                            ? QStringLiteral("QT_TRANSLATE_NOOP(\"%1\", %2);")
                                  .arg(piece.context, cString(piece.source))
                            : QStringLiteral("QT_TRANSLATE_NOOP3(\"%1\", %2, %3);")
                                  .arg(piece.context, cString(piece.source),
                                       cString(piece.disambiguation)));
            });
    }
    return writeLines(target, out);
}

QString write(const QString& englishDir, const QString& outDir) {
    const std::vector<Language> spoken = languages();
    const QDir in(englishDir), out(outDir);
    QStringList lines;
    QString error;

    // The menu entry and the software centre's page: one file, each language's words after the
    // English ones.
    for (const QString& name : {desktopName, metainfoName}) {
        if (!(error = readLines(in.filePath(name), lines)).isEmpty()) return error;
        QStringList written;
        const auto verbatim = [&](const QString& line) { written << line; };
        const auto translated = [&](const Piece& piece, const QStringList& english) {
            written << english;
            for (const Language& language : spoken) {
                const QString words = language.translate(piece).simplified();
                if (words.isEmpty()) continue;
                if (name == desktopName) {
                    written << QStringLiteral("%1[%2]=%3")
                                   .arg(piece.disambiguation, language.code, words);
                } else {
                    static const QRegularExpression tag(QStringLiteral("^(\\s*)<(\\w+)>"));
                    const auto match = tag.match(english.first());
                    written << QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>")
                                   .arg(match.captured(1), match.captured(2), language.code,
                                        words.toHtmlEscaped());
                }
            }
        };
        (name == desktopName ? walkDesktop : walkMetainfo)(lines, verbatim, translated);
        if (!(error = writeLines(out.filePath(name), written)).isEmpty()) return error;
    }

    // The manual page: the English one, and one of its own for each language, its untranslated
    // stretches in English as the game's are.
    if (!(error = readLines(in.filePath(manualName), lines)).isEmpty()) return error;
    if (!(error = writeLines(out.filePath(QStringLiteral("man/man6/") + manualName), lines))
             .isEmpty())
        return error;
    for (const Language& language : spoken) {
        QStringList written;
        walkManual(
            lines, [&](const QString& line) { written << line; },
            [&](const Piece& piece, const QStringList& english) {
                const QString words = language.translate(piece).trimmed();
                if (words.isEmpty()) {
                    written << english;
                } else if (english.first().startsWith(QLatin1String(".SH "))) {
                    written << QStringLiteral(".SH ") + words;
                } else if (english.first().startsWith(QLatin1String(".TH "))) {
                    written << QString(english.first())
                                   .replace(QLatin1Char('"') + piece.source + QLatin1Char('"'),
                                            QLatin1Char('"') + words + QLatin1Char('"'));
                } else {
                    written << words.split(QLatin1Char('\n'));
                }
            });
        const QString path = QStringLiteral("man/%1/man6/").arg(language.code) + manualName;
        if (!(error = writeLines(out.filePath(path), written)).isEmpty()) return error;
    }
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QString error;
    if (args.size() == 4 && args.at(1) == QLatin1String("--extract")) {
        error = extract(args.at(2), args.at(3));
    } else if (args.size() == 3) {
        error = write(args.at(1), args.at(2));
    } else {
        error = QStringLiteral(
            "usage: vantrell-words ENGLISH OUT | vantrell-words --extract ENGLISH FILE");
    }
    if (error.isEmpty()) return 0;
    QTextStream(stderr) << "vantrell-words: " << error << '\n';
    return 1;
}

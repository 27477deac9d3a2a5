// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: draws the tile sheet, the icons and the splash logo from their text sources.
// vrh_artgen <tiles.txt> <icons.txt> <output folder> <toolbar icon key>...
// Any fault in a source stops the build with the file, line and what is wrong.
#include "logo.h"
#include "picturetext.h"
#include "tilesheet.h"
#include "windowsicon.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <cstdio>
#include <stdexcept>

namespace {

using namespace vrh::art;

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error(
            QStringLiteral("cannot read %1: %2").arg(path, file.errorString()).toStdString());
    }
    return QString::fromUtf8(file.readAll());
}

void write(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        throw std::runtime_error(QStringLiteral("cannot write %1").arg(path).toStdString());
    }
}

void writeFile(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        throw std::runtime_error(QStringLiteral("cannot write %1").arg(path).toStdString());
    }
}

// Silver is the see-through colour of the icons.
QImage withSilverSeeThrough(const QImage& image) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            if (result.pixel(x, y) == kSilver) {
                result.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }
    return result;
}

// The toolbar keys are wanted at 16 x 16, the program icon "VrhEdit" at 32 x 32; nothing else.
void checkIcons(const std::vector<Icon>& icons, const QStringList& toolbarKeys,
                const QString& sourceName) {
    QSet<QString> drawn;
    for (const Icon& icon : icons) {
        const bool isProgramIcon = icon.key == QLatin1String("VrhEdit");
        if (!isProgramIcon && !toolbarKeys.contains(icon.key)) {
            throw SourceError(QStringLiteral("%1: icon %2 is not a toolbar key")
                                  .arg(sourceName, icon.key)
                                  .toStdString());
        }
        const int wanted = isProgramIcon ? 32 : 16;
        if (icon.image.width() != wanted) {
            throw SourceError(QStringLiteral("%1: icon %2 must be %3 x %3")
                                  .arg(sourceName, icon.key)
                                  .arg(wanted)
                                  .toStdString());
        }
        drawn.insert(icon.key);
    }
    for (const QString& key : toolbarKeys + QStringList{QStringLiteral("VrhEdit")}) {
        if (!drawn.contains(key)) {
            throw SourceError(
                QStringLiteral("%1: no picture for icon %2").arg(sourceName, key).toStdString());
        }
    }
}

void generate(const QStringList& arguments) {
    const QString tilesPath = arguments[0];
    const QString iconsPath = arguments[1];
    const QDir out(arguments[2]);
    const QStringList toolbarKeys = arguments.mid(3);
    if (!out.mkpath(QStringLiteral("icons"))) {
        throw std::runtime_error(QStringLiteral("cannot create %1").arg(out.path()).toStdString());
    }

    const QImage sheet =
        renderTileSheet(readTilePictures(readText(tilesPath), QFileInfo(tilesPath).fileName()));
    write(sheet, out.filePath(QStringLiteral("tiles.png")));

    const QString iconsName = QFileInfo(iconsPath).fileName();
    const std::vector<Icon> icons = readIcons(readText(iconsPath), iconsName);
    checkIcons(icons, toolbarKeys, iconsName);
    for (const Icon& icon : icons) {
        const QString name =
            icon.key == QLatin1String("VrhEdit") ? icon.key + ".png" : "icons/" + icon.key + ".png";
        write(withSilverSeeThrough(icon.image), out.filePath(name));
        if (icon.key == QLatin1String("VrhEdit")) {
            // The desktop's larger size, each pixel four times as wide and high: pixel art
            // stays sharp.
            const QImage program = withSilverSeeThrough(icon.image);
            write(program.scaled(128, 128), out.filePath("VrhEdit-128.png"));
            // Windows' sizes: the small one smoothed, the larger ones whole multiples.
            writeFile(windowsIconFile(
                          {program.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                           program, program.scaled(64, 64), program.scaled(128, 128),
                           program.scaled(256, 256)}),
                      out.filePath("VrhEdit.ico"));
        }
    }

    write(drawLogo(sheet), out.filePath(QStringLiteral("logo.png")));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: vrh_artgen <tiles.txt> <icons.txt> <output folder> <key>...\n");
        return 2;
    }
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    try {
        generate(arguments);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vrh_artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}

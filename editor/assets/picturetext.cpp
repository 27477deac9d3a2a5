// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturetext.h"

#include <QHash>
#include <QStringList>

#include <map>

namespace vrh::art {
namespace {

// A header line and the grid rows right under it (up to the next blank line, comment or header).
struct Block {
    int line = 0;
    QStringList words;
    std::vector<std::pair<int, QString>> rows;
};

bool isHeader(const QString& line) {
    return line.startsWith(QLatin1String("tile ")) || line.startsWith(QLatin1String("icon ")) ||
           line.startsWith(QLatin1String("colour "));
}

[[noreturn]] void fail(const QString& sourceName, int line, const QString& message) {
    const QString where = line > 0 ? QStringLiteral("%1:%2: ").arg(sourceName).arg(line)
                                   : QStringLiteral("%1: ").arg(sourceName);
    throw SourceError((where + message).toStdString());
}

std::vector<Block> readBlocks(const QString& text, const QString& sourceName) {
    std::vector<Block> blocks;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool inGrid = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const int lineNumber = i + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) {
            inGrid = false;
        } else if (isHeader(line)) {
            blocks.push_back({lineNumber, line.split(QLatin1Char(' '), Qt::SkipEmptyParts), {}});
            inGrid = true;
        } else if (inGrid) {
            blocks.back().rows.emplace_back(lineNumber, line);
        } else {
            fail(sourceName, lineNumber,
                 QStringLiteral("\"%1\" is neither a header, a comment nor a row under a header")
                     .arg(line));
        }
    }
    return blocks;
}

int readNumber(const QString& word, int lowest, int highest) {
    bool ok = false;
    const int value = word.toInt(&ok);
    return ok && value >= lowest && value <= highest ? value : -1;
}

// Checks the grid's shape and that every character is in the palette.
void checkGrid(const Block& block, const QString& what, int size, const QString& allowed,
               const QString& sourceName) {
    if (static_cast<int>(block.rows.size()) != size) {
        fail(sourceName, block.line,
             QStringLiteral("%1 has %2 rows, not %3").arg(what).arg(block.rows.size()).arg(size));
    }
    for (const auto& [lineNumber, row] : block.rows) {
        if (row.size() != size) {
            fail(sourceName, lineNumber,
                 QStringLiteral("a row of %1 is %2 pixels wide, not %3")
                     .arg(what)
                     .arg(row.size())
                     .arg(size));
        }
        for (const QChar c : row) {
            if (!allowed.contains(c)) {
                fail(sourceName, lineNumber,
                     QStringLiteral("a row of %1 has '%2', which is not in the palette \"%3\"")
                         .arg(what, QString(c), allowed));
            }
        }
    }
}

} // namespace

std::vector<QImage> readTilePictures(const QString& text, const QString& sourceName) {
    std::vector<QImage> pictures(kPaletteCodes);
    std::map<int, int> drawnAt; // code -> line
    for (const Block& block : readBlocks(text, sourceName)) {
        if (block.words[0] != QLatin1String("tile")) {
            fail(sourceName, block.line,
                 QStringLiteral("expected \"tile <code> <name>\", found \"%1\"")
                     .arg(block.words.join(QLatin1Char(' '))));
        }
        const int code =
            block.words.size() > 1 ? readNumber(block.words[1], 0, kPaletteCodes - 1) : -1;
        if (code < 0) {
            fail(sourceName, block.line,
                 QStringLiteral("the tile code must be a number from 0 to %1")
                     .arg(kPaletteCodes - 1));
        }
        const QString what = QStringLiteral("tile %1").arg(code);
        if (block.words.size() < 3) {
            fail(sourceName, block.line, what + QStringLiteral(" has no name"));
        }
        if (const auto earlier = drawnAt.find(code); earlier != drawnAt.end()) {
            fail(sourceName, block.line,
                 QStringLiteral("%1 is already drawn at line %2").arg(what).arg(earlier->second));
        }
        drawnAt[code] = block.line;
        checkGrid(block, what, kPicturePixels, QStringLiteral("#."), sourceName);

        QImage picture(kPicturePixels, kPicturePixels, QImage::Format_RGB32);
        for (int y = 0; y < kPicturePixels; ++y) {
            const QString& row = block.rows[y].second;
            for (int x = 0; x < kPicturePixels; ++x) {
                picture.setPixel(x, y,
                                 row[x] == QLatin1Char('#') ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            }
        }
        pictures[code] = picture;
    }
    QStringList missing;
    for (int code = 0; code < kPaletteCodes; ++code) {
        if (!drawnAt.contains(code)) {
            missing << QString::number(code);
        }
    }
    if (!missing.isEmpty()) {
        fail(sourceName, 0,
             QStringLiteral("no picture for tile code %1").arg(missing.join(QLatin1String(", "))));
    }
    return pictures;
}

std::vector<Icon> readIcons(const QString& text, const QString& sourceName) {
    QHash<QChar, QRgb> palette;
    QString letters;
    std::vector<Icon> icons;
    std::map<QString, int> drawnAt; // key -> line
    for (const Block& block : readBlocks(text, sourceName)) {
        const QString& kind = block.words[0];
        if (kind == QLatin1String("colour")) {
            const bool oneLetter = block.words.size() == 5 && block.words[1].size() == 1;
            int channels[3] = {-1, -1, -1};
            for (int i = 0; oneLetter && i < 3; ++i) {
                channels[i] = readNumber(block.words[2 + i], 0, 255);
            }
            if (!oneLetter || channels[0] < 0 || channels[1] < 0 || channels[2] < 0) {
                fail(sourceName, block.line,
                     QStringLiteral("expected \"colour <letter> <red> <green> <blue>\" with "
                                    "values from 0 to 255"));
            }
            const QChar letter = block.words[1][0];
            if (palette.contains(letter)) {
                fail(sourceName, block.line,
                     QStringLiteral("colour '%1' is given twice").arg(QString(letter)));
            }
            palette.insert(letter, qRgb(channels[0], channels[1], channels[2]));
            letters += letter;
            continue;
        }
        if (kind != QLatin1String("icon") || block.words.size() != 3) {
            fail(sourceName, block.line,
                 QStringLiteral("expected \"icon <key> <size>\", found \"%1\"")
                     .arg(block.words.join(QLatin1Char(' '))));
        }
        const QString& key = block.words[1];
        const int size = readNumber(block.words[2], 1, 256);
        if (size < 0) {
            fail(sourceName, block.line,
                 QStringLiteral("the size of icon %1 must be a number from 1 to 256").arg(key));
        }
        if (const auto earlier = drawnAt.find(key); earlier != drawnAt.end()) {
            fail(sourceName, block.line,
                 QStringLiteral("icon %1 is already drawn at line %2")
                     .arg(key)
                     .arg(earlier->second));
        }
        drawnAt[key] = block.line;
        checkGrid(block, QStringLiteral("icon ") + key, size, letters, sourceName);

        QImage image(size, size, QImage::Format_RGB32);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                image.setPixel(x, y, palette.value(block.rows[y].second[x]));
            }
        }
        icons.push_back({key, image});
    }
    return icons;
}

} // namespace vrh::art

// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelsettext.h"

#include "filekind.h"

#include <QFile>

#include <algorithm>
#include <optional>

namespace vrh {

namespace {

constexpr int kMagicBytes = 4;
constexpr int kNameBytes = 3;
constexpr int kCountOffset = kMagicBytes + kNameBytes;
constexpr int kTrailingPerLine = 16;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// The sixteen values of a level in file order, by the names the program gives them.
constexpr const char* kValueNames[kHeaderBytes] = {
    "height",  "width",    "objectives", "time",      "putX",    "putY",    "takeX",  "takeY",
    "putType", "takeType", "levelType",  "alienType", "finishX", "finishY", "startX", "startY"};

// A file's bytes as the reader takes them apart, with what it skips: the magic, the stored
// name, the count byte itself and whatever follows the last level.
struct FileContents {
    Levelset levelset;
    int count = 0;
    QByteArrayView magic;
    QByteArrayView name;
    QByteArrayView trailing;
};

std::optional<FileContents> contentsOf(QByteArrayView bytes) {
    ReadResult read = parseLevelset(bytes);
    if (!read.levelset) {
        return std::nullopt;
    }
    qsizetype end = kFileHeaderBytes;
    for (int index = 0; index < read.levelset->numLevels; ++index) {
        const LevelRecord& level = read.levelset->levels[index];
        end += kHeaderBytes + qsizetype{level.width} * level.height;
    }
    return FileContents{std::move(*read.levelset), static_cast<std::uint8_t>(bytes[kCountOffset]),
                        bytes.first(kMagicBytes), bytes.sliced(kMagicBytes, kNameBytes),
                        bytes.sliced(end)};
}

void appendHex(QString& text, std::uint8_t byte) {
    text += QLatin1Char(kHexDigits[byte >> 4]);
    text += QLatin1Char(kHexDigits[byte & 0xF]);
}

QString hex(std::uint8_t byte) {
    QString text;
    appendHex(text, byte);
    return text;
}

// Codes separated by blanks: "00 3B 5A".
void appendCodes(QString& text, const std::uint8_t* codes, qsizetype count) {
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0) {
            text += QLatin1Char(' ');
        }
        appendHex(text, codes[i]);
    }
}

QString quoted(QByteArrayView bytes) {
    QString text = QStringLiteral("\"");
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (c == '"' || c == '\\') {
            text += QLatin1Char('\\');
            text += QLatin1Char(c);
        } else if (byte >= 0x20 && byte <= 0x7E) {
            text += QLatin1Char(c);
        } else {
            text += QStringLiteral("\\x");
            appendHex(text, byte);
        }
    }
    return text + QLatin1Char('"');
}

void appendLine(QString& text, const QString& key, const QString& value) {
    text += key;
    text += QStringLiteral(": ");
    text += value;
    text += QLatin1Char('\n');
}

void appendLevel(QString& text, int number, const LevelRecord& level) {
    const QString prefix = QStringLiteral("Level %1 ").arg(number);
    const std::array<std::uint8_t, kHeaderBytes> values = level.headerBytes();
    for (int i = 0; i < kHeaderBytes; ++i) {
        appendLine(text, prefix + QLatin1String(kValueNames[i]), QString::number(values[i]));
    }
    for (int y = 0; y < level.height; ++y) {
        text += prefix;
        text += QStringLiteral("row %1: ").arg(y);
        appendCodes(text, level.tiles[y].data(), level.width);
        text += QLatin1Char('\n');
    }
}

void appendTrailing(QString& text, QByteArrayView trailing) {
    if (trailing.isEmpty()) {
        return;
    }
    appendLine(text, QStringLiteral("Trailing bytes"), QString::number(trailing.size()));
    for (qsizetype at = 0; at < trailing.size(); at += kTrailingPerLine) {
        const QByteArrayView part =
            trailing.sliced(at, std::min<qsizetype>(kTrailingPerLine, trailing.size() - at));
        text += QStringLiteral("Trailing %1: ").arg(at);
        appendCodes(text, reinterpret_cast<const std::uint8_t*>(part.data()), part.size());
        text += QLatin1Char('\n');
    }
}

// "Level 2: 2 cells changed: column 4 row 2 3B -> 00, column 5 row 2 3B -> 00", within the
// columns and rows both levels have; empty when none changed there.
QString cellChanges(const QString& prefix, const LevelRecord& first, const LevelRecord& second,
                    int cellsShown) {
    const int width = std::min(first.width, second.width);
    const int height = std::min(first.height, second.height);
    QStringList named;
    int changed = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t before = first.tiles[y][x];
            const std::uint8_t after = second.tiles[y][x];
            if (before == after) {
                continue;
            }
            if (cellsShown == kAllCells || changed < cellsShown) {
                named << QStringLiteral("column %1 row %2 %3 -> %4")
                             .arg(x)
                             .arg(y)
                             .arg(hex(before), hex(after));
            }
            ++changed;
        }
    }
    if (changed == 0) {
        return {};
    }
    if (changed > named.size()) {
        named << QStringLiteral("...");
    }
    return prefix +
           QStringLiteral("%1 %2 changed: ")
               .arg(changed)
               .arg(changed == 1 ? QStringLiteral("cell") : QStringLiteral("cells")) +
           named.join(QStringLiteral(", "));
}

QString trailingChange(QByteArrayView first, QByteArrayView second) {
    if (first.size() != second.size()) {
        return QStringLiteral("Trailing bytes: %1 -> %2").arg(first.size()).arg(second.size());
    }
    qsizetype changed = 0;
    for (qsizetype i = 0; i < first.size(); ++i) {
        changed += first[i] != second[i] ? 1 : 0;
    }
    return QStringLiteral("Trailing bytes: %1 of %2 changed").arg(changed).arg(first.size());
}

} // namespace

ReadResult readWholeLevelsetFile(const QString& path) {
    const auto failure = [&path](const QString& reason) {
        return ReadResult{std::nullopt, QStringLiteral("Can't open %1.\r%2").arg(path, reason), {}};
    };
    QFile file;
    if (const std::optional<QString> reason = openRegularFileForReading(file, path)) {
        return failure(*reason);
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return failure(file.errorString());
    }
    ReadResult result = parseLevelset(bytes);
    if (!result.levelset) {
        return failure(result.error);
    }
    result.levelset->fileName = path;
    result.bytes = std::move(bytes);
    return result;
}

QString levelsetText(QByteArrayView bytes) {
    const std::optional<FileContents> file = contentsOf(bytes);
    if (!file) {
        return {};
    }
    const Levelset& levelset = file->levelset;
    QString text;
    // Some 100 characters a row: the largest set in one allocation.
    text.reserve(1024 + levelset.numLevels * (kHeaderBytes * 24 + kGridSize * 110) +
                 file->trailing.size() * 4);
    appendLine(text, QStringLiteral("Magic"), quoted(file->magic));
    appendLine(text, QStringLiteral("Name"), quoted(file->name));
    appendLine(text, QStringLiteral("Levels"), QString::number(file->count));
    appendLine(text, QStringLiteral("Reserved 1"), QString::number(levelset.reserved1));
    appendLine(text, QStringLiteral("Reserved 2"), QString::number(levelset.reserved2));
    for (int i = 0; i < kPasscodeCount; ++i) {
        appendLine(text, QStringLiteral("Passcode %1").arg(i + 2),
                   quoted(levelset.passcodes[i].text()));
    }
    for (int index = 0; index < levelset.numLevels; ++index) {
        appendLevel(text, index + 1, levelset.levels[index]);
    }
    appendTrailing(text, file->trailing);
    return text;
}

QStringList levelsetDifferences(QByteArrayView first, QByteArrayView second, int cellsShown) {
    if (first == second) {
        return {};
    }
    const std::optional<FileContents> a = contentsOf(first);
    const std::optional<FileContents> b = contentsOf(second);
    if (!a || !b) {
        return {};
    }
    QStringList lines;
    const auto compare = [&lines](const QString& what, const QString& before,
                                  const QString& after) {
        if (before != after) {
            lines << what + QStringLiteral(": ") + before + QStringLiteral(" -> ") + after;
        }
    };
    compare(QStringLiteral("Magic"), quoted(a->magic), quoted(b->magic));
    compare(QStringLiteral("Name"), quoted(a->name), quoted(b->name));
    compare(QStringLiteral("Levels"), QString::number(a->count), QString::number(b->count));
    compare(QStringLiteral("Reserved 1"), QString::number(a->levelset.reserved1),
            QString::number(b->levelset.reserved1));
    compare(QStringLiteral("Reserved 2"), QString::number(a->levelset.reserved2),
            QString::number(b->levelset.reserved2));
    for (int i = 0; i < kPasscodeCount; ++i) {
        compare(QStringLiteral("Passcode %1").arg(i + 2), quoted(a->levelset.passcodes[i].text()),
                quoted(b->levelset.passcodes[i].text()));
    }

    const int levels = std::max(a->levelset.numLevels, b->levelset.numLevels);
    for (int index = 0; index < levels; ++index) {
        const QString prefix = QStringLiteral("Level %1: ").arg(index + 1);
        if (index >= a->levelset.numLevels) {
            lines << prefix + QStringLiteral("added");
            continue;
        }
        if (index >= b->levelset.numLevels) {
            lines << prefix + QStringLiteral("removed");
            continue;
        }
        const LevelRecord& before = a->levelset.levels[index];
        const LevelRecord& after = b->levelset.levels[index];
        const std::array<std::uint8_t, kHeaderBytes> beforeValues = before.headerBytes();
        const std::array<std::uint8_t, kHeaderBytes> afterValues = after.headerBytes();
        for (int i = 0; i < kHeaderBytes; ++i) {
            if (beforeValues[i] != afterValues[i]) {
                lines << prefix + QStringLiteral("%1 %2 -> %3")
                                      .arg(QLatin1String(kValueNames[i]))
                                      .arg(beforeValues[i])
                                      .arg(afterValues[i]);
            }
        }
        if (const QString cells = cellChanges(prefix, before, after, cellsShown);
            !cells.isEmpty()) {
            lines << cells;
        }
    }
    if (a->trailing != b->trailing) {
        lines << trailingChange(a->trailing, b->trailing);
    }
    return lines;
}

} // namespace vrh

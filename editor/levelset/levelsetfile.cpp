// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelsetfile.h"

#include "filekind.h"
#include "onebytetext.h"
#include "safesave.h"

#include <QFile>

#include <algorithm>

namespace vrh {

namespace {

constexpr int kNameLength = 3;
constexpr int kCountOffset = 7;
constexpr int kPasscodesOffset = 10;

// The biggest file the reader ever looks at: the header and eight full 32 x 32 levels.
constexpr qint64 kMaxFileBytes =
    kFileHeaderBytes + kMaxLevels * (kHeaderBytes + kGridSize * kGridSize);

const QString kLevelsetPrefix = QStringLiteral("zvrhl");
const QString kLevelsetSuffix = QStringLiteral(".vrh");
constexpr qsizetype kLevelsetFileNameLength = 12; // "zvrhl" + 3 + ".vrh"

// Position just after the last '/' or '\', 0 when the path has no folder.
qsizetype fileNameStart(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype backslash = path.lastIndexOf(QLatin1Char('\\'));
    return std::max(slash, backslash) + 1;
}

ReadResult refuse(const QString& error) {
    return ReadResult{std::nullopt, error, {}};
}

} // namespace

QString lowerCaseFileName(const QString& path) {
    const qsizetype start = fileNameStart(path);
    return path.left(start) + path.mid(start).toLower();
}

bool isLevelsetFileName(const QString& path) {
    const qsizetype start = fileNameStart(path);
    if (start == 0) {
        return false; // the pattern wants a separator before the file's own name
    }
    const QString own = path.mid(start);
    return own.size() == kLevelsetFileNameLength && own.startsWith(kLevelsetPrefix) &&
           own.endsWith(kLevelsetSuffix);
}

QByteArray levelsetNameFromPath(const QString& path) {
    QString own = path.mid(fileNameStart(path));
    if (own.startsWith(kLevelsetPrefix, Qt::CaseInsensitive)) {
        own.remove(0, kLevelsetPrefix.size());
    }
    QByteArray bytes = upperCaseOneBytePerCharacter(own).left(kNameLength);
    bytes.append(kNameLength - bytes.size(), ' ');
    return bytes;
}

QByteArray serializeLevelset(const Levelset& levelset, QByteArrayView name) {
    const int count = std::min<int>(levelset.numLevels, kMaxLevels);

    QByteArray bytes;
    bytes.reserve(kMaxFileBytes);
    bytes.append("VRH0");
    const QByteArrayView shortName = name.first(std::min<qsizetype>(name.size(), kNameLength));
    bytes.append(shortName.data(), shortName.size());
    bytes.append(kNameLength - shortName.size(), ' ');
    bytes.append(static_cast<char>(count));
    bytes.append(static_cast<char>(levelset.reserved1));
    bytes.append(static_cast<char>(levelset.reserved2));
    for (const Passcode& passcode : levelset.passcodes) {
        bytes.append(passcode.text());
    }

    for (int index = 0; index < count; ++index) {
        const LevelRecord& level = levelset.levels[index];
        std::array<std::uint8_t, kHeaderBytes> header = level.headerBytes();
        header[0] = static_cast<std::uint8_t>(level.gridHeight());
        header[1] = static_cast<std::uint8_t>(level.gridWidth());
        bytes.append(reinterpret_cast<const char*>(header.data()), kHeaderBytes);
        for (int y = 0; y < level.gridHeight(); ++y) {
            bytes.append(reinterpret_cast<const char*>(level.tiles[y].data()), level.gridWidth());
        }
    }
    return bytes;
}

QByteArray levelsetFileBytes(const Levelset& levelset, const QString& path) {
    return serializeLevelset(levelset, levelsetNameFromPath(path));
}

QString cantSaveMessage(const QString& path, const QString& reason) {
    return QStringLiteral("Can't save %1.\r%2").arg(path, reason);
}

std::optional<QString> writeLevelsetFile(const Levelset& levelset, const QString& path) {
    const QByteArray bytes = levelsetFileBytes(levelset, path);
    if (const std::optional<QString> reason = replaceFileSafely(path, bytes)) {
        return cantSaveMessage(path, *reason);
    }
    return std::nullopt;
}

ReadResult parseLevelset(QByteArrayView bytes) {
    if (bytes.size() < kFileHeaderBytes) {
        return refuse(QStringLiteral("The file ends in the header, at byte %1 of %2.")
                          .arg(bytes.size())
                          .arg(kFileHeaderBytes));
    }

    Levelset levelset;
    resetLevelset(levelset);

    const auto byteAt = [&bytes](qsizetype offset) {
        return static_cast<std::uint8_t>(bytes[offset]);
    };
    // Bytes after the eighth level are never read: the model holds eight records.
    const int count = std::min<int>(byteAt(kCountOffset), kMaxLevels);
    levelset.numLevels = static_cast<std::uint8_t>(count);
    levelset.reserved1 = byteAt(kCountOffset + 1);
    levelset.reserved2 = byteAt(kCountOffset + 2);
    for (int i = 0; i < kPasscodeCount; ++i) {
        levelset.passcodes[i].assign(
            bytes.sliced(kPasscodesOffset + i * Passcode::kLength, Passcode::kLength));
    }

    qsizetype offset = kFileHeaderBytes;
    for (int index = 0; index < count; ++index) {
        const int levelNumber = index + 1;
        const auto endsIn = [&](qsizetype needed) {
            return refuse(QStringLiteral("The file ends in level %1, at byte %2 of %3.")
                              .arg(levelNumber)
                              .arg(bytes.size())
                              .arg(needed));
        };

        if (bytes.size() < offset + kHeaderBytes) {
            return endsIn(offset + kHeaderBytes);
        }
        std::array<std::uint8_t, kHeaderBytes> header{};
        std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.data()) + offset, kHeaderBytes,
                    header.begin());
        offset += kHeaderBytes;

        LevelRecord& level = levelset.levels[index];
        level.setHeaderBytes(header);
        if (level.width > kGridSize || level.height > kGridSize) {
            return refuse(
                QStringLiteral("Level %1 is %2 columns by %3 rows; a level has at most %4 of each.")
                    .arg(levelNumber)
                    .arg(level.width)
                    .arg(level.height)
                    .arg(kGridSize));
        }

        const qsizetype tileBytes = qsizetype{level.width} * level.height;
        if (bytes.size() < offset + tileBytes) {
            return endsIn(offset + tileBytes);
        }
        for (int y = 0; y < level.height; ++y) {
            std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.data()) + offset, level.width,
                        level.tiles[y].begin());
            offset += level.width;
        }
    }
    return ReadResult{
        std::move(levelset), QString(), {}, bytes.size() - offset, byteAt(kCountOffset)};
}

BytesRead readLevelsetBytes(const QString& path) {
    QFile file;
    if (const std::optional<QString> reason = openRegularFileForReading(file, path)) {
        return {std::nullopt, *reason};
    }
    QByteArray bytes = file.read(kMaxFileBytes);
    if (file.error() != QFileDevice::NoError) {
        return {std::nullopt, file.errorString()};
    }
    const qint64 size = std::max(file.size(), qint64(bytes.size()));
    return {std::move(bytes), QString(), size};
}

ReadResult readLevelsetFile(const QString& path) {
    const auto failure = [&path](const QString& reason) {
        return refuse(QStringLiteral("Can't open %1.\r%2").arg(path, reason));
    };

    BytesRead read = readLevelsetBytes(path);
    if (!read.bytes) {
        return failure(read.error);
    }
    ReadResult result = parseLevelset(*read.bytes);
    if (!result.levelset) {
        return failure(result.error);
    }
    result.levelset->fileName = path;
    result.bytesAfterLastLevel += read.fileSize - read.bytes->size();
    result.bytes = std::move(*read.bytes);
    return result;
}

} // namespace vrh

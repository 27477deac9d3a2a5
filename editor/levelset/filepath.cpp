// SPDX-License-Identifier: GPL-3.0-or-later
#include "filepath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace vrh {

namespace fs = std::filesystem;

namespace {

// The escape of byte b (0x80..0xFF) is U+DC00 + b.
constexpr char16_t kEscapeBase = 0xDC00;

bool isEscape(const QString& text, qsizetype i) {
    const char16_t unit = text[i].unicode();
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF &&
           (i == 0 || !text[i - 1].isHighSurrogate());
}

// The length of the valid UTF-8 sequence at bytes (its lead byte 0x80 or more), 0 when there
// is none: no overlong forms, no surrogates, nothing past U+10FFFF.
int validSequenceLength(const unsigned char* bytes, qsizetype available) {
    const unsigned char lead = bytes[0];
    int length = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondMin = lead == 0xE0 ? 0xA0 : 0x80;
        secondMax = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondMin = lead == 0xF0 ? 0x90 : 0x80;
        secondMax = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (available < length || bytes[1] < secondMin || bytes[1] > secondMax) {
        return 0;
    }
    for (int i = 2; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

// Valid UTF-8 as Qt decodes it, except that a byte-order mark at the start is a character of
// the name like any other: QString::fromUtf8 drops it, and the name would lose three bytes.
QString decodedRun(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

} // namespace

QString pathFromFileSystemBytes(QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    QString text;
    qsizetype run = 0; // where the valid UTF-8 before the next stray byte starts
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = data[i] < 0x80 ? 1 : validSequenceLength(data + i, bytes.size() - i);
        if (length > 0) {
            i += length;
            continue;
        }
        text += decodedRun(bytes.sliced(run, i - run));
        text += QChar(char16_t(kEscapeBase + data[i]));
        run = ++i;
    }
    return text + decodedRun(bytes.sliced(run));
}

QByteArray fileSystemBytes(const QString& path) {
    QByteArray bytes;
    qsizetype run = 0; // where the characters before the next escape start
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscape(path, i)) {
            bytes += QStringView(path).sliced(run, i - run).toUtf8();
            bytes += char(path[i].unicode() - kEscapeBase);
            run = i + 1;
        }
    }
    return bytes + QStringView(path).sliced(run).toUtf8();
}

fs::path toFileSystemPath(const QString& path) {
#ifdef Q_OS_UNIX
    return fs::path(fileSystemBytes(path).toStdString());
#else
    return QFileInfo(path).filesystemFilePath();
#endif
}

QString fromFileSystemPath(const fs::path& path) {
#ifdef Q_OS_UNIX
    return pathFromFileSystemBytes(path.native());
#else
    return QFileInfo(path).filePath();
#endif
}

QString resolvedPath(const QString& path, const QString& currentFolder) {
#ifdef Q_OS_UNIX
    QString absolute = path;
    if (!path.startsWith(QLatin1Char('/'))) {
        QString folder = currentFolder;
        if (folder.isEmpty()) {
            std::error_code error;
            const fs::path current = fs::current_path(error);
            folder = error ? QDir::currentPath() : fromFileSystemPath(current);
        }
        absolute = folder + QLatin1Char('/') + path;
    }
    const QStringList names = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    fs::path resolved("/");
    bool asGiven = false; // once a ".." has no folder before it
    for (const QString& name : names) {
        if (name == QLatin1String(".")) {
            continue;
        }
        if (name == QLatin1String("..") && !asGiven) {
            std::error_code error;
            const fs::path folder = fs::canonical(resolved, error);
            if (!error && fs::is_directory(folder, error)) {
                resolved = folder.parent_path();
                continue;
            }
            asGiven = true;
        }
        resolved /= toFileSystemPath(name);
    }
    return fromFileSystemPath(resolved);
#else
    // Windows itself resolves ".." as text; a path that is already absolute keeps its own
    // root (a drop's drive-less "/d/x.vrh" names no drive of the current folder's).
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path
                                                      : QDir(currentFolder).absoluteFilePath(path));
#endif
}

bool qtReachesPath(const QString& path) {
#ifdef Q_OS_UNIX
    return QFile::encodeName(path) == fileSystemBytes(path);
#else
    Q_UNUSED(path);
    return true;
#endif
}

QString shownText(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isEscape(text, i)) {
            text[i] = QChar::ReplacementCharacter;
        }
    }
    return text;
}

bool pathExists(const QString& path) {
    std::error_code error;
    return fs::exists(toFileSystemPath(path), error);
}

std::optional<QDateTime> lastModified(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(toFileSystemPath(path).c_str(), &info) != 0) {
        return std::nullopt;
    }
    return QDateTime::fromMSecsSinceEpoch(qint64(info.st_mtim.tv_sec) * 1000 +
                                          info.st_mtim.tv_nsec / 1000000);
#else
    const QFileInfo file(path);
    return file.exists() ? std::optional(file.lastModified()) : std::nullopt;
#endif
}

} // namespace vrh

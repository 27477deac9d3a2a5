// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandwords.h"

#include "levelset/levelset.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace vrh {

namespace {

const QString kLevelsetPrefix = QStringLiteral("zvrhl");
constexpr qsizetype kNameLength = 3;

struct Placeholder {
    QLatin1StringView word;
    QString PlaceholderValues::*value; // null for %level
};
constexpr QLatin1StringView kFileWord("%file");
constexpr QLatin1StringView kNameWord("%name");
constexpr QLatin1StringView kFolderWord("%folder");
constexpr QLatin1StringView kLevelWord("%level");
const Placeholder kPlaceholders[] = {
    {kFileWord, &PlaceholderValues::file},
    {kNameWord, &PlaceholderValues::name},
    {kFolderWord, &PlaceholderValues::folder},
    {kLevelWord, nullptr},
};

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The characters a word may hold and still need no quotes.
bool isPlain(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           QStringView(u"-_./:,+=@%").contains(c);
}

} // namespace

PlaceholderValues placeholderValues(const QString& fileName, int curLevel) {
    PlaceholderValues values;
    values.level = curLevel + 1;
    if (fileName.isEmpty() || fileName == kUntitled) {
        return values;
    }
    const QFileInfo file(fileName);
    values.file = fileName;
    values.folder = QDir::toNativeSeparators(file.absolutePath());
    QString own = file.fileName();
    if (own.startsWith(kLevelsetPrefix, Qt::CaseInsensitive)) {
        own.remove(0, kLevelsetPrefix.size());
    }
    values.name = own.left(kNameLength);
    return values;
}

QString fillPlaceholders(QStringView text, const PlaceholderValues& values) {
    QString filled;
    filled.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype percent = text.indexOf(u'%', at);
        if (percent < 0) {
            filled += text.sliced(at);
            break;
        }
        filled += text.sliced(at, percent - at);
        const QStringView rest = text.sliced(percent);
        at = percent + 1;
        if (rest.startsWith(u"%%")) {
            filled += u'%';
            at = percent + 2;
            continue;
        }
        bool matched = false;
        for (const Placeholder& placeholder : kPlaceholders) {
            if (rest.startsWith(placeholder.word)) {
                filled +=
                    placeholder.value ? values.*placeholder.value : QString::number(values.level);
                at = percent + placeholder.word.size();
                matched = true;
                break;
            }
        }
        if (!matched) {
            filled += u'%';
        }
    }
    return filled;
}

bool namesLevelsetFile(QStringView text) {
    for (qsizetype at = text.indexOf(u'%'); at >= 0; at = text.indexOf(u'%', at)) {
        const QStringView rest = text.sliced(at);
        if (rest.startsWith(u"%%")) {
            at += 2;
            continue;
        }
        if (rest.startsWith(kFileWord) || rest.startsWith(kNameWord) ||
            rest.startsWith(kFolderWord)) {
            return true;
        }
        ++at;
    }
    return false;
}

CommandWords splitCommandWords(QStringView line) {
    QStringList words;
    QString word;
    bool inWord = false; // a word has begun, even an empty one ('' or "")
    qsizetype at = 0;
    const auto failed = [](const char* reason) {
        return CommandWords{{}, QString::fromLatin1(reason)};
    };
    while (at < line.size()) {
        const QChar c = line[at++];
        if (isBlank(c)) {
            if (inWord) {
                words << word;
                word.clear();
                inWord = false;
            }
            continue;
        }
        inWord = true;
        if (c == u'\\') {
            if (at == line.size()) {
                return failed("The command line ends in a backslash.");
            }
            const QChar next = line[at++];
            if (next == u'\n') {
                // Joined lines: the word goes on unless nothing had begun.
                inWord = !word.isEmpty();
            } else {
                word += next;
            }
        } else if (c == u'\'') {
            const qsizetype close = line.indexOf(u'\'', at);
            if (close < 0) {
                return failed("A single quote (') is not closed.");
            }
            word += line.sliced(at, close - at);
            at = close + 1;
        } else if (c == u'"') {
            for (;;) {
                if (at == line.size()) {
                    return failed("A double quote (\") is not closed.");
                }
                const QChar inside = line[at++];
                if (inside == u'"') {
                    break;
                }
                if (inside == u'\\' && at < line.size() &&
                    QStringView(u"\"\\$`\n").contains(line[at])) {
                    if (line[at] != u'\n') {
                        word += line[at];
                    }
                    ++at;
                    continue;
                }
                word += inside;
            }
        } else {
            word += c;
        }
    }
    if (inWord) {
        words << word;
    }
    return {words, {}};
}

QString joinCommandWords(const QStringList& words) {
    QStringList shown;
    for (const QString& word : words) {
        if (!word.isEmpty() && std::all_of(word.begin(), word.end(), isPlain)) {
            shown << word;
            continue;
        }
        QString quoted = word;
        quoted.replace(u'\'', QStringLiteral("'\\''"));
        shown << QLatin1Char('\'') + quoted + QLatin1Char('\'');
    }
    return shown.join(u' ');
}

} // namespace vrh

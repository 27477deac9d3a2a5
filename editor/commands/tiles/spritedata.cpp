// SPDX-License-Identifier: GPL-3.0-or-later
#include "spritedata.h"

#include <QByteArrayView>

#include <optional>

namespace vrh {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

QByteArrayView trimmed(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The value of DIGITS in BASE, capped just past a byte so that long numbers can't overflow;
// nothing when a character is no digit of the base.
std::optional<int> valueIn(QByteArrayView digits, int base) {
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c);
        if (digit < 0 || digit >= base) {
            return std::nullopt;
        }
        value = std::min(value * base + digit, 256);
    }
    return value;
}

// %01100110, $3C, 0x3C, 3Ch or 60.
std::optional<int> numberValue(QByteArrayView item) {
    if (item.startsWith('%')) {
        return valueIn(item.sliced(1), 2);
    }
    if (item.startsWith('$')) {
        return valueIn(item.sliced(1), 16);
    }
    if (item.size() > 2 && item[0] == '0' && (item[1] == 'x' || item[1] == 'X')) {
        return valueIn(item.sliced(2), 16);
    }
    if (item.size() > 1 && (item.back() == 'h' || item.back() == 'H') && digitValue(item[0]) >= 0 &&
        digitValue(item[0]) < 10) {
        return valueIn(item.first(item.size() - 1), 16);
    }
    return valueIn(item, 10);
}

bool isDirective(QByteArrayView word) {
    for (const char* directive : {".db", ".byte", "db", "defb"}) {
        if (word.compare(QByteArrayView(directive), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

// What follows the line's byte directive, if it has one: words before it are labels.
std::optional<QByteArrayView> directiveOperands(QByteArrayView line) {
    while (true) {
        line = trimmed(line);
        if (line.isEmpty()) {
            return std::nullopt;
        }
        qsizetype end = 0;
        while (end < line.size() && !isBlank(line[end])) {
            ++end;
        }
        QByteArrayView word = line.first(end);
        // "label:db" is a label and a directive as well.
        if (const qsizetype colon = word.lastIndexOf(':'); colon >= 0) {
            word = word.sliced(colon + 1);
        }
        if (isDirective(word)) {
            return line.sliced(end);
        }
        line = line.sliced(end);
    }
}

QString shownItem(QByteArrayView item) {
    const QString text = QString::fromUtf8(item);
    return text.size() > 20 ? text.left(20) + QStringLiteral("...") : text;
}

} // namespace

SpriteBytes spriteBytes(const QByteArray& text) {
    SpriteBytes found;
    int lineNumber = 0;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            end = text.size();
        }
        ++lineNumber;
        QByteArrayView line = QByteArrayView(text).sliced(start, end - start);
        start = end + 1;
        if (const qsizetype comment = line.indexOf(';'); comment >= 0) {
            line = line.first(comment);
        }
        const std::optional<QByteArrayView> operands = directiveOperands(line);
        if (!operands || trimmed(*operands).isEmpty()) {
            continue;
        }
        for (QByteArrayView rest = *operands;;) {
            const qsizetype comma = rest.indexOf(',');
            const QByteArrayView item = trimmed(comma < 0 ? rest : rest.first(comma));
            const std::optional<int> value = numberValue(item);
            if (!value) {
                // Not through arg(): the binary form's "%0" would read as a place for it.
                found.error = QStringLiteral("\"%1\" on line %2 is not a number; ")
                                  .arg(shownItem(item), QString::number(lineNumber)) +
                              QStringLiteral("sprite data numbers are written as %01100110, "
                                             "$3C, 0x3C, 3Ch or 60.");
                return found;
            }
            if (*value > 255) {
                found.error = QStringLiteral("The number %1 on line %2 is larger than 255; each "
                                             "sprite data number is one byte, 0 to 255.")
                                  .arg(shownItem(item), QString::number(lineNumber));
                return found;
            }
            if (++found.count <= kMaxSpriteBytes) {
                found.bytes.push_back(std::uint8_t(*value));
            }
            if (comma < 0) {
                break;
            }
            rest = rest.sliced(comma + 1);
        }
    }
    return found;
}

} // namespace vrh

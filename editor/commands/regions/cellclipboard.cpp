// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellclipboard.h"

#include <QMimeData>

#include <algorithm>

namespace vrh {

namespace {

constexpr int kSizeBytes = 2;
// A number in a refusal is shown as written, cut short when it runs on.
constexpr qsizetype kShownDigits = 12;

ClipboardCells refused(const QString& why) {
    return {ClipboardCells::Kind::Refused, {}, why};
}

// The first character from from on that keep refuses, or to. Megabytes of one character are
// tested a block at a time, without a branch inside the block, so the compiler can widen it.
// Keep gives 1 or 0 as a 16-bit number: counted in 16 bits, the compiler widens the test.
template <typename Keep>
const char16_t* skipWhile(const char16_t* from, const char16_t* to, Keep keep) {
    constexpr std::ptrdiff_t kBlock = 1024;
    while (to - from >= kBlock) {
        std::uint16_t kept = 0;
        for (std::ptrdiff_t i = 0; i < kBlock; ++i) {
            kept += keep(from[i]);
        }
        if (kept != kBlock) {
            break;
        }
        from += kBlock;
    }
    while (from != to && keep(*from)) {
        ++from;
    }
    return from;
}

std::uint16_t isDigit(char16_t c) {
    return std::uint16_t(c >= u'0') & std::uint16_t(c <= u'9');
}

std::uint16_t isBlankOrLineEnd(char16_t c) {
    return std::uint16_t(c == u' ') + std::uint16_t(c == u'\t') + std::uint16_t(c == u'\n') +
           std::uint16_t(c == u'\r');
}

// "1 number", "3 numbers"
QString counted(qsizetype count, const char* thing) {
    return QStringLiteral("%1 %2%3")
        .arg(count)
        .arg(QLatin1String(thing))
        .arg(count == 1 ? QString() : QStringLiteral("s"));
}

// The run of digits that starts at from, shown in a refusal as written, cut short when it
// runs on.
QString shownNumber(const char16_t* from, const char16_t* to) {
    const char16_t* end = from;
    while (end != to && end - from <= kShownDigits && isDigit(*end)) {
        ++end;
    }
    const QString digits = QString::fromUtf16(from, std::min<qsizetype>(end - from, kShownDigits));
    return end - from > kShownDigits ? digits + QStringLiteral("...") : digits;
}

struct ScannedLine {
    std::vector<std::uint8_t> codes;
    QString refusal;
    bool cellText = true; // false at a character no cell text holds
    qsizetype next = -1;  // where the next line starts; -1 after the text's last line
};

// The line of text that starts at from, up to its end (CR LF, CR or LF) or the first
// character that settles the paste: between two numbers, and before the first and after the
// last, stand blanks and at most one comma; a row holds at most 32 numbers. Character by
// character, once: a clipboard may hold megabytes on one line.
ScannedLine scanLine(QStringView text, qsizetype from, int lineNumber) {
    ScannedLine scanned;
    const char16_t* const chars = text.utf16();
    const qsizetype size = text.size();
    int commas = 0;
    for (qsizetype i = from; i < size;) {
        const char16_t c = chars[i];
        if (c == u' ' || c == u'\t') {
            ++i;
        } else if (c >= u'0' && c <= u'9') {
            // Leading zeros are allowed, megabytes of them too; past them, 4 digits or a
            // value above 255 settle it.
            const qsizetype significant =
                skipWhile(chars + i, chars + size,
                          [](char16_t d) { return std::uint16_t(d == u'0'); }) -
                chars;
            qsizetype end = significant;
            while (end < size && end - significant < 4 && isDigit(chars[end])) {
                ++end;
            }
            const int value = text.sliced(significant, end - significant).toInt();
            if (end - significant == 4 || value > 255) {
                scanned.refusal =
                    refusal::AboveByte.arg(lineNumber).arg(shownNumber(chars + i, chars + size));
                return scanned;
            }
            if (scanned.codes.size() == std::size_t(kMaxBlockSide)) {
                scanned.refusal = refusal::TooManyNumbers.arg(lineNumber).arg(kMaxBlockSide);
                return scanned;
            }
            scanned.codes.push_back(static_cast<std::uint8_t>(value));
            commas = 0;
            i = end;
        } else if (c == u',') {
            if (++commas > 1) {
                scanned.refusal = refusal::TwoCommas.arg(lineNumber);
                return scanned;
            }
            ++i;
        } else if (c == u'\n' || c == u'\r') {
            scanned.next = (c == u'\r' && i + 1 < size && chars[i + 1] == u'\n') ? i + 2 : i + 1;
            return scanned;
        } else {
            scanned.cellText = false;
            return scanned;
        }
    }
    return scanned;
}

// Steps at (a line's start within text) over the blank lines that start there (lines of
// blanks and tabs alone) to the next line that holds anything, or to -1 when none does; gives
// how many it stepped over.
// Apart from scanLine, so that megabytes of line ends are no slower than of blanks.
int skipBlankLines(QStringView text, qsizetype& at) {
    const char16_t* const begin = text.utf16() + at;
    const char16_t* const textEnd = text.utf16() + text.size();
    const char16_t* const end = skipWhile(begin, textEnd, isBlankOrLineEnd);
    // Counted apart from the search, in loops the compiler can widen: CR LF is one line end.
    qsizetype lineEnds = std::count(begin, end, u'\n');
    if (const qsizetype returns = std::count(begin, end, u'\r'); returns > 0) {
        lineEnds += returns;
        for (const char16_t* c = begin; c + 1 < end; ++c) {
            lineEnds -= c[0] == u'\r' && c[1] == u'\n';
        }
    }
    if (end == textEnd) {
        at = -1;
        return static_cast<int>(lineEnds) + 1; // the last line, empty or blank
    }
    // The line that holds something starts after the last line end before it.
    const char16_t* lineStart = end;
    while (lineStart != begin && lineStart[-1] != u'\n' && lineStart[-1] != u'\r') {
        --lineStart;
    }
    at = lineStart - text.utf16();
    return static_cast<int>(lineEnds);
}

} // namespace

QByteArray cellsToBytes(const CellBlock& block) {
    QByteArray bytes;
    bytes.reserve(kSizeBytes + qsizetype(block.codes.size()));
    bytes.append(static_cast<char>(block.width));
    bytes.append(static_cast<char>(block.height));
    for (const std::uint8_t code : block.codes) {
        bytes.append(static_cast<char>(code));
    }
    return bytes;
}

QString cellsToText(const CellBlock& block) {
    QString text;
    for (int y = 0; y < block.height; ++y) {
        for (int x = 0; x < block.width; ++x) {
            if (x > 0) {
                text += QStringLiteral(", ");
            }
            text += QString::number(block.at(x, y));
        }
        text += QLatin1Char('\n');
    }
    return text;
}

ClipboardCells cellsFromBytes(const QByteArray& bytes) {
    if (bytes.size() < kSizeBytes) {
        return refused(refusal::CellsTooShort.arg(bytes.size()));
    }
    const int width = static_cast<std::uint8_t>(bytes[0]);
    const int height = static_cast<std::uint8_t>(bytes[1]);
    if (width < 1 || height < 1 || width > kMaxBlockSide || height > kMaxBlockSide) {
        return refused(refusal::CellsBadSize.arg(width).arg(height));
    }
    const qsizetype codes = bytes.size() - kSizeBytes;
    if (codes != qsizetype(width) * height) {
        return refused(refusal::CellsBadLength.arg(counted(codes, "code"))
                           .arg(width)
                           .arg(height)
                           .arg(width * height));
    }
    CellBlock block{width, height, {}};
    block.codes.assign(bytes.cbegin() + kSizeBytes, bytes.cend());
    return {ClipboardCells::Kind::Cells, std::move(block), {}};
}

ClipboardCells cellsFromText(QStringView text) {
    // Read a line at a time and stop at the first that settles it, so that a clipboard of
    // megabytes costs no more than its first rows.
    std::vector<std::vector<std::uint8_t>> rows;
    int firstRowLine = 0;
    int blankAfterRows = 0; // the first blank line since the last row
    int lineNumber = 0;
    for (qsizetype at = 0; at >= 0;) {
        if (const int blank = skipBlankLines(text, at); blank > 0) {
            if (!rows.empty() && blankAfterRows == 0) {
                blankAfterRows = lineNumber + 1;
            }
            lineNumber += blank;
        }
        if (at < 0) {
            break;
        }
        ++lineNumber;
        ScannedLine line = scanLine(text, at, lineNumber);
        at = line.next;
        if (!line.cellText) {
            return {};
        }
        if (!line.refusal.isEmpty()) {
            return refused(line.refusal);
        }
        if (line.codes.empty()) {
            if (!rows.empty() && blankAfterRows == 0) {
                blankAfterRows = lineNumber;
            }
            continue;
        }
        if (blankAfterRows != 0) {
            return refused(refusal::BlankBetweenRows.arg(blankAfterRows));
        }
        if (rows.size() == std::size_t(kMaxBlockSide)) {
            return refused(refusal::TooManyRows.arg(lineNumber));
        }
        const auto count = qsizetype(line.codes.size());
        if (rows.empty()) {
            firstRowLine = lineNumber;
        } else if (line.codes.size() != rows.front().size()) {
            return refused(refusal::UnevenRows.arg(lineNumber)
                               .arg(counted(count, "number"))
                               .arg(firstRowLine)
                               .arg(counted(qsizetype(rows.front().size()), "number")));
        }
        rows.push_back(std::move(line.codes));
    }
    if (rows.empty()) {
        return {};
    }
    CellBlock block{static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), {}};
    for (const std::vector<std::uint8_t>& row : rows) {
        block.codes.insert(block.codes.end(), row.begin(), row.end());
    }
    return {ClipboardCells::Kind::Cells, std::move(block), {}};
}

ClipboardCells cellsFromClipboard(const QMimeData* data) {
    if (data == nullptr) {
        return {};
    }
    if (data->hasFormat(kCellsMimeType)) {
        return cellsFromBytes(data->data(kCellsMimeType));
    }
    // Asked for once: from another program the text comes over the window system each time.
    return cellsFromText(data->text());
}

bool canPaste(const QMimeData* data) {
    return cellsFromClipboard(data).kind != ClipboardCells::Kind::Nothing;
}

std::unique_ptr<QMimeData> cellsMimeData(const CellBlock& block) {
    auto data = std::make_unique<QMimeData>();
    data->setData(kCellsMimeType, cellsToBytes(block));
    data->setText(cellsToText(block));
    return data;
}

} // namespace vrh

#include "cellclipboard.h"

#include <QMimeData>
#include <QRegularExpression>
#include <QStringList>

namespace vrh {

namespace {

constexpr int kSizeBytes = 2;
// A number in a refusal is shown as written, cut short when it runs on.
constexpr qsizetype kShownDigits = 12;

ClipboardCells refused(const QString& why) {
    return {ClipboardCells::Kind::Refused, {}, why};
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// "1 number", "3 numbers"
QString counted(qsizetype count, const char* thing) {
    return QStringLiteral("%1 %2%3")
        .arg(count)
        .arg(QLatin1String(thing))
        .arg(count == 1 ? QString() : QStringLiteral("s"));
}

// A run of digits as a code, or nothing when it is above 255; leading zeros are allowed.
std::optional<std::uint8_t> codeOf(QStringView digits) {
    while (digits.size() > 1 && digits.front() == QLatin1Char('0')) {
        digits = digits.mid(1);
    }
    if (digits.size() > 3) {
        return std::nullopt;
    }
    const int value = digits.toInt();
    if (value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

struct ScannedLine {
    std::vector<std::uint8_t> codes;
    QString refusal;
};

// One line's numbers: between two numbers, and before the first and after the last, stand
// blanks and at most one comma.
ScannedLine scanLine(QStringView line, int lineNumber) {
    ScannedLine scanned;
    int commas = 0;
    for (qsizetype i = 0; i < line.size();) {
        const QChar c = line[i];
        if (isDigit(c)) {
            qsizetype end = i;
            while (end < line.size() && isDigit(line[end])) {
                ++end;
            }
            const QStringView digits = line.mid(i, end - i);
            const std::optional<std::uint8_t> code = codeOf(digits);
            if (!code) {
                const QString shown = digits.size() > kShownDigits
                                          ? digits.left(kShownDigits).toString() + "..."
                                          : digits.toString();
                scanned.refusal = refusal::AboveByte.arg(lineNumber).arg(shown);
                return scanned;
            }
            scanned.codes.push_back(*code);
            commas = 0;
            i = end;
            continue;
        }
        if (c == QLatin1Char(',') && ++commas > 1) {
            scanned.refusal = refusal::TwoCommas.arg(lineNumber);
            return scanned;
        }
        ++i;
    }
    return scanned;
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

ClipboardCells cellsFromText(const QString& text) {
    if (!isCellText(text)) {
        return {};
    }
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineEnd);
    std::vector<std::vector<std::uint8_t>> rows;
    int firstRowLine = 0;
    int blankAfterRows = 0; // the first blank line since the last row
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        ScannedLine line = scanLine(lines[index], lineNumber);
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
        if (count > kMaxBlockSide) {
            return refused(refusal::TooManyNumbers.arg(lineNumber).arg(count));
        }
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

bool isCellText(const QString& text) {
    bool digit = false;
    for (const QChar c : text) {
        if (isDigit(c)) {
            digit = true;
        } else if (!isBlank(c) && c != QLatin1Char(',') && c != QLatin1Char('\n') &&
                   c != QLatin1Char('\r')) {
            return false;
        }
    }
    return digit;
}

ClipboardCells cellsFromClipboard(const QMimeData* data) {
    if (data == nullptr) {
        return {};
    }
    if (data->hasFormat(kCellsMimeType)) {
        return cellsFromBytes(data->data(kCellsMimeType));
    }
    if (data->hasText()) {
        return cellsFromText(data->text());
    }
    return {};
}

bool canPaste(const QMimeData* data) {
    return data != nullptr &&
           (data->hasFormat(kCellsMimeType) || (data->hasText() && isCellText(data->text())));
}

std::unique_ptr<QMimeData> cellsMimeData(const CellBlock& block) {
    auto data = std::make_unique<QMimeData>();
    data->setData(kCellsMimeType, cellsToBytes(block));
    data->setText(cellsToText(block));
    return data;
}

} // namespace vrh

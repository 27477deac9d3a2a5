// SPDX-License-Identifier: GPL-3.0-or-later
#include "tilenamesfile.h"

#include <QRegularExpression>
#include <QStringList>

namespace vrh {

std::optional<QString> readTileNames(const QByteArray& text, const QString& file,
                                     std::array<QString, 256>& names) {
    std::array<QString, 256> read = names;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype space = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        bool isNumber = false;
        const int code = space > 0 ? line.first(space).toInt(&isNumber, 10) : -1;
        if (!isNumber || code < 0 || code > 255 || !line.at(0).isDigit()) {
            return QStringLiteral("Line %1 of %2 does not name a tile; each line is a code from 0 "
                                  "to 255 and its name, as in \"120 barrel\".")
                .arg(QString::number(index + 1), file);
        }
        read[std::size_t(code)] = line.sliced(space).trimmed();
    }
    names = read;
    return std::nullopt;
}

} // namespace vrh

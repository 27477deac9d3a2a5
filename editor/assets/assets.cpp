// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets.h"

// The pictures are drawn at build time from tiles.txt and icons.txt and carried as resources
// under :/vrh.
namespace vrh {

// Decoded once: the window, its palettes and every read of tile pictures start from it, and
// a copy shares the pixels until it is drawn on.
QImage tileSheet() {
    static const QImage sheet =
        QImage(QStringLiteral(":/vrh/tiles.png")).convertToFormat(QImage::Format_RGB32);
    return sheet;
}

QStringList toolbarIconKeys() {
    return {"New",       "Open",   "Save",     "Cut",    "Copy",     "Paste",       "About",
            "DHeight",   "DWidth", "IHeight",  "IWidth", "AddLevel", "RemoveLevel", "PreviousLevel",
            "NextLevel", "Wall",   "Position", "Inside", "Outside"};
}

// Silver is already see-through in the icon files.
QPixmap toolbarIcon(const QString& key) {
    if (!toolbarIconKeys().contains(key)) {
        return {};
    }
    return QPixmap(QStringLiteral(":/vrh/icons/%1.png").arg(key));
}

QPixmap programIconPixmap() {
    return QPixmap(QStringLiteral(":/vrh/VrhEdit.png"));
}

QIcon programIcon() {
    return QIcon(programIconPixmap());
}

QPixmap splashLogo() {
    return QPixmap(QStringLiteral(":/vrh/logo.png"));
}

} // namespace vrh

#include "assets.h"

#include <QPainter>

// Placeholder pictures until the real artwork lands.
namespace vrh {

QImage tileSheet() {
    QImage sheet(128, 512, QImage::Format_RGB32);
    sheet.fill(QColor(192, 192, 192));
    QPainter painter(&sheet);
    for (int code = 0; code < 178; ++code) {
        const int x = 16 * (code % 8);
        const int y = 16 * (code / 8);
        painter.fillRect(x, y, 16, 16, Qt::white);
        for (int bit = 0; bit < 8; ++bit) {
            if (code & (1 << bit)) {
                painter.fillRect(x + 2 * (bit % 4) * 2, y + 2 + 8 * (bit / 4), 2, 2, Qt::black);
            }
        }
    }
    return sheet;
}

QStringList toolbarIconKeys() {
    return {"New",     "Open",     "Save",        "Cut",           "Copy",
            "Paste",   "About",    "DHeight",     "DWidth",        "IHeight",
            "IWidth",  "AddLevel", "RemoveLevel", "PreviousLevel", "NextLevel",
            "Wall",    "Position", "Inside",      "Outside"};
}

QPixmap toolbarIcon(const QString& key) {
    if (!toolbarIconKeys().contains(key)) {
        return {};
    }
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkGray);
    return pixmap;
}

QPixmap programIconPixmap() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::darkGreen);
    return pixmap;
}

QIcon programIcon() { return QIcon(programIconPixmap()); }

QPixmap splashLogo() {
    QPixmap pixmap(200, 134);
    pixmap.fill(Qt::darkBlue);
    return pixmap;
}

} // namespace vrh

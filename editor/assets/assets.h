// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace vrh {

// The 128 x 512 tile sheet, Format_RGB32: 8 tiles of 16 x 16 a row, codes row by row.
QImage tileSheet();

// The 19 toolbar icon keys, and each key's 16 x 16 picture with silver (192,192,192) masked
// out. An unknown key gives a null pixmap.
QStringList toolbarIconKeys();
QPixmap toolbarIcon(const QString& key);

// The 32 x 32 program icon, also the window icon.
QPixmap programIconPixmap();
QIcon programIcon();

// The 200 x 134 splash logo.
QPixmap splashLogo();

} // namespace vrh

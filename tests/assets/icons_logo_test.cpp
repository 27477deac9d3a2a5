// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/assets.h"
#include "picturetext.h"

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

namespace vrh {
namespace {

std::vector<art::Icon> iconsTxt() {
    QFile source(QStringLiteral(VRH_ASSETS_SOURCE_DIR "/icons.txt"));
    EXPECT_TRUE(source.open(QIODevice::ReadOnly));
    return art::readIcons(QString::fromUtf8(source.readAll()), QStringLiteral("icons.txt"));
}

QImage sourceIcon(const QString& key) {
    for (const art::Icon& icon : iconsTxt()) {
        if (icon.key == key) {
            return icon.image;
        }
    }
    return {};
}

// Silver in the source becomes see-through; every other pixel keeps its colour.
void expectDrawnFromSource(const QImage& loaded, const QImage& source, const QString& key) {
    ASSERT_EQ(loaded.size(), source.size()) << key.toStdString();
    const QImage argb = loaded.convertToFormat(QImage::Format_ARGB32);
    int seeThrough = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (source.pixel(x, y) == qRgb(192, 192, 192)) {
                EXPECT_EQ(qAlpha(argb.pixel(x, y)), 0) << key.toStdString() << " " << x << "," << y;
                ++seeThrough;
            } else {
                EXPECT_EQ(argb.pixel(x, y), source.pixel(x, y))
                    << key.toStdString() << " " << x << "," << y;
            }
        }
    }
    EXPECT_GT(seeThrough, 0) << key.toStdString() << " has no see-through pixel";
}

TEST(ToolbarIcons, EveryKeyHasItsOwn16By16PictureFromIconsTxt) {
    const QStringList keys = toolbarIconKeys();
    EXPECT_EQ(keys,
              (QStringList{"New", "Open", "Save", "Cut", "Copy", "Paste", "About", "DHeight",
                           "DWidth", "IHeight", "IWidth", "AddLevel", "RemoveLevel",
                           "PreviousLevel", "NextLevel", "Wall", "Position", "Inside", "Outside"}));
    QSet<QByteArray> pictures;
    for (const QString& key : keys) {
        const QPixmap icon = toolbarIcon(key);
        ASSERT_EQ(icon.size(), QSize(16, 16)) << key.toStdString();
        expectDrawnFromSource(icon.toImage(), sourceIcon(key), key);
        const QImage image = icon.toImage().convertToFormat(QImage::Format_ARGB32);
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<qsizetype>(image.sizeInBytes())));
    }
    EXPECT_EQ(pictures.size(), keys.size()) << "two keys share a picture";
}

TEST(ToolbarIcons, UnknownKeysGiveNoPicture) {
    for (const char* key : {"", "new", "NEW", "SaveAs", "VrhEdit", "Exit"}) {
        EXPECT_TRUE(toolbarIcon(QString::fromLatin1(key)).isNull()) << key;
    }
}

TEST(ProgramIcon, Is32By32FromIconsTxt) {
    const QPixmap icon = programIconPixmap();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    expectDrawnFromSource(icon.toImage(), sourceIcon(QStringLiteral("VrhEdit")),
                          QStringLiteral("VrhEdit"));
    EXPECT_TRUE(programIcon().availableSizes().contains(QSize(32, 32)));
}

TEST(SplashLogo, Is200By134InAPaletteOfAtMost256Colours) {
    const QPixmap logo = splashLogo();
    ASSERT_EQ(logo.size(), QSize(200, 134));
    const QImage stored(QStringLiteral(":/vrh/logo.png"));
    EXPECT_EQ(stored.format(), QImage::Format_Indexed8);
    EXPECT_LE(stored.colorCount(), 256);
    QSet<QRgb> colours;
    const QImage shown = logo.toImage();
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            colours.insert(shown.pixel(x, y));
        }
    }
    EXPECT_LE(colours.size(), 256);
    EXPECT_GE(colours.size(), 16) << "a logo, not a flat picture";
}

} // namespace
} // namespace vrh

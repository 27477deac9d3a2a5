// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/desktop/droppedfile.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

namespace vrh {
namespace {

TEST(DroppedLevelset, OneLocalVrhFileAndNothingElse) {
    struct Case {
        const char* what;
        QList<QUrl> urls;
        QString text; // also offered as plain text
        std::optional<QString> expected;
    };
    const QUrl levelset = QUrl::fromLocalFile(QStringLiteral("/home/d/zvrhlabc.vrh"));
    const Case cases[] = {
        {"one levelset", {levelset}, {}, QStringLiteral("/home/d/zvrhlabc.vrh")},
        {"with its name as text, as file managers send it",
         {levelset},
         QStringLiteral("/home/d/zvrhlabc.vrh"),
         QStringLiteral("/home/d/zvrhlabc.vrh")},
        {"upper-case name",
         {QUrl::fromLocalFile("/d/ZVRHLAbc.VRH")},
         {},
         QStringLiteral("/d/ZVRHLAbc.VRH")},
        {"any name ending in .vrh",
         {QUrl::fromLocalFile("/d/level1.Vrh")},
         {},
         QStringLiteral("/d/level1.Vrh")},
#ifndef _WIN32
        {"in a folder named in Latin-1",
         {QUrl(QStringLiteral("file:///d/niv%E9/zvrhlabc.vrh"))},
         {},
         QStringLiteral("/d/niv") + QChar(0xDCE9) + QStringLiteral("/zvrhlabc.vrh")},
#endif
        {"two levelsets", {levelset, QUrl::fromLocalFile("/d/zvrhlxyz.vrh")}, {}, std::nullopt},
        {"another kind of file", {QUrl::fromLocalFile("/d/zvrhlabc.vrh.txt")}, {}, std::nullopt},
        {"no extension", {QUrl::fromLocalFile("/d/zvrhlabc")}, {}, std::nullopt},
        {"remote file",
         {QUrl(QStringLiteral("https://example.org/zvrhlabc.vrh"))},
         {},
         std::nullopt},
        {"text naming a levelset", {}, QStringLiteral("/home/d/zvrhlabc.vrh"), std::nullopt},
        {"nothing", {}, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QMimeData data;
        if (!c.urls.isEmpty()) {
            data.setUrls(c.urls);
        }
        if (!c.text.isEmpty()) {
            data.setText(c.text);
        }
        // The path as the system writes it: backslashes on Windows.
        EXPECT_EQ(droppedLevelset(data),
                  c.expected ? std::optional(QDir::toNativeSeparators(*c.expected)) : std::nullopt);
    }
}

} // namespace
} // namespace vrh

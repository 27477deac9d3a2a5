// SPDX-License-Identifier: GPL-3.0-or-later
#include "tilenames.h"

namespace vrh {

namespace {

struct NamedCodes {
    int first;
    int last;
    const char* name;
};

const NamedCodes kNames[] = {
    {0, 0, "normal floor"},
    {1, 1, "hatchery floor"},
    {7, 9, "random outside tile"},
    {10, 13, "random inside tile"},
    {54, 54, "key pass"},
    {55, 55, "white key"},
    {56, 56, "checkered key"},
    {57, 57, "black key"},
    {58, 58, "ammo"},
    {59, 60, "credit"},
    {61, 61, "first aid"},
    {62, 62, "invincibility"},
    {63, 63, "extra life"},
    {69, 70, "alien hole"},
    {71, 71, "worm"},
    {72, 72, "face hugger"},
    {73, 73, "normal alien"},
    {74, 74, "strong alien"},
    {75, 75, "security guard"},
    {89, 97, "random wall tile"},
    {168, 169, "normal door"},
    {170, 171, "security door"},
    {172, 173, "white door"},
    {174, 175, "checkered door"},
    {176, 177, "black door"},
};

std::array<QString, 256> builtInNames() {
    std::array<QString, 256> names;
    for (int code = 0; code < int(names.size()); ++code) {
        names[std::size_t(code)] = builtInTileName(code);
    }
    return names;
}

std::array<QString, 256>& namesInUse() {
    static std::array<QString, 256> names = builtInNames();
    return names;
}

} // namespace

QString tileName(int code) {
    return code >= 0 && code < 256 ? namesInUse()[std::size_t(code)] : QString();
}

void useTileNames(const std::array<QString, 256>& names) {
    namesInUse() = names;
}

QString builtInTileName(int code) {
    for (const NamedCodes& named : kNames) {
        if (code >= named.first && code <= named.last) {
            return QString::fromLatin1(named.name);
        }
    }
    return {};
}

QString tileToolTip(int code) {
    const QString name = tileName(code);
    const QString tile = QStringLiteral("Tile ") + QString::number(code);
    return name.isEmpty() ? tile : tile + QStringLiteral(": ") + name;
}

} // namespace vrh

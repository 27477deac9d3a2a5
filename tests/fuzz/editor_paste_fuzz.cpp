// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to what the editor reads from other programs' data: the clipboard's
// cells type and cell text, and a recovery file. Whatever is taken in stays within a block's
// limits and comes back unchanged through the editor's own writing; a refusal says why.
#include "commands/recovery/recoveryfile.h"
#include "commands/regions/cellclipboard.h"
#include "levelset/levelsetfile.h"

#include <cstddef>
#include <cstdint>

namespace {

void checkBlock(const vrh::ClipboardCells& offered) {
    if (offered.kind == vrh::ClipboardCells::Kind::Refused && offered.refusal.isEmpty()) {
        __builtin_trap();
    }
    if (offered.kind != vrh::ClipboardCells::Kind::Cells) {
        return;
    }
    const vrh::CellBlock& cells = offered.cells;
    if (cells.width < 1 || cells.width > vrh::kMaxBlockSide || cells.height < 1 ||
        cells.height > vrh::kMaxBlockSide ||
        cells.codes.size() != std::size_t(cells.width) * std::size_t(cells.height)) {
        __builtin_trap();
    }
    const vrh::ClipboardCells again = vrh::cellsFromText(vrh::cellsToText(cells));
    if (again.kind != vrh::ClipboardCells::Kind::Cells || !(again.cells == cells)) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const vrh::ClipboardCells fromBytes = vrh::cellsFromBytes(bytes);
    checkBlock(fromBytes);
    if (fromBytes.kind == vrh::ClipboardCells::Kind::Cells &&
        vrh::cellsToBytes(fromBytes.cells) != bytes) {
        __builtin_trap();
    }
    checkBlock(vrh::cellsFromText(QString::fromUtf8(bytes)));

    const vrh::RecoveryRead read = vrh::decodeRecovery(bytes);
    if (!read.recovered) {
        if (read.error.isEmpty()) {
            __builtin_trap();
        }
        return 0;
    }
    const vrh::Levelset& levelset = read.recovered->levelset;
    const vrh::RecoveryRead again =
        vrh::decodeRecovery(vrh::encodeRecovery(levelset, read.recovered->writtenAt));
    if (!again.recovered || again.recovered->levelset.fileName != levelset.fileName ||
        vrh::serializeLevelset(again.recovered->levelset, "ABC") !=
            vrh::serializeLevelset(levelset, "ABC")) {
        __builtin_trap();
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the editor as a file name's bytes. Whatever they are (UTF-8 or not,
// a byte-order mark anywhere), the name carried as text turns back into the same bytes: as the
// command line, a drop and the recent files carry it, and through a recovery file's name line.
#include "commands/recovery/recoveryfile.h"
#include "levelset/filepath.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (vrh::fileSystemBytes(vrh::pathFromFileSystemBytes(bytes)) != bytes) {
        __builtin_trap();
    }

    // A recovery file names the levelset by an absolute path to a levelset's file name.
    const QByteArray name = '/' + bytes + "/zvrhlabc.vrh";
    vrh::Levelset levelset;
    vrh::resetLevelset(levelset);
    levelset.fileName = vrh::pathFromFileSystemBytes(name);
    const vrh::RecoveryRead read = vrh::decodeRecovery(
        vrh::encodeRecovery(levelset, QDateTime::fromMSecsSinceEpoch(0, Qt::UTC)));
    if (!read.recovered || vrh::fileSystemBytes(read.recovered->levelset.fileName) != name) {
        __builtin_trap();
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the editor's levelset reader. A file it accepts must stay within the
// model's limits and survive a save and a second read unchanged.
#include "levelset/levelsetfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const vrh::ReadResult first = vrh::parseLevelset(bytes);
    if (!first.levelset) {
        if (first.error.isEmpty()) {
            __builtin_trap(); // a refusal always says why
        }
        return 0;
    }
    const vrh::Levelset& levelset = *first.levelset;
    if (levelset.numLevels > vrh::kMaxLevels) {
        __builtin_trap();
    }
    for (int i = 0; i < levelset.numLevels; ++i) {
        if (levelset.levels[i].width > vrh::kGridSize ||
            levelset.levels[i].height > vrh::kGridSize) {
            __builtin_trap();
        }
    }
    const QByteArray saved = vrh::serializeLevelset(levelset, bytes.sliced(4, 3));
    const vrh::ReadResult second = vrh::parseLevelset(saved);
    if (!second.levelset || vrh::serializeLevelset(*second.levelset, bytes.sliced(4, 3)) != saved) {
        __builtin_trap();
    }
    return 0;
}

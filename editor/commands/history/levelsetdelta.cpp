// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelsetdelta.h"

#include <algorithm>
#include <cstring>

namespace vrh {

namespace {

constexpr int kHeaderOffset = kMaxLevels * kRecordImageBytes; // numLevels, reserved1, reserved2
constexpr int kPasscodeOffset = kHeaderOffset + 3;

void setImageByte(Levelset& levelset, int offset, std::uint8_t value) {
    if (offset < kHeaderOffset) {
        LevelRecord& level = levelset.levels[offset / kRecordImageBytes];
        const int inRecord = offset % kRecordImageBytes;
        if (inRecord < kHeaderBytes) {
            std::array<std::uint8_t, kHeaderBytes> header = level.headerBytes();
            header[inRecord] = value;
            level.setHeaderBytes(header);
        } else {
            const int cell = inRecord - kHeaderBytes;
            level.tiles[cell / kGridSize][cell % kGridSize] = value;
        }
    } else if (offset < kPasscodeOffset) {
        std::uint8_t* const fields[] = {&levelset.numLevels, &levelset.reserved1,
                                        &levelset.reserved2};
        *fields[offset - kHeaderOffset] = value;
    } else {
        const int inPasscodes = offset - kPasscodeOffset;
        Passcode& passcode = levelset.passcodes[inPasscodes / Passcode::kLength];
        QByteArray text = passcode.text();
        text[inPasscodes % Passcode::kLength] = static_cast<char>(value);
        passcode.assign(text);
    }
}

} // namespace

void captureImage(const Levelset& levelset, LevelsetImage& image) {
    std::uint8_t* out = image.data();
    for (const LevelRecord& level : levelset.levels) {
        const std::array<std::uint8_t, kHeaderBytes> header = level.headerBytes();
        out = std::copy(header.begin(), header.end(), out);
        static_assert(sizeof(level.tiles) == kGridSize * kGridSize);
        std::memcpy(out, level.tiles.data(), sizeof(level.tiles));
        out += sizeof(level.tiles);
    }
    *out++ = levelset.numLevels;
    *out++ = levelset.reserved1;
    *out++ = levelset.reserved2;
    for (const Passcode& passcode : levelset.passcodes) {
        out = std::copy(passcode.text().begin(), passcode.text().end(), out);
    }
}

LevelsetDelta LevelsetDelta::between(const LevelsetImage& before, const Levelset& after) {
    LevelsetImage now;
    captureImage(after, now);
    // Most edits touch one record: whole records that are alike are skipped at memcmp speed.
    std::array<bool, kLevelsetImageBytes / kRecordImageBytes + 1> differs{};
    qsizetype changed = 0;
    for (int start = 0, record = 0; start < kLevelsetImageBytes;
         start += kRecordImageBytes, ++record) {
        const int end = std::min(start + kRecordImageBytes, kLevelsetImageBytes);
        differs[record] = std::memcmp(before.data() + start, now.data() + start, end - start) != 0;
        for (int offset = start; differs[record] && offset < end; ++offset) {
            changed += before[offset] != now[offset];
        }
    }
    // Room for exactly the changes: the history keeps the delta for long and counts its size,
    // and the array's growth by doubling would hold up to twice that.
    LevelsetDelta delta;
    delta.changes_.reserve(changed);
    for (int start = 0, record = 0; start < kLevelsetImageBytes;
         start += kRecordImageBytes, ++record) {
        const int end = std::min(start + kRecordImageBytes, kLevelsetImageBytes);
        for (int offset = start; differs[record] && offset < end; ++offset) {
            if (before[offset] != now[offset]) {
                delta.changes_.append(
                    {static_cast<std::uint16_t>(offset), before[offset], now[offset]});
            }
        }
    }
    return delta;
}

bool LevelsetDelta::changesRecord(int index) const {
    return std::any_of(changes_.begin(), changes_.end(), [index](const ByteChange& change) {
        return change.offset / kRecordImageBytes == index && change.offset < kHeaderOffset;
    });
}

void LevelsetDelta::applyBefore(Levelset& levelset) const {
    apply(levelset, false);
}

void LevelsetDelta::applyAfter(Levelset& levelset) const {
    apply(levelset, true);
}

void LevelsetDelta::apply(Levelset& levelset, bool after) const {
    for (const ByteChange& change : changes_) {
        setImageByte(levelset, change.offset, after ? change.after : change.before);
    }
}

void LevelsetDelta::append(const LevelsetDelta& next) {
    QVarLengthArray<ByteChange, 2> merged;
    const ByteChange* a = changes_.begin();
    const ByteChange* b = next.changes_.begin();
    const auto keep = [&merged](ByteChange change) {
        if (change.before != change.after) {
            merged.append(change);
        }
    };
    while (a != changes_.end() || b != next.changes_.end()) {
        if (b == next.changes_.end() || (a != changes_.end() && a->offset < b->offset)) {
            keep(*a++);
        } else if (a == changes_.end() || b->offset < a->offset) {
            keep(*b++);
        } else {
            keep({a->offset, a->before, b->after});
            ++a;
            ++b;
        }
    }
    // Copied, not moved: moving onto an array that has left its inline storage leaks the old
    // buffer in this Qt's QVarLengthArray.
    changes_.clear();
    changes_.append(merged.constData(), merged.size());
}

} // namespace vrh

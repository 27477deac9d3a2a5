// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputtail.h"

#include <algorithm>
#include <utility>

namespace vrh {

void OutputTail::append(QStringView text) {
    qsizetype at = 0;
    while (at < text.size()) {
        const QChar c = text[at];
        if (c == u'\n' || c == u'\r') {
            // The "\n" of "\r\n" ends nothing more.
            if (!(c == u'\n' && afterCarriageReturn_)) {
                newLine();
            }
            afterCarriageReturn_ = c == u'\r';
            ++at;
            continue;
        }
        afterCarriageReturn_ = false;
        // Up to the next line end, as far as the line has room.
        const qsizetype room = std::min(text.size(), at + (kMaxLineLength - lineLength_));
        qsizetype end = at;
        while (end < room && text[end] != u'\n' && text[end] != u'\r') {
            ++end;
        }
        if (end == at) {
            newLine(); // the line is full
            continue;
        }
        pending_ += text.sliced(at, end - at);
        lineLength_ += end - at;
        at = end;
    }
    // Dropped in large steps, so that each character is moved only a few times.
    if (pendingLines_ > 2 * kMaxLines) {
        keepLastLines();
    }
}

void OutputTail::endLine() {
    if (lineLength_ > 0) {
        newLine();
    }
    afterCarriageReturn_ = false;
}

OutputTail::Taken OutputTail::take(qsizetype maxLines) {
    keepLastLines();
    const bool replaces = std::exchange(dropped_, false);
    if (pendingLines_ <= maxLines) {
        pendingLines_ = 0;
        return {std::exchange(pending_, QString()), replaces};
    }
    qsizetype end = -1;
    for (qsizetype lines = 0; lines < maxLines; ++lines) {
        end = pending_.indexOf(u'\n', end + 1);
    }
    Taken taken{pending_.first(end + 1), replaces};
    pending_.remove(0, end + 1);
    pendingLines_ -= maxLines;
    return taken;
}

void OutputTail::clear() {
    pending_.clear();
    pendingLines_ = 0;
    dropped_ = false;
    lineLength_ = 0;
    afterCarriageReturn_ = false;
}

void OutputTail::newLine() {
    pending_ += u'\n';
    ++pendingLines_;
    lineLength_ = 0;
}

// The last kMaxLines ended lines and the one begun: all after the line end kMaxLines + 1
// from the last.
void OutputTail::keepLastLines() {
    if (pendingLines_ <= kMaxLines) {
        return;
    }
    qsizetype cut = pending_.size();
    for (qsizetype ends = 0; ends <= kMaxLines; ++ends) {
        cut = pending_.lastIndexOf(u'\n', cut - 1);
    }
    pending_.remove(0, cut + 1);
    pendingLines_ = kMaxLines;
    dropped_ = true;
}

} // namespace vrh

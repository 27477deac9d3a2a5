// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vrh {

// Which position markers the View menu shows, and whether they carry their letters; a start
// without a window shows what a fresh editor shows.
struct ShownMarkers {
    bool start = true;
    bool finish = true;
    bool put = false;
    bool take = false;
    bool letters = false;
};

} // namespace vrh

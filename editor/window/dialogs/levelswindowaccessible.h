// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vrh {

// Makes assistive technology see the Levels window's pictures as its children, each named
// "Level N" and selected while it is the current level. Done once, by the first window made.
void installLevelsWindowAccessible();

} // namespace vrh

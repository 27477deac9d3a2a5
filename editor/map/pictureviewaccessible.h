// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vrh {

// Makes assistive technology see every picture view as a canvas whose description is what the
// view says of its cursor's cell, with that cell as its one child. Done once, by the first view
// made.
void installPictureViewAccessible();

} // namespace vrh

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace vrh::art {

// A Windows icon file holding each picture as a PNG, the form Windows reads since Vista.
QByteArray windowsIconFile(const QList<QImage>& pictures);

} // namespace vrh::art

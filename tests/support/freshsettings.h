// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

#include <gtest/gtest.h>

namespace vrh::testing {

// Every test begins with the settings of a first start, as when each runs in a process of its
// own: a drawing tool or the grid chosen by one test never reaches the next in the same run.
class FreshSettingsEachTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VrhEdit"),
                  QStringLiteral("VrhEdit"))
            .clear();
    }
};

} // namespace vrh::testing

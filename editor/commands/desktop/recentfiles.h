// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QSettings;

namespace vrh {

// The levelsets opened or saved lately, newest first, and the folder of the last one, kept in
// the user's settings so that the next run finds them. Every change is written at once.
class RecentFiles {
  public:
    static constexpr int kMaxFiles = 8;

    explicit RecentFiles(QSettings& settings);

    // At most eight distinct, non-empty paths, newest first, whatever the settings file holds.
    QStringList files() const;
    // The folder of the levelset opened or saved last; empty before the first.
    QString lastFolder() const;

    // Puts path at the top (once), drops what falls beyond eight, and makes its folder the
    // last folder.
    void remember(const QString& path);
    // Takes path out of the list; the last folder stays.
    void forget(const QString& path);

    // Called after each change of the list.
    std::function<void()> changed;

  private:
    void store(const QStringList& files);

    QSettings& settings_;
};

// The captions of the recent files' menu entries, "&1 zvrhlabc.vrh" for the first. Where two
// share a name each shows as much of its folder as tells them apart: "&2 zvrhlabc.vrh (old)".
QStringList recentFileCaptions(const QStringList& files);

} // namespace vrh

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

namespace vrh {

// Watches the open levelset's file, and the folder it is named in, for other programs'
// changes, and has them reported as soon as the window can show a box: at once while it is
// active with no other box, dialog or menu open and no mouse button held, else as soon as
// that is so. What changed, if anything, is for the report to find out. A child of the window.
// A path that Qt can't name to the system (bytes that are no UTF-8) is looked at every
// kPollInterval instead.
class OpenFileWatcher : public QObject {
  public:
    OpenFileWatcher(QWidget& window, std::function<void()> report);
    // Reports whatever the window is doing, kSettleTime after the last change seen: for a
    // file the window only shows, which a program saving it may write in several goes.
    static OpenFileWatcher* reportingAtOnce(QWidget& window, std::function<void()> report);
    static constexpr std::chrono::milliseconds kSettleTime{100};

    // From now on watches path; nothing when it is empty.
    void watch(const QString& path);

    static constexpr std::chrono::milliseconds kPollInterval{1000};

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void notified();
    // The file watch follows the file's inode, which a rename over it or a save replaces.
    void watchFileAgain();
    void reportWhenReady();
    bool windowReady() const;

    QWidget& window_;
    std::function<void()> report_;
    QFileSystemWatcher watcher_{this};
    QTimer poll_{this};
    QString path_;
    QTimer settle_{this};
    bool atOnce_ = false;
    bool pending_ = false;
    bool reporting_ = false;
};

} // namespace vrh

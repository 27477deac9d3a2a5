// SPDX-License-Identifier: GPL-3.0-or-later
#include "openfilewatcher.h"

#include "levelset/filepath.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QWidget>

namespace vrh {

OpenFileWatcher::OpenFileWatcher(QWidget& window, std::function<void()> report)
    : QObject(&window), window_(window), report_(std::move(report)) {
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &OpenFileWatcher::notified);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &OpenFileWatcher::notified);
    poll_.setInterval(kPollInterval);
    connect(&poll_, &QTimer::timeout, this, &OpenFileWatcher::notified);
}

OpenFileWatcher* OpenFileWatcher::reportingAtOnce(QWidget& window, std::function<void()> report) {
    auto* watcher = new OpenFileWatcher(window, std::move(report));
    watcher->atOnce_ = true;
    watcher->settle_.setSingleShot(true);
    watcher->settle_.setInterval(kSettleTime);
    connect(&watcher->settle_, &QTimer::timeout, watcher, [watcher] { watcher->report_(); });
    return watcher;
}

void OpenFileWatcher::watch(const QString& path) {
    if (const QStringList watched = watcher_.files() + watcher_.directories(); !watched.isEmpty()) {
        watcher_.removePaths(watched);
    }
    poll_.stop();
    path_ = path;
    if (path_.isEmpty()) {
        return;
    }
    if (!qtReachesPath(path_)) {
        // The report finds nothing to tell while the bytes stay as they were.
        poll_.start();
        return;
    }
    // The folder tells of a symbolic link replaced or removed, and of a file that comes back.
    const QString folder = QFileInfo(path_).absolutePath();
    if (QFileInfo(folder).isDir()) {
        watcher_.addPath(folder);
    }
    watchFileAgain();
}

void OpenFileWatcher::watchFileAgain() {
    if (poll_.isActive()) {
        return;
    }
    watcher_.removePath(path_);
    if (QFileInfo::exists(path_)) {
        watcher_.addPath(path_);
    }
}

void OpenFileWatcher::notified() {
    if (path_.isEmpty()) {
        return;
    }
    // Watched again before the report looks, so nothing that happens in between is missed.
    watchFileAgain();
    if (atOnce_) {
        settle_.start();
        return;
    }
    if (!pending_) {
        pending_ = true;
        // Every event that can end what keeps the box back comes through the application.
        qApp->installEventFilter(this);
    }
    reportWhenReady();
}

bool OpenFileWatcher::windowReady() const {
    return !reporting_ && window_.isActiveWindow() && !QApplication::activeModalWidget() &&
           !QApplication::activePopupWidget() && QApplication::mouseButtons() == Qt::NoButton;
}

void OpenFileWatcher::reportWhenReady() {
    if (!pending_ || !windowReady()) {
        return;
    }
    pending_ = false;
    qApp->removeEventFilter(this);
    reporting_ = true;
    report_();
    reporting_ = false;
    // A change that came while the box was open has its own turn.
    if (pending_) {
        QMetaObject::invokeMethod(this, &OpenFileWatcher::reportWhenReady, Qt::QueuedConnection);
    }
}

bool OpenFileWatcher::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
    case QEvent::WindowUnblocked:
    case QEvent::MouseButtonRelease:
    case QEvent::Hide:
        // Looked at once the event is through: the box or menu is gone by then.
        QMetaObject::invokeMethod(this, &OpenFileWatcher::reportWhenReady, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vrh

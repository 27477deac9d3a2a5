#include "recoveryfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vrh {

namespace {

const QString kFileSuffix = QStringLiteral(".vrh");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kDeclinedSuffix = QStringLiteral(".declined");

// A lock that only a running editor holds: QLockFile would also take a lock older than 30
// seconds from a live owner.
std::unique_ptr<QLockFile> lockFile(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

QString lockPathOf(const QString& file) {
    return file.left(file.size() - kFileSuffix.size()) + kLockSuffix;
}

// The file renamed with suffix after its name, numbered when that name is taken.
QString renameAside(const QString& file, const QString& suffix) {
    QString aside = file + suffix;
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = file + suffix + QString::number(n);
    }
    QFile::rename(file, aside);
    return aside;
}

} // namespace

QString RecoveryFolder::standardPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

RecoveryFolder::RecoveryFolder(QString path) : path_(std::move(path)) {}

RecoveryFolder::~RecoveryFolder() = default;

QString RecoveryFolder::ownFile() const {
    return ownId_.isEmpty() ? QString() : path_ + QLatin1Char('/') + ownId_ + kFileSuffix;
}

bool RecoveryFolder::takeOwnLock() {
    if (ownLock_) {
        return true;
    }
    if (!QDir().mkpath(path_)) {
        return false;
    }
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    auto lock = lockFile(path_ + QLatin1Char('/') + id + kLockSuffix);
    if (!lock->tryLock(0)) {
        return false;
    }
    ownId_ = id;
    ownLock_ = std::move(lock);
    return true;
}

std::optional<QString> RecoveryFolder::write(QByteArrayView bytes) {
    // The lock comes before the file, so a file without a held lock is always a dead editor's.
    if (!takeOwnLock()) {
        return QStringLiteral("Can't lock a recovery file in %1.").arg(path_);
    }
    const QString target = ownFile();
    const QString temporary = target + QStringLiteral(".new");
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.remove();
        return reason;
    }
    file.close();
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temporary).toStdString(),
                            QFile::encodeName(target).toStdString(), error);
    if (error) {
        QFile::remove(temporary);
        return QString::fromStdString(error.message());
    }
    return std::nullopt;
}

void RecoveryFolder::removeOwn() {
    if (!ownId_.isEmpty()) {
        QFile::remove(ownFile());
    }
}

std::vector<RecoveryFolder::LeftFile> RecoveryFolder::takeLeftBehind() {
    removeOldDeclined();
    const QFileInfoList files =
        QDir(path_).entryInfoList({QStringLiteral("*") + kFileSuffix}, QDir::Files, QDir::Time);
    std::vector<LeftFile> left;
    for (const QFileInfo& info : files) {
        const QString file = info.absoluteFilePath();
        if (file == QFileInfo(ownFile()).absoluteFilePath()) {
            continue;
        }
        auto lock = lockFile(lockPathOf(file));
        if (lock->tryLock(0)) {
            // A temporary that a killed write left beside it is of no use to anyone.
            QFile::remove(file + QStringLiteral(".new"));
            left.push_back({file, std::move(lock)});
        }
    }
    return left; // QDir::Time lists the newest first
}

void RecoveryFolder::adopt(LeftFile file) {
    removeOwn();
    ownId_ = QFileInfo(file.path).completeBaseName();
    ownLock_ = std::move(file.lock);
}

QString RecoveryFolder::decline(LeftFile file) {
    // Its age counts from the answer, not from the crash, which may be long past.
    {
        QFile dated(file.path);
        if (dated.open(QIODevice::ReadWrite)) {
            dated.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
        }
    }
    return renameAside(file.path, kDeclinedSuffix);
}

void RecoveryFolder::removeOldDeclined() {
    const QDateTime oldest = QDateTime::currentDateTime().addDays(-kDeclinedKeptDays);
    const QFileInfoList declined = QDir(path_).entryInfoList(
        {QStringLiteral("*") + kFileSuffix + kDeclinedSuffix + QStringLiteral("*")}, QDir::Files);
    for (const QFileInfo& info : declined) {
        if (info.lastModified() < oldest) {
            QFile::remove(info.absoluteFilePath());
        }
    }
}

QString RecoveryFolder::setAside(LeftFile file) {
    return renameAside(file.path, QStringLiteral(".bad"));
}

} // namespace vrh

// SPDX-License-Identifier: GPL-3.0-or-later
#include "recoveryfolder.h"

#include "commands/recovery/recoveryfile.h"

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
const QString kNewSuffix = QStringLiteral(".new");
const QString kDeclinedSuffix = QStringLiteral(".declined");

bool isWholeRecovery(const QString& path) {
    return decodeRecovery(readRecoveryBytes(path)).recovered.has_value();
}

// Replaces target with source, as the write's own rename would have.
bool renameOver(const QString& source, const QString& target) {
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(source).toStdString(),
                            QFile::encodeName(target).toStdString(), error);
    return !error;
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

std::optional<QString> RecoveryFolder::takeOwnLock() {
    if (ownLock_) {
        return std::nullopt;
    }
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(path_).toStdString(), error);
    if (error) {
        return QString::fromLocal8Bit(error.message());
    }
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    auto lock = EditorLock::tryTake(path_ + QLatin1Char('/') + id + kLockSuffix);
    if (!lock) {
        return qt_error_string();
    }
    ownId_ = id;
    ownLock_ = std::move(lock);
    return std::nullopt;
}

std::optional<QString> RecoveryFolder::write(QByteArrayView bytes) {
    // The lock comes before the file, so a file without a held lock is always a dead editor's.
    if (std::optional<QString> reason = takeOwnLock()) {
        return reason;
    }
    const QString target = ownFile();
    const QString temporary = target + kNewSuffix;
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        // By name: the file's own remove refuses while its failed write is the last error.
        file.close();
        QFile::remove(temporary);
        return reason;
    }
    file.close();
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temporary).toStdString(),
                            QFile::encodeName(target).toStdString(), error);
    if (error) {
        QFile::remove(temporary);
        return QString::fromLocal8Bit(error.message());
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
    // Every editor that left anything: a file, a temporary or a lock.
    QStringList ids;
    const QDir folder(path_);
    for (const QString& name : folder.entryList({QStringLiteral("*") + kFileSuffix,
                                                 QStringLiteral("*") + kFileSuffix + kNewSuffix,
                                                 QStringLiteral("*") + kLockSuffix},
                                                QDir::Files)) {
        const QString id = name.left(name.indexOf(QLatin1Char('.')));
        if (!id.isEmpty() && id != ownId_ && !ids.contains(id)) {
            ids << id;
        }
    }
    std::vector<LeftFile> left;
    for (const QString& id : ids) {
        const QString stem = path_ + QLatin1Char('/') + id;
        std::unique_ptr<EditorLock> lock = EditorLock::tryTake(stem + kLockSuffix);
        if (!lock) {
            continue; // a running editor's
        }
        const QString file = stem + kFileSuffix;
        const QString temporary = file + kNewSuffix;
        if (QFileInfo::exists(temporary) &&
            (!isWholeRecovery(temporary) || !renameOver(temporary, file))) {
            QFile::remove(temporary);
        }
        if (QFileInfo::exists(file)) {
            left.push_back({file, std::move(lock)});
        } // else dropping the lock removes it
    }
    std::sort(left.begin(), left.end(), [](const LeftFile& a, const LeftFile& b) {
        return QFileInfo(a.path).lastModified() > QFileInfo(b.path).lastModified();
    });
    return left;
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

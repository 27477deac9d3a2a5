// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandrun.h"

#ifdef Q_OS_UNIX
#include <signal.h>
#include <unistd.h>
#endif

namespace vrh {

CommandRun::CommandRun() {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    // Nothing to read: a command never waits for input nobody can give.
    process_.setStandardInputFile(QProcess::nullDevice());
#ifdef Q_OS_UNIX
    // Leader of a group of its own: Stop reaches what it starts.
    process_.setChildProcessModifier([] { setpgid(0, 0); });
#endif
    killTimer_.setSingleShot(true);
    killTimer_.setInterval(kStopPatience);
    QObject::connect(&killTimer_, &QTimer::timeout, &process_, [this] { signalCommand(true); });
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, &process_,
                     [this] { readOutput(); });
    QObject::connect(
        &process_, &QProcess::finished, &process_,
        [this](int exitCode, QProcess::ExitStatus status) { finished(exitCode, status); });
    QObject::connect(&process_, &QProcess::errorOccurred, &process_,
                     [this](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             failedToStart();
                         }
                     });
}

CommandRun::~CommandRun() {
    if (isRunning()) {
        output = nullptr;
        ended = nullptr;
        signalCommand(true);
        process_.waitForFinished(static_cast<int>(kStopPatience.count()));
    }
}

void CommandRun::start(const CommandStart& command) {
    if (isRunning()) {
        return;
    }
    program_ = command.program;
    stopping_ = false;
    decoder_ = QStringDecoder(QStringDecoder::System);
    process_.setWorkingDirectory(command.folder);
    process_.start(command.program, command.arguments, QIODevice::ReadOnly);
}

bool CommandRun::isRunning() const {
    return process_.state() != QProcess::NotRunning;
}

void CommandRun::stop() {
    if (!isRunning() || stopping_) {
        return;
    }
    stopping_ = true;
    signalCommand(false);
    killTimer_.start();
}

void CommandRun::stopAndWait() {
    if (!isRunning()) {
        return;
    }
    stop();
    if (!process_.waitForFinished(static_cast<int>(kStopPatience.count()))) {
        signalCommand(true);
        process_.waitForFinished(static_cast<int>(kStopPatience.count()));
    }
}

void CommandRun::signalCommand(bool kill) {
    if (!isRunning()) {
        return;
    }
#ifdef Q_OS_UNIX
    if (const qint64 leader = process_.processId(); leader > 0) {
        ::kill(-static_cast<pid_t>(leader), kill ? SIGKILL : SIGTERM);
        return;
    }
#endif
    if (kill) {
        process_.kill();
    } else {
        process_.terminate();
    }
}

void CommandRun::readOutput() {
    const QString text = decoder_(process_.readAllStandardOutput());
    if (!text.isEmpty() && output) {
        output(text);
    }
}

void CommandRun::finished(int exitCode, QProcess::ExitStatus status) {
    killTimer_.stop();
    readOutput();
    if (ended) {
        ended(stopping_                        ? kStoppedText
              : status == QProcess::NormalExit ? finishedText(exitCode)
                                               : kCrashedText);
    }
}

void CommandRun::failedToStart() {
    if (ended) {
        ended(couldNotStartText(program_, process_.errorString()));
    }
}

} // namespace vrh

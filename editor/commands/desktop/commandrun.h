// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usercommands.h"

#include <QProcess>
#include <QStringDecoder>
#include <QTimer>

#include <chrono>
#include <functional>

namespace vrh {

// One user command at a time: its program started directly with its words, no shell between,
// its standard output and error read as they come, merged in the order written. Stop ends it:
// asked to end first, killed when it is still there after kStopPatience. On Linux the command
// runs in a process group of its own, and Stop ends the whole group, so what a shell the user
// wrote started ends with it.
class CommandRun {
  public:
    static constexpr std::chrono::milliseconds kStopPatience{2000};

    CommandRun();
    // A command still running is killed.
    ~CommandRun();
    CommandRun(const CommandRun&) = delete;
    CommandRun& operator=(const CommandRun&) = delete;

    // Starts a command while none runs. ended may be called before this returns.
    void start(const CommandStart& command);
    bool isRunning() const;
    void stop();
    // Stops and waits for the end, at most kStopPatience before the kill: for the editor's exit.
    void stopAndWait();

    // The output as it comes, decoded as the system writes text.
    std::function<void(const QString& text)> output;
    // The run is over: finishedText, kStoppedText, kCrashedText or couldNotStartText.
    std::function<void(const QString& lastLines)> ended;

  private:
    void readOutput();
    void finished(int exitCode, QProcess::ExitStatus status);
    void failedToStart();
    void signalCommand(bool kill);

    QProcess process_;
    QTimer killTimer_;
    QStringDecoder decoder_;
    QString program_;
    bool stopping_ = false;
};

} // namespace vrh

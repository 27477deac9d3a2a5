// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/desktop/outputtail.h"

#include <QTimer>
#include <QWidget>

#include <chrono>

class QPlainTextEdit;
class QPushButton;

namespace vrh {

// The Command Output window: a tool window over the editor that shows a user command's line
// as it was run, then its output as it comes, then how it ended, the last
// OutputTail::kMaxLines lines of it. Output is shown in batches, kShowInterval apart and at
// most kLinesAtOnce lines in one go, so that a command that writes fast never keeps the editor
// from its own events for long. Stop is a signal; the editor ends the command.
class frmCommandOutput : public QWidget {
    Q_OBJECT
  public:
    static constexpr std::chrono::milliseconds kShowInterval{50};
    static constexpr qsizetype kLinesAtOnce = 250;

    explicit frmCommandOutput(QWidget* parent);

    // A new run: the window emptied, the line shown, Stop available.
    void begin(const QString& shownLine);
    void write(const QString& output);
    // The run is over: the last lines shown after the output, Stop greyed.
    void end(const QString& lastLines);

    // What the window shows.
    QString text() const;

    QPlainTextEdit* txtOutput = nullptr;
    QPushButton* cmdStop = nullptr;

  signals:
    void stopClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Shows a part of what is pending; the rest comes after the editor's next events.
    void showPending(qsizetype maxLines);

    OutputTail pending_;
    QTimer showTimer_;
};

} // namespace vrh

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmcommandoutput.h"

#include "commands/desktop/usercommands.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace vrh {

frmCommandOutput::frmCommandOutput(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("frmCommandOutput"));
    setWindowTitle(kCommandOutputTitle);
    // Running a command leaves the keyboard with the editor.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Narrow enough to go beside the editor on a screen 1920 pixels wide.
    resize(520, 320);

    txtOutput = new QPlainTextEdit(this);
    txtOutput->setObjectName(QStringLiteral("txtOutput"));
    txtOutput->setAccessibleName(QStringLiteral("Output"));
    txtOutput->setReadOnly(true);
    // Read and copied with the keyboard as well as the mouse.
    txtOutput->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtOutput->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The kept lines and the one begun.
    txtOutput->setMaximumBlockCount(static_cast<int>(OutputTail::kMaxLines) + 1);
    txtOutput->setUndoRedoEnabled(false);
    txtOutput->installEventFilter(this);

    cmdStop = new QPushButton(QStringLiteral("&Stop"), this);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    cmdStop->setEnabled(false);
    connect(cmdStop, &QPushButton::clicked, this, &frmCommandOutput::stopClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdStop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtOutput);
    layout->addLayout(buttons);

    showTimer_.setSingleShot(true);
    connect(&showTimer_, &QTimer::timeout, this, [this] { showPending(kLinesAtOnce); });
}

void frmCommandOutput::begin(const QString& shownLine) {
    showTimer_.stop();
    pending_.clear();
    txtOutput->clear();
    pending_.append(shownLine);
    pending_.endLine();
    showPending(OutputTail::kMaxLines);
    cmdStop->setEnabled(true);
}

void frmCommandOutput::write(const QString& output) {
    pending_.append(output);
    if (!showTimer_.isActive()) {
        showTimer_.start(kShowInterval);
    }
}

void frmCommandOutput::end(const QString& lastLines) {
    pending_.endLine();
    pending_.append(lastLines);
    // Shown in parts like the output before it.
    showTimer_.start(std::chrono::milliseconds(0));
    cmdStop->setEnabled(false);
}

// The editor's keys reach this window too; Select All and Copy stay with the output's text,
// which a read-only box would leave to the editor's map.
bool frmCommandOutput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtOutput && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            key->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString frmCommandOutput::text() const {
    return txtOutput->toPlainText();
}

void frmCommandOutput::showPending(qsizetype maxLines) {
    if (pending_.isEmpty()) {
        return;
    }
    const OutputTail::Taken taken = pending_.take(maxLines);
    QScrollBar* scroll = txtOutput->verticalScrollBar();
    // Reading further up stays where it is; at the end, the end is followed.
    const bool atEnd = scroll->value() == scroll->maximum();
    if (taken.replacesShown) {
        txtOutput->setPlainText(taken.text);
    } else {
        QTextCursor end(txtOutput->document());
        end.movePosition(QTextCursor::End);
        end.insertText(taken.text);
    }
    if (atEnd) {
        scroll->setValue(scroll->maximum());
    }
    if (!pending_.isEmpty()) {
        showTimer_.start(std::chrono::milliseconds(0));
    }
}

} // namespace vrh

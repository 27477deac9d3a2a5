// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace vrh {

// A running command's output on its way to the screen, which can't show it as fast as a
// program writes. Between two looks only the last kMaxLines lines are kept; "\r\n" and a lone
// "\r" end a line as "\n" does, and a line longer than kMaxLineLength characters goes on in
// the next, so what is kept and what the window shows stay bounded.
class OutputTail {
  public:
    static constexpr qsizetype kMaxLines = 10000;
    static constexpr qsizetype kMaxLineLength = 1000;

    void append(QStringView text);
    // Ends the line begun, if one is: what comes next starts a line of its own.
    void endLine();

    // What came since the last take, oldest first, at most maxLines lines of it, so that a
    // window can show a flood in parts. When more than kMaxLines lines came, only the last of
    // them are kept, and the first part taken after that takes the place of everything shown.
    struct Taken {
        QString text;
        bool replacesShown = false;
    };
    Taken take(qsizetype maxLines = kMaxLines);
    bool isEmpty() const { return pending_.isEmpty(); }
    // A new run: nothing pending, no line begun.
    void clear();

  private:
    void newLine();
    void keepLastLines();

    QString pending_;
    qsizetype pendingLines_ = 0; // line ends in pending_
    bool dropped_ = false;       // lines were dropped from pending_ since the last take
    qsizetype lineLength_ = 0;   // characters in the line begun, shown or pending
    bool afterCarriageReturn_ = false;
};

} // namespace vrh

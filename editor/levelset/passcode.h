// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace vrh {

// A level's passcode: always exactly 6 one-byte characters. Every assignment cuts the text
// after 6 characters or pads it on the right with blanks.
class Passcode {
  public:
    static constexpr int kLength = 6;

    Passcode() : text_(kLength, ' ') {}
    explicit Passcode(QByteArrayView text) { assign(text); }

    void assign(QByteArrayView text);
    const QByteArray& text() const { return text_; }

    friend bool operator==(const Passcode&, const Passcode&) = default;

  private:
    QByteArray text_;
};

} // namespace vrh

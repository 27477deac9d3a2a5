// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace vrh {

// What the placeholders of a user command stand for when it runs.
struct PlaceholderValues {
    QString file;   // %file: the levelset's path; empty while it has no file
    QString name;   // %name: its three characters as the file's name has them
    QString folder; // %folder: the folder that holds it
    int level = 1;  // %level: the current level, 1 to 8
};

// The values for a levelset of this fileName ("Untitled" for none) with curLevel current.
PlaceholderValues placeholderValues(const QString& fileName, int curLevel);

// text with %file, %name, %folder, %level and %% (a percent sign) filled in, left to right;
// any other percent sign stays as it is.
QString fillPlaceholders(QStringView text, const PlaceholderValues& values);

// Whether text asks for the levelset's file: %file, %name or %folder, not written as %%file.
bool namesLevelsetFile(QStringView text);

// A command line split into words as a shell splits it, and nothing more: no variables, no
// wildcards, no pipes. Blanks, tabs and line ends separate words; '...' keeps what it holds as
// it is; "..." too, but for a backslash before ", \, $, ` or a line end; elsewhere a backslash
// keeps the character after it, and a backslash before a line end joins the lines.
struct CommandWords {
    QStringList words;
    QString error; // why the line can't be split; words is then empty
};
CommandWords splitCommandWords(QStringView line);

// The words as one line that splits into them again: each word that holds anything but
// letters, digits and - _ . / : , + = @ % is put in single quotes.
QString joinCommandWords(const QStringList& words);

} // namespace vrh

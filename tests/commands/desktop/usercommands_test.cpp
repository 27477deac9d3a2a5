// SPDX-License-Identifier: GPL-3.0-or-later
// The user's commands: their words and placeholders, where they run, how they are kept, and
// their output on its way to the window.
#include "commands/desktop/outputtail.h"
#include "commands/desktop/usercommands.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vrh {
namespace {

TEST(UserCommands, WordsSplitAsAShellSplitsThemAndJoinBackTheSame) {
    const struct {
        const char* line;
        QStringList words;
        const char* error = "";
    } cases[] = {
        {"levelsplit abc", {"levelsplit", "abc"}},
        {"  a \t b\nc  ", {"a", "b", "c"}},
        {"", {}},
        {"emu 'My Games/set one.8xp'", {"emu", "My Games/set one.8xp"}},
        {R"(a"b c"d)", {"ab cd"}},
        {R"('' "")", {"", ""}},
        {R"("a \"q\" \\ \$ \x")", {R"(a "q" \ $ \x)"}},
        {R"('a\b "c"')", {R"(a\b "c")"}},
        {R"(one\ word \'x)", {"one word", "'x"}},
        {"a\\\nb \\\n c", {"ab", "c"}},
        {R"(sh -c 'cd "$1" && make' sh)", {"sh", "-c", R"(cd "$1" && make)", "sh"}},
        {"emu 'open", {}, "A single quote (') is not closed."},
        {"emu \"open", {}, "A double quote (\") is not closed."},
        {"emu \\", {}, "The command line ends in a backslash."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const CommandWords split = splitCommandWords(QString::fromUtf8(c.line));
        EXPECT_EQ(split.words, c.words);
        EXPECT_EQ(split.error, QString::fromLatin1(c.error));
        if (split.error.isEmpty()) {
            EXPECT_EQ(splitCommandWords(joinCommandWords(split.words)).words, c.words);
        }
    }
    EXPECT_EQ(joinCommandWords({"levelsplit", "a b", "it's", "%x", ""}),
              QStringLiteral("levelsplit 'a b' 'it'\\''s' %x ''"));
}

TEST(UserCommands, PlaceholdersAreFilledInsideTheirWords) {
    const QString file = QDir::toNativeSeparators(QDir::rootPath() + "My Sets/zvrhlAbc.vrh");
    const QString folder = QDir::toNativeSeparators(QDir::rootPath() + "My Sets");
    const PlaceholderValues values = placeholderValues(file, 2);
    EXPECT_EQ(values.file, file);
    EXPECT_EQ(values.name, QStringLiteral("Abc"));
    EXPECT_EQ(values.folder, folder);
    EXPECT_EQ(values.level, 3);
    EXPECT_EQ(placeholderValues(QStringLiteral("/sets/other.vrh"), 0).name, QStringLiteral("oth"));
    const PlaceholderValues untitled = placeholderValues(QStringLiteral("Untitled"), 7);
    EXPECT_EQ(untitled.file + untitled.name + untitled.folder, QString());
    EXPECT_EQ(untitled.level, 8);

    const struct {
        const char* text;
        QString filled;
        bool namesFile;
    } cases[] = {
        {"%file", file, true},
        {"--set=%name.8xp", "--set=Abc.8xp", true},
        {"%folder/out", folder + "/out", true},
        {"level%level", "level3", false},
        {"100%% %%file", "100% %file", false},
        {"%filename %levels", file + "name 3s", true},
        {"%x %", "%x %", false},
        {"%%%name", "%Abc", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(fillPlaceholders(QString::fromLatin1(c.text), values), c.filled);
        EXPECT_EQ(namesLevelsetFile(QString::fromLatin1(c.text)), c.namesFile);
    }

    // Split first, then filled: a path with blanks stays one word; the folder is filled too.
    const CommandPlan plan = planUserCommand(
        {"Split", "levelsplit %name '%file' x%level", "build", false}, values, "/elsewhere");
    ASSERT_TRUE(plan.start);
    EXPECT_EQ(plan.start->program, QStringLiteral("levelsplit"));
    EXPECT_EQ(plan.start->arguments, (QStringList{"Abc", file, "x3"}));
    EXPECT_EQ(plan.start->folder, QDir::toNativeSeparators(QDir::rootPath() + "My Sets/build"));
    EXPECT_EQ(plan.start->shownLine, "levelsplit Abc '" + file + "' x3");
    EXPECT_EQ(planUserCommand({"", "make", "", true}, untitled, "/here").start->folder,
              QDir::toNativeSeparators("/here"));
    EXPECT_EQ(planUserCommand({"", " ", "", true}, values, "/").error,
              QStringLiteral("The command line is empty."));
}

TEST(UserCommands, KeptInTheSettingsInTheirOrder) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("VrhEdit.conf"), QSettings::IniFormat);
    const QList<UserCommand> three = {{"Split", "levelsplit %name", "", true},
                                      {"Build & Run", "sh -c 'make && emu'", "%folder/..", false},
                                      {"", "emu", "", true}};
    writeUserCommands(settings, three);
    EXPECT_EQ(readUserCommands(settings), three);
    writeUserCommands(settings, {three[1]});
    EXPECT_EQ(readUserCommands(settings), QList<UserCommand>{three[1]});
    EXPECT_EQ(userCommandCaption(three[1]), QStringLiteral("Build && Run"));
    EXPECT_EQ(userCommandCaption(three[2]), QStringLiteral("emu"));
}

TEST(UserCommands, OutputKeepsTheLastLinesAndBoundsEachLine) {
    const auto lines = [](int from, int to) {
        QString text;
        for (int i = from; i <= to; ++i) {
            text += QString::number(i) + '\n';
        }
        return text;
    };
    OutputTail tail;
    tail.append(u"a\r\nb\rc\n\r");
    tail.append(u"\nd");
    tail.append(u"e");
    EXPECT_EQ(tail.take().text, QStringLiteral("a\nb\nc\n\nde"));
    tail.endLine();
    tail.append(QString(OutputTail::kMaxLineLength + 5, 'x'));
    EXPECT_EQ(tail.take().text, "\n" + QString(OutputTail::kMaxLineLength, 'x') + "\nxxxxx");

    // Between two looks only the last lines stay, and they take the place of what was shown.
    tail.clear();
    tail.append(lines(1, 5));
    const OutputTail::Taken few = tail.take();
    EXPECT_EQ(few.text, lines(1, 5));
    EXPECT_FALSE(few.replacesShown);
    tail.append(lines(1, 30000));
    tail.append(u"part");
    // Taken in parts: the first after the drop replaces what is shown, the rest follow it.
    const OutputTail::Taken first = tail.take(3);
    EXPECT_EQ(first.text, lines(30001 - OutputTail::kMaxLines, 30003 - OutputTail::kMaxLines));
    EXPECT_TRUE(first.replacesShown);
    const OutputTail::Taken rest = tail.take();
    EXPECT_EQ(rest.text, lines(30004 - OutputTail::kMaxLines, 30000) + "part");
    EXPECT_FALSE(rest.replacesShown);
    EXPECT_TRUE(tail.isEmpty());
}

} // namespace
} // namespace vrh

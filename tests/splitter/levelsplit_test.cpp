// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "splitrun.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace splitrun;

namespace {

constexpr int refusedStatus = 255; // the tool's -1

std::string headerFile(const std::string& upperName, char count) {
    return "VRH0" + upperName + count + std::string(testReserved) + std::string(testPasscodes);
}

std::string listOf(int levels) {
    std::string list;
    for (int i = 1; i <= levels; ++i) {
        list += "level" + std::to_string(i) + ".vrh\r\n";
    }
    return list;
}

const std::string validSet = levelsetFile("VRH0ABC", 1, {levelBlock(8, 12, 1)});

// ---- Refusals: a message, status 255, and the directory exactly as it was -----------------

struct RefusedCase {
    const char* label;
    std::vector<std::string> args;
    std::vector<std::string> directories;
    std::vector<std::pair<std::string, std::string>> files;
    std::string message;
    // Holds only where file names tell case apart, which Windows' do not.
    bool needsCaseSensitiveNames = false;
};

std::vector<std::pair<std::string, std::string>> withInput(std::string bytes) {
    return {{"zvrhlabc.vrh", std::move(bytes)}};
}

std::string nineLevels() {
    std::vector<std::string> blocks(9, levelBlock(1, 1, 4));
    return levelsetFile("VRH0ABC", 9, blocks);
}

std::string lastOfEightTooWide() {
    std::vector<std::string> blocks(7, levelBlock(2, 2, 5));
    blocks.push_back(levelBlock(1, 33, 6));
    return levelsetFile("VRH0ABC", 8, blocks);
}

const std::string wrongCount = "Wrong number of arguments!\n";
const std::string badName = "Invalid Levelset name!";
const std::string cantOpen = "Error opening Levelset!\n";
const std::string badFile = "Invalid Levelset file!\n";

const RefusedCase refusedCases[] = {
    {"NoArgument", {}, {}, withInput(validSet), wrongCount},
    {"TwoArguments", {"abc", "abc"}, {}, withInput(validSet), wrongCount},
    {"CountCheckedBeforeName", {"ab", "cd"}, {}, {}, wrongCount},
    {"TwoCharacters", {"ab"}, {}, {{"zvrhlab.vrh", validSet}}, badName},
    {"FourCharacters", {"abcd"}, {}, {{"zvrhlabcd.vrh", validSet}}, badName},
    {"EmptyName", {""}, {}, {}, badName},
    {"NameCheckedBeforeFile", {"abcd"}, {}, {}, badName},
    {"SlashInName", {"a/b"}, {"zvrhla"}, {{"zvrhla/b.vrh", validSet}}, badName},
    {"BackslashInName", {"a\\b"}, {}, {{"zvrhla\\b.vrh", validSet}}, badName},
    {"MissingFile", {"abc"}, {}, {}, cantOpen},
    {"NameCaseKeptForInput", {"ABC"}, {}, withInput(validSet), cantOpen, true},
    {"InputIsDirectory", {"abc"}, {"zvrhlabc.vrh"}, {}, cantOpen},
    {"EmptyFile", {"abc"}, {}, withInput(""), badFile},
    {"HeaderCutShort", {"abc"}, {}, withInput(validSet.substr(0, 51)), badFile},
    {"LevelHeaderCutShort", {"abc"}, {}, withInput(validSet.substr(0, 52 + 15)), badFile},
    {"TilesCutShort", {"abc"}, {}, withInput(validSet.substr(0, validSet.size() - 1)), badFile},
    {"SecondLevelMissing",
     {"abc"},
     {},
     withInput(levelsetFile("VRH0ABC", 2, {levelBlock(3, 3, 1)})),
     badFile},
    {"NineLevels", {"abc"}, {}, withInput(nineLevels()), badFile},
    {"Width33",
     {"abc"},
     {},
     withInput(levelsetFile("VRH0ABC", 1, {levelBlock(1, 33, 2)})),
     badFile},
    {"Height33",
     {"abc"},
     {},
     withInput(levelsetFile("VRH0ABC", 1, {levelBlock(33, 1, 3)})),
     badFile},
    {"LastOfEightTooWide", {"abc"}, {}, withInput(lastOfEightTooWide()), badFile},
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.label;
}

class Refused : public testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, PrintsOneMessageAndChangesNothing) {
    const RefusedCase& c = GetParam();
    if (c.needsCaseSensitiveNames && testingWindowsProgram()) {
        GTEST_SKIP() << "Windows finds zvrhlABC.vrh as zvrhlabc.vrh";
    }
    ScratchDir dir;
    // Outputs of an earlier split, which a refused run must leave alone.
    dir.put("header.vrh", "old header");
    dir.put("abc.lst", "old list\r\n");
    dir.put("level1.vrh", "old level");
    for (const std::string& name : c.directories) {
        dir.makeDirectory(name);
    }
    for (const auto& [name, bytes] : c.files) {
        dir.put(name, bytes);
    }
    const DirContents before = contentsOf(dir.path());

    const RunResult run = runLevelsplit(dir.path(), c.args);

    EXPECT_EQ(run.output, consoleText(c.message));
    EXPECT_EQ(run.exitStatus, refusedStatus);
    EXPECT_EQ(contentsOf(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Levelsplit, Refused, testing::ValuesIn(refusedCases),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- An input that is no regular file: refused at once, never waited on --------------------

void makeFifo(const std::filesystem::path& path) {
    ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
}

void makeSocketFile(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = path.string();
    ASSERT_LT(name.size(), sizeof address.sun_path);
    name.copy(address.sun_path, name.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    close(fd);
}

void linkToDevice(const std::filesystem::path& path) {
    std::filesystem::create_symlink("/dev/zero", path);
}

struct SpecialInputCase {
    const char* label;
    void (*make)(const std::filesystem::path&);
};

const SpecialInputCase specialInputCases[] = {
    {"Fifo", makeFifo},
    {"Socket", makeSocketFile},
    {"LinkToDevice", linkToDevice},
};

void PrintTo(const SpecialInputCase& c, std::ostream* os) {
    *os << c.label;
}

class SpecialInput : public testing::TestWithParam<SpecialInputCase> {};

TEST_P(SpecialInput, IsAnInvalidFileAndChangesNothing) {
    if (testingWindowsProgram()) {
        GTEST_SKIP() << "Windows keeps no FIFO, socket or device in a folder; wine shows the "
                        "Unix ones as files that do not open";
    }
    ScratchDir dir;
    dir.put("header.vrh", "old header");
    dir.put("abc.lst", "old list\r\n");
    GetParam().make(dir.path() / "zvrhlabc.vrh");
    const DirContents before = contentsOf(dir.path());

    const RunResult run = runLevelsplit(dir.path(), {"abc"});

    EXPECT_EQ(run.output, badFile);
    EXPECT_EQ(run.exitStatus, refusedStatus);
    EXPECT_EQ(contentsOf(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Levelsplit, SpecialInput, testing::ValuesIn(specialInputCases),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- Splits: nothing printed, status 0, exactly the expected files ------------------------

struct SplitCase {
    const char* label;
    std::string name;
    std::string inputName;
    std::string input;
    DirContents outputs;
};

// A fresh level of 12 columns by 8 rows: 16 header bytes and 96 floor tiles, 112 bytes.
const std::string freshLevel =
    std::string("\x08\x0C\x00\x63\x01\x00\x02\x00\x59\x00\x00\x03\x0B\x07\x00\x00", 16) +
    std::string(96, '\0');

const std::vector<std::string> twoLevels = {levelBlock(3, 5, 1), levelBlock(10, 20, 2)};

const std::vector<std::string> eightLevels = {
    levelBlock(32, 32, 1), levelBlock(1, 32, 2),  levelBlock(32, 1, 3), levelBlock(0, 0, 4),
    levelBlock(8, 12, 5),  levelBlock(20, 10, 6), levelBlock(5, 5, 7),  levelBlock(31, 30, 8),
};

DirContents levelFiles(const std::vector<std::string>& blocks) {
    DirContents files;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        files["level" + std::to_string(i + 1) + ".vrh"] = blocks[i];
    }
    return files;
}

DirContents merged(DirContents a, const DirContents& b) {
    a.insert(b.begin(), b.end());
    return a;
}

const SplitCase splitCases[] = {
    {"NoLevels",
     "abc",
     "zvrhlabc.vrh",
     levelsetFile("VRH0ABC", 0, {}),
     {{"header.vrh", headerFile("ABC", 0)}, {"abc.lst", ""}}},
    {"FreshLevel12x8",
     "abc",
     "zvrhlabc.vrh",
     levelsetFile("VRH0ABC", 1, {freshLevel}),
     {{"header.vrh", headerFile("ABC", 1)},
      {"abc.lst", "level1.vrh\r\n"},
      {"level1.vrh", freshLevel}}},
    {"TwoLevels", "abc", "zvrhlabc.vrh", levelsetFile("VRH0ABC", 2, twoLevels),
     merged({{"header.vrh", headerFile("ABC", 2)}, {"abc.lst", "level1.vrh\r\nlevel2.vrh\r\n"}},
            levelFiles(twoLevels))},
    {"EightLevels", "abc", "zvrhlabc.vrh", levelsetFile("VRH0ABC", 8, eightLevels),
     merged({{"header.vrh", headerFile("ABC", 8)}, {"abc.lst", listOf(8)}},
            levelFiles(eightLevels))},
    {"MixedCaseName", "AbC", "zvrhlAbC.vrh", levelsetFile("VRH0ABC", 2, twoLevels),
     merged({{"header.vrh", headerFile("ABC", 2)}, {"AbC.lst", listOf(2)}}, levelFiles(twoLevels))},
    {"DigitAndUnderscore",
     "a1_",
     "zvrhla1_.vrh",
     levelsetFile("VRH0ABC", 0, {}),
     {{"header.vrh", headerFile("A1_", 0)}, {"a1_.lst", ""}}},
    {"IdentificationIgnored",
     "xyz",
     "zvrhlxyz.vrh",
     levelsetFile(std::string("\xFF\x00qrsQR", 7), 1, {freshLevel}),
     {{"header.vrh", headerFile("XYZ", 1)}, {"xyz.lst", listOf(1)}, {"level1.vrh", freshLevel}}},
    {"TailAfterLastLevelIgnored", "abc", "zvrhlabc.vrh",
     levelsetFile("VRH0ABC", 2, twoLevels) + std::string(5000, '\x7F'),
     merged({{"header.vrh", headerFile("ABC", 2)}, {"abc.lst", listOf(2)}}, levelFiles(twoLevels))},
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.label;
}

class Split : public testing::TestWithParam<SplitCase> {};

TEST_P(Split, WritesHeaderLevelsAndList) {
    const SplitCase& c = GetParam();
    ScratchDir dir;
    dir.put(c.inputName, c.input);

    const RunResult run = runLevelsplit(dir.path(), {c.name});

    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(contentsOf(dir.path()), merged({{c.inputName, c.input}}, c.outputs));
}

INSTANTIATE_TEST_SUITE_P(Levelsplit, Split, testing::ValuesIn(splitCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(Levelsplit, ReplacesEarlierOutputsAndLeavesHigherLevelFilesAlone) {
    ScratchDir dir;
    const std::vector<std::string> threeLevels = {levelBlock(2, 3, 1), levelBlock(4, 4, 2),
                                                  levelBlock(1, 1, 3)};
    const std::string input = levelsetFile("VRH0ABC", 3, threeLevels);
    dir.put("zvrhlabc.vrh", input);
    // What a split of a larger set left here: every file longer than its replacement.
    dir.put("header.vrh", std::string(300, 'h'));
    dir.put("abc.lst", listOf(5));
    for (int i = 1; i <= 5; ++i) {
        dir.put("level" + std::to_string(i) + ".vrh", std::string(1040, static_cast<char>(i)));
    }

    const RunResult run = runLevelsplit(dir.path(), {"abc"});

    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.exitStatus, 0);
    DirContents expected = merged({{"header.vrh", headerFile("ABC", 3)}, {"abc.lst", listOf(3)}},
                                  levelFiles(threeLevels));
    expected["zvrhlabc.vrh"] = input;
    expected["level4.vrh"] = std::string(1040, '\x04');
    expected["level5.vrh"] = std::string(1040, '\x05');
    EXPECT_EQ(contentsOf(dir.path()), expected);
}

// ---- An output that can't be created: one message, stop there ------------------------------

struct UnwritableCase {
    const char* label;
    std::string blocked; // a directory standing where this output file would go
    std::string message;
    DirContents written; // outputs replaced by the time the tool stops
};

const std::vector<std::string> unwritableLevels = {levelBlock(2, 2, 1), levelBlock(3, 3, 2)};

const UnwritableCase unwritableCases[] = {
    {"ListFile", "abc.lst", "Error writing abc.lst!\n", {}},
    {"HeaderFile", "header.vrh", "Error writing header.vrh!\n", {{"abc.lst", ""}}},
    {"FirstLevelFile",
     "level1.vrh",
     "Error writing level1.vrh!\n",
     {{"abc.lst", listOf(1)}, {"header.vrh", headerFile("ABC", 2)}}},
    {"SecondLevelFile",
     "level2.vrh",
     "Error writing level2.vrh!\n",
     {{"abc.lst", listOf(2)},
      {"header.vrh", headerFile("ABC", 2)},
      {"level1.vrh", unwritableLevels[0]}}},
};

void PrintTo(const UnwritableCase& c, std::ostream* os) {
    *os << c.label;
}

class Unwritable : public testing::TestWithParam<UnwritableCase> {};

TEST_P(Unwritable, ReportsTheFileAndStops) {
    const UnwritableCase& c = GetParam();
    ScratchDir dir;
    const std::string input = levelsetFile("VRH0ABC", 2, unwritableLevels);
    dir.put("zvrhlabc.vrh", input);
    // Longer outputs of an earlier split: the ones reached are replaced, the rest kept.
    DirContents expected = {{"zvrhlabc.vrh", input},
                            {"header.vrh", std::string(300, 'h')},
                            {"abc.lst", listOf(8)},
                            {"level1.vrh", std::string(1040, '1')},
                            {"level2.vrh", std::string(1040, '2')}};
    expected.erase(c.blocked);
    for (const auto& [name, bytes] : expected) {
        dir.put(name, bytes);
    }
    dir.makeDirectory(c.blocked);

    const RunResult run = runLevelsplit(dir.path(), {"abc"});

    EXPECT_EQ(run.output, consoleText(c.message));
    EXPECT_EQ(run.exitStatus, refusedStatus);
    for (const auto& [name, bytes] : c.written) {
        expected[name] = bytes;
    }
    expected[c.blocked] = directoryMark;
    EXPECT_EQ(contentsOf(dir.path()), expected);
}

INSTANTIATE_TEST_SUITE_P(Levelsplit, Unwritable, testing::ValuesIn(unwritableCases),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace

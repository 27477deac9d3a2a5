// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Helpers to run levelsplit as a user would and to see what it left behind.
namespace splitrun {

// A fresh empty directory, removed with everything in it at the end of the case.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void put(const std::string& name, std::string_view bytes) const;
    void makeDirectory(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

struct RunResult {
    std::string output; // standard output, byte for byte
    int exitStatus;     // as the shell sees it; -1 when killed by a signal
};

// A run still going after this many seconds is killed.
inline constexpr unsigned hangSeconds = 10;
// Runs levelsplit with args in dir. The program is this build's, or, with VRH_LEVELSPLIT_EXE
// naming a levelsplit.exe, that Windows program through wine.
RunResult runLevelsplit(const std::filesystem::path& dir, const std::vector<std::string>& args);

// Whether the program under test is the Windows one.
bool testingWindowsProgram();
// A message as the program's console writes it: on Windows each "\n" arrives as "\r\n".
std::string consoleText(std::string_view message);

// Every entry of a directory: file name to its bytes, a subdirectory to "<dir>", anything else
// that is no regular file (a FIFO, a device) to "<special>".
using DirContents = std::map<std::string, std::string>;
DirContents contentsOf(const std::filesystem::path& dir);
inline constexpr const char* directoryMark = "<dir>";
inline constexpr const char* specialMark = "<special>";

// A level block: height, width, 14 more header bytes, then height x width tiles,
// all bytes derived from seed so that no two levels look alike.
std::string levelBlock(std::uint8_t height, std::uint8_t width, std::uint8_t seed);

// Reserved pair and passcodes every test levelset carries.
inline constexpr std::string_view testReserved = "\xA5\x5A";
inline constexpr std::string_view testPasscodes = "LEVEL2LEVEL3LEVEL4LEVEL5LEVEL6LEVEL7LEVEL8";

// A levelset file: 7 identification bytes, the count byte, reserved pair, passcodes, blocks.
std::string levelsetFile(std::string_view identification, std::uint8_t count,
                         const std::vector<std::string>& blocks);

} // namespace splitrun

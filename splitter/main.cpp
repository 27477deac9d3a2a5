// SPDX-License-Identifier: GPL-3.0-or-later
// levelsplit NAME: splits zvrhlNAME.vrh of the current directory into header.vrh,
// level1.vrh to level8.vrh and NAME.lst there.
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <variant>

#if defined(__unix__) || defined(__APPLE__)
#define LEVELSPLIT_POSIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "levelsetimage.h"
#include "splitnames.h"

namespace {

using namespace levelsplit;

int fail(const std::string& message) {
    std::fputs(message.c_str(), stdout);
    std::fflush(stdout);
    return -1;
}

enum class InputProblem { CannotOpen, NotAFile };

// Opens the levelset for reading. Anything but a regular file is refused before it is opened:
// opening a FIFO waits for a writer and a device never ends. Where the system allows, the open
// itself doesn't wait either, so a file swapped for a FIFO in between is refused too.
std::variant<std::FILE*, InputProblem> openLevelset(const std::string& fileName) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_type type = fs::status(fileName, error).type();
    if (error || type == fs::file_type::directory) {
        return InputProblem::CannotOpen;
    }
    if (type != fs::file_type::regular) {
        return InputProblem::NotAFile;
    }
#ifdef LEVELSPLIT_POSIX
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return InputProblem::CannotOpen;
    }
    struct stat opened {};
    const bool regular = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    std::FILE* file = regular ? ::fdopen(fd, "rb") : nullptr;
    if (file == nullptr) {
        ::close(fd);
        return regular ? InputProblem::CannotOpen : InputProblem::NotAFile;
    }
    return file;
#else
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) {
        return InputProblem::CannotOpen;
    }
    return file;
#endif
}

// Reads no further than a valid levelset can reach; a longer file only has a tail nobody reads.
std::variant<std::string, InputProblem> readLevelset(const std::string& fileName) {
    const std::variant<std::FILE*, InputProblem> opened = openLevelset(fileName);
    if (const InputProblem* problem = std::get_if<InputProblem>(&opened)) {
        return *problem;
    }
    std::FILE* file = std::get<std::FILE*>(opened);
    std::string bytes(maxLevelsetSize, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const std::size_t n = std::fread(bytes.data() + got, 1, bytes.size() - got, file);
        if (n == 0) {
            break;
        }
        got += n;
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return InputProblem::CannotOpen;
    }
    bytes.resize(got);
    return bytes;
}

bool writeAll(std::FILE* file, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

// An existing file is overwritten in place and then cut to its new length, not emptied first:
// emptying a file whose earlier contents are still on their way to the disk waits for them.
std::FILE* openForReplacing(const char* fileName) {
    std::FILE* file = std::fopen(fileName, "r+b");
    return file != nullptr ? file : std::fopen(fileName, "wb");
}

bool closeAtLength(std::FILE* file, const char* fileName, std::size_t length) {
    if (std::fclose(file) != 0) {
        return false;
    }
    std::error_code error;
    std::filesystem::resize_file(fileName, length, error);
    return !error;
}

bool writeFile(const char* fileName, std::string_view bytes) {
    std::FILE* file = openForReplacing(fileName);
    if (file == nullptr) {
        return false;
    }
    const bool written = writeAll(file, bytes);
    return closeAtLength(file, fileName, bytes.size()) && written;
}

std::string writingError(std::string_view fileName) {
    return "Error writing " + std::string(fileName) + "!\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return fail("Wrong number of arguments!\n");
    }
    const std::string_view name = argv[1];
    if (!isValidLevelsetName(name)) {
        return fail("Invalid Levelset name!");
    }
    const std::string invalidFile = "Invalid Levelset file!\n";
    const std::variant<std::string, InputProblem> bytes = readLevelset(levelsetFileName(name));
    if (const InputProblem* problem = std::get_if<InputProblem>(&bytes)) {
        return fail(*problem == InputProblem::NotAFile ? invalidFile : "Error opening Levelset!\n");
    }
    const std::optional<LevelsetImage> image = parseLevelset(std::get<std::string>(bytes));
    if (!image) {
        return fail(invalidFile);
    }

    // Binary mode and an explicit CR LF: the same list file on every platform.
    const std::string listName = listFileName(name);
    std::FILE* list = openForReplacing(listName.c_str());
    if (list == nullptr) {
        return fail(writingError(listName));
    }
    std::size_t listLength = 0;
    const auto stop = [&](std::string_view fileName) {
        closeAtLength(list, listName.c_str(), listLength);
        return fail(writingError(fileName));
    };
    if (!writeFile(headerFileName, headerFileBytes(name, *image))) {
        return stop(headerFileName);
    }
    for (std::size_t i = 0; i < image->numLevels; ++i) {
        // The list names a level before its file exists.
        const std::string line = listLine(i);
        if (!writeAll(list, line) || std::fflush(list) != 0) {
            return stop(listName);
        }
        listLength += line.size();
        if (!writeFile(levelFileNames[i], image->levels[i])) {
            return stop(levelFileNames[i]);
        }
    }
    if (!closeAtLength(list, listName.c_str(), listLength)) {
        return fail(writingError(listName));
    }
    return 0;
}

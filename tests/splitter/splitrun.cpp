// SPDX-License-Identifier: GPL-3.0-or-later
#include "splitrun.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace splitrun {

ScratchDir::ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "levelsplit-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a scratch directory");
    }
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void ScratchDir::put(const std::string& name, std::string_view bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + name);
    }
}

void ScratchDir::makeDirectory(const std::string& name) const {
    fs::create_directory(path_ / name);
}

RunResult runLevelsplit(const fs::path& dir, const std::vector<std::string>& args) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        throw std::runtime_error("pipe failed");
    }
    std::vector<std::string> command = {LEVELSPLIT_PATH};
    if (testingWindowsProgram()) {
        command = {"wine", std::getenv("VRH_LEVELSPLIT_EXE")};
    }
    command.insert(command.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : command) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        close(pipeEnds[0]);
        if (chdir(dir.c_str()) != 0 || dup2(pipeEnds[1], STDOUT_FILENO) < 0) {
            _exit(127);
        }
        // A run that blocks (on a FIFO, say) is ended by the alarm, which the program
        // inherits: the case fails with status -1 instead of hanging the suite.
        alarm(hangSeconds);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    RunResult result{{}, -1};
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
        if (n > 0) {
            result.output.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    close(pipeEnds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) {
        result.exitStatus = WEXITSTATUS(status);
    }
    return result;
}

bool testingWindowsProgram() {
    const char* exe = std::getenv("VRH_LEVELSPLIT_EXE");
    return exe != nullptr && *exe != '\0';
}

std::string consoleText(std::string_view message) {
    std::string text;
    for (const char c : message) {
        if (c == '\n' && testingWindowsProgram()) {
            text += '\r';
        }
        text += c;
    }
    return text;
}

DirContents contentsOf(const fs::path& dir) {
    DirContents contents;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory()) {
            contents[name] = directoryMark;
            continue;
        }
        if (!entry.is_regular_file()) {
            contents[name] = specialMark; // reading a FIFO or device could block or never end
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        contents[name].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return contents;
}

std::string levelBlock(std::uint8_t height, std::uint8_t width, std::uint8_t seed) {
    std::string block;
    block += static_cast<char>(height);
    block += static_cast<char>(width);
    for (int i = 0; i < 14; ++i) {
        block += static_cast<char>(seed + 3 * i);
    }
    for (int i = 0; i < height * width; ++i) {
        block += static_cast<char>(seed * 31 + i * 7);
    }
    return block;
}

std::string levelsetFile(std::string_view identification, std::uint8_t count,
                         const std::vector<std::string>& blocks) {
    std::string file(identification);
    file += static_cast<char>(count);
    file += testReserved;
    file += testPasscodes;
    for (const std::string& block : blocks) {
        file += block;
    }
    return file;
}

} // namespace splitrun

// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting the largest possible levelset (8 levels of 32 x 32) as a whole process, start to
// exit, next to cat copying the same file to /dev/null: the process start-up is most of both.
// Beside them VrhEdit draws the same set into one picture from its command line, writes it as
// text and says what differs between it and a changed copy.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Every run works in one scratch directory, so the split replaces the files of the run before.
class BenchDir {
  public:
    BenchDir() {
        std::string pattern = (fs::temp_directory_path() / "levelsplit-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a scratch directory");
        }
        path_ = pattern;
        std::string set = "VRH0BIG";
        set += '\x08';
        set += std::string(2, '\0');
        set += std::string(42, ' ');
        for (int level = 0; level < 8; ++level) {
            std::string header(16, static_cast<char>(level));
            header[0] = 32;
            header[1] = 32;
            set += header;
            for (int i = 0; i < 32 * 32; ++i) {
                set += static_cast<char>((level * 37 + i) & 0xFF);
            }
        }
        std::ofstream(path_ / "zvrhlbig.vrh", std::ios::binary) << set;
        // The same set after a day's work: a value and a few cells of each level changed.
        for (int level = 0; level < 8; ++level) {
            const std::size_t start = 52 + level * (16 + 32 * 32);
            set[start + 3] = 60;
            for (int i = 0; i < 12; ++i) {
                set[start + 16 + i * 85] = '\x5A';
            }
        }
        std::ofstream(path_ / "zvrhlnew.vrh", std::ios::binary) << set;
    }
    ~BenchDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

const BenchDir& benchDir() {
    static const BenchDir dir;
    return dir;
}

// Starts the program with stdout to /dev/null in the scratch directory and waits for it to
// end with the exit status expected.
void runProcess(benchmark::State& state, std::vector<const char*> arguments, int expected = 0) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, benchDir().path().c_str());
    arguments.push_back(nullptr);
    char* const* argv = const_cast<char* const*>(arguments.data());
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawnp(&child, arguments.front(), &actions, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the program");
            break;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != expected) {
            state.SkipWithError("the program failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

void BM_LevelsplitLargestSet(benchmark::State& state) {
    runProcess(state, {LEVELSPLIT_PATH, "big"});
}
BENCHMARK(BM_LevelsplitLargestSet)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_CatSameFile(benchmark::State& state) {
    runProcess(state, {"cat", "zvrhlbig.vrh"});
}
BENCHMARK(BM_CatSameFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Reading the set, drawing the eight levels into one 2048 x 1056 picture and writing it as PNG,
// on the platform without a display the command line takes.
void BM_VrhEditExportPictureSameFile(benchmark::State& state) {
    runProcess(state, {VRHEDIT_PATH, "--export-picture", "big.png", "zvrhlbig.vrh"});
}
BENCHMARK(BM_VrhEditExportPictureSameFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same set as text, as git's diff asks for it.
void BM_VrhEditPrintSameFile(benchmark::State& state) {
    runProcess(state, {VRHEDIT_PATH, "--print", "zvrhlbig.vrh"});
}
BENCHMARK(BM_VrhEditPrintSameFile)->Unit(benchmark::kMicrosecond)->UseRealTime();

// What differs between the set and its changed copy: exit 3, some 100 lines.
void BM_VrhEditDiffTwoSets(benchmark::State& state) {
    runProcess(state, {VRHEDIT_PATH, "--diff", "zvrhlbig.vrh", "zvrhlnew.vrh"}, 3);
}
BENCHMARK(BM_VrhEditDiffTwoSets)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();

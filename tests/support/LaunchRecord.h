#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// One start of the record-args program, as it wrote it down.
struct RecordedRun {
    std::string directory;
    std::vector<std::string> arguments; // argv[0] first
};

// Reads the runs written to `file`, waiting (a few seconds at most) until
// `expected` complete runs are there, since started programs run on their
// own. Gives back what is there by then.
inline std::vector<RecordedRun> waitForRuns(const std::filesystem::path& file, std::size_t expected)
{
    std::vector<RecordedRun> runs;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        runs.clear();
        std::ifstream in(file);
        std::string line;
        RecordedRun run;
        bool inRun = false;
        bool haveDirectory = false;
        while (std::getline(in, line)) {
            if (!inRun && line == "run") {
                inRun = true;
                haveDirectory = false;
                run = {};
            } else if (inRun && line == "end") {
                runs.push_back(run);
                inRun = false;
            } else if (inRun && !haveDirectory) {
                run.directory = line;
                haveDirectory = true;
            } else if (inRun) {
                run.arguments.push_back(line);
            }
        }
        if (runs.size() >= expected || std::chrono::steady_clock::now() > deadline)
            return runs;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

} // namespace testing_support

// A program for the launch tests: appends what it was started with to the
// file named by AUTOPLAY_RECORD: a line "run", its working directory, its
// own name as started (argv[0]), then one line per further argument, and a
// line "end". When AUTOPLAY_CHECK_FD names a descriptor, a line
// "descriptor open" or "descriptor closed" comes before "end".

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    const char* record = std::getenv("AUTOPLAY_RECORD");
    if (!record)
        return 1;
    const char* checked = std::getenv("AUTOPLAY_CHECK_FD");
    const bool inherited = checked && std::filesystem::exists(std::string("/proc/self/fd/") + checked);
    std::ofstream out(record, std::ios::app);
    out << "run\n" << std::filesystem::current_path().string() << "\n";
    for (int i = 0; i < argc; ++i)
        out << argv[i] << "\n";
    if (checked)
        out << (inherited ? "descriptor open" : "descriptor closed") << "\n";
    out << "end\n";
    return 0;
}

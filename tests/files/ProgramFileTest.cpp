#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "files/ProgramFile.h"
#include "support/Scratch.h"

namespace tarvo::files {
namespace {

namespace fs = std::filesystem;

// A scratch folder that also makes files of a size.
struct Scratch : test::Scratch {
    std::string sized(const std::string& name, std::uint64_t size) const {
        const std::string path = put(name, "");
        fs::resize_file(path, size);
        return path;
    }
};

ReadProblem problemOf(const std::string& path) {
    return readProgramFile(path).problem;
}

// A regular file comes in byte for byte, up to the size limit and no further.
TEST(FilesProgramFile, RegularFilesAreReadWholeUpToTheLimit) {
    const Scratch s;
    const std::string bytes("%\r\nG01X1\0\xff\r\n", 12);
    EXPECT_EQ(readProgramFile(s.put("a.nc", bytes)).bytes, bytes);
    EXPECT_EQ(readProgramFile(s.sized("limit.nc", maxProgramBytes)).bytes.size(), maxProgramBytes);
    const ProgramBytes over = readProgramFile(s.sized("over.nc", maxProgramBytes + 1));
    EXPECT_EQ(over.problem, ReadProblem::TooLarge);
    EXPECT_TRUE(over.bytes.empty());
}

// Pipes and devices are refused at once: nothing waits for a writer or reads without end.
TEST(FilesProgramFile, OnlyRegularFilesAreRead) {
    const Scratch s;
    ASSERT_EQ(mkfifo(s.path("pipe").c_str(), 0600), 0);
    fs::create_symlink(s.path("pipe"), s.path("link.nc"));
    fs::create_directory(s.path("sub"));
    s.put("a.nc", "%");
    EXPECT_EQ(problemOf(s.path("pipe")), ReadProblem::NotRegularFile);
    EXPECT_EQ(problemOf(s.path("link.nc")), ReadProblem::NotRegularFile);
    EXPECT_EQ(problemOf("/dev/zero"), ReadProblem::NotRegularFile);
    EXPECT_EQ(problemOf("/dev/null"), ReadProblem::NotRegularFile);
    EXPECT_EQ(problemOf(s.path("sub")), ReadProblem::Folder);
    EXPECT_EQ(problemOf(s.path("none.nc")), ReadProblem::Missing);
    EXPECT_EQ(problemOf(s.path("a.nc/b.nc")), ReadProblem::Missing);
    EXPECT_EQ(problemOf("/proc/self/mem"), ReadProblem::Failed);
}

}  // namespace
}  // namespace tarvo::files

#include "files/WholeFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "support/Scratch.h"

// The one writer of the window's saves, its exports and the runner's outputs.
namespace tarvo::files {
namespace {

namespace fs = std::filesystem;

// A write that fails leaves what was there as it was and no other file: into a missing folder,
// over a folder, over a pipe (as over a device); on a full disk, the runner's tests of its outputs
// under a file-size limit. One that succeeds replaces it.
TEST(WholeFile, IsWrittenWholeOrNotAtAll) {
    const test::Scratch s;
    s.put("a.nc", "old program");
    fs::create_directory(s.path("sub"));
    ASSERT_EQ(mkfifo(s.path("pipe").c_str(), 0600), 0);
    const auto write = [&s](const std::string& name) {
        return writeWhole(s.path(name), "G00X100Y100\n");
    };
    EXPECT_FALSE(write("none/a.nc"));
    EXPECT_FALSE(write("sub"));
    EXPECT_FALSE(write("pipe"));
    EXPECT_EQ(s.bytes("a.nc"), "old program");
    EXPECT_EQ(s.names(), (std::vector<std::string>{"a.nc", "pipe", "sub"}));
    EXPECT_TRUE(fs::is_fifo(s.path("pipe")) && fs::is_empty(s.path("sub")));
    EXPECT_TRUE(write("a.nc"));
    EXPECT_EQ(s.bytes("a.nc"), "G00X100Y100\n");
}

// Until commit the name shows the old file and the new bytes lie in one hidden file beside it;
// a file never committed goes with its writer. Pieces larger than the buffer arrive in order.
TEST(WholeFile, ShowsNothingBeforeCommit) {
    const test::Scratch s;
    s.put("t.csv", "old");
    const std::string big(200 * 1024, 'x');
    {
        WholeFile file;
        ASSERT_TRUE(file.open(s.path("t.csv")));
        file.write("head,");
        file.write(big);
        file.stream() << ",tail\n";
        EXPECT_EQ(s.bytes("t.csv"), "old");
        EXPECT_EQ(s.names().size(), 2u);
        ASSERT_TRUE(file.commit());
    }
    EXPECT_EQ(s.bytes("t.csv"), "head," + big + ",tail\n");
    EXPECT_EQ(s.names(), std::vector<std::string>{"t.csv"});
    {
        WholeFile file;
        ASSERT_TRUE(file.open(s.path("t.csv")));
        file.write("never");
    }
    EXPECT_EQ(s.bytes("t.csv"), "head," + big + ",tail\n");
    EXPECT_EQ(s.names(), std::vector<std::string>{"t.csv"});
}

// A replaced file keeps its mode; a link stays a link, also to a file not there yet, and the
// file appears where it points; links in a loop are refused.
TEST(WholeFile, FollowsLinksAndKeepsTheMode) {
    const test::Scratch s;
    s.put("kept.nc", "old");
    chmod(s.path("kept.nc").c_str(), 0604);
    ASSERT_TRUE(writeWhole(s.path("kept.nc"), "new"));
    struct stat info {};
    stat(s.path("kept.nc").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0604u);

    fs::create_directory(s.path("out"));
    fs::create_symlink("out/later.csv", s.path("link.csv"));
    ASSERT_TRUE(writeWhole(s.path("link.csv"), "rows"));
    EXPECT_TRUE(fs::is_symlink(s.path("link.csv")));
    EXPECT_EQ(s.bytes("out/later.csv"), "rows");
    ASSERT_TRUE(writeWhole(s.path("link.csv"), "again"));
    EXPECT_TRUE(fs::is_symlink(s.path("link.csv")));
    EXPECT_EQ(s.bytes("out/later.csv"), "again");

    fs::create_symlink("loop-b", s.path("loop-a"));
    fs::create_symlink("loop-a", s.path("loop-b"));
    EXPECT_FALSE(landingPath(s.path("loop-a")));
    EXPECT_FALSE(writeWhole(s.path("loop-a"), "x"));
}

// Two names of one file are found by device and inode where it is there, and by where they
// land where it is not: through links, "." and "..", a link to a file not yet there.
TEST(WholeFile, FindsTwoNamesOfOneFile) {
    const test::Scratch s;
    s.put("a.csv", "");
    fs::create_directory(s.path("sub"));
    fs::create_symlink("a.csv", s.path("to-a"));
    fs::create_symlink("sub/new.csv", s.path("to-new"));
    fs::create_hard_link(s.path("a.csv"), s.path("hard.csv"));
    EXPECT_TRUE(sameFile(s.path("a.csv"), s.path("to-a")));
    EXPECT_TRUE(sameFile(s.path("a.csv"), s.path("hard.csv")));
    EXPECT_TRUE(sameFile(s.path("a.csv"), s.path("sub/../a.csv")));
    EXPECT_TRUE(sameFile(s.path("sub/new.csv"), s.path("to-new")));
    EXPECT_TRUE(sameFile(s.path("./sub//new.csv"), s.path("sub/new.csv")));
    EXPECT_FALSE(sameFile(s.path("a.csv"), s.path("b.csv")));
    EXPECT_FALSE(sameFile(s.path("sub/new.csv"), s.path("new.csv")));
    EXPECT_FALSE(sameFile(s.path("a.csv"), s.path("to-new")));
}

// An interrupt while files are being written removes their temporary files and ends the
// process by the signal itself; the old file stays.
TEST(WholeFile, InterruptLeavesNoTemporaryFile) {
    for (const int signal : {SIGINT, SIGTERM}) {
        const test::Scratch s;
        s.put("old.csv", "old");
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            removeTemporariesOnInterrupt();
            WholeFile first, second;
            if (!first.open(s.path("old.csv")) || !second.open(s.path("new.csv"))) _exit(10);
            first.write(std::string(100000, 'a'));
            raise(signal);
            _exit(11);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(s.names(), std::vector<std::string>{"old.csv"});
        EXPECT_EQ(s.bytes("old.csv"), "old");
    }
}

}  // namespace
}  // namespace tarvo::files

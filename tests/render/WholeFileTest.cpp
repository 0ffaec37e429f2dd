#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QByteArray>
#include <QString>
#include <csignal>
#include <filesystem>

#include "render/WholeFile.h"
#include "support/Scratch.h"

// The one writer of the window's saves, its exports and the runner's pictures.
namespace tarvo::render {
namespace {

namespace fs = std::filesystem;

// Writes beyond a few bytes fail (EFBIG) while it lives: a full disk, even for root.
struct FileSizeLimit {
    rlimit old{};
    FileSizeLimit() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit tight = old;
        tight.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};

// A write that fails leaves what was there as it was and no other file: into a missing folder,
// over a folder, over a pipe (as over a device), on a full disk. One that succeeds replaces it.
TEST(WholeFile, IsWrittenWholeOrNotAtAll) {
    const test::Scratch s;
    s.put("a.nc", "old program");
    fs::create_directory(s.path("sub"));
    ASSERT_EQ(mkfifo(s.path("pipe").c_str(), 0600), 0);
    const auto write = [&s](const std::string& name) {
        return writeWhole(QString::fromStdString(s.path(name)), QByteArray("G00X100Y100\n"));
    };
    EXPECT_FALSE(write("none/a.nc"));
    EXPECT_FALSE(write("sub"));
    EXPECT_FALSE(write("pipe"));
    {
        const FileSizeLimit limit;
        EXPECT_FALSE(write("a.nc"));
    }
    EXPECT_EQ(s.bytes("a.nc"), "old program");
    EXPECT_EQ(s.names(), (std::vector<std::string>{"a.nc", "pipe", "sub"}));
    EXPECT_TRUE(fs::is_fifo(s.path("pipe")) && fs::is_empty(s.path("sub")));
    EXPECT_TRUE(write("a.nc"));
    EXPECT_EQ(s.bytes("a.nc"), "G00X100Y100\n");
}

}  // namespace
}  // namespace tarvo::render

#include "files/ProgramFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace tarvo::files {

namespace {

// Closes the descriptor however reading ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

ReadProblem openProblem(int error) {
    if (error == ELOOP) return ReadProblem::LinkLoop;
    return error == ENOENT || error == ENOTDIR ? ReadProblem::Missing : ReadProblem::Failed;
}

// Reads up to one byte beyond the limit, so a file that grows while it is
// read is still found too large.
ReadProblem readAll(int fd, std::uint64_t expected, std::string& bytes) {
    bytes.resize(static_cast<std::size_t>(expected) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (bytes.size() > maxProgramBytes) return ReadProblem::TooLarge;
            bytes.resize(std::min<std::size_t>(bytes.size() * 2, maxProgramBytes + 1));
        }
        const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return ReadProblem::Failed;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return ReadProblem::None;
}

}  // namespace

// Opened without blocking, so that a pipe without a writer or a device that
// waits for a carrier cannot hold the caller; what the descriptor turns out
// to be decides whether a byte is read.
ProgramBytes readProgramFile(const std::string& path) {
    ProgramBytes result;
    const Descriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0) {
        result.problem = openProblem(errno);
    } else if (fstat(fd.get(), &info) != 0) {
        result.problem = ReadProblem::Failed;
    } else if (S_ISDIR(info.st_mode)) {
        result.problem = ReadProblem::Folder;
    } else if (!S_ISREG(info.st_mode)) {
        result.problem = ReadProblem::NotRegularFile;
    } else if (static_cast<std::uint64_t>(info.st_size) > maxProgramBytes) {
        result.problem = ReadProblem::TooLarge;
    } else {
        result.problem = readAll(fd.get(), static_cast<std::uint64_t>(info.st_size), result.bytes);
    }
    if (result.problem != ReadProblem::None) result.bytes.clear();
    return result;
}

}  // namespace tarvo::files

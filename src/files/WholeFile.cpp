#include "files/WholeFile.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace tarvo::files {

namespace fs = std::filesystem;

namespace {

// The temporary files not yet committed, for the interrupt handler to
// remove: only loads, stores and unlink, all safe in a signal handler.
constexpr int slotCount = 64;
std::atomic<const char*> temporaries[slotCount];

// Holds SIGINT and SIGTERM back while a temporary file is created and put in
// the list, or taken out and removed, so an interrupt never falls between.
class InterruptsHeld {
public:
    InterruptsHeld() {
        sigset_t held;
        sigemptyset(&held);
        sigaddset(&held, SIGINT);
        sigaddset(&held, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &held, &old_);
    }
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;
    ~InterruptsHeld() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }

private:
    sigset_t old_;
};

int listTemporary(const char* name) {
    for (int i = 0; i < slotCount; ++i) {
        const char* none = nullptr;
        if (temporaries[i].compare_exchange_strong(none, name)) return i;
    }
    return -1;
}

void removeTemporariesAndEnd(int signal) {
    const int saved = errno;
    for (auto& slot : temporaries) {
        if (const char* name = slot.load()) unlink(name);
    }
    errno = saved;
    // The handler was reset to the default on entry; the signal raised here
    // waits until the handler returns and then ends the process as it would have.
    raise(signal);
}

// A hidden name in the same folder, so that the rename never crosses file systems.
std::string temporaryName(const std::string& path, unsigned number) {
    const fs::path target(path);
    return (target.parent_path() /
            ("." + target.filename().string() + ".tarvo-" + std::to_string(number)))
        .string();
}

bool writeAll(int fd, const char* s, std::size_t n) {
    while (n > 0) {
        const ssize_t done = ::write(fd, s, n);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        s += done;
        n -= static_cast<std::size_t>(done);
    }
    return true;
}

}  // namespace

WholeFile::Buffer::Buffer() {
    setp(bytes_, bytes_ + size);
}

bool WholeFile::Buffer::put(const char* s, std::size_t n) {
    if (!failed_ && !writeAll(fd_, s, n)) failed_ = true;
    return !failed_;
}

bool WholeFile::Buffer::drain() {
    const bool drained = put(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(bytes_, bytes_ + size);
    return drained;
}

WholeFile::Buffer::int_type WholeFile::Buffer::overflow(int_type c) {
    if (!drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

// What does not fit in the room left goes to the file at once, without a copy.
std::streamsize WholeFile::Buffer::xsputn(const char* s, std::streamsize n) {
    const auto count = static_cast<std::size_t>(n);
    if (count <= static_cast<std::size_t>(epptr() - pptr())) {
        std::memcpy(pptr(), s, count);
        pbump(static_cast<int>(n));
        return n;
    }
    if (!drain()) return 0;
    if (count < size) {
        std::memcpy(pptr(), s, count);
        pbump(static_cast<int>(n));
        return n;
    }
    return put(s, count) ? n : 0;
}

WholeFile::WholeFile() : stream_(&buffer_) {}

WholeFile::~WholeFile() {
    if (!temporary_.empty()) discard();
}

void WholeFile::discard() {
    const InterruptsHeld held;
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    unlink(temporary_.c_str());
    if (slot_ >= 0) temporaries[slot_].store(nullptr);
    slot_ = -1;
    temporary_.clear();
}

// The temporary file gets the mode the file would have: that of the file it
// replaces, or what the umask leaves of 0666 for a new one.
bool WholeFile::open(const std::string& name) {
    const std::optional<std::string> path = landingPath(name);
    if (!path || isNoRegularFile(*path) || !temporary_.empty()) return false;
    struct stat old {};
    const bool replaces = stat(path->c_str(), &old) == 0;
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const InterruptsHeld held;
        std::string temporary = temporaryName(*path, random());
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return false;
        fd_ = fd;
        temporary_ = std::move(temporary);
        slot_ = listTemporary(temporary_.c_str());
        path_ = *path;
        buffer_.attach(fd_);
        return !replaces || fchmod(fd, old.st_mode & 07777) == 0;
    }
    return false;
}

bool WholeFile::commit() {
    if (temporary_.empty()) return false;
    stream_.flush();
    const bool written = buffer_.drain() && !buffer_.failed() && fsync(fd_) == 0;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    if (!written || !closed || rename(temporary_.c_str(), path_.c_str()) != 0) {
        discard();
        return false;
    }
    const InterruptsHeld held;
    if (slot_ >= 0) temporaries[slot_].store(nullptr);
    slot_ = -1;
    temporary_.clear();
    return true;
}

bool writeWhole(const std::string& path, std::string_view bytes) {
    WholeFile file;
    if (!file.open(path)) return false;
    file.write(bytes);
    return file.commit();
}

bool isNoRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

std::optional<std::string> landingPath(const std::string& path) {
    fs::path at(path);
    // As many links as the kernel follows before it gives up with ELOOP.
    for (int links = 0; links <= 40; ++links) {
        char target[PATH_MAX];
        const ssize_t length = readlink(at.c_str(), target, sizeof target);
        if (length < 0) return at.string();
        const fs::path next(std::string(target, static_cast<std::size_t>(length)));
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return std::nullopt;
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    const bool firstThere = stat(a.c_str(), &first) == 0;
    const bool secondThere = stat(b.c_str(), &second) == 0;
    if (firstThere && secondThere) {
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    }
    if (firstThere != secondThere) return false;
    const auto landA = landingPath(a), landB = landingPath(b);
    if (!landA || !landB) return false;
    std::error_code error;
    const fs::path normalA = fs::weakly_canonical(fs::absolute(*landA), error);
    const fs::path normalB = fs::weakly_canonical(fs::absolute(*landB), error);
    return !error && normalA == normalB;
}

void removeTemporariesOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = removeTemporariesAndEnd;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace tarvo::files

#include "cli/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

namespace tarvo::cli {

namespace fs = std::filesystem;

namespace {

// A hidden name in the same folder, so that the rename never crosses file
// systems.
std::string temporaryName(const std::string& path, unsigned number) {
    const fs::path target(path);
    return (target.parent_path() /
            ("." + target.filename().string() + ".tarvo-" + std::to_string(number)))
        .string();
}

}  // namespace

OutputFile::~OutputFile() {
    if (committed_ || temporary_.empty()) return;
    out_.close();
    std::remove(temporary_.c_str());
}

// The temporary file gets the mode the file would have: that of the file it
// replaces, or what the umask leaves of 0666 for a new one. A link is
// followed, so the file it names is replaced and the link stays.
bool OutputFile::open(const std::string& name) {
    if (isNoRegularFile(name)) return false;
    std::error_code error;
    const std::string path = fs::weakly_canonical(name, error).string();
    if (error) return false;
    struct stat old {};
    const bool replaces = stat(path.c_str(), &old) == 0;
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string temporary = temporaryName(path, random());
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return false;
        const bool kept = !replaces || fchmod(fd, old.st_mode & 07777) == 0;
        close(fd);
        temporary_ = temporary;
        path_ = path;
        out_.open(temporary_, std::ios::binary | std::ios::trunc);
        return kept && out_.is_open();
    }
    return false;
}

bool OutputFile::commit() {
    out_.close();
    if (!out_ || std::rename(temporary_.c_str(), path_.c_str()) != 0) return false;
    committed_ = true;
    return true;
}

bool isProgramFile(const std::string& output, const std::string& program) {
    std::error_code error;
    return fs::equivalent(output, program, error) && !error;
}

bool isNoRegularFile(const std::string& output) {
    std::error_code error;
    const fs::file_status status = fs::status(output, error);
    return fs::exists(status) && !fs::is_regular_file(status);
}

}  // namespace tarvo::cli

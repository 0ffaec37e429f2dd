#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace tarvo::files {

// A file written as it is made, under a temporary name beside its own, that
// takes its name only once every byte of it is on disk: a reader never sees
// half a file, and a full disk, a file-size limit or an interrupted runner
// leaves the old file as it was and nothing else. The window's saves and
// exports, its pages and the runner's outputs all go through it.
//
// A name that is a symbolic link is followed, also to a file not there yet:
// the link stays and the file appears where it points.
class WholeFile {
public:
    WholeFile();
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;
    // Removes the temporary file unless it was committed.
    ~WholeFile();

    // Creates the temporary file; false when the folder cannot take it or the
    // name belongs to something other than a regular file (a folder, a
    // device, a pipe), which is never replaced.
    bool open(const std::string& name);
    // Buffered; a failed write is remembered and reported by commit().
    std::ostream& stream() { return stream_; }
    void write(std::string_view bytes) {
        stream_.write(bytes.data(), std::streamsize(bytes.size()));
    }
    // Puts the rest on disk and gives the file its name; false, leaving no
    // file, when any write failed.
    bool commit();

private:
    class Buffer : public std::streambuf {
    public:
        Buffer();
        void attach(int fd) { fd_ = fd; }
        bool drain();
        bool failed() const { return failed_; }

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* s, std::streamsize n) override;
        int sync() override { return drain() ? 0 : -1; }

    private:
        bool put(const char* s, std::size_t n);

        static constexpr std::size_t size = 64 * 1024;
        char bytes_[size];
        int fd_ = -1;
        bool failed_ = false;
    };

    void discard();

    std::string path_, temporary_;
    int fd_ = -1;
    int slot_ = -1;  // in the list of files an interrupt removes
    Buffer buffer_;
    std::ostream stream_;
};

// Writes a whole file in one go; false, leaving the old one, if it could not.
bool writeWhole(const std::string& path, std::string_view bytes);

// Whether the name belongs to something that is neither absent nor a regular
// file (a link is followed): no output ever replaces a device or a folder.
bool isNoRegularFile(const std::string& path);

// Where a file written under this name lands: the name with every symbolic
// link it ends in followed, also one to a file not there yet. Nothing when
// the links go round in a loop.
std::optional<std::string> landingPath(const std::string& path);

// Whether two names land on the same file: by device and inode where it is
// there, by the folder it lands in and its name otherwise.
bool sameFile(const std::string& a, const std::string& b);

// From now on SIGINT and SIGTERM first remove the temporary files of every
// WholeFile not yet committed, then end the process as the signal does by
// default, so an interrupted program leaves no half-written file behind.
void removeTemporariesOnInterrupt();

}  // namespace tarvo::files

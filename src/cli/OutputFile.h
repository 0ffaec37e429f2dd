#pragma once

#include <fstream>
#include <string>

namespace tarvo::cli {

// A file the runner writes as it goes (the trace, the interpolation table).
// It is written under a temporary name beside its own and takes that name
// only once every byte of it is on disk, so a full disk or a file-size limit
// never leaves a cut-off file behind, and an old file stays as it was.
class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Removes the temporary file unless it was committed.
    ~OutputFile();

    // Creates the temporary file; false when the folder cannot take it or the
    // name belongs to something other than a regular file (a folder, a
    // device, a pipe), which is never replaced.
    bool open(const std::string& name);
    std::ostream& stream() { return out_; }
    // Gives the file its name; false, leaving no file, when a write failed.
    bool commit();

private:
    std::string path_, temporary_;
    std::ofstream out_;
    bool committed_ = false;
};

// Whether the output file named would be the program file itself, under
// this name or another (a link, another path to the same file).
bool isProgramFile(const std::string& output, const std::string& program);

// Whether the name belongs to something that is neither absent nor a
// regular file: the runner writes no output over a device or a folder.
bool isNoRegularFile(const std::string& output);

}  // namespace tarvo::cli

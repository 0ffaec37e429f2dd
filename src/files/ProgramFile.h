#pragma once

#include <cstdint>
#include <string>

namespace tarvo::files {

// The largest program file either shell reads: far beyond any program the
// machine can run in a lesson (a million lines of G01 fit in 20 MiB), small
// enough that reading it never exhausts the memory.
inline constexpr std::uint64_t maxProgramBytes = std::uint64_t{64} << 20;  // 64 MiB

// Why a program file was not read.
// LinkLoop: symbolic links that go round in a loop, or too many in a row.
enum class ReadProblem { None, Missing, Folder, NotRegularFile, TooLarge, LinkLoop, Failed };

struct ProgramBytes {
    std::string bytes;
    ReadProblem problem = ReadProblem::None;
};

// Reads a whole program file, as the runner and the window's files room do
// when a program is opened. Only a regular file of at most maxProgramBytes
// is read; a pipe, a device or a socket is refused at once, without waiting
// for a writer or reading a byte of it.
ProgramBytes readProgramFile(const std::string& path);

}  // namespace tarvo::files

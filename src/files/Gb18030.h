#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvo::files {

// GB18030, which includes GBK, worked out here from the standard's tables
// rather than by the C library: the converters of glibc and of the libc
// WebAssembly builds with read thousands of codes differently, and the
// latter cannot write GB18030 at all. So a file reads the same in every
// shell, on every system.

// GB18030 bytes as UTF-8; nothing at a byte sequence that is no character
// or is cut off at the end.
std::optional<std::string> decodeGb18030(std::string_view bytes);

// Valid UTF-8 as GB18030 bytes; nothing at a character GB18030 has no code
// for (a surrogate, or one of the few codes the 2022 edition withdrew).
std::optional<std::string> encodeGb18030(std::string_view text);

}  // namespace tarvo::files

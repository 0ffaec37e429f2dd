#include <gtest/gtest.h>

#include "files/ProgramEncoding.h"
#include "support/TableRows.h"

namespace tarvo::files {
namespace {

std::string readAs(const ProgramEncoding& encoding) {
    if (encoding.charset() == ProgramEncoding::Charset::Gb18030) return "gb18030";
    return encoding.byteOrderMark() ? "utf-8 bom" : "utf-8";
}

// Each file reads as its table row says, and its text goes back to exactly its bytes.
TEST(FilesProgramEncoding, FilesReadAsUtf8OrGb18030AndGoBackByteForByte) {
    const auto rows = test::tableRows("files/decodings.txt", {"case", "bytes", "read as", "text"});
    ASSERT_TRUE(rows);
    for (const test::TableRow& row : *rows) {
        SCOPED_TRACE(row.at("case"));
        const std::string& bytes = row.at("bytes");
        const std::optional<DecodedProgram> program = ProgramEncoding::decode(bytes);
        if (row.at("read as") == "refused") {
            EXPECT_FALSE(program);
            continue;
        }
        ASSERT_TRUE(program);
        EXPECT_EQ(readAs(program->encoding), row.at("read as"));
        EXPECT_EQ(program->text, row.at("text"));
        EXPECT_EQ(program->encoding.encode(program->text), bytes);
    }
}

// A text that is no UTF-8 has no bytes in any file; a new program is UTF-8 without a mark.
TEST(FilesProgramEncoding, OnlyUtf8TextIsWritten) {
    const ProgramEncoding gb18030 = ProgramEncoding::decode("\xd6\xd0")->encoding;
    EXPECT_EQ(gb18030.encode("\xe7\xbb\x93"), "\xbd\xe1");
    EXPECT_FALSE(gb18030.encode("G00\xff"));
    EXPECT_FALSE(ProgramEncoding().encode("\xed\xa0\x80"));
    EXPECT_EQ(ProgramEncoding().encode("%\r\n"), "%\r\n");
}

}  // namespace
}  // namespace tarvo::files

#include <gtest/gtest.h>

#include "files/ProgramEncoding.h"
#include "support/TableFile.h"

namespace tarvo::files {
namespace {

std::string readAs(const ProgramEncoding& encoding) {
    if (encoding.charset() == ProgramEncoding::Charset::Gb18030) return "gb18030";
    return encoding.byteOrderMark() ? "utf-8 bom" : "utf-8";
}

TARVO_TABLE_SUITE(FilesDecoding, "files/decodings.tsv");

// Each file reads as its row says, and its text goes back to exactly its bytes.
TEST_P(FilesDecoding, ReadsAsUtf8OrGb18030AndGoesBackByteForByte) {
    const std::string& bytes = row()["bytes"];
    const std::optional<DecodedProgram> program = ProgramEncoding::decode(bytes);
    ASSERT_EQ(program.has_value(), row()["read as"] != "refused");
    if (!program) return;
    EXPECT_EQ(readAs(program->encoding), row()["read as"]);
    EXPECT_EQ(program->text, row()["text"]);
    EXPECT_EQ(program->encoding.encode(program->text), bytes);
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

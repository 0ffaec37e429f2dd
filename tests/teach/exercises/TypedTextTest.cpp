#include <gtest/gtest.h>

#include "teach/exercises/TypedText.h"

namespace tarvo::teach {
namespace {

// Spaces around a field go, of any width an input method types; those inside stay, and so
// do the invisible characters Unicode does not count as space.
TEST(TypedText, TrimsTheSpacesAroundAField) {
    EXPECT_EQ(trimmedText("\u3000\u2003 -3\u00A0\t"), "-3");
    EXPECT_EQ(trimmedText("\r\n张 三\u3000"), "张 三");
    EXPECT_EQ(trimmedText("\u2028\u2029\u202F\u205F\u1680\u0085\u2000\u200A\v\f"), "");
    EXPECT_EQ(trimmedText("\u200B7\uFEFF"), "\u200B7\uFEFF");
    EXPECT_EQ(trimmedText("\u00C5"), "\u00C5");  // its last byte is no space's
    EXPECT_EQ(trimmedText(""), "");
}

}  // namespace
}  // namespace tarvo::teach

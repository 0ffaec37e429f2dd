#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "interp/Words.h"

namespace tarvo::interp {
namespace {

struct NumberCase {
    std::string text;
    double value;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class LeadingNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumber, ReadsTheLeadingForm) {
    EXPECT_EQ(leadingNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber,
                         ::testing::Values(NumberCase{"30", 30}, NumberCase{"1.2.3", 1.2},
                                           NumberCase{"5-3", 5}, NumberCase{"-", 0},
                                           NumberCase{"--5", 0}, NumberCase{".5", 0.5},
                                           NumberCase{"+5", 5}, NumberCase{"-2.5", -2.5},
                                           NumberCase{"5.", 5}, NumberCase{"-.", 0},
                                           NumberCase{"123456789", 123456789},
                                           NumberCase{"0.0000001", 1e-7}));

}  // namespace
}  // namespace tarvo::interp

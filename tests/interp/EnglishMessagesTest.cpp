#include <gtest/gtest.h>

#include "interp/Machine.h"
#include "interp/Messages.h"
#include "motion/Methods.h"
#include "support/MachineRecorder.h"
#include "support/Programs.h"
#include "support/SpokenLanguage.h"
#include "support/TableFile.h"

namespace tarvo::interp {
namespace {

TARVO_TABLE_SUITE(InterpEnglish, "english-messages.tsv");

// A run in English: its warnings as the shells show them, then its messages
// as "text (title)", each followed by " / ".
TEST_P(InterpEnglish, MessagesAndWarningsAreSaidInEnglish) {
    SpokenLanguage english(words::Language::english);
    test::RecordingPanel panel;
    Machine m(panel);
    Parameters p = test::withDl(row().number("dl"));
    p.method.interpolation = *motion::methodOfKey(row()["method"]);
    test::runToEnd(m, row()["program"], p);
    std::string shown;
    for (const auto& [line, text] : panel.warnings)
        shown += messages::warningLine(line + 1, text) + " / ";
    for (const auto& message : panel.messages)
        shown += message.text + " (" + message.title + ") / ";
    EXPECT_EQ(shown, row()["shown"]);
}

}  // namespace
}  // namespace tarvo::interp

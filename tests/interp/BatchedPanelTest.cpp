#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interp/BatchedPanel.h"

namespace tarvo::interp {
namespace {

// Writes down every call it gets, in order.
class CallLog : public Panel {
public:
    void outputBitChanged(int index, bool value) override {
        add("bit " + std::to_string(index) + '=' + std::to_string(value));
    }
    void pointShown(double x, double y, double z) override {
        add("point " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + std::to_string(z));
    }
    void spindleShown(bool on) override { add("spindle " + std::to_string(on)); }
    void coolantShown(bool on) override { add("coolant " + std::to_string(on)); }
    void cutThinned() override { add("thinned"); }
    void message(std::string_view text, std::string_view title) override {
        add("message " + std::string(title) + ": " + std::string(text));
    }
    void caretMoved(std::int64_t index) override { add("caret " + std::to_string(index)); }
    void currentLineMarked(std::int64_t line) override { add("line " + std::to_string(line)); }
    void executingLineShown(std::int64_t line) override {
        add("executing " + std::to_string(line));
    }
    void programErrorShown(std::int64_t line, std::string_view text) override {
        add("error " + std::to_string(line) + ' ' + std::string(text));
    }
    void warningShown(std::int64_t line, std::string_view text) override {
        add("warning " + std::to_string(line) + ' ' + std::string(text));
    }
    void originShown(double x, double, double) override { add("origin " + std::to_string(x)); }
    void viewOptionSelected(views::View) override { add("option"); }

    std::vector<std::string> calls;

private:
    void add(std::string call) { calls.push_back(std::move(call)); }
};

void showEverything(Panel& panel, int n) {
    panel.outputBitChanged(n % 8, n % 2 == 1);
    panel.pointShown(n, -n, 0.5);
    panel.spindleShown(n % 2 == 1);
    panel.coolantShown(n % 2 == 0);
    panel.caretMoved(10 * n);
    panel.currentLineMarked(n);
    panel.executingLineShown(n + 1);
}

// A panel that shows by batches, and what it showed.
struct InterpBatchedPanel : testing::Test {
    CallLog shown;
    BatchedPanel batched{shown};
};

// Outside a batch every call goes straight through; an empty batch shows nothing.
TEST_F(InterpBatchedPanel, OutsideABatchEveryCallGoesStraightThrough) {
    batched.batch([] {});
    EXPECT_TRUE(shown.calls.empty());
    showEverything(batched, 1);
    showEverything(batched, 1);
    EXPECT_EQ(shown.calls.size(), 14U);
    EXPECT_EQ(shown.calls[0], "bit 1=1");
    EXPECT_EQ(shown.calls[13], "executing 2");
}

TEST_F(InterpBatchedPanel, ABatchShowsOnlyTheLatestOfEachReadOutWhenItIsOver) {
    batched.batch([&] {
        for (int n = 1; n <= 3; ++n) showEverything(batched, n);
        batched.outputBitChanged(1, false);
        EXPECT_TRUE(shown.calls.empty());
    });
    EXPECT_EQ(shown.calls, (std::vector<std::string>{
                               "bit 1=0", "bit 2=0", "bit 3=1", "point 3.000000 -3.000000 0.500000",
                               "spindle 1", "coolant 0", "caret 30", "line 3", "executing 4"}));
}

TEST_F(InterpBatchedPanel, MessagesErrorsAndThinningAreNeverHeldBack) {
    batched.batch([&] {
        batched.caretMoved(5);
        batched.programErrorShown(2, "第3行有错G");
        batched.message("第3行有错G", "出错");
        batched.warningShown(4, "整圆");
        batched.cutThinned();
        batched.originShown(1.5, 0, 0);
        batched.viewOptionSelected(views::View::Plan);
        EXPECT_EQ(shown.calls, (std::vector<std::string>{
                                   "error 2 第3行有错G", "message 出错: 第3行有错G",
                                   "warning 4 整圆", "thinned", "origin 1.500000", "option"}));
    });
    EXPECT_EQ(shown.calls.back(), "caret 5");
}

TEST_F(InterpBatchedPanel, ABatchInsideABatchIsShownOnceWithIt) {
    batched.batch([&] {
        batched.caretMoved(1);
        batched.batch([&] { batched.caretMoved(2); });
        EXPECT_TRUE(shown.calls.empty());
        batched.caretMoved(3);
    });
    EXPECT_EQ(shown.calls, std::vector<std::string>{"caret 3"});
    batched.caretMoved(4);
    EXPECT_EQ(shown.calls.back(), "caret 4");
}

}  // namespace
}  // namespace tarvo::interp

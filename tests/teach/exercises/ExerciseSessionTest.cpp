#include <gtest/gtest.h>

#include <map>
#include <string>

#include "teach/exercises/ExerciseSession.h"
#include "teach/exercises/ExerciseTexts.h"
#include "teach/support/Walk.h"

namespace tarvo::teach {
namespace {

// The exercise panel as a student works it: what each press gives, and what the panel shows.
struct SessionWalk {
    explicit SessionWalk(const std::string& saved) : session(saved) {}

    std::map<std::string, std::string> did(const test::TableRow& row) {
        const std::string &action = row["do"], &with = row["with"];
        const std::vector<std::string> part = test::partsOf(with);
        std::string gives;
        if (action == "start") {
            gives = test::yesNo(
                session.start(part.at(0), {part.at(1), part.at(2)}, part.at(3), part.at(4)));
        } else if (action == "feed") {
            gives = test::yesNo(session.answerFeed(test::feedOf(part.at(0)), part.at(1)));
        } else if (action == "overflow") {
            gives = test::yesNo(session.answerOverflow(with.find('X') != std::string::npos,
                                                       with.find('Y') != std::string::npos));
        } else if (action == "check") {
            session.checkDeviation(with);
        } else if (action == "draw") {
            gives = session.drawCode(std::stoull(with));
        } else if (action == "next") {
            session.next();
        } else if (action == "exported") {
            session.exported();
        } else if (action == "right") {
            answerRight();
        }
        const ExerciseRound* round = session.round();
        const char* asked[] = {"nothing", "feed+F", "overflow"};
        return {{"gives", gives},
                {"notice", session.notice()},
                {"verdict", session.verdict()},
                {"right", test::yesNo(session.verdictRight())},
                {"code", session.codeRead()},
                {"asked", asked[static_cast<int>(session.asked())]},
                {"at", round ? std::to_string(round->number()) + ' ' +
                                   std::to_string(round->askedNumber())
                             : ""},
                {"attempt", round ? attemptText(round->attempt()) : ""},
                {"score", round ? round->score().scoreText() : ""},
                {"shown", session.scoreShown()
                              ? scoreHeadText(*round) + '\n' + scoreStudentText(round->attempt())
                              : ""},
                {"saved", session.savedAttempts()}};
    }

    // Each iteration answered as the code's own steppers step it, to the end of the exercise.
    void answerRight() {
        while (session.asked() != ExerciseSession::Asked::Nothing) {
            const motion::PulseIteration& asked = session.round()->asked();
            if (const auto* step = std::get_if<motion::ComparisonStep>(&asked)) {
                ASSERT_TRUE(session.answerFeed(step->feed, std::to_string(step->fAfter)));
            } else {
                const auto& i = std::get<motion::IntegrationStep>(asked);
                ASSERT_TRUE(session.answerOverflow(i.overflowX, i.overflowY));
            }
        }
    }

    ExerciseSession session;
};

// The typed answers marked, 开始's refusals, counts and warnings before starting over, and an
// attempt through its four exercises to the score.
TEST(ExerciseSession, WalksAsTheStudentPresses) {
    test::walkThrough<SessionWalk>("exercise-session-walk.tsv");
}

}  // namespace
}  // namespace tarvo::teach

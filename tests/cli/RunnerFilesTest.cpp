#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>
#include <vector>

#include "support/Scratch.h"

// What the golden folders cannot set up: a file over the limit, a file-size limit, standard
// output on a full device, links. Every run must end within seconds.
namespace tarvo::cli {
namespace {

namespace fs = std::filesystem;

const std::string program = "%\nG01X10Y5\n%\n";

struct Outcome {
    int status;
    std::string err;
};

// Starts the runner with standard output and error to the files named and, when fileBytes is not
// 0, writes limited to that many bytes a file. A runner still going after ten seconds is killed.
pid_t start(const std::vector<std::string>& args, const std::string& out, const std::string& err,
            rlim_t fileBytes = 0) {
    const pid_t child = fork();
    if (child != 0) return child;
    if (fileBytes != 0) {
        const rlimit limit{fileBytes, fileBytes};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    alarm(10);
    dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
    dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
    std::vector<char*> argv{const_cast<char*>(TARVO_CLI)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(TARVO_CLI, argv.data());
    _exit(127);
}

// A scratch folder with the program a.nc.
struct Scratch : test::Scratch {
    Scratch() { put("a.nc", program); }

    // Runs the runner to its end: its exit status, or 128 and the signal that ended it.
    Outcome run(const std::vector<std::string>& args, const std::string& out = "/dev/null",
                rlim_t fileBytes = 0) const {
        int status = 0;
        waitpid(start(args, out, path("stderr.txt"), fileBytes), &status, 0);
        const Outcome result{WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
                             bytes("stderr.txt")};
        fs::remove(path("stderr.txt"));
        return result;
    }
};

// A file over the size limit is refused with its reason (pipes and devices: the file reader's
// own tests and the golden folders).
TEST(CliRunnerFiles, AProgramOverTheLimitIsRefused) {
    const Scratch s;
    fs::resize_file(s.path("a.nc"), (std::uintmax_t{64} << 20) + 1);
    const Outcome run = s.run({s.path("a.nc")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "tarvo-cli: cannot read " + s.path("a.nc") + ": larger than 64 MiB\n");
}

// A write that fails leaves the old file as it was and no other file; exit 1.
TEST(CliRunnerFiles, OutputsAreWrittenWholeOrNotAtAll) {
    const Scratch s;
    std::vector<std::string> outputs{"--trace", "--steps"};
#ifdef TARVO_PICTURES
    outputs.insert(outputs.end(), {"--plan", "--magnified"});
#endif
    for (const std::string& option : outputs) {
        SCOPED_TRACE(option);
        const std::string name = option == "--plan"        ? "out.png"
                                 : option == "--magnified" ? "out.svg"
                                                           : "out.csv";
        s.put(name, "old");
        const Outcome run = s.run({s.path("a.nc"), option, s.path(name)}, "/dev/null", 100);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "tarvo-cli: cannot write " + s.path(name) + "\n");
        EXPECT_EQ(s.bytes(name), "old");
        EXPECT_EQ(s.names(), (std::vector<std::string>{"a.nc", name}));
        fs::remove(s.path(name));
    }
}

// Standard output that cannot take the report fails the run.
TEST(CliRunnerFiles, AFullStandardOutputFailsTheRun) {
    const Scratch s;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{s.path("a.nc"), "--json"}, {s.path("a.nc")}, {"--help"}}) {
        const Outcome run = s.run(args, "/dev/full");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "tarvo-cli: cannot write standard output\n");
    }
}

// The program is never written over, not through a hard link either (its other names and
// devices: the golden folders and the file writer's own tests).
TEST(CliRunnerFiles, NoOutputTakesThePlaceOfTheProgram) {
    const Scratch s;
    fs::create_hard_link(s.path("a.nc"), s.path("hard.csv"));
    const Outcome run = s.run({s.path("a.nc"), "--steps", s.path("hard.csv")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "tarvo-cli: cannot write " + s.path("hard.csv") + ": it is the program file\n");
    EXPECT_EQ(s.bytes("a.nc"), program);
}

// Interrupted while it writes its outputs (Ctrl-C, or asked to end), the runner removes their
// temporary files, leaves an old output as it was and ends by the signal itself, as a shell
// expects of it.
TEST(CliRunnerFiles, AnInterruptedRunLeavesNothingBehind) {
    for (const int signal : {SIGINT, SIGTERM}) {
        const Scratch s;
        std::string longProgram = "%\n";
        for (int i = 0; i < 50; ++i) longProgram += "G01X100Y100\nG01X0Y0\n";
        s.put("a.nc", longProgram + "%\n");
        s.put("old.csv", "old");
        std::vector<std::string> args{s.path("a.nc"),  "--dl",    "0.001",          "--trace",
                                      s.path("t.csv"), "--steps", s.path("old.csv")};
#ifdef TARVO_PICTURES
        args.insert(args.end(), {"--plan", s.path("plan.svg")});
#endif
        const pid_t child = start(args, "/dev/null", "/dev/null");
        ASSERT_GE(child, 0);
        // Under way once both temporary files are there.
        const auto begun = [&s] {
            std::size_t temporaries = 0;
            for (const std::string& name : s.names())
                temporaries += name.find(".tarvo-") != std::string::npos;
            return temporaries == 2;
        };
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!begun() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        kill(child, signal);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(s.names(), (std::vector<std::string>{"a.nc", "old.csv"}));
        EXPECT_EQ(s.bytes("old.csv"), "old");
    }
}

}  // namespace
}  // namespace tarvo::cli

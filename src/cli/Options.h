#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "interp/Parameters.h"
#include "words/Language.h"

namespace tarvo::cli {

// The runner's command line.
struct Options {
    std::string program;
    interp::Parameters parameters;
    std::string trace;  // CSV file, empty for none
    std::string steps;  // CSV file of the interpolation iterations, empty for none
    bool json = false;
    std::uint64_t maxTicks = 10'000'000;
    bool help = false;

    // Views rendered at the end of the run (PNG or SVG by extension).
    std::string plan, axo, magnified;
    int size = 481;  // pixels: a view of 7215 twips at 15 twips a pixel
    std::vector<std::pair<double, double>> rotations;  // drags of the magnified view

    bool wantsImages() const { return !plan.empty() || !axo.empty() || !magnified.empty(); }

    // Printable pages of the exercises a code fixes, written instead of a
    // run: the code as read (capitals) and the HTML file, each empty for none.
    std::string worksheetCode, worksheet;
    std::string answersCode, answers;

    bool wantsPages() const { return !worksheet.empty() || !answers.empty(); }

    // The files the options ask to write, each with its option, in the
    // order of the usage text.
    struct Output {
        const char* option;
        std::string path;
    };
    std::vector<Output> outputs() const;
};

// The language --lang chooses among the arguments after the program name
// (the last valid one), or nothing; read before the other options, so that
// every message about them is made in it.
std::optional<words::Language> languageOption(const std::vector<std::string>& args);

// Parses the arguments after the program name; on failure returns nothing
// and sets `error` to a one-line explanation, in the language spoken.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

// The text of --help.
std::string usage();

}  // namespace tarvo::cli

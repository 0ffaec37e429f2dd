#include "cli/Options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "cli/PicturesBuilt.h"
#include "files/ProgramFile.h"
#include "motion/Methods.h"
#include "motion/RegisterWidth.h"
#include "motion/exact/DecimalReading.h"
#include "motion/exact/Rounding.h"
#include "motion/exact/ShortestDigits.h"
#include "teach/exercises/ExerciseCode.h"
#include "words/Catalogue.h"

namespace tarvo::cli {

namespace {

std::optional<double> parseNumber(const std::string& text) {
    return motion::readDouble(text);
}

std::optional<std::uint64_t> parseCount(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return value;
}

// A comma-separated list of exactly `count` items, each read by `read`;
// nothing when the count differs or an item does not read.
template <typename T>
std::optional<std::vector<T>> parseList(const std::string& text, std::size_t count,
                                        std::optional<T> (*read)(const std::string&)) {
    std::vector<T> values;
    std::size_t begin = 0;
    for (;;) {
        const auto comma = text.find(',', begin);
        const auto value = read(text.substr(begin, comma - begin));
        if (!value) return std::nullopt;
        values.push_back(*value);
        if (comma == std::string::npos) break;
        begin = comma + 1;
    }
    if (values.size() != count) return std::nullopt;
    return values;
}

// A decimal text read exactly. A number that cannot be held exactly is kept
// with its fault, so that interp::parameterProblem refuses it with its message.
std::optional<motion::DecimalReading> parseDecimal(const std::string& text) {
    const motion::DecimalReading reading = interp::readParameter(text);
    if (reading.fault == motion::DecimalReading::Fault::NotNumber) return std::nullopt;
    return reading;
}

bool parseOrigin(const std::string& text, interp::Parameters& p) {
    const auto xyz = parseList(text, 3, parseDecimal);
    if (!xyz) return false;
    p.g54x = (*xyz)[0];
    p.g54y = (*xyz)[1];
    p.g54z = (*xyz)[2];
    return true;
}

// The magnified view takes the pointer's position as a float; a drag beyond
// what a float holds would reach it as an infinity and turn every point into
// NaN.
bool fitsPointer(double units) {
    return std::abs(units) <= std::numeric_limits<float>::max();
}

bool parseMethod(const std::string& text, motion::MethodChoice& choice) {
    const auto method = motion::methodOfKey(text);
    if (method) choice.interpolation = *method;
    return method.has_value();
}

bool isImagePath(const std::string& path) {
    return path.ends_with(".png") || path.ends_with(".svg");
}

// Applies one option that takes a value; false when the value is not valid.
bool applyValue(const std::string& name, const std::string& value, Options& o) {
    if (name == "--dl") {
        const auto dl = parseDecimal(value);
        if (dl) o.parameters.dl = *dl;
        return dl.has_value();
    }
    if (name == "--bei") {
        const auto rounded = interp::readMagnification(value);
        if (rounded) o.parameters.bei = *rounded;
        return rounded.has_value();
    }
    if (name == "--g54") return parseOrigin(value, o.parameters);
    if (name == "--method") return parseMethod(value, o.parameters.method);
    if (name == "--lang") return words::languageFromKey(value).has_value();
    if (name == "--bits") {
        const auto bits = parseCount(value);
        const bool fits = bits && *bits >= 1 && *bits <= motion::widestRegister;
        if (fits) o.parameters.method.bits = static_cast<int>(*bits);
        return fits;
    }
    if (name == "--trace" || name == "--steps") {
        (name == "--trace" ? o.trace : o.steps) = value;
        return !value.empty();
    }
    if (name == "--plan" || name == "--axo" || name == "--magnified") {
        (name == "--plan" ? o.plan : name == "--axo" ? o.axo : o.magnified) = value;
        return isImagePath(value);
    }
    if (name == "--size") {
        const auto size = parseCount(value);
        if (size && *size >= 16 && *size <= 8192) o.size = static_cast<int>(*size);
        return size && *size >= 16 && *size <= 8192;
    }
    if (name == "--rotate") {
        const auto drag = parseList(value, 2, parseNumber);
        const bool fits = drag && fitsPointer((*drag)[0]) && fitsPointer((*drag)[1]);
        if (fits) o.rotations.emplace_back((*drag)[0], (*drag)[1]);
        return fits;
    }
    const auto count = parseCount(value);
    if (count) o.maxTicks = *count;
    return count.has_value();
}

bool isPictureOption(const std::string& name) {
    return name == "--plan" || name == "--axo" || name == "--magnified" || name == "--size" ||
           name == "--rotate";
}

bool takesValue(const std::string& name) {
    for (const char* known :
         {"--dl", "--bei", "--g54", "--method", "--bits", "--trace", "--steps", "--max-ticks",
          "--plan", "--axo", "--magnified", "--size", "--rotate", "--lang"}) {
        if (name == known) return true;
    }
    return false;
}

bool isPageOption(const std::string& name) {
    return name == "--worksheet" || name == "--answers";
}

// How many arguments after an option are its values.
std::size_t valuesOf(const std::string& name) {
    if (isPageOption(name)) return 2;
    return takesValue(name) ? 1 : 0;
}

// A page option's code and file; the code is refused with the exercises'
// own message, as the exercise window refuses it.
bool applyPage(const std::string& name, const std::string& code, const std::string& file,
               Options& o, std::string& error) {
    try {
        const teach::ExerciseCode read(code);
        (name == "--worksheet" ? o.worksheetCode : o.answersCode) = read.text();
    } catch (const std::invalid_argument& refusal) {
        error = refusal.what();
        return false;
    }
    if (file.empty()) {
        error = "invalid value for " + name + ": no file given";
        return false;
    }
    (name == "--worksheet" ? o.worksheet : o.answers) = file;
    return true;
}

// The columns a text takes on a terminal: a Chinese character or a
// full-width sign (U+3000 to U+9FFF, U+FF00 to U+FF7F) two, any other one.
std::size_t columns(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80) continue;
        const bool wide = (byte >= 0xE3 && byte <= 0xE9) ||
                          (byte == 0xEF && i + 1 < text.size() &&
                           (static_cast<unsigned char>(text[i + 1]) & 0xFE) == 0xBC);
        count += wide ? 2 : 1;
    }
    return count;
}

// Words from column `indent` on, carried on to a line of their own at that
// column where they would pass the 80th.
std::string wrapped(std::string_view text, std::size_t indent) {
    std::string lines, line;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        if (!line.empty() && indent + columns(line) + 1 + columns(word) > 80) {
            lines += line + '\n' + std::string(indent, ' ');
            line.clear();
        }
        line += (line.empty() ? "" : " ") + std::string(word);
        start = end + 1;
    }
    return lines + line + '\n';
}

// The methods as the window's menu names them, each after the key that chooses it.
std::string methodLines() {
    std::string lines;
    for (const motion::MethodEntry& method : motion::methods()) {
        std::string key(method.key);
        key.resize(12, ' ');
        const std::string head = "                     " + key;
        lines += head + wrapped(words::say(method.caption), head.size());
    }
    return lines;
}

}  // namespace

std::optional<words::Language> languageOption(const std::vector<std::string>& args) {
    std::optional<words::Language> chosen;
    for (std::size_t i = 0; i < args.size(); i += 1 + valuesOf(args[i])) {
        if (args[i] != "--lang" || i + 1 == args.size()) continue;
        if (const auto language = words::languageFromKey(args[i + 1])) chosen = language;
    }
    return chosen;
}

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--half-load") {
            o.parameters.method.halfLoad = true;
        } else if (arg == "--json") {
            o.json = true;
        } else if (isPictureOption(arg) && !picturesBuilt()) {
            error = "this tarvo-cli was built without pictures: " + arg + " is not available";
            return std::nullopt;
        } else if (isPageOption(arg)) {
            if (i + 2 >= args.size()) {
                error = arg + " needs a code and a file";
                return std::nullopt;
            }
            if (!applyPage(arg, args[i + 1], args[i + 2], o, error)) return std::nullopt;
            i += 2;
        } else if (takesValue(arg)) {
            if (i + 1 == args.size()) {
                error = arg + " needs a value";
                return std::nullopt;
            }
            if (!applyValue(arg, args[++i], o)) {
                error = "invalid value for " + arg + ": " + args[i];
                return std::nullopt;
            }
        } else if (arg.starts_with("--") || !o.program.empty()) {
            error = "unexpected argument: " + arg;
            return std::nullopt;
        } else {
            o.program = arg;
        }
    }
    if (o.wantsPages() && !o.program.empty()) {
        error = "unexpected argument: " + o.program;
        return std::nullopt;
    }
    // The register width belongs to the textbook's digital integration alone.
    if (!o.help && o.parameters.method.bits != 0 &&
        o.parameters.method.interpolation != motion::Interpolation::Integration) {
        error = "--bits needs --method dda";
        return std::nullopt;
    }
    if (!o.help && o.program.empty() && !o.wantsPages()) {
        error = "no program file given";
        return std::nullopt;
    }
    if (o.parameters.method.halfLoad &&
        o.parameters.method.interpolation != motion::Interpolation::Integration) {
        error = "--half-load needs --method dda";
        return std::nullopt;
    }
    if (const auto problem = interp::parameterProblem(o.parameters); problem && !o.help) {
        error = std::string(*problem);
        return std::nullopt;
    }
    return o;
}

std::vector<Options::Output> Options::outputs() const {
    std::vector<Output> named;
    for (const Output& output :
         {Output{"--trace", trace}, Output{"--steps", steps}, Output{"--plan", plan},
          Output{"--axo", axo}, Output{"--magnified", magnified}, Output{"--worksheet", worksheet},
          Output{"--answers", answers}}) {
        if (!output.path.empty()) named.push_back(output);
    }
    return named;
}

std::string usage() {
    const std::string pictures =
        picturesBuilt()
            ? R"(  --plan FILE      save the plan view as it stands at the end (.png or .svg)
  --axo FILE       save the axonometric view likewise
  --magnified FILE save the magnified view of the cut, as its pan mode draws it
  --size PX        side of the saved views in pixels (default 481)
  --rotate DX,DY   before saving the magnified view, turn it by a drag of DX, DY
                   of its units (600 make a full turn, each at most 3.4e38);
                   may be repeated
)"
            : R"(  (built without pictures: --plan, --axo, --magnified, --size and --rotate
   are not available)
)";
    return R"(Usage: tarvo-cli PROGRAM.nc [options]
       tarvo-cli [--worksheet CODE FILE.html] [--answers CODE FILE.html]

Runs an NC program on the simulated three-axis stepper machine, exactly as the
window does when Run is pressed, and reports how the run ended.

Options:
  --dl MM          pulse equivalent in millimetres (default 1, 0.001 to 100,
                   at most 8 places after the point)
  --bei N          magnification of the views (default 1, 1 to 1000)
  --g54 X,Y,Z      work-piece origin in millimetres (default 0,0,0; each at
                   most 999999999.99999999, 8 places after the point)
  --method M       interpolation method (default machine), one of:
)" + methodLines() +
           R"(                   comparison steps arcs as the machine does them, and lines
                   that move Z keep the machine's digital integration
  --half-load      with --method dda, start the registers half full
  --bits N         with --method dda, registers of N bits (1 to 32): a
                   capacity of 2^N; a segment whose largest increment or radius
                   needs more keeps the smallest width it needs (default: that
                   smallest width for every segment)
  --trace FILE     write one CSV row after every timer tick:
                   tick,timer,txtpos,txtline,out,xcur,ycur,zcur
  --steps FILE     write one CSV row for every interpolation iteration, as
                   the window's interpolation table lists it: feed, point in
                   pulses, F, end counter sigma, the textbook's texts, then
                   the machine's registers before and after
  --json           print the final state as one JSON object
  --max-ticks N    stop after N timer ticks (default 10000000)
  --lang zh|en     language of the machine's messages and texts and of the
                   pages (default: Chinese when the first of LC_ALL,
                   LC_MESSAGES and LANG that is set starts with zh, else
                   English)
)" + pictures +
           R"(  --help           show this text

Pages of the exercises a code fixes (the exercise window's five-character
code), to print for a class; no program is run with them:
  --worksheet CODE FILE.html  the worksheet: each exercise's figure on its
                   pulse grid and a table of its iterations to fill in
  --answers CODE FILE.html    its answer key: every iteration filled in, the
                   steps drawn, the answers the exercises ask for marked

Exit status: 0 the end of the program was reached or the pages were written,
2 the program has an error (the message goes to standard error), 3 the tick
limit was reached, 1 bad usage (a bad exercise code too), an unreadable
program (not a regular file, over )" +
           std::to_string(files::maxProgramBytes >> 20) +
           R"( MiB, or neither UTF-8 nor GB18030
text) or an output that could not be written whole.
)";
}

}  // namespace tarvo::cli

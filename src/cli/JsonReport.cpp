#include "cli/JsonReport.h"

#include <cstdio>
#include <string_view>

#include "interp/Messages.h"
#include "motion/exact/NumberText.h"
#include "words/Catalogue.h"

namespace tarvo::cli {

namespace {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string_view switchText(bool on) {
    return words::say(on ? interp::messages::on : interp::messages::off);
}

class JsonObject {
public:
    void field(std::string_view key, const std::string& json) {
        body_ += body_.empty() ? "{" : ",";
        body_ += quoted(key) + ':' + json;
    }
    void number(std::string_view key, motion::Decimal v) { field(key, motion::exactText(v)); }
    void count(std::string_view key, std::uint64_t v) { field(key, std::to_string(v)); }
    void text(std::string_view key, std::string_view v) { field(key, quoted(v)); }
    std::string str() const { return body_ + "}"; }

private:
    std::string body_;
};

}  // namespace

std::string jsonReport(End end, const Runner& runner) {
    const interp::Machine& m = runner.machine();
    JsonObject o;
    o.text("end", endName(end));
    o.field("message", runner.message() ? quoted(*runner.message()) : "null");
    o.count("ticks", m.timer1Ticks() + m.timer2Ticks());
    o.count("timer1_ticks", m.timer1Ticks());
    o.count("timer2_ticks", m.timer2Ticks());
    o.number("xs", m.segment().xs);
    o.number("ys", m.segment().ys);
    o.number("zs", m.segment().zs);
    o.number("xcur", m.interpolator().xcur);
    o.number("ycur", m.interpolator().ycur);
    o.number("zcur", m.interpolator().zcur);
    o.text("out", m.outdata().texts());
    o.text("zhukg", switchText(m.switches().zhukg));
    o.text("lengkg", switchText(m.switches().lengkg));
    o.text("gcode", m.interpreter().gcode);
    o.text("mcode", m.interpreter().mcode);
    o.text("lcode", m.interpreter().lcode);
    o.count("path_points", m.path().pathUpper());
    o.count("wall_edges", m.path().wallUpper());
    return o.str() + "\n";
}

std::string textReport(End end, const Runner& runner) {
    const interp::Machine& m = runner.machine();
    const auto& e = m.interpolator();
    std::string out = std::string(endName(end)) + " after " +
                      std::to_string(m.timer1Ticks() + m.timer2Ticks()) + " ticks (" +
                      std::to_string(m.timer1Ticks()) + " interpreter, " +
                      std::to_string(m.timer2Ticks()) + " interpolation)\n";
    out += "tool at X " + motion::millimetreText(e.xcur) + " Y " + motion::millimetreText(e.ycur) +
           " Z " + motion::millimetreText(e.zcur) + " mm\n";
    out += "output byte " + m.outdata().texts() + ", spindle " +
           std::string(switchText(m.switches().zhukg)) + ", coolant " +
           std::string(switchText(m.switches().lengkg)) + "\n";
    out += "recorded " + std::to_string(m.path().pathUpper()) + " path points, " +
           std::to_string(m.path().wallUpper()) + " wall edges\n";
    return out;
}

}  // namespace tarvo::cli

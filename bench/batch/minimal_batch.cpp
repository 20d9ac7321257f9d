// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/batch/minimal_batch.h"

#include "core/correctly_rounded_trig.h"
#include "core/drivetrain_catalogue.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::bench {
namespace {

constexpr std::array<std::string_view, 12> keys = {
    "gearRatio",          "finalDriveRatio",      "tireRadius",
    "requiredVelocity",   "drivetrainEfficiency", "grossMass",
    "rollingCoefficient", "dragCoefficient",      "bodyHeight",
    "bodyWidth",          "motorMaxTorque",       "requiredGrade"};
enum Input { ig, i0, r, ua, eta, m, f, cd, h, b, t };

struct Failure {
    std::string_view kind;
    std::string_view cause;
    std::uint32_t inputs;
};

// A value and the inputs it was computed from.
struct Value {
    double v;
    std::uint32_t in;
};

class Run {
  public:
    explicit Run(const std::array<std::string_view, 12>& cells)
        : cells_(cells) {}

    std::optional<Failure> failure;
    // The number each field was read as; NaN where it was not.
    std::array<double, 12> values = nanValues();

    Value read(Input input) {
        if (failure) {
            return {0, 0};
        }
        const Value value = readText(input, cells_[input]);
        if (!failure) {
            values[input] = value.v;
        }
        return value;
    }

    // A field as a number, a percentage as the fraction it is.
    Value readText(int input, std::string_view text) {
        const std::uint32_t bit = 1u << input;
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
            text.remove_prefix(1);
        }
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
            text.remove_suffix(1);
        }
        if (text.empty()) {
            return fail("TypeMismatch", "EmptyField", bit);
        }
        std::string hundredths;
        if (text.ends_with('%') && input != 11) {
            std::string_view figure = text.substr(0, text.size() - 1);
            while (!figure.empty() && (figure.back() == ' ' || figure.back() == '\t')) {
                figure.remove_suffix(1);
            }
            const std::size_t e = figure.find_first_of("eE");
            int exponent = 0;
            if (e != std::string_view::npos) {
                std::from_chars(figure.data() + e + 1 + (figure[e + 1] == '+'),
                                figure.data() + figure.size(), exponent);
            }
            hundredths = std::string(figure.substr(0, e)) + "e" + std::to_string(exponent - 2);
            text = hundredths;
        }
        std::string_view number = text.front() == '+' ? text.substr(1) : text;
        const std::string_view digits =
            number.starts_with('-') && text.front() != '+' ? number.substr(1) : number;
        double value = 0;
        if (digits.empty() || !((digits[0] >= '0' && digits[0] <= '9') || digits[0] == '.')) {
            return fail("TypeMismatch", notANumber(text), bit);
        }
        const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (end != number.data() + number.size() || ec == std::errc::invalid_argument) {
            return fail("TypeMismatch", notANumber(text), bit);
        }
        if (ec == std::errc::result_out_of_range) {
            return fail("Overflow", "NumberBeyondRange", bit);
        }
        return {value, bit};
    }

    Value step(char op, Value x, Value y) {
        if (failure) {
            return {0, 0};
        }
        if (op == '/' && y.v == 0) {
            return x.v != 0 ? fail("DivisionByZero", "ZeroDivisor", y.in)
                            : fail("Overflow", "InvalidStep", y.in);
        }
        const double v = op == '+'   ? x.v + y.v
                         : op == '-' ? x.v - y.v
                         : op == '*' ? x.v * y.v
                                     : x.v / y.v;
        if (!std::isfinite(v)) {
            return fail("Overflow", "ResultBeyondRange", x.in | y.in);
        }
        return {v, x.in | y.in};
    }

    Value round15(Value x) {
        if (failure) {
            return {0, 0};
        }
        char text[32];
        const char* end =
            std::to_chars(text, text + sizeof text, x.v, std::chars_format::scientific, 14).ptr;
        double v = 0;
        if (std::from_chars(text, end, v).ec == std::errc::result_out_of_range) {
            return fail("Overflow", "ResultBeyondRange", x.in);
        }
        return {v, x.in};
    }

    Value fail(std::string_view kind, std::string_view cause, std::uint32_t inputs) {
        failure = Failure{kind, cause, inputs};
        return {0, 0};
    }

  private:
    static std::string_view notANumber(std::string_view text) {
        for (std::size_t at = 0; at + 2 < text.size(); ++at) {
            if (text.substr(at, 2) == "\xEF\xBC" &&
                static_cast<unsigned char>(text[at + 2]) >= 0x90 &&
                static_cast<unsigned char>(text[at + 2]) <= 0x99) {
                return "FullWidthDigits";
            }
        }
        return "NotANumber";
    }

    static std::array<double, 12> nanValues() {
        std::array<double, 12> nan;
        nan.fill(std::nan(""));
        return nan;
    }

    const std::array<std::string_view, 12>& cells_;
};

// formatGeneral by std::to_chars: 15 digits, fixed from 1E-04 to below 1E+15.
void appendGeneral(std::string& out, double value) {
    if (value == 0) {
        out += '0';
        return;
    }
    char text[32];
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr;
    const char* at = text;
    if (*at == '-') {
        out += '-';
        ++at;
    }
    std::string digits(1, *at);
    digits.append(at + 2, 14);
    int exponent = 0;
    std::from_chars(at + 17 + (at[17] == '+'), end, exponent);
    digits.erase(digits.find_last_not_of('0') + 1);
    if (exponent >= 15 || exponent < -4) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        if (std::abs(exponent) < 10) {
            out += '0';
        }
        char e[8];
        out.append(e, std::to_chars(e, e + sizeof e, std::abs(exponent)).ptr);
    } else if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() > whole) {
            out.append(digits, 0, whole);
            out += '.';
            out.append(digits, whole);
        } else {
            out += digits;
            out.append(whole - digits.size(), '0');
        }
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
}

// The note of each figure outside the range of road vehicles, in English.
void appendNotes(const std::array<std::string_view, 12>& cells, std::array<double, 12> values,
                 std::string& out) {
    bool first = true;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto& quantity = drivetrainInputs[i];
        // An input no calculation reads has no range.
        if (!quantity.plausible) {
            continue;
        }
        if (std::isnan(values[i])) {
            Run alone(cells);
            values[i] = alone.readText(static_cast<int>(i), cells[i]).v;
            if (alone.failure) {
                continue;
            }
        }
        const PlausibleRange& range = *quantity.plausible;
        const double figure = values[i];
        if (figure >= range.low && figure <= range.high) {
            continue;
        }
        const std::string unit = quantity.unit.empty() ? "" : " " + std::string(quantity.unit);
        out += first ? "" : "; ";
        first = false;
        out += keys[i];
        out += ' ';
        appendGeneral(out, figure);
        out += unit;
        out += figure > range.high ? " is more than " : " is less than ";
        appendGeneral(out, figure > range.high ? range.high : range.low);
        out += unit;
        const double slipped = figure * range.slipFactor;
        if (range.slipFactor != 0 && slipped >= range.slipLow && slipped <= range.high) {
            out += ": ";
            out += range.slip;
            out += " (";
            appendGeneral(out, slipped);
            out += ')';
        }
    }
}

void compute(const std::array<std::string_view, 12>& cells, std::string& out) {
    Run run(cells);
    std::array<double, 3> results{};
    int reached = 0;
    const Value velocity = run.read(ua);
    const Value gear = run.read(ig);
    const Value a1 = run.step('*', gear, velocity);
    const Value finalDrive = run.read(i0);
    const Value a2 = run.step('/', run.step('*', finalDrive, a1), {0.377, 0});
    const Value radius = run.read(r);
    const Value n = run.step('/', a2, radius);
    if (!run.failure) {
        results[reached++] = n.v;
    }
    const Value mass = run.read(m);
    const Value b1 = run.step('*', mass, {9.8, 0});
    const Value rolling = run.read(f);
    const Value fr = run.round15(run.step('*', velocity, run.step('*', rolling, b1)));
    const Value drag = run.read(cd);
    const Value height = run.read(h);
    const Value c1 = run.step('*', height, drag);
    const Value width = run.read(b);
    const Value c5 = run.step(
        '*', velocity, run.step('*', velocity, run.step('*', velocity, run.step('*', width, c1))));
    const Value fw = run.round15(
        run.step('/', run.step('/', run.step('/', c5, {21.15, 0}), {1000, 0}), {1000, 0}));
    const Value k = run.step('/', {1, 0}, {3600, 0});
    const Value efficiency = run.read(eta);
    const Value k2 = run.step('/', k, efficiency);
    const Value pe = run.step('*', k2, run.step('+', fw, fr));
    if (!run.failure) {
        results[reached++] = pe.v;
    }
    // The strict read of the rolling coefficient succeeded: the lenient one agrees.
    const Value torque = run.read(t);
    const Value d3 =
        run.step('*', efficiency, run.step('*', finalDrive, run.step('*', gear, torque)));
    const Value dynamic =
        run.round15(run.step('/', run.step('/', run.step('/', d3, mass), radius), {9.8, 0}));
    const Value x = run.step('-', dynamic, rolling);
    const bool before = run.failure.has_value();
    const Value q = run.step('+', {1, 0}, run.step('*', x, {-x.v, x.in}));
    Value s{0, q.in};
    if (!run.failure && q.v < 0) {
        run.fail("InvalidArgument", "SineBeyondOne", q.in);
    } else {
        s.v = std::sqrt(q.v);
    }
    const Value y = run.step('/', x, s);
    if (run.failure && !before) {
        run.failure->cause = "SineBeyondOne";
    }
    // The core's functions: the C library's differ from them in the last bit.
    const Value grade =
        run.step('*', {correctlyRoundedTan(correctlyRoundedAtan(y.v)), y.in}, {100, 0});
    if (!run.failure) {
        results[reached++] = grade.v;
    }
    for (int i = 0; i < 3; ++i) {
        out += ',';
        if (i < reached) {
            appendGeneral(out, results[i]);
        }
    }
    out += ',';
    if (run.failure) {
        out += run.failure->kind;
        out += ',';
        out += run.failure->cause;
        out += ',';
        bool first = true;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (run.failure->inputs & (1u << i)) {
                out += first ? "" : ";";
                out += keys[i];
                first = false;
            }
        }
    } else {
        out += ",,";
    }
    out += ',';
    appendNotes(cells, run.values, out);
}

} // namespace

bool minimalBatch(std::FILE* in, std::FILE* out) {
    std::string buffer;
    std::string output;
    std::vector<std::size_t> columnOf(keys.size(), SIZE_MAX);
    std::string_view lineEnd;
    bool header = true;
    std::vector<std::string_view> cells;
    std::array<std::string_view, 12> inputs;
    for (;;) {
        const std::size_t old = buffer.size();
        buffer.resize(old + (std::size_t{1} << 20));
        buffer.resize(old + std::fread(buffer.data() + old, 1, std::size_t{1} << 20, in));
        const bool ended = buffer.size() == old;
        std::size_t start = 0;
        for (;;) {
            std::size_t end = buffer.find('\n', start);
            if (end == std::string::npos) {
                if (!ended || start == buffer.size()) {
                    break;
                }
                end = buffer.size();
            }
            std::string_view line(buffer.data() + start, end - start);
            start = end + 1;
            const bool crlf = line.ends_with('\r');
            line.remove_suffix(crlf);
            if (line.find('"') != std::string_view::npos) {
                return false;
            }
            cells.clear();
            for (std::size_t from = 0;;) {
                const std::size_t comma = line.find(',', from);
                cells.push_back(line.substr(from, comma - from));
                if (comma == std::string_view::npos) {
                    break;
                }
                from = comma + 1;
            }
            output += line;
            if (header) {
                header = false;
                lineEnd = crlf ? "\r\n" : "\n";
                for (std::size_t c = 0; c < cells.size(); ++c) {
                    for (std::size_t k = 0; k < keys.size(); ++k) {
                        columnOf[k] = cells[c] == keys[k] ? c : columnOf[k];
                    }
                }
                output += ",motorRpm,power,grade,error,cause,field,note";
            } else {
                for (std::size_t k = 0; k < keys.size(); ++k) {
                    inputs[k] = columnOf[k] < cells.size() ? cells[columnOf[k]] : "";
                }
                compute(inputs, output);
            }
            output += lineEnd;
        }
        buffer.erase(0, start);
        std::fwrite(output.data(), 1, output.size(), out);
        output.clear();
        if (ended) {
            return !header;
        }
    }
}

} // namespace evdrive::bench

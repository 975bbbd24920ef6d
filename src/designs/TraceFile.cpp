#include "TraceFile.h"

#include "JsonText.h"
#include "MessageText.h"
#include "TableText.h"
#include "units/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace hydrolofter {
namespace {

/// Beyond any water rocket's flight: a value past this is a fault in the file.
constexpr double kLargestValue = 1e6;
constexpr std::size_t kMaxSamples = 1'000'000;
constexpr double kFeet = 0.3048;                // m
constexpr double kPoundForce = 4.4482216152605; // N
constexpr double kKilogramForce = 9.80665;      // N

using namespace tabletext;

class TraceParser {
public:
    TraceParser(const TraceFormat& format, std::string name) : format_(format), name_(name) {}

    TraceRead parse(std::string_view text) {
        if (text.substr(0, 3) == "\xEF\xBB\xBF")
            text.remove_prefix(3); // a byte-order mark some spreadsheets write
        if (text.find('\0') != std::string_view::npos)
            return fail("is not a text table (it holds a NUL byte).");
        std::size_t lineNumber = 0;
        while (!text.empty() && read_.error.empty()) {
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            ++lineNumber;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            takeLine(line, lineNumber);
        }
        if (!read_.error.empty())
            return read_;
        if (read_.trace.time.size() < 2)
            return fail("holds fewer than two measurements (a time and an altitude on a line).");
        if (skippedCount_ > 0)
            read_.notes.push_back(
                name_ + ": passed over " + std::to_string(skippedCount_) +
                (skippedCount_ == 1 ? " line that holds" : " lines that hold") +
                " no measurement: " + shortList(skipped_, kShownSkipped, skippedCount_));
        const double span = read_.trace.time.back() - read_.trace.time.front();
        if (header_.empty() && timeScale_ == 1 && format_.timeUnit == TraceTimeUnit::FromHeader &&
            span > kLongestFlight)
            read_.notes.push_back(name_ + ": the times span " + formatShort(span) +
                                  " s, longer than a water rocket flies: if they are "
                                  "milliseconds, give the time unit as ms.");
        read_.ok = true;
        return read_;
    }

private:
    TraceRead fail(const std::string& what) {
        read_.ok = false;
        read_.error = name_ + ": " + what;
        return read_;
    }
    void failAt(std::size_t line, const std::string& what) {
        fail("line " + std::to_string(line) + ": " + what);
    }

    void takeLine(std::string_view line, std::size_t lineNumber) {
        const std::string_view content = trimmed(line);
        if (content.empty() || content.front() == '#') {
            skip(lineNumber);
            return;
        }
        const char own = separatorOf(line);
        if (separator_ && own != separator_ && !(separator_ == ' ' && own == '\t') &&
            holdsMeasurements(line, own))
            return failAt(lineNumber, "its fields are separated by " + separatorName(own) +
                                          ", the lines before by " + separatorName(separator_) +
                                          ".");
        const std::vector<std::string_view> fields = split(line, separator_ ? separator_ : own);
        if (fields.size() > kMaxFields)
            return failAt(lineNumber,
                          "the line has more than " + std::to_string(kMaxFields) + " fields.");
        const char separator = separator_ ? separator_ : own;
        const bool anyNumber = std::any_of(fields.begin(), fields.end(), [&](std::string_view f) {
            return number(f, separator).has_value();
        }); // a header, a title or a footer has none
        if (!anyNumber) {
            if (read_.trace.time.empty()) {
                headerLine_ = line; // the last such line before the data names the columns
                headerLineNumber_ = lineNumber;
            }
            skip(lineNumber);
            return;
        }
        if (!columnsChosen_ && !chooseColumns(own))
            return;
        // A line written otherwise than the rest would be read as other numbers: "0,25,1,50"
        // under "time,altitude" is 0.25 s at 1.50 m written with decimal commas.
        if (const std::size_t n = namedFields(fields); n > header_.size() && header_.size() >= 2)
            return failAt(lineNumber,
                          "the line holds " + std::to_string(n) +
                              " fields where the header names " + std::to_string(header_.size()) +
                              (separator_ == ','
                                   ? " (are decimal commas written between fields of commas?)."
                                   : "."));
        const std::optional<double> t = value(fields, timeIndex_, "time", lineNumber);
        const std::optional<double> h =
            t ? value(fields, heightIndex_, read_.trace.thrust ? "force" : "altitude", lineNumber)
              : std::nullopt;
        if (!t || !h)
            return;
        const double seconds = timeScale_ == 1 ? *t : *t / timeScale_;
        const double metres = heightScale_ == 1 ? *h : *h * heightScale_;
        auto& trace = read_.trace;
        if (!trace.time.empty() && seconds < trace.time.back())
            return failAt(lineNumber, "the time " + formatShort(*t) +
                                          " comes before the line before's; the samples must "
                                          "be in time order.");
        if (trace.time.size() >= kMaxSamples)
            return failAt(lineNumber, "the file holds more than " + std::to_string(kMaxSamples) +
                                          " measurements.");
        trace.time.push_back(seconds);
        trace.height.push_back(metres);
    }

    /// Two fields or more with a number among them, read with that separator.
    static bool holdsMeasurements(std::string_view line, char separator) {
        const std::vector<std::string_view> fields = split(line, separator);
        return fields.size() > 1 &&
               std::any_of(fields.begin(), fields.end(),
                           [&](std::string_view f) { return number(f, separator).has_value(); });
    }

    /// The fields of a line but the empty ones at its end (a trailing separator).
    static std::size_t namedFields(const std::vector<std::string_view>& fields) {
        std::size_t n = fields.size();
        while (n > 0 && fields[n - 1].empty())
            --n;
        return n;
    }

    /// A line passed over: its number kept for the note while the list is short, counted
    /// after, so that millions of blank lines take no memory.
    void skip(std::size_t lineNumber) {
        if (skipped_.size() < kShownSkipped)
            skipped_.push_back(std::to_string(lineNumber));
        ++skippedCount_;
    }

    std::optional<double> value(const std::vector<std::string_view>& fields, std::size_t index,
                                const char* what, std::size_t lineNumber) {
        if (index >= fields.size()) {
            failAt(lineNumber, "there is no " + std::string(what) + " in column " +
                                   std::to_string(index + 1) + " (the line has " +
                                   std::to_string(fields.size()) + ").");
            return std::nullopt;
        }
        const std::optional<double> v = number(fields[index], separator_);
        if (!v) {
            failAt(lineNumber, "the " + std::string(what) + " " +
                                   inQuotes(messageSafe(fields[index])) + " is not a number.");
        } else if (!(std::fabs(*v) <= kLargestValue)) {
            failAt(lineNumber, "the " + std::string(what) + " " + formatShort(*v) +
                                   " is beyond any flight (at most " + formatShort(kLargestValue) +
                                   ").");
            return std::nullopt;
        }
        return v;
    }

    /// The column a request names: a position from 1, or a header name.
    std::optional<std::size_t> column(const std::string& wanted, std::size_t fallback,
                                      std::initializer_list<std::string_view> parts) {
        if (wanted.empty()) {
            for (std::size_t i = 0; i < header_.size(); ++i)
                for (const std::string_view p : parts)
                    if (holds(header_[i], p))
                        return i;
            return fallback;
        }
        if (const std::optional<int> n = parseWholeNumber(wanted)) {
            if (*n >= 1)
                return std::size_t(*n - 1);
            fail("there is no column " + inQuotes(messageSafe(wanted)) + ": columns count from 1.");
            return std::nullopt;
        }
        for (std::size_t i = 0; i < header_.size(); ++i)
            if (words(header_[i]) == words(wanted))
                return i;
        fail("there is no column named " + inQuotes(messageSafe(wanted)) +
             (header_.empty() ? " (it has no header line)."
                              : "; its columns are " + shortList(header_) + "."));
        return std::nullopt;
    }

    /// The data's separator is that of the first line with numbers; the header is read with
    /// it. A header written with another is refused (blanks in a title line are words).
    bool chooseColumns(char separator) {
        columnsChosen_ = true;
        separator_ = separator;
        if (!headerLine_.empty()) {
            const char own = separatorOf(headerLine_);
            if (own != separator && own != ' ' && !(separator == ' ' && own == '\t')) {
                failAt(headerLineNumber_, "its fields are separated by " + separatorName(own) +
                                              ", the measurements' by " + separatorName(separator) +
                                              ".");
                return false;
            }
            // No column's name is longer: a huge one is not copied about.
            for (const std::string_view name : split(headerLine_, separator))
                header_.emplace_back(name.substr(0, 200));
            while (!header_.empty() && header_.back().empty())
                header_.pop_back();
        }
        const auto t = column(format_.timeColumn, 0, {"time"});
        const auto h =
            t ? column(format_.heightColumn, *t == 1 ? 0 : 1, {"alt", "height", "force", "thrust"})
              : std::nullopt;
        if (!t || !h)
            return false;
        timeIndex_ = *t;
        heightIndex_ = *h;
        const std::string timeName = timeIndex_ < header_.size() ? header_[timeIndex_] : "";
        const std::string heightName = heightIndex_ < header_.size() ? header_[heightIndex_] : "";
        const bool ms = format_.timeUnit == TraceTimeUnit::Milliseconds ||
                        (format_.timeUnit == TraceTimeUnit::FromHeader &&
                         hasWord(timeName, {"ms", "msec", "millisecond", "milliseconds"}));
        timeScale_ = ms ? 1000 : 1;
        const bool force = format_.forceUnit != TraceForceUnit::FromHeader ||
                           holds(heightName, "force") || holds(heightName, "thrust") ||
                           holds(heightName, "load");
        read_.trace.thrust = force;
        const char* unit = force ? forceScale(heightName) : heightScaleOf(heightName);
        if ((ms && format_.timeUnit == TraceTimeUnit::FromHeader) || unitFromHeader_)
            read_.notes.push_back(name_ + ": the header gives the units: time in " +
                                  (ms ? "ms" : "s") + (force ? ", force in " : ", altitude in ") +
                                  unit + ".");
        return true;
    }

    /// The altitude's unit, from the format or the header; its name.
    const char* heightScaleOf(const std::string& heightName) {
        const bool ft = format_.heightUnit == TraceHeightUnit::Feet ||
                        (format_.heightUnit == TraceHeightUnit::FromHeader &&
                         hasWord(heightName, {"ft", "feet", "foot"}));
        heightScale_ = ft ? kFeet : 1;
        unitFromHeader_ = ft && format_.heightUnit == TraceHeightUnit::FromHeader;
        return ft ? "ft" : "m";
    }

    /// The force's unit, from the format or the header; its name.
    const char* forceScale(const std::string& forceName) {
        TraceForceUnit u = format_.forceUnit;
        if (u == TraceForceUnit::FromHeader) {
            u = hasWord(forceName, {"lbf", "lb", "lbs", "pound", "pounds"})
                    ? TraceForceUnit::PoundsForce
                : hasWord(forceName, {"kgf", "kp"}) ? TraceForceUnit::KilogramsForce
                                                    : TraceForceUnit::Newtons;
            unitFromHeader_ = u != TraceForceUnit::Newtons;
        }
        heightScale_ = u == TraceForceUnit::PoundsForce      ? kPoundForce
                       : u == TraceForceUnit::KilogramsForce ? kKilogramForce
                                                             : 1;
        return u == TraceForceUnit::PoundsForce      ? "lbf"
               : u == TraceForceUnit::KilogramsForce ? "kgf"
                                                     : "N";
    }

    const TraceFormat& format_;
    std::string name_;
    TraceRead read_;
    static constexpr std::size_t kShownSkipped = 10;
    /// Longer than any water rocket's flight, even under a parachute in a thermal.
    static constexpr double kLongestFlight = 600; // s
    std::vector<std::string> header_;
    std::string_view headerLine_;
    std::size_t headerLineNumber_ = 0;
    std::vector<std::string> skipped_; // the first kShownSkipped of them
    std::size_t skippedCount_ = 0;
    char separator_ = 0;
    bool columnsChosen_ = false;
    std::size_t timeIndex_ = 0, heightIndex_ = 1;
    double timeScale_ = 1, heightScale_ = 1; ///< the value's scale: to m, or to N
    bool unitFromHeader_ = false;            ///< the value's unit was read from the header
};

} // namespace

TraceRead parseTrace(std::string_view text, const TraceFormat& format,
                     const std::string& fileName) {
    return TraceParser(format, fileName).parse(text);
}

TraceRead readTraceFile(const std::string& path, const TraceFormat& format, bool regularOnly) {
    return readWholeFile<TraceRead>(path, kMaxTraceBytes, regularOnly,
                                    [&](std::string_view text, const std::string& name) {
                                        return parseTrace(text, format, name);
                                    });
}

} // namespace hydrolofter

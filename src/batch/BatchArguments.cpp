// The field table maps each NAME to its record field and to what its values may be.
#include "BatchArguments.h"
#include "BatchMeasured.h"
#include "BatchOptions.h"
#include "designs/Design.h"
#include "designs/FieldArguments.h"
#include "designs/Flight.h"
#include "designs/JsonText.h"
#include "designs/MessageText.h"

#include "units/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace hydrolofter {
namespace {

std::optional<double> parseNumber(const std::string& text) {
    return parseDecimal(text);
}

std::optional<int> parseInteger(const std::string& text) {
    return parseWholeNumber(text);
}

std::string quote(const std::string& s) {
    return quotedArgument(s);
}

class Parser {
public:
    BatchParse parse(const std::vector<std::string>& args) {
        for (std::size_t i = 0; i < args.size() && result.error.empty(); ++i) {
            const std::string& a = args[i];
            if (const Option* o = findOption(a)) {
                if (o->value.empty()) {
                    option(o->name, {});
                } else if (i + 1 >= args.size()) {
                    fail(quote(a) + " needs a value");
                    break;
                } else {
                    option(o->name, args[++i]);
                }
            } else if (a.rfind("-", 0) == 0) {
                std::string accepted;
                for (const Option& o : options()) {
                    accepted.append(accepted.empty() ? "" : ", ").append(o.name);
                    if (!o.value.empty())
                        accepted.append(" ").append(o.value);
                }
                fail("unknown option " + quote(a) + "; accepted: " + accepted);
            } else {
                assignments.push_back(a); // after the design files, whatever the order
            }
        }
        if (result.error.empty())
            fail(assignFields(assignments, result.options.inputs, result.options.settings));
        if (result.error.empty())
            fail(finishComparisonOptions(result.options, pendingTrace, result.notes));
        return result;
    }

private:
    void fail(std::string message) {
        if (result.error.empty() && !message.empty())
            result.error = std::move(message);
    }

    void option(std::string_view name, const std::string& value) {
        if (std::string error;
            takeComparisonOption(name, value, result.options, pendingTrace, error)) {
            fail(error);
        } else if (name == "--summary") {
            result.options.summary = true;
        } else if (name == "--rocket" || name == "--site") {
            const DesignKind kind = name == "--rocket" ? DesignKind::Rocket : DesignKind::Site;
            const DesignRead design = readDesignFile(kind, value);
            if (!design.ok)
                return fail(design.error);
            copyGroup(kind == DesignKind::Rocket ? FieldGroup::Rocket : FieldGroup::Environment,
                      design.inputs, result.options.inputs);
            result.notes.insert(result.notes.end(), design.notes.begin(), design.notes.end());
        } else if (name == "--flight") {
            const FlightRead flight = readFlightFile(value);
            if (!flight.ok)
                return fail(flight.error);
            result.options.inputs = flight.inputs;
            result.options.settings = flight.settings;
            result.options.description = flight.description;
            result.options.flightName = fileLabel(value);
            result.notes.insert(result.notes.end(), flight.notes.begin(), flight.notes.end());
        } else if (name == "--save-flight") {
            result.options.saveFlight = value;
        } else if (name == "--save-rocket") {
            result.options.saveRocket = value;
        } else if (name == "--save-site") {
            result.options.saveSite = value;
        } else if (name == "--help") {
            result.options.help = true;
        } else if (name == "--version") {
            result.options.version = true;
        } else if (name == "--list") {
            result.options.list = true;
        } else if (name == "--max-time") {
            const std::optional<double> v = parseNumber(value);
            if (!v || *v <= 0)
                return fail("--max-time " + quote(value) +
                            ": expected a number of seconds greater than 0");
            result.options.maxTime = *v;
        } else if (name == "--threads") {
            const std::optional<int> n = parseInteger(value);
            if (!n || *n < 1 || *n > 1024)
                return fail("--threads " + quote(value) +
                            ": expected a whole number from 1 to 1024");
            result.options.threads = *n;
        } else if (name == "--png") {
            result.options.pngFile = value;
        } else {
            const auto x = value.find('x');
            const std::optional<int> w = parseInteger(value.substr(0, x));
            const std::optional<int> h =
                x == std::string::npos ? std::nullopt : parseInteger(value.substr(x + 1));
            if (!w || !h || *w < 100 || *h < 100 || *w > 10000 || *h > 10000)
                return fail("--size " + quote(value) +
                            ": expected WIDTHxHEIGHT, each from 100 to 10000 pixels");
            result.options.pngWidth = *w;
            result.options.pngHeight = *h;
        }
    }

    PendingTrace pendingTrace;
    std::vector<std::string> assignments;
    BatchParse result;
};

} // namespace

BatchParse parseBatchArguments(const std::vector<std::string>& args) {
    return Parser().parse(args);
}

} // namespace hydrolofter

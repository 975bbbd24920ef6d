#include "BatchMeasured.h"

#include "designs/Flight.h"
#include "designs/JsonText.h"
#include "designs/MessageText.h"
#include "runs/FieldTable.h"
#include "runs/TraceFit.h"
#include "units/NumberText.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace hydrolofter {
namespace {

std::string quote(const std::string& s) {
    std::string quoted(1, '\'');
    return quoted.append(messageSafe(s, 60)).append(1, '\'');
}

} // namespace

bool takeComparisonOption(std::string_view name, const std::string& value, BatchOptions& o,
                          PendingTrace& pending, std::string& error) {
    if (name == "--compare") {
        if (int(o.compared.size()) >= 6) {
            error = "--compare " + quote(value) + ": at most 6 flights can be compared";
            return true;
        }
        const FlightRead flight = readFlightFile(value);
        if (!flight.ok)
            error = flight.error;
        else
            o.compared.emplace_back(fileLabel(value), flight.inputs);
    } else if (name == "--measured") {
        pending.path = value;
    } else if (name == "--measured-columns") {
        const auto comma = value.find(',');
        if (comma == std::string::npos || comma == 0 || comma + 1 == value.size())
            error = "--measured-columns " + quote(value) +
                    ": expected TIME,ALTITUDE or TIME,FORCE (header names or positions from 1)";
        else
            std::tie(pending.format.timeColumn, pending.format.heightColumn) =
                std::tuple{value.substr(0, comma), value.substr(comma + 1)};
    } else if (name == "--measured-time-unit") {
        if (value == "s" || value == "ms")
            pending.format.timeUnit =
                value == "s" ? TraceTimeUnit::Seconds : TraceTimeUnit::Milliseconds;
        else
            error = "--measured-time-unit " + quote(value) + ": expected s or ms";
    } else if (name == "--measured-height-unit") {
        if (value == "m" || value == "ft")
            pending.format.heightUnit =
                value == "m" ? TraceHeightUnit::Metres : TraceHeightUnit::Feet;
        else
            error = "--measured-height-unit " + quote(value) + ": expected m or ft";
    } else if (name == "--measured-force-unit") {
        const std::pair<const char*, TraceForceUnit> units[] = {
            {"N", TraceForceUnit::Newtons},
            {"lbf", TraceForceUnit::PoundsForce},
            {"kgf", TraceForceUnit::KilogramsForce}};
        const auto* u = std::find_if(std::begin(units), std::end(units),
                                     [&](const auto& p) { return value == p.first; });
        if (u == std::end(units))
            error = "--measured-force-unit " + quote(value) + ": expected N, lbf or kgf";
        else
            pending.format.forceUnit = u->second;
    } else if (name == "--fit") {
        o.fit = value;
    } else if (name == "--fit-range") {
        const auto colon = value.find(':');
        const std::optional<double> from = parseDecimal(value.substr(0, colon));
        const std::optional<double> to =
            colon == std::string::npos ? std::nullopt : parseDecimal(value.substr(colon + 1));
        if (!from || !to || !(*from < *to))
            error = "--fit-range " + quote(value) + ": expected FROM:TO, FROM below TO";
        else
            std::tie(o.fitRangeGiven, o.fitFrom, o.fitTo) = std::tuple{true, *from, *to};
    } else {
        return false;
    }
    return true;
}

std::string finishComparisonOptions(BatchOptions& o, const PendingTrace& pending,
                                    std::vector<std::string>& notes) {
    if (!pending.path.empty()) {
        const TraceRead read = readTraceFile(pending.path, pending.format);
        if (!read.ok)
            return read.error;
        o.measured = read.trace;
        o.measuredName = fileNameForMessages(pending.path);
        notes.insert(notes.end(), read.notes.begin(), read.notes.end());
    }
    if (o.fit.empty())
        return o.fitRangeGiven ? "--fit-range needs --fit NAME" : "";
    if (pending.path.empty())
        return "--fit needs the measured flight: --measured FILE";
    const Field* f = findField(o.fit);
    if (!f || !fittable(f->sweep)) {
        std::string accepted;
        for (const Field& field : fields())
            if (field.sweep >= 0 && fittable(field.sweep))
                accepted.append(accepted.empty() ? "" : ", ").append(field.name);
        return "--fit " + quote(o.fit) + ": not an input that can be fitted; accepted: " + accepted;
    }
    if (!o.fitRangeGiven) {
        const FitRequest range =
            defaultFitRange(f->sweep, o.inputs.*std::get<InputNumber>(f->member));
        o.fitFrom = range.from;
        o.fitTo = range.to;
    }
    return {};
}

} // namespace hydrolofter

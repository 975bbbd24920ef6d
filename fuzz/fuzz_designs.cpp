// Fuzz target: any bytes as a rocket, a launch-site and a flight file, and as a measured
// trace. Reading never crashes or hangs, a file it accepts is written and read back to the
// same values, and an accepted trace holds ordered finite samples a flight can be held to.
#include "designs/Design.h"
#include "designs/Flight.h"
#include "designs/TraceFile.h"
#include "runs/FieldTable.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

using namespace hydrolofter;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (DesignKind kind : {DesignKind::Rocket, DesignKind::Site}) {
        const DesignRead first = parseDesign(kind, text, "fuzz.json");
        if (!first.ok)
            continue;
        const DesignRead again = parseDesign(kind, designText(kind, first.inputs), "again.json");
        if (!again.ok)
            std::abort(); // an accepted design must survive its own round trip
        const FieldGroup group =
            kind == DesignKind::Rocket ? FieldGroup::Rocket : FieldGroup::Environment;
        for (const Field& f : fields()) {
            if (f.group != group)
                continue;
            if (const auto* m = std::get_if<InputNumber>(&f.member)) {
                if (std::memcmp(&(first.inputs.**m), &(again.inputs.**m), sizeof(double)) != 0)
                    std::abort();
            } else if (const auto* i = std::get_if<InputInt>(&f.member)) {
                if (first.inputs.**i != again.inputs.**i)
                    std::abort();
            } else if (const auto* t = std::get_if<InputText>(&f.member)) {
                if (first.inputs.**t != again.inputs.**t)
                    std::abort();
            }
        }
    }
    // A flight: its text, written again from what was read, reads back to the same text.
    const FlightRead flight = parseFlight(text, "fuzz.flight.json");
    if (flight.ok) {
        const std::string written = flightText(flight.inputs, flight.settings, flight.description);
        const FlightRead again = parseFlight(written, "again.flight.json");
        if (!again.ok || flightText(again.inputs, again.settings, again.description) != written)
            std::abort();
    }
    for (const TraceFormat& format :
         {TraceFormat{},
          TraceFormat{"2", "time", TraceTimeUnit::Milliseconds, TraceHeightUnit::Feet}}) {
        const TraceRead trace = parseTrace(text, format, "fuzz.csv");
        if (!trace.ok)
            continue;
        const auto& t = trace.trace;
        if (t.time.size() < 2 || t.time.size() != t.height.size())
            std::abort();
        for (std::size_t i = 0; i < t.time.size(); ++i)
            if (!std::isfinite(t.time[i]) || !std::isfinite(t.height[i]) ||
                (i > 0 && t.time[i] < t.time[i - 1]))
                std::abort();
        QuietRunHost host;
        RunSettings coarse;
        coarse.precision = 2;
        if (compareWithTrace({}, coarse, t, host, 60).outcome != RunOutcome::Completed)
            std::abort();
    }
    return 0;
}

// A measured flight read from an altimeter's table, or a firing from a test stand's: CSV,
// semicolon or tab separated.
#pragma once

#include "runs/MeasuredTrace.h"

#include <string>
#include <string_view>
#include <vector>

namespace hydrolofter {

enum class TraceTimeUnit { FromHeader, Seconds, Milliseconds };
enum class TraceHeightUnit { FromHeader, Metres, Feet };
enum class TraceForceUnit { FromHeader, Newtons, PoundsForce, KilogramsForce };

/// How to read a trace. A column is a header's name (any case) or a position from 1; empty:
/// the first column whose header holds "time", and the first holding "alt", "height",
/// "force" or "thrust", else the first and second columns. The trace is a stand's (forces)
/// when its value column's header holds "force", "thrust" or "load", or a force unit is
/// given. A unit left to the header is taken from its words ("ms", "ft", "feet", "lbf",
/// "kgf"); seconds, metres and newtons otherwise.
struct TraceFormat {
    std::string timeColumn;
    std::string heightColumn; ///< the altitude's or the force's
    TraceTimeUnit timeUnit = TraceTimeUnit::FromHeader;
    TraceHeightUnit heightUnit = TraceHeightUnit::FromHeader;
    TraceForceUnit forceUnit = TraceForceUnit::FromHeader;
};

struct TraceRead {
    bool ok = false;
    std::string error; ///< names the file and, for a bad sample, its line
    MeasuredTrace trace;
    std::vector<std::string> notes; ///< lines passed over, units taken from the header
};

/// A trace file holds at most this much.
inline constexpr std::size_t kMaxTraceBytes = 64u << 20;

/// Reads the text of a trace named fileName (for messages). Lines with no number in them
/// (headers, comments, blank lines) are passed over with a note; a line that has numbers
/// but no readable time or altitude, a time before the line before's, a value beyond any
/// flight, or fewer than two samples are refused.
TraceRead parseTrace(std::string_view text, const TraceFormat& format, const std::string& fileName);
/// Reads a trace file (a regular file only when regularOnly).
TraceRead readTraceFile(const std::string& path, const TraceFormat& format,
                        bool regularOnly = false);

} // namespace hydrolofter

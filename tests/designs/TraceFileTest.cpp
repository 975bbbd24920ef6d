#include "designs/TraceFile.h"

#include <gtest/gtest.h>

namespace hydrolofter {
namespace {

/// What a trace's text gives: the first and last sample (s, m) and a note, or the refusal.
using namespace std::literals;

TEST(TraceFile, ReadsTheTablesAltimetersWriteAndNamesTheLineOfAFault) {
    struct Row {
        std::string_view text;
        TraceFormat format;
        const char* says; ///< part of the refusal, or of the first note; "" for neither
        double firstTime, firstHeight, lastTime, lastHeight;
    };
    using F = TraceFormat;
    const F plain;
    const Row rows[] = {
        {"0,0\n0.05,1.5\n", plain, "", 0, 0, 0.05, 1.5},
        {"# logged\r\ntime,alt\r\n\r\n0,0\r\n0.05,1.5\r\n", plain,
         "passed over 3 lines that hold no measurement: 1, 2, 3", 0, 0, 0.05, 1.5},
        // Semicolons with decimal commas; the header's words give ms and ft.
        {"Zeit (ms);Altitude (ft)\n0;0\n500;10,5\n", plain,
         "the header gives the units: time in ms, altitude in ft", 0, 0, 0.5, 3.2004},
        // A stand's firing: the force column by its name, lbf from the header (4.4482 N each).
        {"Time (ms),Thrust (lbf)\n0,0\n10,2\n", plain,
         "the header gives the units: time in ms, force in lbf", 0, 0, 0.01, 8.896443230521},
        // Columns found by name past others; tabs.
        {"temp\thöhe\ttime\taltitude\n20\t9\t1\t2\n21\t9\t2\t4\n", plain,
         "passed over 1 line that holds no measurement: 1", 1, 2, 2, 4},
        {"1 2 3\n4 5 6\n", F{"3", "1", TraceTimeUnit::Milliseconds, TraceHeightUnit::Feet}, "",
         0.003, 0.3048, 0.006, 1.2192},
        {"t,h\n0,0\n1,oops\n", plain, "t.csv: line 3: the altitude \"oops\" is not a number.", 0, 0,
         0, 0},
        {"0,0\n1\n", plain, "t.csv: line 2: there is no altitude in column 2 (the line has 1).", 0,
         0, 0, 0},
        {"0,0\n2,1\n1,3\n", plain, "line 3: the time 1 comes before the line before's", 0, 0, 0, 0},
        {"0,0\n1,1e9\n", plain, "line 2: the altitude 1e+09 is beyond any flight", 0, 0, 0, 0},
        {"time,alt\n0,0\n", plain, "t.csv: holds fewer than two measurements", 0, 0, 0, 0},
        {"time,alt\n0,0\n1,1\n", F{"", "height"},
         "there is no column named \"height\"; its "
         "columns are time, alt.",
         0, 0, 0, 0},
        {"0,0\n1,1\n", F{"0", ""}, "there is no column \"0\": columns count from 1.", 0, 0, 0, 0},
        {"0,0\n1\0,1\n"sv, plain, "t.csv: is not a text table (it holds a NUL byte).", 0, 0, 0, 0},
        // Decimal commas between commas, or another separator, are refused, never re-read.
        {"time,altitude\n0,25,1,50\n", plain,
         "line 2: the line holds 4 fields where the header names 2 (are decimal commas", 0, 0, 0,
         0},
        {"0,0\n1;2\n", plain,
         "line 2: its fields are separated by \";\", the lines before by \",\".", 0, 0, 0, 0},
        {"time;alt\n0,0\n1,1\n", plain,
         "line 1: its fields are separated by \";\", the measurements' by \",\".", 0, 0, 0, 0},
        {"0 0\n2650 0\n", plain,
         "the times span 2650 s, longer than a water rocket flies: if they are milliseconds, "
         "give the time unit as ms.",
         0, 0, 2650, 0},
    };
    for (const Row& row : rows) {
        const TraceRead read = parseTrace(row.text, row.format, "t.csv");
        SCOPED_TRACE(std::string(row.text));
        if (read.ok) {
            ASSERT_FALSE(read.trace.time.empty());
            EXPECT_DOUBLE_EQ(read.trace.time.front(), row.firstTime);
            EXPECT_DOUBLE_EQ(read.trace.height.front(), row.firstHeight);
            EXPECT_DOUBLE_EQ(read.trace.time.back(), row.lastTime);
            EXPECT_DOUBLE_EQ(read.trace.height.back(), row.lastHeight);
            const std::string note = read.notes.empty() ? "" : read.notes.front();
            EXPECT_NE(note.find(row.says), std::string::npos) << note;
            EXPECT_EQ(note.empty(), *row.says == 0) << note;
        } else {
            EXPECT_NE(read.error.find(row.says), std::string::npos) << read.error;
            EXPECT_NE(*row.says, 0) << read.error;
        }
    }
}

} // namespace
} // namespace hydrolofter

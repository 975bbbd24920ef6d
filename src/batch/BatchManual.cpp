// The manual page of hydrolofter-batch, made from the same tables as the usage text and
// --list, so that it cannot say other than the program does.
#include "BatchOptions.h"

#include <string>

namespace hydrolofter {
namespace {

/// Text as roff prints it: backslashes and hyphens escaped, no line taken for a request.
std::string roff(std::string_view text) {
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\''))
            out += "\\&";
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
        lineStart = c == '\n';
    }
    return out;
}

constexpr std::string_view kDescription = R"(.SH DESCRIPTION
.B hydrolofter\-batch
flies the simulations of
.BR hydrolofter (1)
without a window, for scripts, teaching and testing. It starts from the default rocket,
launch site and launch, changes them by the
.IR NAME = VALUE
arguments (and design files), flies the run the settings choose and prints its series as
CSV on standard output: a launch analysis (one variable over a flight, as minimum and
maximum per time step), a one\-variable optimisation (a result against one input) or a
two\-variable optimisation (a result over two inputs). Each column of the CSV is named by its
variable and unit; numbers have 17 significant digits, so that they read back to the same
bits. Runs give the same numbers, to the bit, as the window and on every machine.
.PP
A unit or variable is given by its name as the program's lists show it, or by its index;
choosing a variable also chooses its default unit unless the unit is given too. Notes on a
run (a coarse time step, a flight cut off at its record limit) go to standard error, every
line starting with
.BR hydrolofter\-batch: .
)";

constexpr std::string_view kFiles = R"(.SH FILES
.TP
.IB name .rocket.json
A rocket design (MIME type application/x\-hydrolofter\-rocket): JSON with
\(dqformat\(dq: \(dqhydrolofter\-rocket\(dq, \(dqversion\(dq: 1 and one entry per field of the
Rocket Specifications page by its NAME; a number with a unit is written as
{\(dqvalue\(dq: 2, \(dqunit\(dq: \(dqL\(dq}. A file that is refused is named with the field and
the fault.
.TP
.IB name .site.json
A launch site design (MIME type application/x\-hydrolofter\-site), likewise with the fields of
the Launch Pad / Environment Specifications page.
)";

constexpr std::string_view kExamples = R"(.SH EXAMPLES
Fly the default rocket and print its results:
.PP
.RS
.nf
hydrolofter\-batch \-\-summary
.fi
.RE
.PP
How the highest point depends on the amount of water, as CSV for a spreadsheet:
.PP
.RS
.nf
hydrolofter\-batch mode=1 oneVarIndependent=\(aqInitial Water Level\(aq \e
    oneVarRangeFrom=10 oneVarRangeTo=80 oneVarDependent=\(aqMax. Height\(aq > water.csv
.fi
.RE
.PP
The same graph as a picture for a report:
.PP
.RS
.nf
hydrolofter\-batch mode=1 oneVarIndependent=\(aqInitial Water Level\(aq \e
    oneVarRangeFrom=10 oneVarRangeTo=80 \-\-png water.png \-\-size 640x400 > /dev/null
.fi
.RE
.PP
Save a rocket for a class, then fly it with a stronger launch:
.PP
.RS
.nf
hydrolofter\-batch \-\-save\-rocket big.rocket.json bottleVolume=3 emptyMass=250 \-\-summary
hydrolofter\-batch \-\-rocket big.rocket.json initialPressure=80 \-\-summary
.fi
.RE
.SH "SEE ALSO"
.BR hydrolofter (1)
)";

} // namespace

std::string batchManual(std::string_view date, std::string_view version) {
    std::string page = ".TH HYDROLOFTER\\-BATCH 1 \"";
    page.append(date).append("\" \"Hydrolofter ").append(version).append("\" \"User Commands\"\n");
    page.append(".SH NAME\nhydrolofter\\-batch \\- fly water rocket simulations from the command "
                "line\n.SH SYNOPSIS\n.B hydrolofter\\-batch\n[\\fIOPTION\\fR]... "
                "[\\fINAME\\fB=\\fIVALUE\\fR]...\n");
    page.append(kDescription);
    page.append(".SH OPTIONS\n");
    for (const Option& o : options()) {
        page.append(".TP\n.B ").append(roff(o.name));
        if (!o.value.empty())
            page.append(" \\fI").append(roff(o.value)).append("\\fR");
        page.append("\n").append(roff(o.help)).append(".\n");
    }
    page.append(".SH FIELDS\nEvery\n.IR NAME ,\ngrouped as the window's pages are, with what it "
                "holds and its default (the same list as\n.BR \\-\\-list ).\n");
    for (const auto& [group, caption] : fieldGroups()) {
        page.append(".SS \"").append(roff(caption)).append("\"\n");
        for (const Field& f : fields()) {
            if (f.group == group)
                page.append(".TP\n.B ")
                    .append(roff(f.name))
                    .append("\n")
                    .append(roff(describeField(f)))
                    .append(".\n");
        }
    }
    page.append(".SH \"EXIT STATUS\"\n");
    for (const auto& [status, meaning] : exitStatuses())
        page.append(".TP\n.B ")
            .append(std::to_string(status))
            .append("\n")
            .append(roff(meaning))
            .append(".\n");
    page.append(kFiles).append(kExamples);
    return page;
}

} // namespace hydrolofter

// hydrolofter-batch: flies a run from NAME=VALUE arguments and prints its series or summary.
#include "BatchArguments.h"
#include "BatchRun.h"
#include "Version.h"
#include "designs/Design.h"
#include "designs/Flight.h"
#include "designs/MessageText.h"
#include "runs/InputCheck.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

using namespace hydrolofter;

namespace {

/// Standard output was closed when the tool started; its descriptor is held on /dev/null
/// so that no file opened later takes its place and receives the output.
bool outputClosed = false;

void say(const std::string& line) {
    std::cerr << "hydrolofter-batch: " << line << "\n";
}

/// Writes the output and ends with status; output that could not be written (a full
/// disk, a closed stream) is a failure, never a silent loss.
int finish(std::string_view output, ExitStatus status) {
    if (output.empty())
        return int(status);
    errno = EBADF;
    if (!outputClosed && writeAll(STDOUT_FILENO, output))
        return int(status);
    say(std::string("the output could not be written: ") + std::strerror(errno));
    return int(ExitStatus::OutputFailed);
}

int saveDesigns(const BatchOptions& o) {
    for (const auto& [file, kind] :
         {std::pair{o.saveRocket, DesignKind::Rocket}, std::pair{o.saveSite, DesignKind::Site}}) {
        if (file.empty())
            continue;
        const std::string error = writeFileAtomically(file, designText(kind, o.inputs));
        if (!error.empty()) {
            say("the " + std::string(designName(kind)) +
                " was not saved: " + messageSafe(file, 200) + ": " + error);
            return int(ExitStatus::NotSaved);
        }
    }
    if (!o.saveFlight.empty()) {
        const std::string error =
            writeFileAtomically(o.saveFlight, flightText(o.inputs, o.settings, o.description));
        if (!error.empty()) {
            say("the flight was not saved: " + messageSafe(o.saveFlight, 200) + ": " + error);
            return int(ExitStatus::NotSaved);
        }
    }
    return int(ExitStatus::Done);
}

int run(const BatchOptions& o) {
    std::string output;
    std::vector<std::string> said;
    const ExitStatus status = runBatch(o, output, said);
    const int written = finish(output, status);
    for (const std::string& line : said)
        say(line);
    return written;
}

} // namespace

int main(int argc, char** argv) {
    if (::fcntl(STDOUT_FILENO, F_GETFD) < 0) {
        outputClosed = true;
        ::open("/dev/null", O_WRONLY); // takes descriptor 1
    }
    const std::vector<std::string> args(argv + 1, argv + argc);
    const BatchParse parsed = parseBatchArguments(args);
    if (!parsed.error.empty()) {
        say(parsed.error);
        return int(ExitStatus::BadArguments);
    }
    for (const std::string& note : parsed.notes)
        say(note);
    const BatchOptions& o = parsed.options;
    if (o.help)
        return finish(batchUsage(), ExitStatus::Done);
    if (o.list)
        return finish(fieldListing(), ExitStatus::Done);
    if (o.version)
        return finish("hydrolofter-batch " + std::string(kVersion) + "\n", ExitStatus::Done);
    if (const int status = saveDesigns(o); status != int(ExitStatus::Done))
        return status;
    const std::vector<std::string> problems = checkInputs(o.settings, o.inputs);
    if (!problems.empty()) {
        for (const std::string& p : problems)
            say(p);
        return int(ExitStatus::Refused);
    }
    return run(o);
}

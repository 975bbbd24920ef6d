// Fuzz target: hydrolofter-batch's argument parsing (names, numbers, unit and variable names).
#include "batch/BatchArguments.h"
#include "designs/Design.h"
#include "runs/InputCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Arguments are separated by newlines, as a shell would hand them over one by one.
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            args.emplace_back();
        else
            args.back() += char(data[i]);
    }
    const hydrolofter::BatchParse parsed = hydrolofter::parseBatchArguments(args);
    if (parsed.error.empty()) {
        // Whatever was accepted must be checkable without a fault.
        const auto problems =
            hydrolofter::checkInputs(parsed.options.settings, parsed.options.inputs);
        (void)problems;
        if (!(parsed.options.maxTime > 0))
            std::abort(); // --max-time must have been refused
        // What the arguments describe can be saved, and reads back (no text the JSON writer
        // would throw on, no description the reader refuses).
        for (auto kind : {hydrolofter::DesignKind::Rocket, hydrolofter::DesignKind::Site}) {
            const std::string text = hydrolofter::designText(kind, parsed.options.inputs);
            if (!hydrolofter::parseDesign(kind, text, "fuzz.json").ok)
                std::abort();
        }
    } else if (parsed.error.find('\n') != std::string::npos) {
        std::abort(); // an error is one line naming the argument
    }
    return 0;
}

// The records the browser edition's page holds: made from its controls' texts or a share
// link's NAME=VALUE pairs by the batch tool's own rules, shown back in the controls, which
// of their fields can be changed now, and the design files.
#include "WebSupport.h"
#include "designs/Design.h"
#include "designs/FieldArguments.h"
#include "designs/Flight.h"
#include "designs/MessageText.h"

#include <emscripten.h>

#include <algorithm>
#include <cctype>
#include <string_view>

using nlohmann::json;
using namespace hydrolofter;
using namespace hydrolofter::web;

namespace {

/// A JSON object of field names and texts ({"bottleVolume": "1.5"}) as NAME=VALUE.
std::vector<std::string> assignments(const char* pairs) {
    std::vector<std::string> list;
    const json j = json::parse(pairs ? pairs : "", nullptr, false);
    if (j.is_object())
        for (const auto& [name, value] : j.items())
            if (value.is_string())
                list.push_back(name + "=" + value.get<std::string>());
    return list;
}

/// "Drag Coefficient (Rocket Specifications)": a field as the page shows it.
std::string pageName(const Field& f) {
    std::string page;
    for (const auto& [group, caption] : fieldGroups())
        if (group == f.group)
            page = caption;
    return f.checkName() + " (" + page + ")";
}

/// A refusal of the NAME=VALUE reader in a page's words: the field by its caption and its
/// page, not by the batch tool's NAME ("Bottle Volume (Rocket Specifications): 'abc' is not
/// a decimal number").
std::string inPageWords(const std::string& error, const std::string& arg) {
    const Field* f = findField(arg.substr(0, arg.find('=')));
    const std::string prefix = quotedArgument(arg) + ": ";
    if (!f || error.rfind(prefix, 0) != 0)
        return error;
    return pageName(*f) + ": " + error.substr(prefix.size());
}

/// A design or flight file's message in the page's words: each field NAME the reader gives
/// as a heading ("rocket: dragCoefficient: must be a number.") or in a list ("keep their
/// defaults: nozzleDiameter, dischargeCoefficient.") becomes the field's caption and page.
std::string fileInPageWords(const std::string& message) {
    std::string out;
    std::size_t at = 0;
    const auto word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    while (at < message.size()) {
        std::size_t end = at;
        while (end < message.size() && word(message[end]))
            ++end;
        // Never the file's own name, which the message starts with.
        const bool headed = at >= 2 && (message.compare(at - 2, 2, ": ") == 0 ||
                                        message.compare(at - 2, 2, ", ") == 0);
        const bool closed = end < message.size() &&
                            std::string_view(":,.").find(message[end]) != std::string_view::npos;
        const Field* f =
            end > at && headed && closed ? findField(message.substr(at, end - at)) : nullptr;
        const std::size_t next = std::max(end, at + 1); // a word, or one other character
        out += f ? pageName(*f) : message.substr(at, next - at);
        at = next;
    }
    return out;
}

std::vector<std::string> notesInPageWords(std::vector<std::string> notes) {
    for (std::string& n : notes)
        n = fileInPageWords(n);
    return notes;
}

/// Every pair the reader refuses, each said once: the refused pair is taken out and the rest
/// read again, so that a unit is still read with its variable.
std::vector<std::string> refusals(std::vector<std::string> list) {
    std::vector<std::string> said;
    while (!list.empty()) {
        SimulationInputs in;
        RunSettings s;
        const std::string error = assignFields(list, in, s);
        if (error.empty())
            break;
        const auto refused = std::find_if(list.begin(), list.end(), [&](const std::string& a) {
            return error.rfind(quotedArgument(a), 0) == 0;
        });
        said.push_back(refused == list.end() ? error : inPageWords(error, *refused));
        if (refused == list.end())
            break;
        list.erase(refused);
    }
    return said;
}

/// Each field's text and whether it can be changed now.
json controlsJson(const SimulationInputs& in, const RunSettings& s) {
    json values = json::object(), enabled = json::object();
    for (const Field& f : fields()) {
        values[std::string(f.name)] = valueOf(f, in, s);
        enabled[std::string(f.name)] = fieldEnabled(f, in, s);
    }
    return {{"values", values}, {"enabled", enabled}};
}

} // namespace

extern "C" {

/// The record of field texts laid over the defaults, read as the batch tool reads
/// NAME=VALUE: {"record"}, or {"error"} listing every field it refuses, in the page's words.
EMSCRIPTEN_KEEPALIVE const char* hl_record(const char* pairs) {
    SimulationInputs in;
    RunSettings s;
    const std::vector<std::string> list = assignments(pairs);
    if (!assignFields(list, in, s).empty()) {
        std::string error;
        for (const std::string& line : refusals(list))
            error += (error.empty() ? "" : "\n") + line + (line.ends_with('.') ? "" : ".");
        return answer({{"error", error}});
    }
    return answer({{"record", recordJson(in, s)}});
}

/// What the controls show for a record: {"values", "enabled"} by field name.
EMSCRIPTEN_KEEPALIVE const char* hl_form(const char* record) {
    const Parsed p = parse(record);
    return answer(controlsJson(p.options.inputs, p.options.settings));
}

/// Which fields can be changed while the controls hold these texts; a text that cannot be
/// read leaves its field at the default, the others still count.
EMSCRIPTEN_KEEPALIVE const char* hl_enabled(const char* pairs) {
    SimulationInputs in;
    RunSettings s;
    for (const std::string& a : assignments(pairs))
        assignFields({a}, in, s);
    return answer(controlsJson(in, s)["enabled"]);
}

/// A share link's pairs for a record: the fields whose texts differ from the defaults'.
EMSCRIPTEN_KEEPALIVE const char* hl_link(const char* record) {
    const Parsed p = parse(record);
    static const SimulationInputs inputs;
    static const RunSettings settings;
    json pairs = json::array();
    for (const Field& f : fields()) {
        const std::string value = valueOf(f, p.options.inputs, p.options.settings);
        if (value != valueOf(f, inputs, settings))
            pairs.push_back({f.name, value});
    }
    return answer(pairs);
}

/// A design file's text read strictly: {"ok", "error", "notes", "group", "values"} (its
/// page's field texts). kind "Rocket" or "Environment", or empty for what the file says.
EMSCRIPTEN_KEEPALIVE const char* hl_readDesign(const char* kind, const char* text,
                                               const char* name) {
    const std::string k = kind ? kind : "";
    const std::optional<DesignKind> wanted =
        k.empty() ? std::nullopt
                  : std::optional(k == "Rocket" ? DesignKind::Rocket : DesignKind::Site);
    const DesignRead read = parseDesign(wanted, text, name);
    const FieldGroup group =
        read.kind == DesignKind::Rocket ? FieldGroup::Rocket : FieldGroup::Environment;
    json values = json::object();
    if (read.ok)
        for (const Field& f : fields())
            if (f.group == group)
                values[std::string(f.name)] = valueOf(f, read.inputs, RunSettings{});
    return answer({{"ok", read.ok},
                   {"group", group == FieldGroup::Rocket ? "Rocket" : "Environment"},
                   {"error", fileInPageWords(read.error)},
                   {"notes", notesInPageWords(read.notes)},
                   {"values", values}});
}

/// The design file of the record's rocket ("Rocket") or launch site ("Environment").
EMSCRIPTEN_KEEPALIVE const char* hl_designText(const char* kind, const char* record) {
    const Parsed p = parse(record);
    const bool rocket = std::string(kind ? kind : "") == "Rocket";
    return answerText(p.error.empty() ? designText(rocket ? DesignKind::Rocket : DesignKind::Site,
                                                   p.options.inputs)
                                      : std::string());
}

/// The flight file of the record (every page and the settings) with its description: the
/// desktop's bytes.
EMSCRIPTEN_KEEPALIVE const char* hl_flightText(const char* record, const char* description) {
    const Parsed p = parse(record);
    return answerText(p.error.empty() ? flightText(p.options.inputs, p.options.settings,
                                                   description ? description : "")
                                      : std::string());
}

/// A flight file's text read as the desktop reads it: {"ok", "error", "notes",
/// "description", "values"}, values every control's text.
EMSCRIPTEN_KEEPALIVE const char* hl_readFlight(const char* text, const char* name) {
    const FlightRead read = parseFlight(text ? text : "", name ? name : "");
    return answer({{"ok", read.ok},
                   {"error", fileInPageWords(read.error)},
                   {"notes", notesInPageWords(read.notes)},
                   {"description", read.description},
                   {"values", read.ok ? controlsJson(read.inputs, read.settings)["values"]
                                      : json::object()}});
}

} // extern "C"

#include "FlightComparison.h"

#include <algorithm>

namespace hydrolofter {
namespace {

std::string subjectOf(const ComparedRun& run) {
    return run.series ? comparisonSubject(*run.series, run.settings) : std::string();
}

} // namespace

std::string FlightComparison::keep(const ComparedRun& shown) {
    const std::string subject = subjectOf(shown);
    const std::string kept = m_kept.empty() ? subject : subjectOf(m_kept.front().run);
    if (kept != subject)
        return "The comparison holds graphs of " + kept + "; this one shows " + subject +
               ". Clear the comparison to start another.";
    if (int(m_kept.size()) >= kMaxCompared)
        return "The comparison holds six flights already: remove one to add this one.";
    // It keeps the colour it has on show, and the file it came from names it where
    // nothing else tells it apart.
    ComparedRun run = shown;
    run.colour = freeColour();
    if (std::none_of(m_kept.begin(), m_kept.end(),
                     [&](const KeptFlight& k) { return sameFlight(k.run, run); }))
        m_kept.push_back({run, shown.name, {}}); // a second copy would only hide the first
    return {};
}

void FlightComparison::remove(int index) {
    if (index >= 0 && index < int(m_kept.size()))
        m_kept.erase(m_kept.begin() + index);
}

void FlightComparison::rename(int index, const std::string& name) {
    if (index >= 0 && index < int(m_kept.size()))
        m_kept[std::size_t(index)].givenName = name;
}

std::string FlightComparison::keptName(std::size_t index) const {
    const KeptFlight& k = m_kept[index];
    return !k.givenName.empty() ? k.givenName : k.fileName;
}

bool FlightComparison::holds(const ComparedRun& shown) const {
    return shown.series && std::any_of(m_kept.begin(), m_kept.end(), [&](const KeptFlight& k) {
               return k.run.series == shown.series || sameFlight(k.run, shown);
           });
}

bool FlightComparison::drawnWith(const ComparedRun& shown) const {
    if (m_kept.empty() || !shown.series)
        return false;
    const std::string subject = subjectOf(shown);
    return !subject.empty() && subjectOf(m_kept.front().run) == subject;
}

int FlightComparison::freeColour() const {
    for (int c = 0;; ++c) {
        if (std::none_of(m_kept.begin(), m_kept.end(),
                         [c](const KeptFlight& k) { return k.run.colour == c; }))
            return c;
    }
}

std::vector<ComparedRun> FlightComparison::runs(const ComparedRun& shown,
                                                std::size_t& shownIndex) const {
    std::vector<ComparedRun> runs;
    const bool keptDrawn = drawnWith(shown);
    if (keptDrawn) {
        for (const KeptFlight& k : m_kept)
            runs.push_back(k.run);
    }
    // The shown result is one of the kept flights when it is the same flight, flown again.
    const auto kept = std::find_if(runs.begin(), runs.end(), [&](const ComparedRun& r) {
        return r.series == shown.series || sameFlight(r, shown);
    });
    shownIndex = std::size_t(kept - runs.begin());
    if (kept == runs.end()) {
        runs.push_back(shown);
        runs.back().colour = freeColour();
    } else {
        kept->series = shown.series; // drawn as now flown
    }
    // Each by what tells it apart from the shown one; by its given name, or its file's,
    // where nothing does; no two alike.
    const std::vector<std::string> differences = differenceNames(runs, shownIndex);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const bool isKept = keptDrawn && i < m_kept.size();
        std::string name = isKept && !m_kept[i].givenName.empty() ? m_kept[i].givenName
                           : !differences[i].empty()              ? differences[i]
                           : isKept                               ? m_kept[i].fileName
                                                                  : shown.name;
        const std::string base = name;
        for (int n = 2; std::find(names.begin(), names.end(), name) != names.end(); ++n)
            name = base + " (" + std::to_string(n) + ")";
        names.push_back(name);
        runs[i].name = name;
    }
    return runs;
}

std::string FlightComparison::csv(const ComparedRun& shown) const {
    std::size_t at = 0;
    const std::vector<ComparedRun> all = runs(shown, at);
    return comparisonCsv(all, at);
}

std::vector<std::pair<std::string, std::string>>
FlightComparison::differences(const ComparedRun& shown) const {
    std::vector<std::pair<std::string, std::string>> lines;
    std::size_t at = 0;
    const std::vector<ComparedRun> all =
        drawnWith(shown) ? runs(shown, at) : std::vector<ComparedRun>{};
    const std::vector<std::string> differences = differenceNames(all, at);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i != at && all[i].name != differences[i])
            lines.emplace_back(all[i].name, differences[i].empty() ? std::string("the same inputs")
                                                                   : differences[i]);
    }
    return lines;
}

std::string FlightComparison::notDrawnNote(const ComparedRun& shown) const {
    if (m_kept.empty() || drawnWith(shown))
        return {};
    return "The kept flights are not drawn: they show " + subjectOf(m_kept.front().run) +
           ", this run does not.";
}

} // namespace hydrolofter

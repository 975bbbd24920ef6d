// The flights kept for comparison, and how the result on show is drawn and named with them.
#pragma once

#include "Comparison.h"

#include <string>
#include <utility>
#include <vector>

namespace hydrolofter {

class FlightComparison {
public:
    /// A kept flight: the run (its colour kept while it is), the label of the file it was
    /// flown from, and the name the user gave it (empty: named by what differs).
    struct KeptFlight {
        ComparedRun run;
        std::string fileName;
        std::string givenName;
    };

    const std::vector<KeptFlight>& kept() const { return m_kept; }
    bool empty() const { return m_kept.empty(); }
    /// Keeps the shown run in a colour no kept flight has; the reason when it cannot be
    /// (another subject, six kept). A flight kept already is not kept twice.
    std::string keep(const ComparedRun& shown);
    void remove(int index);
    void clear() { m_kept.clear(); }
    void rename(int index, const std::string& name);
    /// A kept flight's name where no comparison is drawn: its given name or its file's.
    std::string keptName(std::size_t index) const;
    /// Whether the shown run is one of the kept flights.
    bool holds(const ComparedRun& shown) const;
    /// Whether the kept flights are drawn with the shown run (the same subject).
    bool drawnWith(const ComparedRun& shown) const;
    /// The runs of the graph and CSV: the kept flights drawn with the shown run and the shown
    /// run (last, unless it is kept), each named as the legend names it; shownIndex is the
    /// shown run's place.
    std::vector<ComparedRun> runs(const ComparedRun& shown, std::size_t& shownIndex) const;
    /// The shown run as CSV, with a column group for each flight drawn with it.
    std::string csv(const ComparedRun& shown) const;
    /// What each kept flight drawn with it differs in, where its legend name does not say.
    std::vector<std::pair<std::string, std::string>> differences(const ComparedRun& shown) const;
    /// Why the kept flights are not drawn with the shown run; empty when they are or none.
    std::string notDrawnNote(const ComparedRun& shown) const;

private:
    int freeColour() const;

    std::vector<KeptFlight> m_kept;
};

} // namespace hydrolofter

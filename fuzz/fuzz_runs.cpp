// Fuzz target: inputs and settings from random bytes (any doubles, including NaN, infinities,
// zero, negatives, huge and denormal values; unit indices within their lists; any mode and
// precision 1 to 4). An input the check accepts must fly to its end with no NaN in its series.
#include "runs/InputCheck.h"
#include "runs/RunSimulation.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using namespace hydrolofter;

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    /// Mostly a value near the typical one (scaled by a power of two, or its sign flipped),
    /// otherwise any double at all, bit for bit: NaN, infinities, denormals, zero, huge.
    double value(double typical) {
        const int how = pick(8);
        if (how == 0)
            return anyDouble();
        if (how == 1)
            return 0;
        const double scale = std::ldexp(1.0, pick(41) - 20); // 2^-20 .. 2^20
        return how == 2 ? -typical * scale : typical * scale;
    }
    /// Any double at all, bit for bit; 0 once the bytes run out.
    double anyDouble() {
        std::uint64_t bits = 0;
        const std::size_t n = std::min<std::size_t>(8, size_ - pos_);
        std::memcpy(&bits, data_ + pos_, n);
        pos_ += n;
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    /// 0 .. count − 1.
    int pick(int count) {
        if (pos_ >= size_ || count <= 0)
            return 0;
        return data_[pos_++] % count;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

bool finiteSeries(const SampleSeries& s) {
    for (int k = 0; k < s.count; ++k) {
        const auto i = std::size_t(k);
        if (!std::isfinite(s.column1[i]) || !std::isfinite(s.column3[i]))
            return false;
        if (s.kind != SeriesKind::Line && !std::isfinite(s.column2[i]))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes b(data, size);
    using F = UnitFamily;
    SimulationInputs in;
    in.bottleDiameter = b.value(110);
    in.bottleDiameterUnit = b.pick(unitCount(F::SmallLength));
    in.bottleVolume = b.value(2);
    in.bottleVolumeUnit = b.pick(unitCount(F::Volume));
    in.dragCoefficient = b.value(0.3);
    in.emptyMass = b.value(150);
    in.emptyMassUnit = b.pick(unitCount(F::Mass));
    in.kamikaze = b.pick(2);
    in.parachuteCount = b.pick(4);
    in.parachuteShape = b.pick(2);
    in.parachuteDiameter = b.value(100);
    in.parachuteDiameterUnit = b.pick(unitCount(F::SmallLength));
    in.parachuteSurfaceArea = b.value(1);
    in.parachuteSurfaceAreaUnit = b.pick(unitCount(F::Area));
    in.parachuteDragCoefficient = b.value(1);
    in.parachuteDeployTime = b.value(1);
    in.launchRodDiameter = b.value(22);
    in.launchRodDiameterUnit = b.pick(unitCount(F::SmallLength));
    in.launchRodHeight = b.value(15);
    in.launchRodHeightUnit = b.pick(unitCount(F::SmallLength));
    in.atmPressure = b.value(1);
    in.atmPressureUnit = b.pick(unitCount(F::Pressure));
    in.atmTemperature = b.value(70);
    in.atmTemperatureUnit = b.pick(unitCount(F::Temperature));
    in.gravity = b.value(-9.806);
    in.gravityUnit = b.pick(unitCount(F::Acceleration));
    in.updraft = b.value(1);
    in.updraftUnit = b.pick(unitCount(F::Velocity));
    in.waterAmount = b.value(40);
    in.waterAmountUnit = b.pick(unitCount(F::Volume) + 1);
    in.initialPressure = b.value(60);
    in.initialPressureUnit = b.pick(unitCount(F::Pressure));
    in.airTemperature = b.value(60);
    in.airTemperatureUnit = b.pick(unitCount(F::Temperature));
    in.waterDensity = b.value(1000);
    in.waterDensityUnit = b.pick(unitCount(F::Density));
    in.initialHeight = b.value(1);
    in.initialHeightUnit = b.pick(unitCount(F::LargeLength));
    in.initialVelocity = b.value(1);
    in.initialVelocityUnit = b.pick(unitCount(F::Velocity));

    RunSettings s;
    s.mode = static_cast<RunMode>(b.pick(3));
    s.precision = 1 + b.pick(4);
    s.launchDisplay = static_cast<DisplayChoice>(b.pick(2));
    s.plotVariable =
        variableAt(VariableList::PlotVariables, b.pick(listSize(VariableList::PlotVariables)));
    s.plotUnit = b.pick(unitListSize(s.plotVariable));
    s.oneVarDependent =
        variableAt(VariableList::ResultVariables, b.pick(listSize(VariableList::ResultVariables)));
    s.oneVarDependentUnit = b.pick(unitListSize(s.oneVarDependent));
    s.oneVarIndependent =
        variableAt(VariableList::SweepVariables, b.pick(listSize(VariableList::SweepVariables)));
    s.oneVarIndependentUnit = b.pick(unitListSize(s.oneVarIndependent));
    s.oneVarRangeFrom = b.value(50);
    s.oneVarRangeTo = b.value(250);
    s.twoVarDependent =
        variableAt(VariableList::ResultVariables, b.pick(listSize(VariableList::ResultVariables)));
    s.twoVarDependentUnit = b.pick(unitListSize(s.twoVarDependent));
    s.xAxisVariable =
        variableAt(VariableList::SweepVariables, b.pick(listSize(VariableList::SweepVariables)));
    s.xAxisUnit = b.pick(unitListSize(s.xAxisVariable));
    s.xRangeFrom = b.value(50);
    s.xRangeTo = b.value(250);
    s.yAxisVariable =
        variableAt(VariableList::SweepVariables, b.pick(listSize(VariableList::SweepVariables)));
    s.yAxisUnit = b.pick(unitListSize(s.yAxisVariable));
    s.yRangeFrom = b.value(25);
    s.yRangeTo = b.value(75);
    // Read last, so that the inputs kept from before the extended model mean what they did.
    s.flightModel = b.pick(2);
    in.testStand = b.pick(2);
    in.nozzleDiameter = b.value(22);
    in.nozzleDiameterUnit = b.pick(unitCount(F::SmallLength));
    in.dischargeCoefficient = b.value(1);
    in.expansionExponent = b.value(1.4);

    if (!checkInputs(s, in).empty())
        return 0;
    // Bound the work of one input: about 200 000 steps over the whole run.
    const int points =
        s.mode == LaunchAnalysis ? 1 : (s.mode == OneVariableOptimization ? 11 : 121);
    RunOptions options;
    options.threads = 1;
    options.maxFlightTime = 200000.0 / points * timeStep(s.precision);
    QuietRunHost host;
    auto series = std::make_unique<SampleSeries>();
    runSimulation({s, in, options}, host, *series);
    if (series->outcome == RunOutcome::Refused || series->outcome == RunOutcome::Cancelled)
        std::abort(); // checked inputs are flown, and nothing cancelled this run
    if (series->outcome == RunOutcome::Completed && !finiteSeries(*series))
        std::abort(); // an accepted run drew a value that is not a number
    return 0;
}

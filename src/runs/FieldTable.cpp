#include "FieldTable.h"

#include <array>

namespace hydrolofter {
namespace {

using SI = SimulationInputs;
using RS = RunSettings;
using F = UnitFamily;
using K = FieldKind;
using G = FieldGroup;
using L = VariableList;

constexpr Field number(std::string_view n, G g, InputNumber m, std::string_view unit = {}) {
    return {n, K::Number, g, m, {}, {}, unit};
}
constexpr Field integer(std::string_view n, G g, InputInt m) {
    return {n, K::Integer, g, m};
}
constexpr Field unitOf(std::string_view n, G g, InputInt m, F f, std::string_view of) {
    return {n, K::FamilyUnit, g, m, f, {}, of};
}
constexpr Field setting(std::string_view n, SettingInt m) {
    return {n, K::Integer, G::Settings, m};
}
constexpr Field range(std::string_view n, SettingNumber m) {
    return {n, K::Number, G::Settings, m};
}
constexpr Field variable(std::string_view n, SettingInt m, L list, std::string_view unit) {
    return {n, K::Variable, G::Settings, m, {}, list, unit};
}
constexpr Field unitOfVariable(std::string_view n, SettingInt m, std::string_view variable) {
    return {n, K::VariableUnit, G::Settings, m, {}, {}, variable};
}

constexpr std::array kFields{
    number("bottleDiameter", G::Rocket, &SI::bottleDiameter, "bottleDiameterUnit"),
    unitOf("bottleDiameterUnit", G::Rocket, &SI::bottleDiameterUnit, F::SmallLength,
           "bottleDiameter"),
    number("bottleVolume", G::Rocket, &SI::bottleVolume, "bottleVolumeUnit"),
    unitOf("bottleVolumeUnit", G::Rocket, &SI::bottleVolumeUnit, F::Volume, "bottleVolume"),
    number("dragCoefficient", G::Rocket, &SI::dragCoefficient),
    number("emptyMass", G::Rocket, &SI::emptyMass, "emptyMassUnit"),
    unitOf("emptyMassUnit", G::Rocket, &SI::emptyMassUnit, F::Mass, "emptyMass"),
    number("stability", G::Rocket, &SI::stability),
    integer("kamikaze", G::Rocket, &SI::kamikaze),
    integer("parachuteCount", G::Rocket, &SI::parachuteCount),
    integer("parachuteShape", G::Rocket, &SI::parachuteShape),
    number("parachuteDiameter", G::Rocket, &SI::parachuteDiameter, "parachuteDiameterUnit"),
    unitOf("parachuteDiameterUnit", G::Rocket, &SI::parachuteDiameterUnit, F::SmallLength,
           "parachuteDiameter"),
    number("parachuteSurfaceArea", G::Rocket, &SI::parachuteSurfaceArea,
           "parachuteSurfaceAreaUnit"),
    unitOf("parachuteSurfaceAreaUnit", G::Rocket, &SI::parachuteSurfaceAreaUnit, F::Area,
           "parachuteSurfaceArea"),
    number("parachuteDragCoefficient", G::Rocket, &SI::parachuteDragCoefficient),
    number("parachuteDeployTime", G::Rocket, &SI::parachuteDeployTime),
    Field{"rocketDescription", K::Text, G::Rocket, &SI::rocketDescription},

    number("launchRodDiameter", G::Environment, &SI::launchRodDiameter, "launchRodDiameterUnit"),
    unitOf("launchRodDiameterUnit", G::Environment, &SI::launchRodDiameterUnit, F::SmallLength,
           "launchRodDiameter"),
    number("launchRodHeight", G::Environment, &SI::launchRodHeight, "launchRodHeightUnit"),
    unitOf("launchRodHeightUnit", G::Environment, &SI::launchRodHeightUnit, F::SmallLength,
           "launchRodHeight"),
    number("atmPressure", G::Environment, &SI::atmPressure, "atmPressureUnit"),
    unitOf("atmPressureUnit", G::Environment, &SI::atmPressureUnit, F::Pressure, "atmPressure"),
    number("atmTemperature", G::Environment, &SI::atmTemperature, "atmTemperatureUnit"),
    unitOf("atmTemperatureUnit", G::Environment, &SI::atmTemperatureUnit, F::Temperature,
           "atmTemperature"),
    number("gravity", G::Environment, &SI::gravity, "gravityUnit"),
    unitOf("gravityUnit", G::Environment, &SI::gravityUnit, F::Acceleration, "gravity"),
    number("updraft", G::Environment, &SI::updraft, "updraftUnit"),
    unitOf("updraftUnit", G::Environment, &SI::updraftUnit, F::Velocity, "updraft"),
    Field{"environmentDescription", K::Text, G::Environment, &SI::environmentDescription},

    number("waterAmount", G::Launch, &SI::waterAmount, "waterAmountUnit"),
    Field{"waterAmountUnit", K::PercentUnit, G::Launch, &SI::waterAmountUnit, F::Volume, {},
          "waterAmount"},
    number("initialPressure", G::Launch, &SI::initialPressure, "initialPressureUnit"),
    unitOf("initialPressureUnit", G::Launch, &SI::initialPressureUnit, F::Pressure,
           "initialPressure"),
    number("airTemperature", G::Launch, &SI::airTemperature, "airTemperatureUnit"),
    unitOf("airTemperatureUnit", G::Launch, &SI::airTemperatureUnit, F::Temperature,
           "airTemperature"),
    number("waterDensity", G::Launch, &SI::waterDensity, "waterDensityUnit"),
    unitOf("waterDensityUnit", G::Launch, &SI::waterDensityUnit, F::Density, "waterDensity"),
    number("initialHeight", G::Launch, &SI::initialHeight, "initialHeightUnit"),
    unitOf("initialHeightUnit", G::Launch, &SI::initialHeightUnit, F::LargeLength,
           "initialHeight"),
    number("initialVelocity", G::Launch, &SI::initialVelocity, "initialVelocityUnit"),
    unitOf("initialVelocityUnit", G::Launch, &SI::initialVelocityUnit, F::Velocity,
           "initialVelocity"),

    setting("mode", &RS::mode),
    setting("precision", &RS::precision),
    setting("launchDisplay", &RS::launchDisplay),
    variable("plotVariable", &RS::plotVariable, L::PlotVariables, "plotUnit"),
    unitOfVariable("plotUnit", &RS::plotUnit, "plotVariable"),
    setting("oneVarDisplay", &RS::oneVarDisplay),
    variable("oneVarDependent", &RS::oneVarDependent, L::ResultVariables, "oneVarDependentUnit"),
    unitOfVariable("oneVarDependentUnit", &RS::oneVarDependentUnit, "oneVarDependent"),
    variable("oneVarIndependent", &RS::oneVarIndependent, L::SweepVariables,
             "oneVarIndependentUnit"),
    unitOfVariable("oneVarIndependentUnit", &RS::oneVarIndependentUnit, "oneVarIndependent"),
    range("oneVarRangeFrom", &RS::oneVarRangeFrom),
    range("oneVarRangeTo", &RS::oneVarRangeTo),
    setting("twoVarDisplay", &RS::twoVarDisplay),
    variable("twoVarDependent", &RS::twoVarDependent, L::ResultVariables, "twoVarDependentUnit"),
    unitOfVariable("twoVarDependentUnit", &RS::twoVarDependentUnit, "twoVarDependent"),
    variable("xAxisVariable", &RS::xAxisVariable, L::SweepVariables, "xAxisUnit"),
    unitOfVariable("xAxisUnit", &RS::xAxisUnit, "xAxisVariable"),
    range("xRangeFrom", &RS::xRangeFrom),
    range("xRangeTo", &RS::xRangeTo),
    variable("yAxisVariable", &RS::yAxisVariable, L::SweepVariables, "yAxisUnit"),
    unitOfVariable("yAxisUnit", &RS::yAxisUnit, "yAxisVariable"),
    range("yRangeFrom", &RS::yRangeFrom),
    range("yRangeTo", &RS::yRangeTo),
};

} // namespace

std::span<const Field> fields() {
    return kFields;
}

const Field* findField(std::string_view name) {
    for (const Field& f : kFields) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}

void copyGroup(FieldGroup group, const SimulationInputs& from, SimulationInputs& to) {
    for (const Field& f : kFields) {
        if (f.group != group)
            continue;
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                if constexpr (std::is_same_v<M, InputNumber> || std::is_same_v<M, InputInt> ||
                              std::is_same_v<M, InputText>)
                    to.*member = from.*member;
            },
            f.member);
    }
}

} // namespace hydrolofter

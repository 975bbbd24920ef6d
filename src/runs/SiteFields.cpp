// The launch pad, environment and launch pages' fields.
#include "FieldBuilder.h"

namespace hydrolofter::fieldtable {
namespace {

constexpr Field kFields[] = {
    number("launchRodDiameter", G::Environment, &SI::launchRodDiameter, "launchRodDiameterUnit")
        .on("Launch Pad", "Launch Rod Diameter:",
            "The launch rod's diameter. The rod also stands for the nozzle: its diameter is the "
            "nozzle bore the water leaves through (22 mm for a standard soda-bottle neck, 9 mm "
            "for a Gardena type launcher).")
        .feeds(&RM::launchRodDiameter, unit::mm, var::LaunchRodDiameter, R::Convert, true)
        .checked(0, 1e6, "mm", B::NotNegative),
    unitOf("launchRodDiameterUnit", G::Environment, &SI::launchRodDiameterUnit, F::SmallLength,
           "launchRodDiameter"),
    number("launchRodHeight", G::Environment, &SI::launchRodHeight, "launchRodHeightUnit")
        .on("Launch Pad", "Launch Rod Height:",
            "How far the rod reaches into the bottle. While on the rod the rocket is pushed by "
            "the air on the rod's end and no water leaves; 0 to 300 mm.")
        .feeds(&RM::launchRodHeight, unit::mm, var::LaunchRodHeight, R::Convert, true)
        .checked(0, 1e6, "mm", B::NotNegative),
    unitOf("launchRodHeightUnit", G::Environment, &SI::launchRodHeightUnit, F::SmallLength,
           "launchRodHeight"),
    number("atmPressure", G::Environment, &SI::atmPressure, "atmPressureUnit")
        .on("Environment", "Atmospheric Pressure:",
            "The air pressure around the pad: 1 atm (14.7 PSI, 101.3 kPa) at sea level, about "
            "0.83 atm at 1500 m.")
        .feeds(&RM::atmPressure, unit::atm, var::AtmPressure)
        .checked(0, 1e3, "atm", B::NotNegative),
    unitOf("atmPressureUnit", G::Environment, &SI::atmPressureUnit, F::Pressure, "atmPressure"),
    number("atmTemperature", G::Environment, &SI::atmTemperature, "atmTemperatureUnit")
        .on("Environment", "Atmospheric Temperature:",
            "The temperature of the outside air; it sets the air's density and so the drag. -10 "
            "to 40 deg C.")
        .feeds(&RM::atmTemperature, unit::degC, var::AtmTemperature)
        .checked(0, 1e4, "deg C", B::AboveAbsoluteZero),
    unitOf("atmTemperatureUnit", G::Environment, &SI::atmTemperatureUnit, F::Temperature,
           "atmTemperature"),
    number("gravity", G::Environment, &SI::gravity, "gravityUnit")
        .on("Environment", "Gravity Constant:",
            "The pull of gravity, entered as a negative number because it points down: -9.806 "
            "m/sec^2 on Earth, -1.62 on the Moon.")
        .inColumn(1)
        .feeds(&RM::gravity, unit::mPerSec2, var::Gravity)
        .checked(0, 1e4, "m/sec^2", B::BelowZero,
                 "gravity points down, so it is entered as a negative number (e.g. -9.806 "
                 "m/sec^2)"),
    unitOf("gravityUnit", G::Environment, &SI::gravityUnit, F::Acceleration, "gravity"),
    number("updraft", G::Environment, &SI::updraft, "updraftUnit")
        .on("Environment", "Updraft:",
            "Wind blowing straight up (negative: down). A rocket lighter than the updraft can "
            "carry never lands; 0 on a calm day.")
        .inColumn(1)
        .feeds(&RM::updraft, unit::mPerSec, -1)
        .checked(0, 1e4, "m/sec"),
    unitOf("updraftUnit", G::Environment, &SI::updraftUnit, F::Velocity, "updraft"),
    text("environmentDescription", G::Environment, &SI::environmentDescription)
        .on({}, "Environment Description:",
            "Your notes on this launch site; saved with its design file, not used by the "
            "simulation.",
            E::Note)
        .hinted(kNoteHint),

    number("waterAmount", G::Launch, &SI::waterAmount, "waterAmountUnit")
        .on("Launch Parameters", "&Water Volume:",
            "How much water is in the bottle at launch: as % of the bottle volume (on the rocket "
            "page), or as a volume. 30 to 40 % usually flies highest.")
        .feeds(&RM::waterLevel, unit::litre, var::InitialWaterLevel, R::WaterShare, true)
        .checked(0, 0, "", B::NotNegative),
    Def{{"waterAmountUnit",
         K::PercentUnit,
         G::Launch,
         &SI::waterAmountUnit,
         F::Volume,
         {},
         "waterAmount"}},
    number("initialPressure", G::Launch, &SI::initialPressure, "initialPressureUnit")
        .on("Launch Parameters", "Initial &Pressure:",
            "The ABSOLUTE air pressure in the bottle at launch. Pumps and gauges show gauge "
            "pressure: add the atmospheric pressure (60 PSI on the gauge is about 74.7 PSI "
            "absolute at sea level). Soda bottles: at most about 90 PSI on the gauge.")
        .feeds(&RM::initialAirPressure, unit::pascal, var::InitialAirPressure, R::Convert, true)
        .checked(1e-3, 1e9, "Pa", B::AboveZero),
    unitOf("initialPressureUnit", G::Launch, &SI::initialPressureUnit, F::Pressure,
           "initialPressure"),
    number("airTemperature", G::Launch, &SI::airTemperature, "airTemperatureUnit")
        .on("Launch Parameters", "&Air Temperature:",
            "The temperature of the air in the bottle at launch (it sets the mass of that air); "
            "usually the outside temperature.")
        .feeds(&RM::airTemperature, unit::degC, var::AirTemperature, R::Convert, true)
        .checked(0, 1e4, "deg C", B::AboveAbsoluteZero),
    unitOf("airTemperatureUnit", G::Launch, &SI::airTemperatureUnit, F::Temperature,
           "airTemperature"),
    number("waterDensity", G::Launch, &SI::waterDensity, "waterDensityUnit")
        .on("Launch Parameters", "Water &Density:",
            "The density of what fills the bottle: 1000 kg/m^3 for water, about 1025 for sea "
            "water.")
        .feeds(&RM::waterDensity, unit::kgPerM3, var::WaterDensity)
        .checked(1e-3, 1e5, "kg/m^3", B::AboveZero),
    unitOf("waterDensityUnit", G::Launch, &SI::waterDensityUnit, F::Density, "waterDensity"),
    integer("testStand", G::Launch, &SI::testStand)
        .on("Launch Parameters", "Held on a &Test Stand",
            "Ticked: the rocket is held where it stands and nothing moves; the run lasts until "
            "all thrust has ended (no water, the bottle at the outside pressure), at most 10 "
            "seconds. For the thrust, pressure and water over a firing.",
            E::Tick)
        .counts(&RM::testStand, -1),
    number("initialHeight", G::Launch, &SI::initialHeight, "initialHeightUnit")
        .on("Initial State", "&Height:",
            "The height the flight starts from, above the ground the rocket lands on (0 for a "
            "launch from the ground).")
        .feeds(&RM::height, unit::m, var::InitialHeight)
        .checked(0, 1e7, "m"),
    unitOf("initialHeightUnit", G::Launch, &SI::initialHeightUnit, F::LargeLength, "initialHeight"),
    number("initialVelocity", G::Launch, &SI::initialVelocity, "initialVelocityUnit")
        .on("Initial State", "&Velocity:",
            "The upward speed at the start of the flight; 0 for a rocket standing on its pad.")
        .feeds(&RM::velocity, unit::mPerSec, var::InitialVelocity)
        .checked(0, 1e5, "m/sec"),
    unitOf("initialVelocityUnit", G::Launch, &SI::initialVelocityUnit, F::Velocity,
           "initialVelocity"),

};

} // namespace

std::span<const Field> siteAndLaunchFields() {
    return kFields;
}

} // namespace hydrolofter::fieldtable

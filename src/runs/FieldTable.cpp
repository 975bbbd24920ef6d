#include "FieldTable.h"

namespace hydrolofter {
namespace {

using SI = SimulationInputs;
using RS = RunSettings;
using RM = RocketModel;
using F = UnitFamily;
using K = FieldKind;
using G = FieldGroup;
using L = VariableList;
using E = Entry;
using R = ModelRule;

/// A field, described a step at a time so that the table reads as one line of facts each.
struct Def {
    Field f;
    constexpr operator Field() const { return f; } // NOLINT: the table is made of these

    /// On its page: in box, with this caption and tooltip.
    constexpr Def on(std::string_view box, std::string_view caption, std::string_view help,
                     E entry = E::Number) const {
        Def d = *this;
        d.f.box = box;
        d.f.caption = caption;
        d.f.help = help;
        d.f.entry = entry;
        return d;
    }
    constexpr Def spoken(std::string_view name) const {
        Def d = *this;
        d.f.spokenName = name;
        return d;
    }
    constexpr Def labelled(std::string_view unitLabel) const {
        Def d = *this;
        d.f.unitLabel = unitLabel;
        return d;
    }
    constexpr Def hinted(std::string_view hint) const {
        Def d = *this;
        d.f.hint = hint;
        return d;
    }
    constexpr Def inColumn(int column) const {
        Def d = *this;
        d.f.column = column;
        return d;
    }
    constexpr Def choices(std::span<const FieldOption> options) const {
        Def d = *this;
        d.f.entry = E::Choice;
        d.f.options = options;
        return d;
    }
    constexpr Def shownOnly() const {
        Def d = *this;
        d.f.readOnly = true;
        return d;
    }
    /// Feeds the model field, in the model's unit; swept as catalogue variable v.
    constexpr Def feeds(double RM::*member, int internalUnit, VariableId v, R rule = R::Convert,
                        bool changesAirVolume = false) const {
        Def d = *this;
        d.f.model = {rule, member, nullptr, internalUnit, changesAirVolume};
        d.f.sweep = v;
        return d;
    }
    constexpr Def counts(int RM::*member, VariableId v) const {
        Def d = *this;
        d.f.model = {R::Count, nullptr, member, 0, false};
        d.f.sweep = v;
        return d;
    }
    constexpr Def checked(double smallest, double largest, std::string_view unit,
                          Bound bound = Bound::None, std::string_view message = {},
                          std::string_view caption = {}) const {
        Def d = *this;
        d.f.limits = {smallest, largest, unit, bound, message, caption};
        return d;
    }
};

constexpr Def number(std::string_view n, G g, InputNumber m, std::string_view unit = {}) {
    return {{n, K::Number, g, m, {}, {}, unit}};
}
constexpr Def integer(std::string_view n, G g, InputInt m) {
    return {{n, K::Integer, g, m}};
}
constexpr Def text(std::string_view n, G g, InputText m) {
    return {{n, K::Text, g, m}};
}
constexpr Def unitOf(std::string_view n, G g, InputInt m, F f, std::string_view of) {
    return {{n, K::FamilyUnit, g, m, f, {}, of}};
}
constexpr Def setting(std::string_view n, SettingInt m) {
    return {{n, K::Integer, G::Settings, m}};
}
constexpr Def range(std::string_view n, SettingNumber m) {
    return {{n, K::Number, G::Settings, m}};
}
constexpr Def variable(std::string_view n, SettingInt m, L list, std::string_view unit) {
    return {{n, K::Variable, G::Settings, m, {}, list, unit}};
}
constexpr Def unitOfVariable(std::string_view n, SettingInt m, std::string_view variable) {
    return {{n, K::VariableUnit, G::Settings, m, {}, {}, variable}};
}

using B = Bound;
constexpr std::string_view kNoteHint = "(Use CTRL+Enter to advance to the next line)";

constexpr FieldOption kShapes[] = {
    {"Circular", "A round canopy, described by its diameter."},
    {"Irregular", "Any other canopy, described by its surface area."},
};

constexpr FieldOption kModes[] = {
    {"Launch Analysis",
     "Fly the rocket once and show one variable over the flight, or the flight's results as a "
     "summary."},
    {"1-Variable Optimization", "Fly the rocket 11 times with one input stepped over a range, "
                                "and show how a result depends on it (a line)."},
    {"2-Variable Optimization", "Fly the rocket 121 times with two inputs stepped over their "
                                "ranges, and show a result over both (a shaded surface)."},
};
constexpr FieldOption kLaunchDisplays[] = {
    {"Summary",
     "Show the flight's results as text: apogee, burnout, impact velocity, maxima and time "
     "aloft.",
     "Launch analysis: display results as summary"},
    {"Graph", "Show the chosen variable over the flight as a graph.",
     "Launch analysis: display results as graph"},
};
constexpr FieldOption kOneVarDisplays[] = {
    {"Summary", "Show the 11 results as a table.",
     "1-variable optimization: display results as summary"},
    {"Graph", "Show the 11 results as a line.",
     "1-variable optimization: display results as graph"},
};
constexpr FieldOption kTwoVarDisplays[] = {
    {"Summary", "Show the 121 results as a table.",
     "2-variable optimization: display results as summary"},
    {"Graph", "Show the 121 results as a shaded surface with a colour key.",
     "2-variable optimization: display results as graph"},
};

constexpr Field kFields[] = {
    number("bottleDiameter", G::Rocket, &SI::bottleDiameter, "bottleDiameterUnit")
        .on("Rocket", "&Diameter:",
            "The outside diameter of the bottle. A 2 L soda bottle is about 110 mm; it sets the "
            "area the air pushes against (drag).")
        .feeds(&RM::bottleDiameter, unit::mm, var::Diameter)
        .checked(1e-3, 1e6, "mm", B::AboveZero),
    unitOf("bottleDiameterUnit", G::Rocket, &SI::bottleDiameterUnit, F::SmallLength,
           "bottleDiameter"),
    number("bottleVolume", G::Rocket, &SI::bottleVolume, "bottleVolumeUnit")
        .on("Rocket", "Bottle Volume:",
            "What the bottle holds when full: 0.5 to 3 L for soda bottles. The water amount in % "
            "on the launch page is a share of it.")
        .feeds(&RM::bottleVolume, unit::litre, var::BottleVolume, R::Convert, true)
        .checked(1e-6, 1e7, "L", B::AboveZero),
    unitOf("bottleVolumeUnit", G::Rocket, &SI::bottleVolumeUnit, F::Volume, "bottleVolume"),
    number("dragCoefficient", G::Rocket, &SI::dragCoefficient)
        .on("Rocket", "Drag Coefficient:",
            "How easily the rocket slips through the air (Cd): 0.1 for a smooth pointed rocket, "
            "0.5 for a blunt one, 0.3 is typical.")
        .labelled("Cd")
        .hinted("(Typical Drag Coefficients range from 0.1 to 0.5)")
        .feeds(&RM::dragCoefficient, 0, var::DragCoefficient)
        .checked(0, 1e3, "", B::NotNegative),
    number("emptyMass", G::Rocket, &SI::emptyMass, "emptyMassUnit")
        .on("Rocket", "Empty Mass:",
            "The rocket without water: bottle, fins, nose cone and parachute, typically 100 to "
            "300 g. Air and water are added by the program.")
        .feeds(&RM::emptyMass, unit::kg, var::EmptyMass)
        .checked(1e-6, 1e6, "kg", B::AboveZero),
    unitOf("emptyMassUnit", G::Rocket, &SI::emptyMassUnit, F::Mass, "emptyMass"),
    number("stability", G::Rocket, &SI::stability)
        .on("Rocket", "Stability:",
            "Stability in calibres: shown for your notes, not used by the simulation (the flight "
            "is straight up).")
        .labelled("Cal.")
        .shownOnly(),
    integer("kamikaze", G::Rocket, &SI::kamikaze)
        .on("Parachute", "Kamikaze Rocket",
            "Ticked: the rocket has no parachute and falls freely (a \"kamikaze\" rocket). "
            "Untick it to describe the parachutes.",
            E::Tick)
        .counts(&RM::kamikaze, -1),
    integer("parachuteCount", G::Rocket, &SI::parachuteCount)
        .on("Parachute", "Number of Parachutes:",
            "How many identical parachutes open; their drag adds up. 1 to 4 is usual.", E::Count)
        .counts(&RM::parachuteCount, var::ParNumberOf)
        .checked(0, 1e6, "", B::NotNegative, "must be a whole number, 0 or more"),
    integer("parachuteShape", G::Rocket, &SI::parachuteShape)
        .on("Parachute", "", "")
        .choices(kShapes),
    number("parachuteDiameter", G::Rocket, &SI::parachuteDiameter, "parachuteDiameterUnit")
        .on("Parachute", "Diameter:",
            "The diameter of one round canopy laid flat: 30 to 100 cm for water rockets.")
        .spoken("Parachute diameter")
        .feeds(&RM::parachuteArea, unit::cm, var::ParDiameter, R::CircleArea)
        .checked(0, 1e6, "m^2", B::NotNegative, {}, "Diameter (parachute)"),
    unitOf("parachuteDiameterUnit", G::Rocket, &SI::parachuteDiameterUnit, F::SmallLength,
           "parachuteDiameter"),
    number("parachuteSurfaceArea", G::Rocket, &SI::parachuteSurfaceArea, "parachuteSurfaceAreaUnit")
        .on("Parachute",
            "Surface Area:", "The area of one canopy that is not round: 0.05 to 1 m^2.")
        .spoken("Parachute surface area")
        .feeds(&RM::parachuteArea, unit::m2, var::ParSurfaceArea, R::Area)
        .checked(0, 1e6, "m^2", B::NotNegative, {}, "Surface Area (parachute)"),
    unitOf("parachuteSurfaceAreaUnit", G::Rocket, &SI::parachuteSurfaceAreaUnit, F::Area,
           "parachuteSurfaceArea"),
    number("parachuteDragCoefficient", G::Rocket, &SI::parachuteDragCoefficient)
        .on("Parachute", "Parachute Drag Coefficient:",
            "How much air one canopy catches (Cd): about 0.75 for a flat round canopy, up to 1.5 "
            "for a domed one.")
        .labelled("Cd")
        .feeds(&RM::parachuteDragCoefficient, 0, var::ParDragCoefficient)
        .checked(0, 1e3, "", B::NotNegative),
    number("parachuteDeployTime", G::Rocket, &SI::parachuteDeployTime)
        .on("Parachute", "Parachute Deploy Time:",
            "Seconds the parachutes take to open fully once the rocket starts to fall; 0 opens "
            "them at once. 0.5 to 2 s is usual.")
        .labelled("sec")
        .feeds(&RM::parachuteDeployTime, 0, var::ParDeployTime)
        .checked(0, 1e6, "sec"),
    text("rocketDescription", G::Rocket, &SI::rocketDescription)
        .on({}, "Rocket Description:",
            "Your notes on this rocket; saved with its design file, not used by the simulation.",
            E::Note)
        .hinted(kNoteHint),

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
        .on("Launch Parameters", "Water Volume:",
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
        .on("Launch Parameters", "Initial Pressure:",
            "The ABSOLUTE air pressure in the bottle at launch. Pumps and gauges show gauge "
            "pressure: add the atmospheric pressure (60 PSI on the gauge is about 74.7 PSI "
            "absolute at sea level). Soda bottles: at most about 90 PSI on the gauge.")
        .feeds(&RM::initialAirPressure, unit::pascal, var::InitialAirPressure, R::Convert, true)
        .checked(1e-3, 1e9, "Pa", B::AboveZero),
    unitOf("initialPressureUnit", G::Launch, &SI::initialPressureUnit, F::Pressure,
           "initialPressure"),
    number("airTemperature", G::Launch, &SI::airTemperature, "airTemperatureUnit")
        .on("Launch Parameters", "Air Temperature:",
            "The temperature of the air in the bottle at launch (it sets the mass of that air); "
            "usually the outside temperature.")
        .feeds(&RM::airTemperature, unit::degC, var::AirTemperature, R::Convert, true)
        .checked(0, 1e4, "deg C", B::AboveAbsoluteZero),
    unitOf("airTemperatureUnit", G::Launch, &SI::airTemperatureUnit, F::Temperature,
           "airTemperature"),
    number("waterDensity", G::Launch, &SI::waterDensity, "waterDensityUnit")
        .on("Launch Parameters", "Water Density:",
            "The density of what fills the bottle: 1000 kg/m^3 for water, about 1025 for sea "
            "water.")
        .feeds(&RM::waterDensity, unit::kgPerM3, var::WaterDensity)
        .checked(1e-3, 1e5, "kg/m^3", B::AboveZero),
    unitOf("waterDensityUnit", G::Launch, &SI::waterDensityUnit, F::Density, "waterDensity"),
    number("initialHeight", G::Launch, &SI::initialHeight, "initialHeightUnit")
        .on("Initial State", "Height:",
            "The height the flight starts from, above the ground the rocket lands on (0 for a "
            "launch from the ground).")
        .feeds(&RM::height, unit::m, var::InitialHeight)
        .checked(0, 1e7, "m"),
    unitOf("initialHeightUnit", G::Launch, &SI::initialHeightUnit, F::LargeLength, "initialHeight"),
    number("initialVelocity", G::Launch, &SI::initialVelocity, "initialVelocityUnit")
        .on("Initial State", "Velocity:",
            "The upward speed at the start of the flight; 0 for a rocket standing on its pad.")
        .feeds(&RM::velocity, unit::mPerSec, var::InitialVelocity)
        .checked(0, 1e5, "m/sec"),
    unitOf("initialVelocityUnit", G::Launch, &SI::initialVelocityUnit, F::Velocity,
           "initialVelocity"),

    setting("mode", &RS::mode).choices(kModes),
    setting("precision", &RS::precision)
        .on("Precision", "Precision",
            "The time step of the simulation, from 1/10th second (left) to 1/100th microsecond "
            "(right). Each step to the right is ten times as exact and takes ten times as long: "
            "a launch analysis at 1 microsecond takes about a tenth of a second, at 1/100th "
            "microsecond about ten seconds; an optimisation flies 11 or 121 such flights."),
    setting("launchDisplay", &RS::launchDisplay)
        .on({}, "Display Results As:", {})
        .choices(kLaunchDisplays),
    variable("plotVariable", &RS::plotVariable, L::PlotVariables, "plotUnit")
        .on({}, "Plot:", "The variable drawn over the flight."),
    unitOfVariable("plotUnit", &RS::plotUnit, "plotVariable"),
    setting("oneVarDisplay", &RS::oneVarDisplay)
        .on({}, "Display Results As:", {})
        .choices(kOneVarDisplays),
    variable("oneVarDependent", &RS::oneVarDependent, L::ResultVariables, "oneVarDependentUnit")
        .on({}, "Dependent Variable:", "The result computed for every flight."),
    unitOfVariable("oneVarDependentUnit", &RS::oneVarDependentUnit, "oneVarDependent"),
    variable("oneVarIndependent", &RS::oneVarIndependent, L::SweepVariables,
             "oneVarIndependentUnit")
        .on({}, "Independent Variable:", "The input stepped over the range, in 10 equal steps."),
    unitOfVariable("oneVarIndependentUnit", &RS::oneVarIndependentUnit, "oneVarIndependent"),
    range("oneVarRangeFrom", &RS::oneVarRangeFrom)
        .on({}, "Range:", "The first value of the stepped input, in its unit.")
        .spoken("Range from"),
    range("oneVarRangeTo", &RS::oneVarRangeTo)
        .on({}, "to", "The last value of the stepped input; it may be smaller than the first.")
        .spoken("Range to"),
    setting("twoVarDisplay", &RS::twoVarDisplay)
        .on({}, "Display Results As:", {})
        .choices(kTwoVarDisplays),
    variable("twoVarDependent", &RS::twoVarDependent, L::ResultVariables, "twoVarDependentUnit")
        .on({}, "Dependent Variable:",
            "The result computed for every flight; its value sets the shade."),
    unitOfVariable("twoVarDependentUnit", &RS::twoVarDependentUnit, "twoVarDependent"),
    variable("xAxisVariable", &RS::xAxisVariable, L::SweepVariables, "xAxisUnit")
        .on({}, "X-Axis Variable:", "The input stepped across the surface (the x axis)."),
    unitOfVariable("xAxisUnit", &RS::xAxisUnit, "xAxisVariable"),
    range("xRangeFrom", &RS::xRangeFrom)
        .on({}, "Range:", "The first value of the x-axis input.")
        .spoken("X-axis range from"),
    range("xRangeTo", &RS::xRangeTo)
        .on({}, "to", "The last value of the x-axis input.")
        .spoken("X-axis range to"),
    variable("yAxisVariable", &RS::yAxisVariable, L::SweepVariables, "yAxisUnit")
        .on({}, "Y-Axis Variable:", "The input stepped up the surface (the y axis)."),
    unitOfVariable("yAxisUnit", &RS::yAxisUnit, "yAxisVariable"),
    range("yRangeFrom", &RS::yRangeFrom)
        .on({}, {}, "The first value of the y-axis input.")
        .spoken("Y-axis range from"),
    range("yRangeTo", &RS::yRangeTo)
        .on({}, "to", "The last value of the y-axis input.")
        .spoken("Y-axis range to"),
};

} // namespace

std::string Field::plainCaption() const {
    std::string s;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&')
            continue;
        s += caption[i];
    }
    while (!s.empty() && (s.back() == ':' || s.back() == ' '))
        s.pop_back();
    return s;
}

std::string Field::checkName() const {
    return limits.checkCaption.empty() ? plainCaption() : std::string(limits.checkCaption);
}

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

const Field* sweptField(VariableId v) {
    for (const Field& f : kFields) {
        if (f.sweep == v && v >= 0)
            return &f;
    }
    return nullptr;
}

int unitIndexOf(const Field& number, const SimulationInputs& inputs) {
    const Field* unit = number.paired.empty() ? nullptr : findField(number.paired);
    if (!unit || !std::holds_alternative<InputInt>(unit->member))
        return -1;
    return inputs.*std::get<InputInt>(unit->member);
}

bool fieldApplies(const Field& f, const SimulationInputs& inputs) {
    if (f.model.rule == ModelRule::CircleArea)
        return inputs.parachuteShape == 0;
    if (f.model.rule == ModelRule::Area)
        return inputs.parachuteShape != 0;
    return true;
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

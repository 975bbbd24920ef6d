// The rocket page's fields.
#include "FieldBuilder.h"

namespace hydrolofter::fieldtable {
namespace {

constexpr FieldOption kShapes[] = {
    {"Circular", "A round canopy, described by its diameter."},
    {"Irregular", "Any other canopy, described by its surface area."},
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
    number("nozzleDiameter", G::Rocket, &SI::nozzleDiameter, "nozzleDiameterUnit")
        .on("Rocket", "&Nozzle Diameter:",
            "The bore of the bottle's neck, where the water and then the air leave: 22 mm for a "
            "soda bottle. Used by the Extended flight model.")
        .extendedOnly()
        .feeds(&RM::nozzleDiameter, unit::mm, var::NozzleDiameter)
        .checked(1e-3, 1e6, "mm", B::AboveZero),
    unitOf("nozzleDiameterUnit", G::Rocket, &SI::nozzleDiameterUnit, F::SmallLength,
           "nozzleDiameter"),
    number("dischargeCoefficient", G::Rocket, &SI::dischargeCoefficient)
        .on("Rocket", "Discharge Coefficient:",
            "The share of the ideal flow the nozzle passes: 1 for a smooth neck, about 0.6 for a "
            "sharp-edged hole. Used by the Extended flight model.")
        .labelled("Cd")
        .extendedOnly()
        .feeds(&RM::dischargeCoefficient, 0, var::DischargeCoefficient)
        .checked(1e-6, 1e3, "", B::AboveZero),
    number("expansionExponent", G::Rocket, &SI::expansionExponent)
        .on("Rocket", "Expansion Exponent:",
            "How the air cools as it expands while water is left (p V^n stays the same): 1.4 "
            "for a fast, adiabatic expansion, 1 for an isothermal one. Used by the Extended "
            "flight model.")
        .labelled("n")
        .hinted("(These three: Extended flight model only)")
        .extendedOnly()
        .feeds(&RM::expansionExponent, 0, var::ExpansionExponent)
        .checked(1e-3, 10, "", B::AboveZero),
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

};

} // namespace

std::span<const Field> rocketFields() {
    return kFields;
}

} // namespace hydrolofter::fieldtable

// Construction of the flight simulator's components.
#include "FlightSimulator.h"

namespace hydrolofter {

FlightSimulator::FlightSimulator(RocketModel& m)
    : buoyancy(m), rodPressure(m), rodAtmosphere(m), drag(m), weight(m), thrust(m),
      parachute(m), forces{&buoyancy, &rodPressure, &rodAtmosphere, &drag,
                           &weight,   &thrust,      &parachute},
      model(m), rocket(rocketOf(m)), extended(m.flightModel == ExtendedModel) {}

} // namespace hydrolofter

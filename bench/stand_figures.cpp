// The figures a load-cell stand gives of one firing, from a simulated one: its impulse, its
// peak, its mean force 20 to 60 ms after the thrust starts and its time to half the impulse,
// from every step of the flight (docs/VALIDATION.md). Takes the batch tool's NAME=VALUE
// arguments.
#include "designs/FieldArguments.h"
#include "model/FlightSimulator.h"
#include "runs/RunSimulation.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace hydrolofter;

int main(int argc, char** argv) {
    SimulationInputs inputs;
    RunSettings settings;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const std::string error = assignFields(args, inputs, settings); !error.empty()) {
        std::fprintf(stderr, "stand_figures: %s\n", error.c_str());
        return 2;
    }
    RocketModel model;
    buildModel(model, inputs, settings.flightModel);
    FlightSimulator sim(model);
    const double dt = timeStep(settings.precision);
    std::vector<double> thrust;
    double t = 0;
    do { // bounded by the stand's 10 s or, in flight, by 1000 s
        t = t + dt;
        sim.step(dt);
        thrust.push_back(sim.forceValues[ThrustSlot]);
    } while (sim.goesOn(t) && t < 1000);

    std::size_t start = 0;
    while (start < thrust.size() && !(thrust[start] > 0))
        ++start;
    double impulse = 0, peak = 0, window = 0;
    for (std::size_t k = start; k < thrust.size(); ++k) {
        impulse += thrust[k] * dt;
        peak = std::max(peak, thrust[k]);
        const double after = double(k - start + 1) * dt; // the step's end, from the start
        if (after > 0.020 + dt / 2 && after < 0.060 + dt / 2)
            window += thrust[k] * dt;
    }
    double half = 0, sum = 0;
    for (std::size_t k = start; k < thrust.size() && half == 0; ++k) {
        if (sum + thrust[k] * dt >= impulse / 2)
            half = (double(k - start) + (impulse / 2 - sum) / (thrust[k] * dt)) * dt;
        sum += thrust[k] * dt;
    }
    std::printf("impulse %.4g N s, peak %.4g N, mean 20-60 ms %.4g N, half impulse %.4g ms\n",
                impulse, peak, window / 0.040, half * 1000);
    return 0;
}

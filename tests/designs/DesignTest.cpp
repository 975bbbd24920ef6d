// Design files: what they hold, what they refuse, and that writing loses nothing.
#include "designs/Design.h"
#include "designs/Flight.h"
#include "runs/FieldTable.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace hydrolofter {
namespace {

namespace fs = std::filesystem;

FieldGroup groupOf(DesignKind kind) {
    return kind == DesignKind::Rocket ? FieldGroup::Rocket
           : kind == DesignKind::Site ? FieldGroup::Environment
                                      : FieldGroup::Launch;
}

/// Every field of the kind's group equal, doubles to the bit.
::testing::AssertionResult sameGroup(DesignKind kind, const SimulationInputs& a,
                                     const SimulationInputs& b) {
    for (const Field& f : fields()) {
        if (f.group != groupOf(kind))
            continue;
        bool same = true;
        if (const auto* m = std::get_if<InputNumber>(&f.member))
            same = std::memcmp(&(a.**m), &(b.**m), sizeof(double)) == 0;
        else if (const auto* i = std::get_if<InputInt>(&f.member))
            same = a.**i == b.**i;
        else if (const auto* t = std::get_if<InputText>(&f.member))
            same = a.**t == b.**t;
        if (!same)
            return ::testing::AssertionFailure() << f.name << " differs";
    }
    return ::testing::AssertionSuccess();
}

DesignRead roundTrip(DesignKind kind, const SimulationInputs& in) {
    return parseDesign(kind, designText(kind, in), "t.json");
}

TEST(Design, DefaultsAndOddValuesRoundTripToTheBit) {
    for (DesignKind kind : {DesignKind::Rocket, DesignKind::Site, DesignKind::Launch}) {
        const DesignRead plain = roundTrip(kind, {});
        ASSERT_TRUE(plain.ok) << plain.error;
        EXPECT_TRUE(plain.notes.empty());
        EXPECT_TRUE(sameGroup(kind, plain.inputs, {}));

        SimulationInputs odd;
        const double values[] = {0.1, 1.0 / 3, -9.80665e-300, 123456789.123456789, -0.0};
        int k = 0;
        for (const Field& f : fields()) {
            if (f.group == groupOf(kind) && f.kind == FieldKind::Number)
                odd.*std::get<InputNumber>(f.member) = values[k++ % 5];
        }
        odd.rocketDescription = "red fins\n\"quoted\", ünïcode";
        odd.environmentDescription = "windy\tfield";
        odd.parachuteCount = -2147483647 - 1;
        const DesignRead r = roundTrip(kind, odd);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_TRUE(sameGroup(kind, r.inputs, odd));
    }
}

TEST(Design, EveryUnitOfEveryFieldRoundTrips) {
    for (DesignKind kind : {DesignKind::Rocket, DesignKind::Site, DesignKind::Launch}) {
        for (const Field& f : fields()) {
            if (f.group != groupOf(kind) ||
                (f.kind != FieldKind::FamilyUnit && f.kind != FieldKind::PercentUnit))
                continue;
            const int count = unitCount(f.family) + (f.kind == FieldKind::PercentUnit ? 1 : 0);
            for (int u = 0; u < count; ++u) {
                SimulationInputs in;
                in.*std::get<InputInt>(f.member) = u;
                const DesignRead r = roundTrip(kind, in);
                ASSERT_TRUE(r.ok) << f.name << " " << u << ": " << r.error;
                EXPECT_EQ(r.inputs.*std::get<InputInt>(f.member), u) << f.name;
            }
        }
    }
}

TEST(Design, TheDefaultSiteFileReadsAsWritten) {
    // The format, pinned: a change here breaks every file a class has saved.
    const char* golden = R"({
  "format": "hydrolofter-site",
  "version": 1,
  "launchRodDiameter": {
    "value": 22.0,
    "unit": "mm"
  },
  "launchRodHeight": {
    "value": 15.0,
    "unit": "mm"
  },
  "atmPressure": {
    "value": 1.0,
    "unit": "atm"
  },
  "atmTemperature": {
    "value": 70.0,
    "unit": "deg F"
  },
  "gravity": {
    "value": -9.806,
    "unit": "m/sec^2"
  },
  "updraft": {
    "value": 0.0,
    "unit": "MPH"
  },
  "environmentDescription": ""
}
)";
    EXPECT_EQ(designText(DesignKind::Site, {}), golden);
    SimulationInputs rocket;
    rocket.bottleVolume = 1.5;
    rocket.bottleVolumeUnit = unit::litre;
    rocket.kamikaze = 0;
    rocket.rocketDescription = "Monday's rocket";
    const std::string text = designText(DesignKind::Rocket, rocket);
    EXPECT_NE(text.find("  \"bottleVolume\": {\n    \"value\": 1.5,\n    \"unit\": \"L\"\n  },\n"),
              std::string::npos);
    EXPECT_NE(text.find("  \"kamikaze\": 0,\n"), std::string::npos);
    EXPECT_NE(text.find("  \"rocketDescription\": \"Monday's rocket\"\n}\n"), std::string::npos);
    EXPECT_EQ(text.rfind("{\n  \"format\": \"hydrolofter-rocket\",\n  \"version\": 1,\n", 0), 0u);
}

TEST(Design, RefusalsNameTheFileTheFieldAndTheFault) {
    const std::string head = R"({"format": "hydrolofter-rocket", "version": 1, )";
    const std::pair<std::string, const char*> cases[] = {
        {"not json", "r.json: is not JSON: parse error at line 1, column 2"},
        {"[1, 2]", "r.json: is not a design"},
        {R"({"version": 1})", "r.json: format: missing"},
        {R"({"format": "hydrolofter-site", "version": 1})",
         "r.json: format: this is a launch site, not a rocket."},
        {R"({"format": "spreadsheet", "version": 1})", "r.json: format: \"spreadsheet\" is not"},
        {R"({"format": "hydrolofter-rocket", "version": 2})",
         "r.json: version: the file was written by a newer Hydrolofter (version 2)"},
        {R"({"format": "hydrolofter-rocket", "version": "1"})", "r.json: version: missing or"},
        {head + R"("dragCoefficient": "0.3"})", "r.json: dragCoefficient: must be a number."},
        {head + R"("kamikaze": 0.5})", "r.json: kamikaze: must be a whole number"},
        {head + R"("kamikaze": 7})", "r.json: kamikaze: must be a whole number from 0 to 1."},
        {head + R"("parachuteShape": -1})",
         "r.json: parachuteShape: must be a whole number from 0 to 1."},
        {head + R"("rocketDescription": 3})", "r.json: rocketDescription: must be text."},
        {head + R"("bottleVolume": 2})", "r.json: bottleVolume: must be {\"value\""},
        {head + R"("bottleVolume": {"value": 2, "unit": "pints"}})",
         "r.json: bottleVolume: the unit \"pints\" is not one of gal, L, m^3, mL, qt."},
        {head + R"("bottleVolume": {"value": 1e999, "unit": "L"}})",
         "r.json: is not JSON: number overflow parsing '1e999'"},
        {head + R"("emptyMass": {"value": 1, "unit": 2}})", "r.json: emptyMass: the unit must"},
        {std::string(kMaxDesignBytes + 1, ' '), "r.json: is larger than 1 MiB."},
        {head + R"("kamikaze": 0} trailing)", "r.json: is not JSON: parse error at line 1"},
        {head + R"("kamikaze": 0})" + std::string(1, '\0') + "x",
         "r.json: is not JSON: a NUL byte at offset 61."},
        {head + R"("format": "hydrolofter-site"})", "r.json: the entry \"format\" appears twice."},
        {head + R"("parachuteCount": 18446744073709551615})",
         "r.json: parachuteCount: must be a whole number from -2147483648 to 2147483647."},
        {head + R"("rocketDescription": ")" + std::string(10001, 'x') + "\"}",
         "r.json: rocketDescription: is longer than 10000 characters"},
        // Quoted file content is cut and cannot drive a terminal.
        {R"({"format": "\u001b]0;owned\u0007)" + std::string(900000, 'f') + R"(", "version": 1})",
         "r.json: format: \"\\x1b]0;owned\\x07ffffffffffffffffffffffffffffff…\" is not a "
         "Hydrolofter design."},
    };
    for (const auto& [text, expected] : cases) {
        const DesignRead r = parseDesign(DesignKind::Rocket, text, "r.json");
        EXPECT_FALSE(r.ok) << expected;
        EXPECT_EQ(r.error.rfind(expected, 0), 0u) << "got: " << r.error;
        EXPECT_TRUE(sameGroup(DesignKind::Rocket, r.inputs, {})) << expected; // nothing taken
    }
}

TEST(Design, UnknownAndMissingEntriesAreNotedNotRefused) {
    const DesignRead r = parseDesign(
        DesignKind::Site,
        R"({"format": "hydrolofter-site", "version": 1, "colour": "red", "updraft": {"value": 3, "unit": "km/h"}})",
        "s.json");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.inputs.updraft, 3);
    EXPECT_EQ(r.inputs.updraftUnit, unit::kmPerH);
    EXPECT_EQ(r.inputs.gravity, SimulationInputs{}.gravity);
    ASSERT_EQ(r.notes.size(), 2u);
    EXPECT_EQ(r.notes[0], "s.json: unknown entries were passed over: colour.");
    std::string many = R"({"format": "hydrolofter-site", "version": 1)";
    for (int i = 0; i < 80000; ++i)
        many += ", \"k" + std::to_string(i) + "\": 0";
    const DesignRead crowded = parseDesign(DesignKind::Site, many + "}", "s.json");
    EXPECT_EQ(crowded.notes.at(0), "s.json: unknown entries were passed over: k0, k1, k2, k3, "
                                   "k4, k5, k6, k7, k8, k9 … and 79990 more.");
    EXPECT_EQ(r.notes[1].rfind("s.json: these fields were missing and keep their defaults: "
                               "launchRodDiameter, launchRodHeight, atmPressure,",
                               0),
              0u);
}

std::string contents(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(Design, WritingReplacesWholeOrNotAtAll) {
    const fs::path dir =
        fs::temp_directory_path() / ("hydrolofter-design-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path file = dir / "m.rocket.json";
    ASSERT_EQ(writeFileAtomically(file.string(), "old"), "");
    ASSERT_EQ(writeFileAtomically(file.string(), "new text"), "");
    EXPECT_EQ(contents(file), "new text");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    // A target that is a folder, and a folder that is not there: refused with a reason,
    // and nothing else in the folder changes.
    fs::create_directory(dir / "taken");
    EXPECT_NE(writeFileAtomically((dir / "taken").string(), "x").find("is a folder"),
              std::string::npos);
    EXPECT_NE(writeFileAtomically((dir / "gone" / "a.json").string(), "x")
                  .find("No such file or directory"),
              std::string::npos);
    EXPECT_EQ(contents(file), "new text");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);

    // A folder the user may not write in (root may write anywhere, so it cannot test this).
    if (geteuid() != 0) {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_NE(writeFileAtomically(file.string(), "lost?").find("Permission denied"),
                  std::string::npos);
        fs::permissions(dir, fs::perms::owner_all);
        EXPECT_EQ(contents(file), "new text");
    }
    const DesignRead missing = readDesignFile(DesignKind::Rocket, (dir / "none.json").string());
    EXPECT_EQ(missing.error, "none.json: cannot be opened: No such file or directory.");
    EXPECT_EQ(readDesignFile(DesignKind::Rocket, dir.string()).error,
              dir.filename().string() + ": is a folder.");
    fs::remove_all(dir);
}

TEST(Design, SavingChangesTheTextAndNothingElse) {
    const fs::path dir =
        fs::temp_directory_path() / ("hydrolofter-save-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const auto at = [&](const char* name) { return (dir / name).string(); };
    std::ofstream(at("private")) << "old";
    fs::permissions(at("private"), fs::perms::owner_read | fs::perms::owner_write);
    std::ofstream(at("target")) << "old";
    fs::create_symlink("target", at("link"));
    std::ofstream(at("shared")) << "old, and longer than the new"; // the rest must go
    fs::create_hard_link(at("shared"), at("other"));
    std::ofstream(at("locked")) << "old";
    fs::permissions(at("locked"), fs::perms::owner_read);
    fs::create_symlink("loop2", at("loop1"));
    fs::create_symlink("loop1", at("loop2"));
    mkfifo(at("fifo").c_str(), 0600);
    const struct {
        std::string path;
        const char* error; ///< the start of the reason; empty: saved
        const char* changed;
        const char* kept; ///< what still holds the old text
    } cases[] = {
        {at("private"), "", "private", ""},
        {at("link"), "", "target", ""},
        {at("shared"), "", "other", ""},
        {at("locked"), "is read-only", "", "locked"},
        {at("loop1"), "Too many levels of symbolic links", "", ""},
        {at("fifo"), "nothing is reading from it", "", ""},
        {(dir / std::string(300, 'n')).string(), "File name too long", "", ""},
        {at("private") + "/x", "Not a directory", "", ""},
    };
    for (const auto& c : cases) {
        const std::string error = writeFileAtomically(c.path, "new");
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.path << ": " << error;
        if (*c.changed) {
            EXPECT_EQ(contents(dir / c.changed), "new") << c.path;
        }
        if (*c.kept) {
            EXPECT_EQ(contents(dir / c.kept), "old") << c.path;
        }
    }
    EXPECT_EQ(fs::status(at("private")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(fs::is_symlink(at("link")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()),
              9); // no temporaries
    fs::remove_all(dir);
}
} // namespace
} // namespace hydrolofter

namespace hydrolofter {
namespace {

// A flight keeps every input and setting to the bit, and reads back to the same text.
TEST(Flight, EverythingRoundTripsToTheBit) {
    SimulationInputs in;
    in.bottleVolume = 1.0 / 3;
    in.waterAmount = 0.1;
    in.waterAmountUnit = unit::mL;
    in.rocketDescription = "red fins";
    RunSettings s;
    s.mode = TwoVariableOptimization;
    s.precision = 7;
    s.twoVarDisplay = Summary;
    s.xAxisVariable = var::ParNumberOf; // a name with a comma
    s.yAxisVariable = var::InitialAirPressure;
    s.yAxisUnit = unit::kPa;
    s.yRangeFrom = -0.0;
    s.yRangeTo = 123456789.123456789;
    const std::string text = flightText(in, s, "Monday, field 2");
    const FlightRead r = parseFlight(text, "f.flight.json");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(r.notes.empty());
    EXPECT_EQ(flightText(r.inputs, r.settings, r.description), text);
    for (DesignKind kind : {DesignKind::Rocket, DesignKind::Site, DesignKind::Launch})
        EXPECT_TRUE(sameGroup(kind, r.inputs, in));
    EXPECT_EQ(std::signbit(r.settings.yRangeFrom), true);
    EXPECT_EQ(r.settings.xAxisVariable, var::ParNumberOf);
}

TEST(Flight, RefusalsNameThePartTheFieldAndTheFault) {
    const std::string head = R"({"format": "hydrolofter-flight", "version": 1, )";
    const std::pair<std::string, const char*> cases[] = {
        {R"({"format": "hydrolofter-rocket", "version": 1})",
         "f.json: format: missing or not \"hydrolofter-flight\": this is not a flight."},
        {head + R"("rocket": {"format": "hydrolofter-site", "version": 1}})",
         "f.json: rocket: format: this is a launch site, not a rocket."},
        {head + R"("launch": {"format": "hydrolofter-launch", "version": 1, "waterAmount": 3}})",
         "f.json: launch: waterAmount: must be {\"value\""},
        {head + R"("settings": {"mode": 3}})",
         "f.json: settings: mode: must be a whole number from 0 to 2."},
        {head + R"("settings": {"precision": 9}})",
         "f.json: settings: precision: must be a whole number from 1 to 8."},
        {head + R"("settings": {"xAxisVariable": "Height"}})",
         "f.json: settings: xAxisVariable: must be one of Air Temperature, Atm. Pressure,"},
        {head + R"("settings": {"plotVariable": "Velocity", "plotUnit": "m"}})",
         "f.json: settings: plotUnit: must be a unit of Velocity: "},
        {head + R"("settings": {"xRangeTo": "250"}})",
         "f.json: settings: xRangeTo: must be a finite number."},
        {head + R"("description": 7})", "f.json: description: must be text."},
        {head + R"("settings": [1]})", "f.json: settings: must be an object."},
    };
    for (const auto& [text, expected] : cases) {
        const FlightRead r = parseFlight(text, "f.json");
        EXPECT_FALSE(r.ok) << expected;
        EXPECT_EQ(r.error.rfind(expected, 0), 0u) << "got: " << r.error;
    }
}

} // namespace
} // namespace hydrolofter

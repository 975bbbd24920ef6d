// How the field table is written: each field a line of facts, added a step at a time.
// Only the files that hold the table include this.
#pragma once

#include "FieldTable.h"

namespace hydrolofter::fieldtable {

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
    /// Read by the extended flight model only; off while the classic one is chosen.
    constexpr Def extendedOnly() const {
        Def d = *this;
        d.f.extendedOnly = true;
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
template <class Member> constexpr Def setting(std::string_view n, Member m) {
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

/// The table's three parts, in page order.
std::span<const Field> rocketFields();
std::span<const Field> siteAndLaunchFields();
std::span<const Field> settingFields();

} // namespace hydrolofter::fieldtable

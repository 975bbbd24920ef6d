// Values of the flight step: a double, or a vector of doubles with one flight per lane, and
// the masks and selects the step is written in, so that one text serves both.
#pragma once

#include <cmath>
#include <type_traits>

namespace hydrolofter::flight {

/// What a comparison of two V gives: a bool, or a vector of all-ones / all-zeros lanes.
template <class V> using MaskOf = decltype(V{} > V{});

template <class V> constexpr bool kScalar = std::is_same_v<V, double>;

template <class M> [[gnu::always_inline]] inline M maskNot(const M& m) {
    if constexpr (std::is_same_v<M, bool>)
        return !m;
    else
        return ~m;
}
template <class M> [[gnu::always_inline]] inline M maskAnd(const M& a, const M& b) {
    if constexpr (std::is_same_v<M, bool>)
        return a && b;
    else
        return a & b;
}
template <class M> [[gnu::always_inline]] inline M maskOr(const M& a, const M& b) {
    if constexpr (std::is_same_v<M, bool>)
        return a || b;
    else
        return a | b;
}
/// Whether every lane's mask is set.
template <class M> [[gnu::always_inline]] inline bool allOf(const M& m) {
    if constexpr (std::is_same_v<M, bool>) {
        return m;
    } else {
        bool every = true;
        for (int l = 0; l < int(sizeof(M) / sizeof(m[0])); ++l)
            every = every && m[l] != 0;
        return every;
    }
}
template <class M> [[gnu::always_inline]] inline bool anyOf(const M& m) {
    return !allOf(maskNot(m));
}
/// a where the mask is set, b elsewhere.
template <class M, class V>
[[gnu::always_inline]] inline V select(const M& m, const V& a, const V& b) {
    return m ? a : b;
}
/// f applied to the lanes whose mask is set; the other lanes of x are kept.
template <class M, class V, class F>
[[gnu::always_inline]] inline void eachLane(const M& m, V& x, F f) {
    if constexpr (kScalar<V>) {
        if (m)
            x = f(x);
    } else {
        for (int l = 0; l < int(sizeof(V) / sizeof(double)); ++l) {
            if (m[l])
                x[l] = f(x[l]);
        }
    }
}
/// f applied to every lane of x: a loop the compiler can turn into one vector instruction.
template <class V, class F> [[gnu::always_inline]] inline void allLanes(V& x, F f) {
    if constexpr (kScalar<V>) {
        x = f(x);
    } else {
        for (int l = 0; l < int(sizeof(V) / sizeof(double)); ++l)
            x[l] = f(x[l]);
    }
}
/// Lane l of x (a double has one).
template <class V> [[gnu::always_inline]] inline double& lane(V& x, int l) {
    if constexpr (kScalar<V>) {
        (void)l;
        return x;
    } else {
        return reinterpret_cast<double*>(&x)[l];
    }
}

} // namespace hydrolofter::flight

#!/usr/bin/env bash
# The batch tool compiled to WebAssembly, under Node, against the native one: the same bytes
# on standard output and the same exit status for runs of every kind.
# Usage: node_test.sh NATIVE-BATCH WEB-BATCH.mjs
set -u
native="$1" web="$2"
failures=0
a=$(mktemp) b=$(mktemp)
trap 'rm -f "$a" "$b"' EXIT
same() { # same DESCRIPTION ARGS...
    local what="$1"
    shift
    "$native" "$@" >"$a" 2>/dev/null
    local want=$?
    node "$web" "$@" >"$b" 2>/dev/null
    local got=$?
    if [ "$want" -ne "$got" ] || ! cmp -s "$a" "$b"; then
        echo "FAIL: $what: native exit $want, web exit $got; $(cmp "$a" "$b" 2>&1 | head -n 1)"
        failures=$((failures + 1))
    fi
}
same "launch graph" precision=3
same "launch summary" --summary
same "launch summary at 1 microsecond" --summary precision=6
same "a parachute (pow)" kamikaze=0 parachuteCount=2 --summary precision=4
same "an irregular parachute in feet" kamikaze=0 parachuteShape=1 parachuteSurfaceArea=10 \
    parachuteSurfaceAreaUnit=ft^2 plotVariable=Velocity precision=4
same "every plot variable" plotVariable=Thrust precision=2
same "water as a volume, hot air" waterAmount=0.8 waterAmountUnit=L airTemperature=40 \
    airTemperatureUnit='deg C' --summary
same "one-variable sweep" mode=1 precision=3
same "one-variable summary" mode=1 precision=3 --summary "oneVarIndependent=Initial Water Level" \
    oneVarRangeFrom=10 oneVarRangeTo=80 "oneVarDependent=Max. Height"
same "two-variable sweep" mode=2 precision=2
same "two-variable summary" mode=2 precision=2 --summary
same "a measured flight fitted" --measured "$(dirname "$0")/../../docs/examples/sample-trace.csv" \
    --fit dragCoefficient --threads 1
same "the extended model on the stand" flightModel=1 testStand=1 --summary precision=5
same "an extended sweep of the nozzle" mode=1 precision=3 flightModel=1 \
    oneVarIndependent="Nozzle Diameter" oneVarRangeFrom=10 oneVarRangeTo=30 "oneVarDependent=Total Impulse"
same "a measured firing fitted" --measured "$(dirname "$0")/../../docs/examples/sample-firing.csv" \
    --summary testStand=1 flightModel=1 --fit dischargeCoefficient
same "refused input (3)" bottleVolume=0
same "bad argument (2)" bottleVolume=abc
same "never lands (4)" updraft=100 --max-time 5
same "--list" --list
same "a flight to /dev/stdout, then the summary" --save-flight /dev/stdout --summary
if [ "$failures" -ne 0 ]; then
    echo "$failures web batch check(s) failed"
    exit 1
fi
echo "all web batch checks passed"

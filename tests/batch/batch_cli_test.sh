#!/usr/bin/env bash
# End-to-end checks of hydrolofter-batch: output shape, exit statuses, messages.
set -u
batch="$1"
failures=0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# expect STATUS DESCRIPTION ARGS... : runs the tool and checks its exit status.
expect() {
    local want="$1" what="$2"
    shift 2
    "$batch" "$@" >"$out" 2>"$err"
    local got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL: $what: exit $got, expected $want"
        sed 's/^/  stderr: /' "$err" | head -5
        failures=$((failures + 1))
        return 1
    fi
    return 0
}

check() { # check DESCRIPTION CONDITION...
    local what="$1"
    shift
    if ! "$@"; then
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

expect 0 "default flight" && {
    check "header" [ "$(head -n1 "$out")" = "Height min (m),Height max (m),Time (sec)" ]
    check "554 entries" [ "$(wc -l <"$out")" -eq 555 ]
    check "17 significant digits" grep -qE '^[-0-9.e]+,[-0-9.e]+,6\.09[0-9]{13,}' <(tail -n1 "$out")
    check "nothing on stderr" [ ! -s "$err" ]
}
expect 0 "one-variable summary" mode=1 --summary && {
    check "caption" grep -q "1-Variable Optimization: Time Aloft (sec) by Empty Mass (g)" "$out"
    check "11 rows and the largest" grep -q "^Largest Time Aloft" "$out"
}
expect 0 "one-variable series" mode=1 precision=2 && {
    check "line header, no column of zeros" [ "$(head -n1 "$out")" = "Empty Mass (g),Time Aloft (sec)" ]
    check "two columns" [ "$(tail -n1 "$out" | tr -cd , | wc -c)" -eq 1 ]
    check "11 points" [ "$(wc -l <"$out")" -eq 12 ]
}
expect 0 "two-variable series" mode=2 precision=1 && {
    check "surface header" [ "$(head -n1 "$out")" = "Empty Mass (g),Initial Water Level (%),Time Aloft (sec)" ]
    check "121 points" [ "$(wc -l <"$out")" -eq 122 ]
}
expect 0 "names, units and quoted variables" mode=1 precision=1 "oneVarIndependent=Bottle Volume" \
    oneVarRangeFrom=1 oneVarRangeTo=3 "atmTemperatureUnit=deg C" atmTemperature=21 waterAmountUnit=%
expect 0 "unit given by index" bottleVolumeUnit=3 bottleVolume=2000 precision=1
expect 0 "variable sets its default unit" plotVariable=Velocity && {
    check "velocity falls below zero" grep -q '^-' <(cut -d, -f1 "$out" | tail -n1)
}

expect 2 "unknown name" bottleSize=3 && {
    check "names the argument" grep -q "'bottleSize=3'" "$err"
    check "lists what is accepted" grep -q "bottleVolume" "$err"
    check "nothing on stdout" [ ! -s "$out" ]
}
expect 2 "not a number" bottleVolume=abc && check "says so" grep -q "not a decimal number" "$err"
expect 2 "hex is not a decimal number" bottleVolume=0x10
expect 2 "non-finite is not a number" bottleVolume=inf
expect 2 "unknown unit" bottleVolumeUnit=pints && check "lists units" grep -q "'mL'" "$err"
expect 2 "unknown variable" "oneVarIndependent=Colour" && check "lists variables" grep -q "'Water Density'" "$err"
expect 2 "unit of the wrong variable" plotVariable=Thrust plotUnit=m
expect 2 "bad max time" --max-time 0
for n in 0 -1 1025; do
    expect 2 "--threads $n" --threads "$n" mode=1 && check "says the range" grep -q "from 1 to 1024" "$err"
done
expect 0 "one thread" --threads 1 mode=1 precision=1
for size in 99x500 800x10001 800 axb; do
    expect 2 "--size $size" --png /dev/null --size "$size" && check "says the range" grep -q "from 100 to 10000" "$err"
done
expect 0 "--help" --help && {
    check "usage on stdout" grep -q "^usage: hydrolofter-batch" "$out"
    check "every exit status" grep -q "6 a flight diverged" "$out"
}
png=$(mktemp --suffix .png)
expect 0 "summary and image of a launch analysis" --summary --png "$png" --size 320x200 && {
    check "the summary" grep -q "^Max. Height: 42.3451 m$" "$out"
    # A PNG's width and height are the big-endian words at bytes 16 to 23.
    check "a 320x200 PNG" [ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')" = "00000140000000c8" ]
}
expect 0 "a surface's image, its key inside the size" mode=2 precision=1 --png "$png" --size 800x500 &&
    check "an 800x500 PNG" [ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')" = "00000320000001f4" ]
rm -f "$png"

expect 3 "refused input" bottleVolume=0 && {
    check "names the input" grep -q "^hydrolofter-batch: Bottle Volume: must be greater than 0.$" "$err"
    check "nothing on stdout" [ ! -s "$out" ]
}
expect 3 "refused sweep point" mode=1 "oneVarIndependent=Bottle Volume" oneVarRangeFrom=0 oneVarRangeTo=3 &&
    check "names the point" grep -q "(sweep point 1: Bottle Volume = 0 L)" "$err"

expect 0 "stops at the record limit in the air" updraft=100 precision=1 && {
    check "says so" grep -qx "hydrolofter-batch: The rocket had not landed after 1638.3 s; the graph shows the flight up to then." "$err"
    check "the graph up to then" [ "$(wc -l <"$out")" -eq 16385 ]
}
expect 0 "kamikaze parachute sweep" mode=1 precision=1 "oneVarIndependent=Par. Diameter" &&
    check "says why the line is flat" grep -qx "hydrolofter-batch: Par. Diameter has no effect: the rocket has no parachute (Kamikaze Rocket is ticked)." "$err"
expect 0 "a classic sweep of the nozzle" mode=1 precision=1 "oneVarIndependent=Nozzle Diameter" oneVarRangeFrom=10 oneVarRangeTo=30 &&
    check "says the classic model does not use it" grep -qx "hydrolofter-batch: Nozzle Diameter has no effect: the Classic flight model does not use it (choose Extended on the Simulation Settings page)." "$err"
expect 3 "gravity entered positive" gravity=9.806 &&
    check "says it points down" grep -q "^hydrolofter-batch: Gravity Constant: gravity points down, so it is entered as a negative number (e.g. -9.806 m/sec^2).$" "$err"
expect 4 "never lands" updraft=100 --max-time 5 && {
    check "says why" grep -q "max-time" "$err"
    check "nothing on stdout" [ ! -s "$out" ]
}

design_dir=$(mktemp -d)
expect 0 "save a rocket, a site and the whole flight" --save-rocket "$design_dir/m.rocket.json" \
    --save-site "$design_dir/f.site.json" --save-flight "$design_dir/w.flight.json" \
    bottleVolume=1.5 emptyMass=200 gravity=-9.81 --summary && {
    check "the rocket file" grep -q '"format": "hydrolofter-rocket"' "$design_dir/m.rocket.json"
    check "the site file" grep -q '"value": -9.81,' "$design_dir/f.site.json"
    cp "$out" "$design_dir/typed.txt"
}
expect 0 "fly the saved designs" --rocket "$design_dir/m.rocket.json" --site "$design_dir/f.site.json" --summary &&
    check "the same numbers as the typed arguments" cmp -s "$out" "$design_dir/typed.txt"
expect 0 "fly the saved flight" --flight "$design_dir/w.flight.json" --summary &&
    check "the same numbers again" cmp -s "$out" "$design_dir/typed.txt"
expect 0 "arguments change a loaded design" bottleVolume=2 --rocket "$design_dir/m.rocket.json" --summary &&
    check "bottle 2 L, mass 200 g" grep -q "^Max. Height: 38.1475 m$" "$out"
expect 2 "a site file given as a rocket" --rocket "$design_dir/f.site.json" &&
    check "says so" grep -q "f.site.json: format: this is a launch site, not a rocket.$" "$err"
expect 7 "a design that cannot be written" --save-rocket "$design_dir/no/such/folder.json" &&
    check "gives the reason" grep -q "No such file or directory" "$err"
ln -s loop2 "$design_dir/loop1" && ln -s loop1 "$design_dir/loop2"
expect 7 "a link that loops" --save-site "$design_dir/loop1" &&
    check "says why" grep -q "loop1: Too many levels of symbolic links$" "$err"
expect 5 "an image name too long" --png "$design_dir/$(printf 'n%.0s' {1..300}).png" &&
    check "says why" grep -q "File name too long$" "$err"
expect 2 "a description that is not UTF-8" rocketDescription=$'abc\xffdef' &&
    check "names the field" grep -q "'rocketDescription=abc\\\\xffdef': is not UTF-8 text$" "$err"
# Flights compared, a measured flight held against one, and an input fitted to it.
expect 0 "compare a saved flight" --compare "$design_dir/w.flight.json" --summary &&
    check "each under its name" [ "$(grep -c '^w:$\|^Flight 2:$' "$out")" -eq 2 ]
expect 0 "compared flights in the CSV" --compare "$design_dir/w.flight.json" &&
    check "a column group each" [ "$(head -n1 "$out")" = "w: Height min (m),w: Height max (m),w: Time (sec),Flight 2: Height min (m),Flight 2: Height max (m),Flight 2: Time (sec)" ]
trace="$(dirname "$0")/../../docs/examples/sample-trace.csv"
expect 0 "the sample trace's drag coefficient, 0.45 within 1 %" --measured "$trace" --fit dragCoefficient &&
    check "dragCoefficient: 0.4455..0.4545" awk -F': ' 'NR == 1 { exit !($1 == "dragCoefficient" && $2 > 0.4455 && $2 < 0.4545) }' "$out"
expect 0 "the measured flight's figures" --measured "$trace" --summary && {
    check "measured apogee" grep -q "^Measured apogee: .* m at .* sec$" "$out"
    check "the simulated apogee when the summary has it" grep -q "^Simulated apogee: .* at 2.91 sec$" "$out"
}
printf 'time,alt\n0,0\n0.05,x\n' >"$design_dir/bad.csv"
expect 2 "a measured file with a fault" --measured "$design_dir/bad.csv" &&
    check "names the line" grep -q 'bad.csv: line 3: the altitude "x" is not a number.$' "$err"
expect 2 "a fit without a measured flight" --fit dragCoefficient
expect 2 "a fit of a count" --measured "$trace" --fit parachuteCount &&
    check "names what can be" grep -q "accepted: .*dragCoefficient" "$err"
# A file named by a stream the tool writes already is written through that stream, in order.
for row in "stdout >" "stdout >>" "stderr 2>>" "stdout |"; do
    read -r stream how <<<"$row"
    log="$design_dir/log"
    printf 'before\n' >"$log"
    case "$how" in
    ">") "$batch" --save-flight /dev/$stream --summary >"$log" 2>/dev/null && st=$? || st=$? ;;
    ">>") "$batch" --save-flight /dev/$stream --summary >>"$log" 2>/dev/null && st=$? || st=$? ;;
    "2>>") "$batch" --save-flight /dev/$stream --summary 2>>"$log" >/dev/null && st=$? || st=$? ;;
    "|") "$batch" --save-flight /dev/$stream --summary 2>/dev/null | cat >"$log" && st=${PIPESTATUS[0]} ;;
    esac
    check "/dev/$stream $how: exit 0" [ "$st" -eq 0 ]
    want=$(case "$how" in ">" | "|") echo 1 ;; *) echo 2 ;; esac) # line of the flight's start
    check "/dev/$stream $how: the flight where the stream was" \
        [ "$(grep -n '^{$' "$log" | cut -d: -f1)" = "$want" ]
    [ "$how" = "2>>" ] || check "/dev/$stream $how: then the summary" \
        [ "$(tail -n 1 "$log")" = "Max. Thrust: 78.2186 N" ]
done
rm -rf "$design_dir"

expect 0 "--list names every field by its page" --list && {
    check "the rocket's first, by its caption" grep -q "^  bottleDiameter  *\"Diameter\": number, default 110; its unit is bottleDiameterUnit$" "$out"
    check "a unit list" grep -q "^  atmTemperatureUnit  *unit: deg C, deg F, K; default deg F$" "$out"
    check "a choice" grep -q "^  mode  *0 Launch Analysis, 1 1-Variable Optimization, 2 2-Variable Optimization; default 0$" "$out"
    check "four pages" [ "$(grep -c ':$' "$out")" -eq 4 ]
    check "every field (22 + 13 + 13 + 24)" [ "$(grep -c '^  [a-zA-Z]' "$out")" -eq 72 ]
}
expect 0 "--png - writes the image alone to stdout" --png - &&
    check "a PNG" [ "$(head -c 4 "$out" | tail -c 3)" = PNG ]
# Output that is lost is a failure: a full disk, a closed stream, also for --help.
for args in "--summary" "" "--help"; do
    "$batch" $args >/dev/full 2>"$err"
    check "exit 8 on a full disk ($args)" [ $? -eq 8 ]
    check "says why ($args)" grep -q "the output could not be written: No space left on device" "$err"
done
"$batch" >&- 2>"$err"
check "exit 8 on a closed stdout" [ $? -eq 8 ]

if [ "$failures" -ne 0 ]; then
    echo "$failures batch check(s) failed"
    exit 1
fi
echo "all batch checks passed"

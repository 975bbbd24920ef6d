#!/usr/bin/env bash
# Makes sample-trace.csv: the default rocket flown by hydrolofter-batch with a drag
# coefficient of 0.45, its height read every 0.05 s (20 Hz) with normal noise of 0.1 m, as
# a small recording altimeter would log it. Usage: make-trace.sh [HYDROLOFTER-BATCH]
set -euo pipefail
batch=${1:-hydrolofter-batch}
"$batch" dragCoefficient=0.45 | awk -F, '
  BEGIN { srand(2026); print "# made by make-trace.sh: drag coefficient 0.45, 20 Hz, noise 0.1 m";
          print "time (s),altitude (m)"; next_t = 0; pt = 0; ph = 0 }
  NR == 1 { next }
  {
    # The middle of each 0.011 s bucket of the height graph, read at every 0.05 s.
    t = $3 - 0.0055; h = ($1 + $2) / 2
    while (next_t <= t) {
      v = ph + (h - ph) * (next_t - pt) / (t - pt)
      # Box-Muller: a normal deviate from two uniform ones.
      n = sqrt(-2 * log(1 - rand())) * cos(6.283185307179586 * rand())
      printf "%.2f,%.2f\n", next_t, v + 0.1 * n
      next_t += 0.05
    }
    pt = t; ph = h
  }'

#!/usr/bin/env bash
# Makes sample-firing.csv: the default rocket fired on the test stand by hydrolofter-batch
# with the Extended flight model and a discharge coefficient of 0.85, its thrust read every
# 1/1652 s with normal noise of 2 N, as a lab's load cell would log it.
# Usage: make-firing.sh [HYDROLOFTER-BATCH]
set -euo pipefail
batch=${1:-hydrolofter-batch}
"$batch" testStand=1 flightModel=1 dischargeCoefficient=0.85 plotVariable=Thrust precision=4 |
  awk -F, '
  BEGIN { srand(2026); print "# made by make-firing.sh: extended model, discharge coefficient 0.85, 1652 Hz, noise 2 N";
          print "time (ms),thrust (N)"; next_t = 0; pt = 0; pf = 0 }
  NR == 1 { next }
  {
    # Each bar of the thrust graph at its end, read at every 1/1652 s.
    t = $3; f = ($1 + $2) / 2
    if (NR == 2) pf = $2 # at the release: the first bar at its largest
    while (next_t <= t) {
      v = pf + (f - pf) * (next_t - pt) / (t - pt)
      n = sqrt(-2 * log(1 - rand())) * cos(6.283185307179586 * rand())
      printf "%.3f,%.2f\n", next_t * 1000, v + 2 * n
      next_t += 1 / 1652
    }
    pt = t; pf = f
  }'

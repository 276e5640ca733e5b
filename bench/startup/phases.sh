#!/bin/sh
# Where the start of vkt10002 goes: runs the profiling build (which prints
# its phases and ends once its window is shown) RUNS times under a private
# Xvfb and prints the median time of each phase, in ms after exec.
# Usage: bench/startup/phases.sh BUILD_DIR [RUNS]
# Build the targets vkt_startup_profile and vkt_startup_launch first.
set -e
build=${1:?usage: phases.sh BUILD_DIR [RUNS]}
runs=${2:-15}
prog=$build/bench/startup/vkt_startup_profile
launch=$build/bench/startup/vkt_startup_launch
for f in "$prog" "$launch"; do
  [ -x "$f" ] || { echo "missing $f" >&2; exit 1; }
done
. "$(dirname "$0")/xvfb.sh"
i=0
while [ $i -lt "$runs" ]; do
  QT_QPA_PLATFORM=xcb "$launch" "$prog" 2>&1 >/dev/null \
    | awk '$1 !~ /^QStandardPaths/ && NF == 2 { if (!seen++) t0 = $2; printf "%s %.2f\n", $1, $2 - t0 }'
  i=$((i + 1))
done | awk '
  { if (!($1 in n)) order[++k] = $1; v[$1, ++n[$1]] = $2 }
  END {
    for (i = 1; i <= k; i++) {
      p = order[i]; m = n[p]
      for (a = 1; a <= m; a++) for (b = a + 1; b <= m; b++)
        if (v[p, b] < v[p, a]) { t = v[p, a]; v[p, a] = v[p, b]; v[p, b] = t }
      printf "%-12s %7.2f\n", p, (m % 2) ? v[p, (m + 1) / 2] : (v[p, m / 2] + v[p, m / 2 + 1]) / 2
    }
  }'

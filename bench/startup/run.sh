#!/bin/sh
# Start-up of vkt10002 against a minimal Qt Widgets window (and, for
# reference, the same window showing one line of text, and a main window with
# the five menu items and one line of text), under Xvfb.
# Usage: bench/startup/run.sh BUILD_DIR [RUNS]
# Builds nothing: build the targets vkt10002, vkt_startup_minimal,
# vkt_startup_minimal_text, vkt_startup_menu_text and vkt_startup_probe first. Prints the samples,
# the medians and the ratios of vkt10002 to each reference.
set -e
build=${1:?usage: run.sh BUILD_DIR [RUNS]}
runs=${2:-21}
app=$build/app/desktop/vkt10002
minimal=$build/bench/startup/vkt_startup_minimal
text=$build/bench/startup/vkt_startup_minimal_text
menu=$build/bench/startup/vkt_startup_menu_text
probe=$build/bench/startup/vkt_startup_probe
for f in "$app" "$minimal" "$text" "$menu" "$probe"; do
  [ -x "$f" ] || { echo "missing $f" >&2; exit 1; }
done
. "$(dirname "$0")/xvfb.sh"
QT_QPA_PLATFORM=xcb "$probe" "$runs" "$app" "$minimal" "$text" "$menu"

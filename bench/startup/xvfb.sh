# Starts a private Xvfb on a free display, stopped when the script ends, and
# sets DISPLAY to it. Sourced by run.sh and phases.sh.
n=77
while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
DISPLAY=:$n
export DISPLAY

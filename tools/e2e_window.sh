#!/usr/bin/env bash
# End-to-end check of the real window: starts `make run` under Xvfb, waits for
# the main window, takes a screenshot, leaves by the Exit shortcut (Ctrl+Q) and
# reports the program's exit code.
#   tools/e2e_window.sh [SCREENSHOT.png]
set -euo pipefail
shot=${1:-/tmp/tarvelsicht-window.png}
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1100x24" "$0" "$shot"
fi
make run > /tmp/tarvelsicht-run.log 2>&1 &
pid=$!
wid=
for _ in $(seq 1 60); do
  wid=$(xdotool search --name '^Tarvelsicht' 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 1
done
[ -n "$wid" ] || { echo "e2e: no window appeared"; kill $pid; exit 1; }
sleep 2
import -window root "$shot"
xdotool windowfocus --sync "$wid"
xdotool key ctrl+q
status=0
wait $pid || status=$?
echo "e2e: screenshot $shot, exit code $status"
exit $status

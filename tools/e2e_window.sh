#!/usr/bin/env bash
# End-to-end check of the real window: starts `make run` under Xvfb in a
# private home, waits for the main window, takes a screenshot, leaves by the
# Exit item's access key (Alt+X), which saves the chart picture, and reports
# the program's exit code and the picture's size.
#   tools/e2e_window.sh [SCREENSHOT.png]
set -euo pipefail
shot=${1:-/tmp/tarvelsicht-window.png}
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1100x24" "$0" "$shot"
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DOCUMENTS_DIR=$home/Documents \
  make run > /tmp/tarvelsicht-run.log 2>&1 &
pid=$!
wid=
for _ in $(seq 1 60); do
  wid=$(xdotool search --name '^Tarvelsicht' 2>/dev/null | head -1 || true)
  [ -n "$wid" ] && break
  sleep 1
done
[ -n "$wid" ] || { echo "e2e: no window appeared"; kill $pid; exit 1; }
sleep 3
import -window root "$shot"
xdotool windowfocus --sync "$wid"
xdotool key alt+x
status=0
wait $pid || status=$?
picture=$home/Documents/Tarvelsicht/Tarvelsicht_Bild.bmp
size=$(stat -c %s "$picture" 2>/dev/null || echo none)
echo "e2e: screenshot $shot, exit code $status, chart picture $size bytes"
[ "$size" = 12000054 ] || status=1
exit $status

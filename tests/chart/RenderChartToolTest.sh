#!/bin/sh
# The render tool: usage and exit code 2 for bad arguments; a chart file and
# the body table as CSV for good ones.   RenderChartToolTest.sh RENDER_CHART
set -u
tool="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Bad arguments: usage on standard error, nothing on standard output, code 2.
for args in "" "--lat 10" \
    "--jd 2451545 --lat 91 --lon 0 --out $dir/a.png" \
    "--jd 2451545 --lat 10 --lon 181 --out $dir/a.png" \
    "--jd 2451545 --lat 10 --lon 0 --out $dir/a.jpg" \
    "--jd abc --lat 10 --lon 0 --out $dir/a.png" \
    "--date 2000-02-30 --time 12:00 --lat 10 --lon 0 --out $dir/a.png" \
    "--date 1582-10-10 --time 12:00 --lat 10 --lon 0 --out $dir/a.png" \
    "--date 2000-01-01 --time 24:00 --lat 10 --lon 0 --out $dir/a.png" \
    "--date 2000-01-01 --lat 10 --lon 0 --out $dir/a.png" \
    "--date 2000-01-01 --time 12:00 --jd 2451545 --lat 10 --lon 0 --out $dir/a.png" \
    "--jd 2451545 --lat 10 --lon 0 --lang xx --out $dir/a.png" \
    "--jd 2451545 --lat 10 --lon 0 --out $dir/a.png --bogus 1"; do
  # shellcheck disable=SC2086
  "$tool" $args >"$dir/out" 2>"$dir/err"
  code=$?
  [ "$code" -eq 2 ] || fail "exit code $code for '$args'"
  grep -q "^usage: render_chart" "$dir/err" || fail "no usage for '$args'"
  [ ! -s "$dir/out" ] || fail "output for '$args'"
done
[ ! -e "$dir/a.png" ] || fail "a picture was written for bad arguments"

# A PNG for a date and time: ten CSV lines, the Sun at 18.75 h right ascension.
"$tool" --date 2000-01-01 --time 12:00 --lat 52.5 --lon 13.4 --lang de --out "$dir/c.png" >"$dir/table.csv" \
  || fail "render to PNG failed"
[ "$(head -n 1 "$dir/table.csv")" = "body,ra_h,dec_deg,azi_deg,alt_deg,dist,mag,semidiam_arcsec" ] || fail "header"
[ "$(wc -l <"$dir/table.csv")" -eq 10 ] || fail "row count"
[ "$(cut -d, -f1 "$dir/table.csv" | tr '\n' ' ')" = "body Sun Moon Mercury Venus Mars Jupiter Saturn Uranus Neptune " ] \
  || fail "row order"
awk -F, '$1 == "Sun" && ($2 < 18.7 || $2 > 18.8 || $7 != -26.4) { exit 1 }' "$dir/table.csv" || fail "Sun row"
awk -F, '$1 == "Moon" && ($6 < 356000 || $6 > 407000) { exit 1 }' "$dir/table.csv" || fail "Moon distance in km"
[ "$(od -An -tx1 -N8 "$dir/c.png" | tr -d ' ')" = "89504e470d0a1a0a" ] || fail "not a PNG"

# The same moment as a Julian day, to a 24-bit BMP of 2000 x 2000 pixels.
"$tool" --jd 2451545.0 --lat 52.5 --lon 13.4 --out "$dir/c.bmp" >"$dir/table2.csv" || fail "render to BMP failed"
cmp -s "$dir/table.csv" "$dir/table2.csv" || fail "the Julian day gives another table"
[ "$(od -An -c -N2 "$dir/c.bmp" | tr -d ' ')" = "BM" ] || fail "not a BMP"
[ "$(wc -c <"$dir/c.bmp")" -eq 12000054 ] || fail "BMP size"
# Without a display and without QT_QPA_PLATFORM the tool still draws.
env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$tool" --jd 2451545.0 --lat 52.5 --lon 13.4 \
  --out "$dir/d.png" >"$dir/table3.csv" 2>"$dir/err3" || fail "render without a display failed"
cmp -s "$dir/table.csv" "$dir/table3.csv" || fail "the table without a display differs"
echo "render_chart checks passed"

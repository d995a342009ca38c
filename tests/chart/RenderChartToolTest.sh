#!/bin/sh
# The render tool: the reason and the usage with exit code 2 for bad
# arguments; a chart file and the body table as CSV for good ones; the
# system's reason and no partial file for a failed write.
#   RenderChartToolTest.sh RENDER_CHART
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

# Each refusal names the argument and says why, before the usage.
check_reason() {
  expected="$1"; shift
  "$tool" "$@" >"$dir/out" 2>"$dir/err"
  code=$?
  [ "$code" -eq 2 ] || fail "exit code $code for '$*'"
  [ "$(head -n 1 "$dir/err")" = "render_chart: $expected" ] || fail "reason for '$*': $(head -n 1 "$dir/err")"
}
check_reason "--lat 95: latitude must lie in -90..90" --jd 2451545 --lat 95 --lon 0 --out "$dir/a.png"
check_reason "--lon -180.5: longitude must lie in -180..180" --jd 2451545 --lat 0 --lon -180.5 --out "$dir/a.png"
check_reason "--jd abc: not a number" --jd abc --lat 10 --lon 0 --out "$dir/a.png"
check_reason "--lang xx: the language must be de, en or fr" --jd 2451545 --lat 10 --lon 0 --lang xx --out "$dir/a.png"
check_reason "--out $dir/a.jpg: the picture's name must end in .png or .bmp" --jd 2451545 --lat 10 --lon 0 --out "$dir/a.jpg"
check_reason "--date 2000-02-30: no such date in the calendar" --date 2000-02-30 --time 12:00 --lat 10 --lon 0 --out "$dir/a.png"
check_reason "--time 24:00: the time must lie in 00:00..23:59:59" --date 2000-01-01 --time 24:00 --lat 10 --lon 0 --out "$dir/a.png"
check_reason "--bogus: unknown argument" --jd 2451545 --lat 10 --lon 0 --out "$dir/a.png" --bogus 1
check_reason "--lon: a value must follow" --jd 2451545 --lat 10 --lon
check_reason "--out: the picture's name is needed" --jd 2451545 --lat 10 --lon 0
# Only the years in which every body's series stays physical.
for moment in "--jd 5736966.43" "--jd 9972500" "--jd 0" "--date -1001-12-31 --time 23:59" "--date 5001-01-01 --time 00:00"; do
  # shellcheck disable=SC2086
  set -- $moment
  what="$1 $2"
  check_reason "$what: the moment must lie in the years -1000..5000" "$@" --lat 10 --lon 0 --out "$dir/a.png"
done
[ ! -e "$dir/a.png" ] || fail "a picture was written for bad arguments"

# --help: the usage on standard output, nothing else, exit code 0.
"$tool" --help >"$dir/out" 2>"$dir/err" || fail "--help failed"
grep -q "^usage: render_chart" "$dir/out" || fail "no usage for --help"
[ ! -s "$dir/err" ] || fail "--help wrote to standard error"

# The first and the last moment accepted: Uranus and Neptune at real distances.
for moment in "-1000-01-01 00:00" "5000-12-31 23:59:59"; do
  # shellcheck disable=SC2086
  set -- $moment
  "$tool" --date "$1" --time "$2" --lat 10 --lon 0 --out "$dir/edge.png" >"$dir/edge.csv" || fail "render at $moment"
  awk -F, '($1 == "Uranus" && ($6 < 17 || $6 > 21.2)) || ($1 == "Neptune" && ($6 < 28.7 || $6 > 31.4)) { exit 1 }' \
    "$dir/edge.csv" || fail "distances at $moment"
done

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

# A file-size limit (as a full disk) while writing the picture: exit code 1
# with the system's reason, no partial picture, a previous picture kept whole,
# nothing left beside it, and no end by SIGXFSZ.
mkdir "$dir/limited"
for out in "$dir/limited/new.png" "$dir/limited/c.png" "$dir/limited/c.bmp"; do
  [ "$out" = "$dir/limited/new.png" ] || cp "$dir/$(basename "$out")" "$out"
  (ulimit -f 100; exec "$tool" --jd 2451545.0 --lat 52.5 --lon 13.4 --out "$out") >"$dir/out" 2>"$dir/err"
  code=$?
  [ "$code" -eq 1 ] || fail "exit code $code for a write beyond the file-size limit to $out"
  grep -q "File too large" "$dir/err" || fail "no reason for the failed write: $(cat "$dir/err")"
  [ ! -s "$dir/out" ] || fail "a table for a failed write"
done
[ "$(ls "$dir/limited" | tr '\n' ' ')" = "c.bmp c.png " ] || fail "left in the folder: $(ls "$dir/limited")"
cmp -s "$dir/c.png" "$dir/limited/c.png" || fail "the previous PNG was changed"
cmp -s "$dir/c.bmp" "$dir/limited/c.bmp" || fail "the previous BMP was changed"

# A FIFO as the background picture is refused at once instead of waiting.
mkfifo "$dir/fifo.jpg"
timeout 20 "$tool" --jd 2451545.0 --lat 52.5 --lon 13.4 --background "$dir/fifo.jpg" --out "$dir/f.png" \
  >"$dir/out" 2>"$dir/err"
code=$?
[ "$code" -eq 1 ] || fail "exit code $code for a FIFO as background"
grep -q "Invalid argument" "$dir/err" || fail "no reason for the FIFO: $(cat "$dir/err")"
echo "render_chart checks passed"

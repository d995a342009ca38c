#!/bin/sh
# The twilight series tool: the list lines of a series, one per day with a
# point as decimal mark; code 1 beyond the 55-degree limit; usage naming the
# bad argument and code 2 for bad arguments.   TwilightSeriesToolTest.sh TOOL
set -u
tool="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Sunrise of the first quarter of 2019 at 47.5 N 7.5 E: 90 lines, day 1 at
# 07:17:49 UT, azimuth -55.74, altitude -0.83.
"$tool" --event SAufga --mode quarter --period 1 --year 2019 --lat 47.5 --lon 7.5 >"$dir/q1" 2>"$dir/err" \
  || fail "quarter series failed"
[ ! -s "$dir/err" ] || fail "messages for a good series"
[ "$(head -n 1 "$dir/q1")" = "  1  2458484.8040  2019-01-01 07:17:49 UT -55.74 -0.83" ] || fail "day 1: $(head -n 1 "$dir/q1")"
[ "$(wc -l <"$dir/q1")" -eq 90 ] || fail "quarter line count"
[ "$(tail -n 1 "$dir/q1" | cut -c1-3)" = " 90" ] || fail "last day number"
grep -q , "$dir/q1" && fail "a comma in the list"
awk '$NF != "-0.83" { exit 1 }' "$dir/q1" || fail "altitude column"

# Period lengths through the tool: February of a leap year, a leap year, and
# --period ignored for a year.
[ "$("$tool" --event ABurgD --mode month --period 2 --year 2020 --lat 47.5 --lon 7.5 | wc -l)" -eq 29 ] \
  || fail "February 2020"
[ "$("$tool" --event AAstrD --mode year --period 99 --year 2000 --lat -55 --lon 0 | wc -l)" -eq 366 ] \
  || fail "year 2000"
[ "$("$tool" --event MNautD --mode year --year 2100 --lat 10 --lon 0 | wc -l)" -eq 365 ] || fail "year 2100"

# --help: the usage on standard output, code 0.
"$tool" --help >"$dir/out" 2>"$dir/err" || fail "--help exit code"
grep -q "^usage: twilight_series" "$dir/out" || fail "--help prints no usage"

# Beyond 55 degrees, or no number: reported on standard error, code 1.
for lat in 55.5 -56 90 nan inf; do
  "$tool" --event SAufga --mode month --period 1 --year 2019 --lat "$lat" --lon 7.5 >"$dir/out" 2>"$dir/err"
  code=$?
  [ "$code" -eq 1 ] || fail "exit code $code for latitude $lat"
  grep -q "55 degrees" "$dir/err" || fail "no message for latitude $lat"
  [ ! -s "$dir/out" ] || fail "output for latitude $lat"
done
# Exactly 55 passes.
"$tool" --event MAstrD --mode month --period 6 --year 2019 --lat -55 --lon 7.5 >"$dir/out" || fail "latitude -55"

# Bad arguments: usage naming the argument on standard error, nothing on
# standard output, code 2.
check_bad() {  # named text, then the arguments
  named="$1"
  shift
  "$tool" "$@" >"$dir/out" 2>"$dir/err"
  code=$?
  [ "$code" -eq 2 ] || fail "exit code $code for '$*'"
  grep -q "^usage: twilight_series" "$dir/err" || fail "no usage for '$*'"
  grep -qF -- "$named" "$dir/err" || fail "'$named' not named for '$*'"
  [ ! -s "$dir/out" ] || fail "output for '$*'"
}
good="--year 2019 --lat 47.5 --lon 7.5"
check_bad "no arguments"
# shellcheck disable=SC2086
{
  check_bad "--event Sunrise" --event Sunrise --mode month --period 1 $good
  check_bad "--mode week" --event SAufga --mode week --period 1 $good
  check_bad "--period missing" --event SAufga --mode month $good
  check_bad "--period 13" --event SAufga --mode month --period 13 $good
  check_bad "--period 5" --event SAufga --mode quarter --period 5 $good
  check_bad "--period x" --event SAufga --mode quarter --period x $good
  check_bad "--year 2019.5" --event SAufga --mode year --year 2019.5 --lat 47.5 --lon 7.5
  check_bad "--lat north" --event SAufga --mode year --year 2019 --lat north --lon 7.5
  check_bad "--lon 181" --event SAufga --mode year --year 2019 --lat 47.5 --lon 181
  check_bad "--lon nan" --event SAufga --mode year --year 2019 --lat 47.5 --lon nan
  check_bad "--lon missing" --event SAufga --mode year --year 2019 --lat 47.5
  check_bad "--colour" --event SAufga --mode year $good --colour red
  check_bad "--lon" --event SAufga --mode year --year 2019 --lat 47.5 --lon
}
echo "twilight_series checks passed"

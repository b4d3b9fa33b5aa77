#!/usr/bin/env bash
# The session end at the chosen second, seen from Linux: a log-off ends every process of the Wine
# prefix, so each case gets a fresh prefix of its own and this script watches from outside.
#
#   session-end.sh WINE_ENV_DIR CALVORIN_EXE E2E_TESTS_EXE SESSION_END_PROBE_EXE
#
# 1. calvorin.exe, driven by E2E_TESTS_EXE (SessionEnd.*): a warning a few seconds ahead, left
#    open, and a log-off a few seconds after it. The program must end within the session-end
#    second (plus the time Wine takes to end the session), the warning box still open. Wine's
#    session end ends the processes that have windows; the driver has none and sees it happen.
# 2. SESSION_END_PROBE_EXE: the program in the probe's process, whose windows must each receive
#    WM_QUERYENDSESSION and then WM_ENDSESSION (TRUE).
set -uo pipefail

dir=$1 exe=$2 driver=$3 probe=$4
# shellcheck disable=SC1091
source "$dir/env.sh"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
status=0

fail() {
  echo "FAIL: $*"
  status=1
}
now_ms() { date +%s%3N; }
value() { awk -v key="$1" '$1 == key { print $2 }' "$2" | tail -n 1; }

fresh_prefix() {  # NAME: a copy of the template, as wine-env.sh makes for private prefixes
  rm -rf "${dir:?}/$1"
  cp -a "$dir/template" "$dir/$1"
}

# Waits until every file given exists, for at most SECONDS; then ends the prefix's processes.
wait_for_files() {  # SECONDS FILE...
  local seconds=$1
  shift
  local deadline=$(($(date +%s) + seconds)) file missing
  while :; do
    missing=0
    for file in "$@"; do [ -e "$file" ] || missing=1; done
    [ $missing -eq 0 ] && return 0
    if [ "$(date +%s)" -ge "$deadline" ]; then
      wineserver -k >/dev/null 2>&1
      return 1
    fi
    sleep 0.05
  done
}

# The prefix's last process gone: its wineserver exits.
session_over() {
  timeout 30 wineserver -w >/dev/null 2>&1
}

echo "== 1. LogOff at the chosen second, the warning box open"
fresh_prefix sessionend
export WINEPREFIX=$dir/sessionend
log=$dir/sessionend.log
rm -f "$log" "$dir"/sessionend.*ended
(
  wine "$exe"
  now_ms >"$dir/sessionend.program-ended"
) &
(
  CALVORIN_SESSION_LOG=$log wine "$driver" --gtest_also_run_disabled_tests \
    --gtest_filter='SessionEnd.*' >"$dir/sessionend.driver.out" 2>&1
  echo $? >"$dir/sessionend.driver-ended"
) &
wait_for_files 90 "$dir/sessionend.program-ended" "$dir/sessionend.driver-ended" ||
  fail "the program or its driver still ran after 90 s"
wait
session_over || fail "processes of the prefix still ran after the session end"
sed -i 's/\r$//' "$log" 2>/dev/null
cat "$log" 2>/dev/null
grep -q "warning-text-as-specified" "$log" 2>/dev/null || fail "warning text not as specified"
grep -q "program-ended" "$log" 2>/dev/null || fail "the driver did not see the program end"
[ "$(cat "$dir/sessionend.driver-ended" 2>/dev/null)" = 0 ] || {
  fail "the driver failed"
  cat "$dir/sessionend.driver.out"
}
session_end=$(value session-end-second "$log")
warning_second=$(value warning-second "$log")
warning_open=$(value warning-open "$log")
last_open=$(value warning-last-seen-open "$log")
ended=$(cat "$dir/sessionend.program-ended" 2>/dev/null)
if [ -n "$session_end" ] && [ -n "$warning_open" ] && [ -n "$ended" ]; then
  after=$((ended - session_end))
  echo "warning box open $((warning_open - warning_second)) ms after the warning second"
  echo "program ended $after ms after the start of the session-end second"
  # The alarm comes within 450 ms; Wine then asks every window and ends the processes.
  [ "$after" -ge 0 ] && [ "$after" -lt 2500 ] || fail "session ended $after ms after its second"
  [ "$last_open" -ge "$session_end" ] || fail "the warning box was closed before the session end"
else
  fail "the driver did not get as far as the warning"
fi

echo "== 2. The program's windows are asked and told"
fresh_prefix sessionprobe
export WINEPREFIX=$dir/sessionprobe
probe_log=$dir/sessionprobe.log
rm -f "$probe_log" "$dir/sessionprobe.ended"
(
  wine "$probe" "$probe_log"
  now_ms >"$dir/sessionprobe.ended"
) &
wait_for_files 60 "$dir/sessionprobe.ended" || fail "the probe still ran after 60 s"
wait
session_over || fail "processes of the probe's prefix still ran after the session end"
sed -i 's/\r$//' "$probe_log" 2>/dev/null
cat "$probe_log" 2>/dev/null
grep -q "^armed yes" "$probe_log" 2>/dev/null || fail "the probe did not arm the session end"
grep -q "^survived" "$probe_log" 2>/dev/null && fail "the session did not end"
for class in TApplication TForm1 TAbout THelpForm; do
  grep -q "^WM_QUERYENDSESSION $class 0$" "$probe_log" 2>/dev/null ||
    fail "$class was not asked (WM_QUERYENDSESSION)"
  grep -q "^WM_ENDSESSION $class 1$" "$probe_log" 2>/dev/null ||
    fail "$class was not told (WM_ENDSESSION TRUE)"
done

[ $status -eq 0 ] && echo "PASSED"
exit $status

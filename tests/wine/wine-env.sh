#!/usr/bin/env bash
# The Wine environment the Windows tests run in: one Xvfb display and Wine prefixes made from one
# template. "shell" is a virtual desktop named shell, with Wine's taskbar, Start button and
# notification area; "plain" has no virtual desktop and no taskbar, for tests that bring their own
# stand-in shell windows.
#
#   wine-env.sh up DIR WAIT_EXE       start the display, make the prefixes, start the shell desktop
#   wine-env.sh run DIR PREFIX CMD..  run CMD with wine in DIR/PREFIX (PREFIX: shell, plain, or a
#                                     name of a private prefix, which is copied from the template)
#   wine-env.sh down DIR              end every Wine process and the display
set -euo pipefail
# shellcheck source=../../scripts/lib.sh
source "$(dirname "$0")/../../scripts/lib.sh"

command=$1
dir=$2
shift 2

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_in() {  # PREFIX CMD...
  local prefix=$1
  shift
  WINEPREFIX="$dir/$prefix" "$@"
}

start_display() {
  start_xvfb 50 "$dir/xvfb.log"
  echo "$XVFB_PID" >"$dir/xvfb.pid"
  echo "export DISPLAY=$XVFB_DISPLAY" >"$dir/env.sh"
}

make_template() {
  wine_in template wineboot -i >"$dir/wineboot.log" 2>&1
  # Debian's Wine looks for its own fonts ("MS Sans Serif" among them) in the prefix only.
  cp /usr/share/wine/fonts/* "$dir/template/drive_c/windows/Fonts/"
  wine_in template wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wine_in template wineserver -w
}

copy_prefix() {  # NAME
  rm -rf "${dir:?}/$1"
  cp -a "$dir/template" "$dir/$1"
}

start_shell_desktop() {  # WAIT_EXE
  copy_prefix shell
  wine_in shell wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
  wine_in shell wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
  # The first desktop of a fresh prefix now and then never shows its taskbar: start it once more.
  local attempt
  for attempt in 1 2; do
    WINEPREFIX="$dir/shell" setsid wine explorer /desktop=shell,1024x768 >>"$dir/explorer.log" 2>&1 &
    wine_in shell wine "$1" Shell_TrayWnd 45 && return 0
    echo "attempt $attempt: the shell desktop has no taskbar yet" >&2
    wine_in shell wineserver -k >/dev/null 2>&1 || true
    wine_in shell wineserver -w >/dev/null 2>&1 || true
  done
  return 1
}

case $command in
  up)
    "$0" down "$dir" >/dev/null 2>&1 || true
    mkdir -p "$dir"
    # Everything started here outlives this script (the display, wineservers, the desktop):
    # none of it may hold on to the caller's output, or CTest would wait for it.
    {
      start_display
      # shellcheck disable=SC1091
      source "$dir/env.sh"
      make_template
      copy_prefix plain
      start_shell_desktop "$1"
    } </dev/null >"$dir/up.log" 2>&1 || {
      cat "$dir/up.log"
      tail -n 20 "$dir/explorer.log" 2>/dev/null || true
      exit 1
    }
    echo "Wine environment ready in $dir ($(cat "$dir/env.sh"))"
    ;;
  run)
    prefix=$1
    shift
    # shellcheck disable=SC1091
    source "$dir/env.sh"
    case $prefix in
      shell | plain) ;;
      *) copy_prefix "$prefix" ;;
    esac
    export CALVORIN_WINE_DIR=$dir CALVORIN_WINE_PREFIX=$dir/$prefix
    WINEPREFIX="$dir/$prefix" wine "$@"
    ;;
  down)
    for prefix in "$dir"/*/; do
      [ -d "$prefix/drive_c" ] && WINEPREFIX="${prefix%/}" wineserver -k >/dev/null 2>&1 || true
    done
    if [ -f "$dir/xvfb.pid" ]; then
      kill "$(cat "$dir/xvfb.pid")" >/dev/null 2>&1 || true
      rm -f "$dir/xvfb.pid"
    fi
    ;;
  *)
    echo "usage: wine-env.sh up|run|down DIR ..." >&2
    exit 2
    ;;
esac

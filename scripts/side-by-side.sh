#!/usr/bin/env bash
# Screenshots of the Linux and the Windows program (under Wine) in the same states, side by
# side and enlarged four times, for comparing them glyph by glyph:
#   scripts/side-by-side.sh [BUILD_DIR [OUT_DIR]]   (after scripts/build.sh BUILD_DIR)
# Each state is reached from a fresh start with the keys a person would press; the picture
# is the screen's bottom-right corner, where the calculator and its windows open.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$build/side-by-side}
mkdir -p "$out"
# shellcheck source=scripts/x-session.sh
source "$root/scripts/x-session.sh"
# A prefix of its own, made as the Wine tests make theirs (the Japanese fonts standing in
# for the Windows ones), so that a test run meanwhile is not disturbed.
export WINEPREFIX=$out/wine-prefix WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
sh "$root/tests/wine/wine_gui_prefix.sh" up "$wineserver" || { echo "no Wine prefix" >&2; exit 1; }
states=(compact extended menu dialog hexpad binary)
crop=340x320+684+448

# shoot SYSTEM CLASS COMMAND...: one fresh start per state.
shoot() {
  local system=$1 class=$2 state w
  shift 2
  for state in "${states[@]}"; do
    x_session_start || { echo "no X session: $x_session_problem" >&2; return 1; }
    "$@" >/dev/null 2>&1 &
    local pid=$!
    x_session_wait 20 xdotool search --onlyvisible --name '^Abacone$' || { echo "$system: no window" >&2; }
    w=$(xdotool search --onlyvisible --name '^Abacone$' | head -n1)
    sleep 2
    xdotool windowactivate --sync "$w" >/dev/null 2>&1
    sleep 0.5
    case $state in
      extended) xdotool key ctrl+e ;;
      menu) eval "$(xdotool getwindowgeometry --shell "$w")"
            xdotool mousemove $((X + 40)) $((Y + 30)) click 3 ;;
      dialog) xdotool key shift+ctrl+m ;;
      hexpad) xdotool key shift+ctrl+h ;;
      binary) xdotool key Prior ;;
    esac
    sleep 1.5
    import -window root -crop "$crop" +repage "$out/$system-$state.png"
    kill "$pid" 2>/dev/null
    [ "$system" = windows ] && "$wineserver" -k 2>/dev/null
    wait "$pid" 2>/dev/null
    x_session_stop
  done
}

shoot linux abacone "$build/shell/abacone" p
shoot windows abacone.exe wine "$build/windows/shell/abacone.exe" p
for state in "${states[@]}"; do
  convert "$out/linux-$state.png" "$out/windows-$state.png" -bordercolor white -border 4 +append \
    -scale 400% "$out/$state.png"
done
echo "$out: ${states[*]/%/.png} (Linux left, Windows right)"

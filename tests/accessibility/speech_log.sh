#!/usr/bin/env bash
# speech_log.sh PID: what the Orca screen reader would say during a short calculation and
# in the About box, with its speech written to a log instead of a sound device. Run inside
# run_session.sh:
#   tests/accessibility/run_session.sh build/shell/abacone tests/accessibility/speech_log.sh
# Needs Debian's orca package, which the set-up leaves out (a desktop's worth of packages).
set -euo pipefail
work=$(mktemp -d)
trap 'kill "${orca:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
# Without a sound device speech-dispatcher would block Orca; a speechd module that cannot
# be imported leaves Orca logging what it would say.
mkdir -p "$work/nospeech/speechd"
echo 'raise ImportError("no speech output here")' >"$work/nospeech/speechd/__init__.py"
PYTHONPATH=$work/nospeech orca --replace -u "$work/prefs" --debug-file "$work/orca.log" >/dev/null 2>&1 &
orca=$!
sleep 10
step() {
  echo "== $*" >>"$work/steps"
  xdotool key --clearmodifiers "$@"
  sleep 2
}
# Orca came after the window took the focus: Tab and back lets it see where it is.
step Tab
step shift+Tab
step 7
step plus
step 5
step Return
step Return
step Tab
step Tab
step Down
step shift+Tab
step shift+Tab
step F1
step Return
sleep 2
kill "$orca"
grep -a "SPEECH OUTPUT" "$work/orca.log" | sed "s/^.*SPEECH OUTPUT: *//"

#!/bin/sh
# installer_test.sh WINESERVER INSTALLER ZIP   (WINEPREFIX set, the Wine tests' prefix)
# The installer installs silently for the current user: the two programs, the README, the licence and
# the uninstaller in %LOCALAPPDATA%\Programs\Abacone, a Start-menu entry and the uninstall
# key under HKCU; the silent uninstall then leaves no file and no registry key behind.
# The ZIP holds the two programs, the README and the licence in one folder.
set -u
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
unset DISPLAY WAYLAND_DISPLAY
server=$1 installer=$2 zip=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Abacone'
users=$WINEPREFIX/drive_c/users
# The profile Wine made for this user (its name is Wine's choice): the one not "Public".
user=$(ls "$users" | grep -vx Public | head -n 1)
profile=$users/$user
folder=$profile/AppData/Local/Programs/Abacone
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Abacone.lnk"
# What the user's profile and registry hold, to compare before and after.
state() {
  "$server" -w
  find "$users" | sort
  grep -i '^\[.*abacone' "$WINEPREFIX/user.reg"
}

listing=$(python3 -m zipfile -l "$zip" | awk 'NR > 1 { print $1 }' | sed 's|^[^/]*/||' | sort | tr '\n' ' ')
[ "$listing" = "LICENSE.txt README.txt abacone-calc.exe abacone.exe " ] || fail "the ZIP holds: $listing"

"$server" -k 2>/dev/null
before=$(state)
wine "$(windows_path "$installer")" /S </dev/null >/dev/null 2>&1 || fail "the installer ended with $?"
"$server" -w
for file in abacone.exe abacone-calc.exe README.txt LICENSE.txt uninstall.exe; do
  [ -f "$folder/$file" ] || fail "not installed: $file"
done
[ -f "$shortcut" ] || fail "no Start-menu entry"
uninstaller=$(wine reg query "$key" /v UninstallString </dev/null 2>/dev/null | tr -d '\r' |
              sed -n 's/.*REG_SZ *//p')
[ "$uninstaller" = "\"C:\\users\\$user\\AppData\\Local\\Programs\\Abacone\\uninstall.exe\"" ] ||
  fail "uninstall key: '$uninstaller'"

# The uninstaller copies itself to the temporary folder and returns; wait for the copy.
wine "$folder/uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller ended with $?"
after=$(state)
[ "$before" = "$after" ] || fail "left behind: $(printf '%s\n' "$before" "$after" | sort | uniq -u | tr '\n' ' ')"
[ "$failures" -eq 0 ] && echo "installed and removed without a trace"
exit "$failures"

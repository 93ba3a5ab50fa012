#!/usr/bin/env bash
# The services proof under Wine, whose service manager starts the automatic
# services when a session starts: a service switched off through the
# Dienste page's model is not started by a new session while an untouched
# one is; switched on again, both are, and their keys hold exactly the values
# from before (the delayed one keeps DelayedAutostart 1; Wine starts delayed
# services only minutes later, so those are checked by their values).
# A test program cannot end the server it runs on: ctest runs this script.
#   service-logon.sh <wine-run.sh> <velmora_service_logon.exe>
set -euo pipefail
run="$1" driver="$2"
folder="$(mktemp -d)"
windowsFolder="Z:${folder//\//\\}"

# The service manager keeps a delayed service it has yet to start until the
# session ends, deleted or not: a new session lets the suites after this one
# find only the services they made.
finish() {
  "$run" "$driver" remove || true
  "$run" --stop-server || true
  "$run" --start-server || true
  rm -rf "$folder"
}
trap finish EXIT
fail() {
  echo "service-logon: $*" >&2
  exit 1
}
started() { [ -f "$folder/$1.exe.started" ]; }
waitFor() {
  local tenths
  for tenths in $(seq 600); do
    started "$1" && return 0
    sleep 0.1
  done
  return 1
}
# A new session: the server ends and starts again, and with it the
# service manager, which starts the automatic services.
newSession() {
  "$run" --stop-server
  rm -f "$folder"/*.started
  "$run" --start-server
  waitFor VelmoraLogonBleibt || fail "the new session started not even the untouched service"
  sleep 2  # the services start in the order of their names: the others had their turn
}

"$run" "$driver" prepare "$windowsFolder" || fail "could not make the test services"
before="$("$run" "$driver" values)"
echo "before:"
echo "$before"

"$run" "$driver" switch off || fail "switching off failed"
echo "switched off:"
"$run" "$driver" values
newSession
! started VelmoraLogonAus || fail "the service switched off was started"

"$run" "$driver" switch on || fail "switching on failed"
newSession
waitFor VelmoraLogonAus || fail "the service switched on again was not started"
after="$("$run" "$driver" values)"
[ "$before" = "$after" ] || fail "the start values came back as"$'\n'"$after"
echo "service-logon: switched off, not started; switched on, started; values as before"

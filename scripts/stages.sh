# Sourced by the test scripts: `stage NAME COMMAND...` runs COMMAND (under the
# script's `set -e`) and notes how long it took. A script that fails during a
# stage notes that stage as failed. The outermost script that sources this
# file prints, when it exits, how long each stage took, its own and those of
# the scripts it ran.
stage_name=""
stage_start=0

stage() {
  stage_name=$1
  stage_start=$SECONDS
  shift
  echo "== $stage_name"
  "$@"
  stage_note ""
  stage_name=""
}

stage_note() {
  printf '  %-44s %5ds%s\n' "$stage_name" "$((SECONDS - stage_start))" "$1" >>"$QUORVELS_STAGE_TIMES"
}

stage_exit() {
  local status=$?
  [ -z "$stage_name" ] || stage_note " FAILED"
  if [ -n "$stage_report" ]; then
    echo
    echo "Time per stage:"
    cat "$QUORVELS_STAGE_TIMES"
    printf '  %-44s %5ds\n' "in all" "$SECONDS"
    rm -f "$QUORVELS_STAGE_TIMES"
  fi
  exit "$status"
}

stage_report=""
if [ -z "${QUORVELS_STAGE_TIMES:-}" ]; then
  QUORVELS_STAGE_TIMES=$(mktemp)
  export QUORVELS_STAGE_TIMES
  stage_report=yes
fi
trap stage_exit EXIT

# Sourced by the installation tests. program_starts LOG COMMAND...: runs COMMAND (the installed program,
# with ZARU_TEST_PROMPTS_LOG=LOG in its environment) until it records "started" in LOG, at most 20 s,
# then ends it; succeeds when it started, else prints what it recorded and fails.
program_starts() {
  local log="$1"
  shift
  "$@" &
  local pid=$!
  for _ in $(seq 1 200); do
    grep -q started "$log" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  local started=0
  grep -q started "$log" 2>/dev/null && started=1
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ "$started" = 1 ] || { echo "the installed program did not start"; cat "$log" 2>/dev/null; return 1; }
}

# Shared helpers of the benchmark scripts. Inputs are generated into
# bench/work/ (not committed) and reused by later runs.
work="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/work"
bin="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/native/bin"
mkdir -p "$work"
# Outputs go to memory when it can be had, so that the disk's own delays
# (discards, write-back) do not blur the comparison.
scratch="$work"
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm/orvexbench
mkdir -p "$scratch"

# make_crlf_text FILE MIB: a text of short CR LF lines, MIB mebibytes long.
make_crlf_text() {
  local file=$1 mebibytes=$2
  [ -f "$file" ] && [ "$(stat -c %s "$file")" -eq $((mebibytes << 20)) ] && return
  python3 - "$file" "$mebibytes" <<'PY'
import sys
path, mebibytes = sys.argv[1], int(sys.argv[2])
block = b"".join(b"line %07d of the bench text\r\n" % n for n in range(40000))
size = mebibytes << 20
with open(path, "wb") as out:
    while size > 0:
        piece = block[:size]
        out.write(piece)
        size -= len(piece)
PY
}

# compare TITLE COMMAND... : times the commands side by side with hyperfine,
# started without a shell and with their output discarded, and prints the
# first one's time as a ratio to each of the others ("x1.5": the first takes
# 1.5 times as long as that one).
compare() {
  local title=$1; shift
  local json="$work/last.json"
  echo "== $title"
  if ! hyperfine --shell=none --warmup 3 --min-runs 20 --style none --export-json "$json" \
      ${prepare:+--prepare "$prepare"} "$@" \
      >/dev/null 2>"$work/hyperfine.log"; then
    cat "$work/hyperfine.log" >&2
    return 1
  fi
  python3 - "$json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
first = results[0]["mean"]
for r in results:
    print(f"  {r['mean'] * 1000:10.2f} ms ± {r['stddev'] * 1000:7.2f}   first/this x{first / r['mean']:7.3f}   {r['command']}")
PY
}

# peak_memory COMMAND...: prints the peak resident memory of one run, in KiB.
peak_memory() {
  /usr/bin/time -f '%M' -o "$work/memory.txt" "$@" >/dev/null 2>&1 || true
  echo "  peak resident memory $(tail -n 1 "$work/memory.txt") KiB: $*"
}

#!/usr/bin/env bash
# Compares `leanlog-cli fetch` with curl against nginx on loopback: 200
# sequential small requests, then one 200 MB download, with wall time and
# peak memory (maximum resident set size) of each. Not run by the tests.
#
#   bench/http/fetch-vs-curl.sh [BUILD_DIR]      (default: build)
#
# Needs nginx, curl and GNU time (/usr/bin/time). Everything lives in a
# temporary folder: nginx's configuration, its files and the data folder.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build}
cli=$(realpath "$build/src/cli/leanlog-cli")
port=${BENCH_PORT:-18437}
requests=200
big_mb=200
repeats=3

work=$(mktemp -d /tmp/leanlog-http-bench.XXXXXX)
chmod 755 "$work"
cleanup() {
  [ -f "$work/nginx.pid" ] && kill "$(cat "$work/nginx.pid")" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/www" "$work/data" "$work/tmp"
head -c 1024 /dev/urandom > "$work/www/small.bin"
head -c $((big_mb * 1024 * 1024)) /dev/urandom > "$work/www/big.bin"
chmod 644 "$work/www/"*
chmod 755 "$work/www"

cat > "$work/nginx.conf" <<CONF
worker_processes 1;
pid $work/nginx.pid;
error_log $work/error.log;
events { worker_connections 64; }
http {
  access_log off;
  sendfile on;
  client_body_temp_path $work/tmp;
  proxy_temp_path $work/tmp;
  fastcgi_temp_path $work/tmp;
  uwsgi_temp_path $work/tmp;
  scgi_temp_path $work/tmp;
  server {
    listen 127.0.0.1:$port;
    root $work/www;
  }
}
CONF
nginx -p "$work" -c "$work/nginx.conf" -e "$work/error.log"
for _ in $(seq 50); do curl -sf -o /dev/null "http://127.0.0.1:$port/small.bin" && break; sleep 0.1; done

small="http://127.0.0.1:$port/small.bin"
big="http://127.0.0.1:$port/big.bin"

# Both clients must deliver the same bytes before anything is timed.
cmp <("$cli" --data-dir "$work/data" fetch "$small") "$work/www/small.bin"
cmp <("$cli" --data-dir "$work/data" fetch "$big") "$work/www/big.bin"

seconds_now() { date +%s.%N; }

small_loop() {   # $1: leanlog | curl
  local start end
  start=$(seconds_now)
  for _ in $(seq $requests); do
    if [ "$1" = leanlog ]; then
      "$cli" --data-dir "$work/data" fetch "$small" > /dev/null
    else
      curl -s -o /dev/null "$small"
    fi
  done
  end=$(seconds_now)
  echo "$end - $start" | bc -l
}

# Prints "seconds peak_kib" for one download of the big file.
big_once() {   # $1: leanlog | curl
  local report="$work/time.txt" start end
  start=$(seconds_now)
  if [ "$1" = leanlog ]; then
    /usr/bin/time -f "%M" -o "$report" "$cli" --data-dir "$work/data" fetch "$big" > /dev/null
  else
    /usr/bin/time -f "%M" -o "$report" curl -s -o /dev/null "$big"
  fi
  end=$(seconds_now)
  echo "$(echo "$end - $start" | bc -l) $(cat "$report")"
}

best() { sort -g | head -1; }

echo "200 sequential requests of a 1 KiB file (best of $repeats):"
ls_small=$(for _ in $(seq $repeats); do small_loop leanlog; done | best)
curl_small=$(for _ in $(seq $repeats); do small_loop curl; done | best)
printf "  leanlog-cli fetch  %7.3f s\n  curl               %7.3f s\n  ratio              %7.2fx (target <= 1.5x)\n" \
  "$ls_small" "$curl_small" "$(echo "$ls_small / $curl_small" | bc -l)"

echo "one ${big_mb} MiB download (best time of $repeats, peak memory of that run):"
ls_big=$(for _ in $(seq $repeats); do big_once leanlog; done | best)
curl_big=$(for _ in $(seq $repeats); do big_once curl; done | best)
read -r ls_s ls_kib <<< "$ls_big"
read -r curl_s curl_kib <<< "$curl_big"
body_kib=$((big_mb * 1024))
printf "  leanlog-cli fetch  %7.3f s  peak %8d KiB\n  curl               %7.3f s  peak %8d KiB\n" \
  "$ls_s" "$ls_kib" "$curl_s" "$curl_kib"
printf "  time ratio         %7.2fx (target <= 3x)\n" "$(echo "$ls_s / $curl_s" | bc -l)"
printf "  leanlog peak/body  %7.2fx (target < 2.5x)\n" "$(echo "$ls_kib / $body_kib" | bc -l)"

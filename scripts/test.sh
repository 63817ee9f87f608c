#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
# The server's tests run on SQLite and, in a throw-away PostgreSQL 15 cluster
# started here (stopped again on exit), on PostgreSQL too.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
# CI (CI=true) fails on any compiler warning; a developer's build only shows them.
warnings_as_errors=OFF
[ "${CI:-}" = true ] && warnings_as_errors=ON
"$root/scripts/build.sh" -DCHECKBOOK_WARNINGS_AS_ERRORS="$warnings_as_errors"

pg_bin=/usr/lib/postgresql/15/bin
pg_dir=""
stop_postgres() {
  if [ -n "$pg_dir" ]; then
    as_pg_user "$pg_bin/pg_ctl" -D "$pg_dir/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$pg_dir"
  fi
}
# PostgreSQL refuses to run as root; Debian's package made the user postgres.
as_pg_user() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}
start_postgres() {
  [ -x "$pg_bin/initdb" ] || return 1
  pg_dir="$(mktemp -d /tmp/kestrelwood-pg.XXXXXX)"
  if [ "$(id -u)" -eq 0 ]; then chown postgres "$pg_dir"; fi
  as_pg_user "$pg_bin/initdb" -D "$pg_dir/data" -U postgres -A trust --no-sync >"$pg_dir/initdb.log" 2>&1 || return 1
  # A port taken by someone else makes the start fail; try a few.
  for _ in 1 2 3 4 5; do
    pg_port=$((20000 + RANDOM % 20000))
    if as_pg_user "$pg_bin/pg_ctl" -D "$pg_dir/data" -l "$pg_dir/server.log" -w -t 30 \
        -o "-p $pg_port -k $pg_dir -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=200" \
        start >/dev/null 2>&1; then
      export KESTRELWOOD_TEST_POSTGRES_URL="postgresql://postgres@127.0.0.1:$pg_port/postgres"
      return 0
    fi
  done
  return 1
}
trap stop_postgres EXIT
if ! start_postgres; then
  if [ "${CI:-}" = true ]; then
    echo "PostgreSQL could not be started for the server's tests" >&2
    exit 1
  fi
  echo "PostgreSQL is not available: the server's tests run on SQLite only" >&2
fi

cd "${BUILD_DIR:-$root/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"

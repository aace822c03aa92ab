# A private PostgreSQL server for the tests, on a Unix socket in a temporary directory; sourced
# by scripts/test. start_private_postgres exports QUILLAN_TEST_PG (the connection URI) when the
# server runs, and returns non-zero (exporting nothing) when it cannot start;
# stop_private_postgres stops it and removes its directory.

PG_DIR=""
PG_BIN=""

# Runs a PostgreSQL program as the owner of the data directory: PostgreSQL refuses to run as
# root, so root runs it as the "postgres" user.
pg_run() {
  if [ "$(id -u)" -eq 0 ]; then
    (cd / && runuser -u postgres -- "$@")
  else
    "$@"
  fi
}

start_private_postgres() {
  PG_BIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
  if [ -z "$PG_BIN" ] || [ ! -x "$PG_BIN/initdb" ]; then
    echo "PostgreSQL is not installed: its tests are skipped"
    return 1
  fi
  if [ "$(id -u)" -eq 0 ] && ! id postgres >/dev/null 2>&1; then
    echo "no postgres user to run PostgreSQL as: its tests are skipped"
    return 1
  fi
  PG_DIR=$(mktemp -d /tmp/quillan-pg-XXXXXX)
  chmod 755 "$PG_DIR"
  [ "$(id -u)" -eq 0 ] && chown postgres "$PG_DIR"
  if ! pg_run "$PG_BIN/initdb" -D "$PG_DIR/data" -U quillan -A trust -E UTF8 --no-locale >"$PG_DIR/initdb.log" 2>&1 ||
     ! pg_run "$PG_BIN/pg_ctl" -D "$PG_DIR/data" -l "$PG_DIR/server.log" -w -t 30 \
       -o "-k $PG_DIR -c listen_addresses= -c max_connections=200" start >/dev/null 2>&1; then
    echo "PostgreSQL did not start (see $PG_DIR): its tests are skipped"
    return 1
  fi
  export QUILLAN_TEST_PG="postgresql:///postgres?host=$PG_DIR&user=quillan"
  echo "PostgreSQL for the tests: $QUILLAN_TEST_PG"
}

stop_private_postgres() {
  [ -n "$PG_DIR" ] || return 0
  [ -f "$PG_DIR/data/postmaster.pid" ] && pg_run "$PG_BIN/pg_ctl" -D "$PG_DIR/data" -m fast -w stop >/dev/null 2>&1
  rm -rf "$PG_DIR"
  PG_DIR=""
}

#!/usr/bin/env bash
# A throw-away PostgreSQL cluster on 127.0.0.1 for the database tests.
#   scripts/postgres.sh start DIR   creates and starts a cluster in DIR (which
#                                   must not exist yet) and prints the shell
#                                   lines that point the tests at it
#   scripts/postgres.sh stop DIR    stops it and deletes DIR
# Runs the server as the postgres user when started as root. The first free
# port from 54329 on is used; Q9X_PG_PORT picks another first port.
set -euo pipefail

command=${1:?usage: postgres.sh start|stop DIR}
dir=${2:?usage: postgres.sh start|stop DIR}
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bindir" ] || { echo "postgres.sh: PostgreSQL server programs not installed" >&2; exit 1; }

# The server refuses to run as root.
as_server_user() {
  if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case $command in
start)
  mkdir "$dir"
  [ "$(id -u)" = 0 ] && chown postgres: "$dir"
  as_server_user "$bindir/initdb" -D "$dir/data" -U q9x --auth=trust -E UTF8 --locale=C.UTF-8 \
    >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
  as_server_user mkdir "$dir/socket"
  port=${Q9X_PG_PORT:-54329}
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    if as_server_user "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
         -o "-p $port -k $dir/socket -c listen_addresses=127.0.0.1 -c fsync=off" start \
         >/dev/null 2>&1; then
      echo "export Q9X_PG_HOST=127.0.0.1 Q9X_PG_PORT=$port Q9X_PG_USER=q9x Q9X_PG_DATABASE=postgres"
      exit 0
    fi
    port=$((port + 1))  # most likely taken: try the next one
  done
  cat "$dir/server.log" >&2
  exit 1
  ;;
stop)
  if [ -f "$dir/data/postmaster.pid" ]; then
    as_server_user "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null || true
  fi
  rm -rf "$dir"
  ;;
*)
  echo "usage: postgres.sh start|stop DIR" >&2
  exit 2
  ;;
esac

#!/usr/bin/env bash
# Serves the web build (dist/web, made by tools/build-web.sh) on this machine
# only, at 127.0.0.1, and prints the address to open in a browser. Ctrl+C stops it.
# The first argument picks the port (default 8080).
set -euo pipefail
cd "$(dirname "$0")/.."

port=${1:-8080}
[ -f dist/web/index.html ] || {
  echo "error: dist/web/index.html is missing; run tools/build-web.sh first" >&2
  exit 1
}
echo "Dotsunder: open http://127.0.0.1:$port/ in a browser (Ctrl+C stops the server)"
exec /usr/bin/python3 - "$port" <<'PYTHON'
import functools, http.server, sys

class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

server = http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])),
                                         functools.partial(Handler, directory="dist/web"))
server.serve_forever()
PYTHON

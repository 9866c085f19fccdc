"""Scripted HTTP server for the transfer tests, on a real socket of 127.0.0.1.

  /bytes/N[/name]      N bytes of a fixed pattern (byte i is i % 251)
  /slow/N[/name]       the same body in 1024-byte pieces with a pause before each; counts the
                       transfers running at once
  /status/CODE[/name]  that status with a small HTML page
  /drop/N[/name]       announces N bytes, sends half of them and closes the connection
  /stall/N[/name]      announces N bytes, sends the first 1024 and then nothing for STALL_SECONDS
  /stats               {"active": ..., "max_active": ...} of the slow transfers
  /reset               clears the counts
"""
import argparse
import json
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

PIECE_PAUSE = 0.02
# Long enough that a test waiting for the server to give up would be noticed, bounded so that the
# server thread ends by itself.
STALL_SECONDS = 90
lock = threading.Lock()
counts = {"active": 0, "max_active": 0}


def pattern(size):
    return bytes(i % 251 for i in range(size))


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def send_body(self, status, body, content_type="application/octet-stream"):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        parts = self.path.split("?")[0].strip("/").split("/")
        kind = parts[0]
        if kind == "bytes" and len(parts) >= 2:
            self.send_body(200, pattern(int(parts[1])))
        elif kind == "slow" and len(parts) >= 2:
            self.slow(int(parts[1]))
        elif kind == "stall" and len(parts) >= 2:
            size = int(parts[1])
            self.send_response(200)
            self.send_header("Content-Length", str(size))
            self.end_headers()
            try:
                self.wfile.write(pattern(size)[:1024])
                self.wfile.flush()
                time.sleep(STALL_SECONDS)
            except OSError:
                pass
        elif kind == "drop" and len(parts) >= 2:
            size = int(parts[1])
            self.send_response(200)
            self.send_header("Content-Length", str(size))
            self.end_headers()
            self.wfile.write(pattern(size // 2))
            self.wfile.flush()
            self.close_connection = True
        elif kind == "status" and len(parts) >= 2:
            code = int(parts[1])
            self.send_body(code, b"<html><body>error page</body></html>", "text/html")
        elif kind == "stats":
            with lock:
                self.send_body(200, json.dumps(counts).encode(), "application/json")
        elif kind == "reset":
            with lock:
                counts["active"] = 0
                counts["max_active"] = 0
            self.send_body(200, b"ok", "text/plain")
        else:
            self.send_body(404, b"<html>no such route</html>", "text/html")

    def slow(self, size):
        with lock:
            counts["active"] += 1
            counts["max_active"] = max(counts["max_active"], counts["active"])
        try:
            body = pattern(size)
            self.send_response(200)
            self.send_header("Content-Length", str(size))
            self.end_headers()
            self.wfile.flush()
            for start in range(0, size, 1024):
                time.sleep(PIECE_PAUSE)
                self.wfile.write(body[start:start + 1024])
                self.wfile.flush()
        except (BrokenPipeError, ConnectionResetError):
            pass
        finally:
            with lock:
                counts["active"] -= 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=80)
    args = parser.parse_args()
    server = ThreadingHTTPServer(("127.0.0.1", args.port), Handler)
    server.daemon_threads = True
    server.serve_forever()


if __name__ == "__main__":
    main()

"""Serves one file as the answer to every request (GET or POST, any path) but the session's,
with its Content-Length, from a process of its own: the same server for the program measured
and for its reference. A session is opened with a session answer of its own. Reads and drops
any request body. Usage: answer_server.py PORT FILE"""
import http.server
import os
import socketserver
import sys

port, path = int(sys.argv[1]), sys.argv[2]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def answer(self):
        left = int(self.headers.get("Content-Length") or 0)
        while left > 0:
            chunk = self.rfile.read(min(left, 1 << 20))
            if not chunk:
                break
            left -= len(chunk)
        if "ConectaMiddleware" in self.path:
            session = b'{"result":{"SessaoID":1}}'
            self.send_response(200)
            self.send_header("Content-Type", "application/json")
            self.send_header("Content-Length", str(len(session)))
            self.end_headers()
            self.wfile.write(session)
            return
        target = self.server.answer_file
        size = os.path.getsize(target)
        self.send_response(200)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(size))
        self.end_headers()
        with open(target, "rb") as f:
            offset = 0
            while offset < size:
                offset += os.sendfile(self.wfile.fileno(), f.fileno(), offset, size - offset)

    do_GET = answer
    do_POST = answer

    def log_message(self, *args):
        pass


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


server = Server(("127.0.0.1", port), Handler)
server.answer_file = path
server.serve_forever()

#!/usr/bin/python3
# A calendar server on a loopback port for the fetch tests: an ETag, chains
# of redirects, a body without end in sight, a calendar behind a password.
# Arguments: PORT_FILE CERT KEY.
import base64
import http.server
import ssl
import sys

CALENDAR = (b"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20990105\r\n"
            b"SUMMARY:Inset day\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def calendar(self):
        if self.headers.get("If-None-Match") == '"v1"':
            self.send_response(304)
            self.end_headers()
            return
        self.send_response(200)
        self.send_header("Content-Type", "text/calendar")
        self.send_header("ETag", '"v1"')
        self.send_header("Content-Length", str(len(CALENDAR)))
        self.end_headers()
        self.wfile.write(CALENDAR)

    def do_GET(self):
        if self.path == "/cal.ics":
            return self.calendar()
        if self.path.startswith("/hop/"):
            left = int(self.path[5:])
            self.send_response(302)
            self.send_header("Location", "/cal.ics" if left <= 1 else "/hop/%d" % (left - 1))
            self.end_headers()
            return
        if self.path == "/big.ics":
            # No length said: only the bytes tell.
            self.send_response(200)
            self.end_headers()
            chunk = b"X" * (1024 * 1024)
            try:
                for _ in range(17):
                    self.wfile.write(chunk)
            except OSError:
                pass
            return
        if self.path == "/private.ics":
            expected = "Basic " + base64.b64encode(b"school:secret").decode()
            if self.headers.get("Authorization") != expected:
                self.send_response(401)
                self.send_header("WWW-Authenticate", 'Basic realm="district"')
                self.send_header("Content-Length", "0")
                self.end_headers()
                return
            return self.calendar()
        self.send_response(404)
        self.end_headers()


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(sys.argv[2], sys.argv[3])
server.socket = context.wrap_socket(server.socket, server_side=True)
with open(sys.argv[1] + ".part", "w") as f:
    f.write(str(server.server_address[1]))
import os
os.rename(sys.argv[1] + ".part", sys.argv[1])
server.serve_forever()

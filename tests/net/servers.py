#!/usr/bin/python3
"""Servers for the network tests, all on 127.0.0.1 with a port of their own.

Each mode binds port 0, prints "PORT <n>" on standard output and serves
until it is stopped, or at the latest after --lifetime seconds. Request
lines and FTP commands go to the --log file, one a line.

  http ROOT          files from ROOT; /go/X redirects to /X; /charset/C/X
                     serves X as "text/vnd.wap.wml; charset=C"; /drop/ cuts
                     the body short; /slow sends 40 x 1000 bytes slowly;
                     a missing file gives 404 with a WML body
  proxy              an HTTP proxy that answers every request itself with
                     a page naming the request line it received
  silent             accepts connections and never says a word
  ftp ROOT U P [HOW] pyftpdlib with the one user U (password P) in ROOT;
                     HOW "slow" takes uploads at 256 KB/s, "cut" drops
                     the session after 100 KB of an upload, "norenameover"
                     refuses RNTO onto an existing file
  ftpproxy           an FTP proxy: takes "USER user@host[:port]", logs in
                     upstream as user and relays the session
  ftpdrop            an FTP server that cuts a download short
  ftpstall           an FTP server whose STOR takes 20000 bytes, logs
                     "STALL <n>" with the bytes it has read, reads nothing
                     for 2 s, then reads the rest and logs "RECEIVED <n>"
"""
import argparse
import http.server
import logging
import os
import socket
import socketserver
import sys
import threading
import time
from urllib.parse import unquote, urlsplit

MISSING_PAGE = b'<wml><card id="missing"><p>No such page</p></card></wml>'
log_lock = threading.Lock()
log_path = None


def record(line):
    if not log_path:
        return
    with log_lock, open(log_path, "a", encoding="utf-8") as log:
        log.write(line.rstrip("\r\n") + "\n")


def announce(port):
    sys.stdout.write("PORT %d\n" % port)
    sys.stdout.flush()


class QuietServer(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


class PageHandler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    root = "."

    def log_message(self, *args):
        pass

    def reply(self, status, body, headers=(), content_type="text/vnd.wap.wml"):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def record_headers(self):
        for name in ("Referer", "Cache-Control"):
            if self.headers.get(name):
                record("%s: %s" % (name, self.headers.get(name)))

    def do_POST(self):
        record(self.requestline)
        self.record_headers()
        body = self.rfile.read(int(self.headers.get("Content-Length", "0")))
        record("Content-Type: " + self.headers.get("Content-Type", ""))
        record("Body: " + body.decode("latin-1"))
        self.reply(200, b'<wml><card id="posted"><p>posted</p></card></wml>')

    def do_GET(self):
        record(self.requestline)
        self.record_headers()
        path = unquote(urlsplit(self.path).path)
        content_type = "text/vnd.wap.wml"
        if path.startswith("/charset/"):
            charset, _, path = path[len("/charset/"):].partition("/")
            path = "/" + path
            content_type += "; charset=" + charset
        if path.startswith("/go/"):
            self.reply(302, b"moved", [("Location", "/" + path[len("/go/"):])])
        elif path.startswith("/drop/"):
            self.send_response(200)
            self.send_header("Content-Length", "100000")
            self.end_headers()
            self.wfile.write(b"<wml>" + b"x" * 995)
            self.wfile.flush()
            self.connection.shutdown(socket.SHUT_RDWR)
        elif path == "/slow":
            self.send_response(200)
            self.send_header("Content-Length", "40000")
            self.end_headers()
            try:
                for _ in range(40):
                    self.wfile.write(b"s" * 1000)
                    self.wfile.flush()
                    time.sleep(0.1)
            except OSError:
                pass
        else:
            local = os.path.join(self.root, path.lstrip("/"))
            if path != "/" and os.path.isfile(local):
                with open(local, "rb") as page:
                    self.reply(200, page.read(), content_type=content_type)
            else:
                self.reply(404, MISSING_PAGE)


class ProxyHandler(PageHandler):
    def do_GET(self):
        record(self.requestline)
        self.reply(200, ("<wml><card><p>via proxy: %s</p></card></wml>" % self.requestline).encode())


def serve_http(handler):
    server = QuietServer(("127.0.0.1", 0), handler)
    announce(server.server_address[1])
    server.serve_forever()


def serve_silent():
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    announce(listener.getsockname()[1])
    held = []
    while True:
        connection, _ = listener.accept()
        held.append(connection)  # kept open, never answered


def serve_ftp(root, user, password, how=""):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
    from pyftpdlib.servers import FTPServer

    logging.getLogger("pyftpdlib").addHandler(logging.NullHandler())
    logging.getLogger("pyftpdlib").setLevel(logging.CRITICAL)

    class Handler(FTPHandler):
        auth_failed_timeout = 0.05

        def pre_process_command(self, line, cmd, arg):
            record(line)
            return super().pre_process_command(line, cmd, arg)

        def ftp_RNTO(self, path):
            if how == "norenameover" and os.path.exists(path):
                self._rnfr = None
                self.respond("550 Cannot create a file when that file already exists.")
                return
            return super().ftp_RNTO(path)

    class SlowData(ThrottledDTPHandler):
        read_limit = 256 * 1024

    class CutData(DTPHandler):
        def handle_read(self):
            super().handle_read()
            if self.tot_bytes_received >= 100000 and not self.cmd_channel._closed:
                self.cmd_channel.close()  # the whole session drops mid-upload

        handle_read_event = handle_read  # the event loop calls this name

    if how == "slow":
        Handler.dtp_handler = SlowData
    elif how == "cut":
        Handler.dtp_handler = CutData

    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmwMT")
    Handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", 0), Handler)
    announce(server.socket.getsockname()[1])
    server.serve_forever(handle_exit=False)


def read_line(sock):
    data = b""
    while not data.endswith(b"\n"):
        chunk = sock.recv(1)
        if not chunk:
            break
        data += chunk
    return data


def read_reply(sock):
    reply = b""
    while True:
        line = read_line(sock)
        reply += line
        if not line or (len(line) > 3 and line[3:4] == b" "):
            return reply


def pipe(source, target):
    try:
        while True:
            data = source.recv(4096)
            if not data:
                break
            target.sendall(data)
    except OSError:
        pass
    for sock in (source, target):
        try:
            sock.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass


def proxy_session(client):
    client.settimeout(20)
    client.sendall(b"220 proxy ready\r\n")
    line = read_line(client).decode("utf-8", "replace").strip()
    record(line)
    login = line[len("USER "):] if line.upper().startswith("USER ") else ""
    user, _, target = login.rpartition("@")
    host, _, port = target.partition(":")
    try:
        upstream = socket.create_connection((host, int(port or 21)), timeout=20)
    except (OSError, ValueError):
        client.sendall(b"530 cannot reach the server\r\n")
        client.close()
        return
    read_reply(upstream)
    upstream.sendall(("USER %s\r\n" % user).encode())
    threading.Thread(target=pipe, args=(upstream, client), daemon=True).start()
    pipe(client, upstream)


def serve_threads(session):
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    announce(listener.getsockname()[1])
    while True:
        client, _ = listener.accept()
        threading.Thread(target=session, args=(client,), daemon=True).start()


def drop_session(client):
    client.settimeout(20)
    client.sendall(b"220 ready\r\n")
    data_listener = None
    while True:
        line = read_line(client).decode("utf-8", "replace").strip()
        if not line:
            return
        record(line)
        command = line.split(" ")[0].upper()
        if command == "USER":
            client.sendall(b"331 password please\r\n")
        elif command == "PASS":
            client.sendall(b"230 logged in\r\n")
        elif command == "PWD":
            client.sendall(b'257 "/"\r\n')
        elif command == "TYPE":
            client.sendall(b"200 ok\r\n")
        elif command == "SIZE":
            client.sendall(b"213 100000\r\n")
        elif command in ("EPSV", "PASV"):
            data_listener = socket.socket()
            data_listener.bind(("127.0.0.1", 0))
            data_listener.listen(1)
            data_listener.settimeout(20)
            port = data_listener.getsockname()[1]
            if command == "EPSV":
                client.sendall(("229 passive (|||%d|)\r\n" % port).encode())
            else:
                client.sendall(("227 passive (127,0,0,1,%d,%d)\r\n" % (port >> 8, port & 255)).encode())
        elif command == "RETR" and data_listener:
            client.sendall(b"150 here it comes\r\n")
            data, _ = data_listener.accept()
            data.sendall(b"<wml>" + b"d" * 995)
            data.close()
            client.close()  # the connection drops mid-transfer
            return
        elif command == "QUIT":
            client.sendall(b"221 bye\r\n")
            client.close()
            return
        else:
            client.sendall(b"502 not here\r\n")


def stall_session(client):
    client.settimeout(20)
    client.sendall(b"220 ready\r\n")
    data_listener = None
    while True:
        line = read_line(client).decode("utf-8", "replace").strip()
        if not line:
            return
        record(line)
        command = line.split(" ")[0].upper()
        replies = {"USER": b"331 password please", "PASS": b"230 logged in", "PWD": b'257 "/"',
                   "CWD": b"250 ok", "MKD": b'257 "made"', "QUIT": b"221 bye"}
        if command in ("EPSV", "PASV"):
            data_listener = socket.socket()
            # A small receive window: what the client reports as sent can
            # only run ahead of what was read by this much.
            data_listener.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
            data_listener.bind(("127.0.0.1", 0))
            data_listener.listen(1)
            data_listener.settimeout(20)
            port = data_listener.getsockname()[1]
            if command == "EPSV":
                client.sendall(("229 passive (|||%d|)\r\n" % port).encode())
            else:
                client.sendall(("227 passive (127,0,0,1,%d,%d)\r\n" % (port >> 8, port & 255)).encode())
        elif command == "STOR" and data_listener:
            client.sendall(b"150 send it\r\n")
            data, _ = data_listener.accept()
            received = 0
            stalled = False
            while True:
                chunk = data.recv(1024)
                if not chunk:
                    break
                received += len(chunk)
                if received >= 20000 and not stalled:
                    stalled = True
                    record("STALL %d" % received)
                    time.sleep(2)
            data.close()
            record("RECEIVED %d" % received)
            client.sendall(b"226 stored\r\n")
        elif command == "QUIT":
            client.sendall(b"221 bye\r\n")
            client.close()
            return
        else:
            client.sendall(replies.get(command, b"200 ok") + b"\r\n")


def main():
    global log_path
    parser = argparse.ArgumentParser()
    parser.add_argument("mode")
    parser.add_argument("args", nargs="*")
    parser.add_argument("--log")
    parser.add_argument("--lifetime", type=float, default=180)
    options = parser.parse_args()
    log_path = options.log
    # Never outlive a test run that forgot to stop us.
    threading.Timer(options.lifetime, lambda: os._exit(0)).start()
    if options.mode == "http":
        PageHandler.root = options.args[0]
        serve_http(PageHandler)
    elif options.mode == "proxy":
        serve_http(ProxyHandler)
    elif options.mode == "silent":
        serve_silent()
    elif options.mode == "ftp":
        serve_ftp(*options.args[:4])
    elif options.mode == "ftpproxy":
        serve_threads(proxy_session)
    elif options.mode == "ftpdrop":
        serve_threads(drop_session)
    elif options.mode == "ftpstall":
        serve_threads(stall_session)
    else:
        sys.exit("unknown mode " + options.mode)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Loopback FTP server for the tests.

Usage: ftp_server.py HOME [--user NAME] [--password WORD] [--throttle BYTES_PER_SECOND]
                     [--log FILE] [--verbose]

Serves HOME on 127.0.0.1 on a free port for one user with every permission, no anonymous
login. Prints the port on the first line of stdout, then serves until killed.

File names travel as raw bytes (Windows-1252 names stay single bytes on the wire and on disk),
as most hosting servers do.

With --log, every control connection and every command received is appended to FILE as
"<connection number> <seconds> <command line>" ("CONNECT" for a new connection; the password
hidden; the seconds of the monotonic clock when it arrived).
"""

import argparse
import logging
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.ioloop import AsyncChat
from pyftpdlib.servers import FTPServer


class RawNamesHandler(FTPHandler):
    # surrogateescape keeps every byte of a name as it came, both ways.
    unicode_errors = "surrogateescape"
    command_log = None
    connections = 0

    def _log_command(self, number, text):
        if RawNamesHandler.command_log:
            line = "%d %.6f %s" % (number, time.monotonic(), text)
            RawNamesHandler.command_log.write(line.encode("utf8", "surrogateescape") + b"\n")
            RawNamesHandler.command_log.flush()

    def on_connect(self):
        RawNamesHandler.connections += 1
        self.connection_number = RawNamesHandler.connections
        self._log_command(self.connection_number, "CONNECT")

    def pre_process_command(self, line, cmd, arg):
        self._log_command(self.connection_number, "PASS ****" if cmd == "PASS" else line)
        FTPHandler.pre_process_command(self, line, cmd, arg)

    def push(self, s):
        AsyncChat.push(self, s.encode("utf8", "surrogateescape"))


class SteadyDTPHandler(ThrottledDTPHandler):
    # Pauses after every chunk for the time it should take, instead of bursts a second apart, so
    # that a transfer of a few hundred kilobytes lasts long enough to be watched.
    def _throttle_bandwidth(self, len_chunk, max_speed):
        if len_chunk <= 0:
            return

        def unsleep():
            self.add_channel(events=self.ioloop.READ if self.receive else self.ioloop.WRITE)

        self.del_channel()
        self._cancel_throttler()
        self._throttler = self.ioloop.call_later(len_chunk / max_speed, unsleep,
                                                 _errback=self.handle_error)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("home")
    parser.add_argument("--user", default="marchand")
    parser.add_argument("--password", default="secret")
    parser.add_argument("--throttle", type=int, default=0)
    parser.add_argument("--log")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()

    logging.basicConfig(level=logging.DEBUG if args.verbose else logging.CRITICAL,
                        stream=sys.stderr)

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.home, perm="elradfmwMT")

    handler = RawNamesHandler
    if args.log:
        RawNamesHandler.command_log = open(args.log, "ab")
    handler.authorizer = authorizer
    handler.banner = "test server ready"
    handler.auth_failed_timeout = 0.1  # the default answers a wrong password after 3 s
    if args.throttle > 0:
        dtp = SteadyDTPHandler
        dtp.read_limit = args.throttle
        dtp.write_limit = args.throttle
        handler.dtp_handler = dtp
    else:
        handler.dtp_handler = DTPHandler

    server = FTPServer(("127.0.0.1", 0), handler)
    print(server.address[1], flush=True)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()

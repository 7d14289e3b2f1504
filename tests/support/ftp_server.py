#!/usr/bin/python3
"""Loopback FTP server for the tests.

Usage: ftp_server.py HOME [--user NAME] [--password WORD] [--throttle BYTES_PER_SECOND]
                     [--log FILE] [--no-dot-names] [--die-after BYTES]
                     [--renames free|none] [--die-at COMMAND] [--refuse 'COMMAND [NAME]']
                     [--other-user NAME --other-password WORD] [--verbose]

Serves HOME on 127.0.0.1 on a free port for one user with every permission, no anonymous
login. With --other-user, a second account of the same server, whose home is HOME/NAME. Prints the port on the first line of stdout, then serves until killed.

File names travel as raw bytes (Windows-1252 names stay single bytes on the wire and on disk),
as most hosting servers do.

With --log, every control connection and every command received is appended to FILE as
"<connection number> <seconds> <command line>" ("CONNECT" for a new connection; the password
hidden; the seconds of the monotonic clock when it arrived).

With --no-dot-names, a file name beginning with "." is refused (550), as many hosting servers do.
With --die-after, the server dies once it has received that many bytes of files in all: the
file then on its way keeps exactly the bytes up to that count.
With --renames free, a file is renamed only onto a name no file holds (550 otherwise); with
--renames none, nothing is renamed (550).
With --die-at, the server dies just after it has carried out the first such command (DELE, ...).
With --refuse, that command (for that file only, or its temporary name ".NAME.part", when a name
is given) is answered "451", as a server in passing trouble does.
"""

import argparse
import logging
import os
import socket
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.ioloop import AsyncChat, RetryError
from pyftpdlib.servers import FTPServer


class RawNamesHandler(FTPHandler):
    # surrogateescape keeps every byte of a name as it came, both ways.
    unicode_errors = "surrogateescape"
    command_log = None
    connections = 0
    no_dot_names = False
    renames = "all"
    die_at = None
    refuse = None  # (command, name or "")

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
        name = arg.rstrip("/").rsplit("/", 1)[-1]
        if (RawNamesHandler.no_dot_names and cmd in NAMING_COMMANDS and name.startswith(".")
                and name not in (".", "..")):
            self.respond("550 Prohibited file name.")
            return
        refused = RawNamesHandler.refuse
        if refused and cmd == refused[0] and (not refused[1] or name in (refused[1],
                                                                        "." + refused[1] + ".part")):
            self.respond("451 Requested action aborted: local error in processing.")
            return
        FTPHandler.pre_process_command(self, line, cmd, arg)
        if cmd == RawNamesHandler.die_at:
            os._exit(0)

    def ftp_RNTO(self, path):
        if RawNamesHandler.renames == "none" or (RawNamesHandler.renames == "free"
                                                 and self.fs.lexists(path)):
            self._rnfr = None
            self.respond("550 Rename refused.")
            return None
        return FTPHandler.ftp_RNTO(self, path)

    def push(self, s):
        AsyncChat.push(self, s.encode("utf8", "surrogateescape"))


NAMING_COMMANDS = ("STOR", "APPE", "RETR", "DELE", "RNFR", "RNTO", "MKD", "SIZE", "MDTM")


class DyingDTPHandler(DTPHandler):
    # Received bytes counted over every transfer; the process ends at the limit.
    limit = 0
    received = 0

    def handle_read(self):
        try:
            chunk = self.recv(self.ac_in_buffer_size)
        except RetryError:
            return
        except socket.error:
            self.handle_error()
            return
        left = DyingDTPHandler.limit - DyingDTPHandler.received
        DyingDTPHandler.received += len(chunk)
        if chunk and len(chunk) >= left:
            self.file_obj.write(chunk[:left])
            self.file_obj.flush()
            os._exit(0)
        self.tot_bytes_received += len(chunk)
        if not chunk:
            self.transfer_finished = True
            return
        self.file_obj.write(chunk)

    handle_read_event = handle_read


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
    parser.add_argument("--no-dot-names", action="store_true")
    parser.add_argument("--die-after", type=int, default=0)
    parser.add_argument("--renames", choices=("all", "free", "none"), default="all")
    parser.add_argument("--die-at")
    parser.add_argument("--refuse")
    parser.add_argument("--other-user")
    parser.add_argument("--other-password", default="")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()

    logging.basicConfig(level=logging.DEBUG if args.verbose else logging.CRITICAL,
                        stream=sys.stderr)

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.home, perm="elradfmwMT")
    if args.other_user:
        other_home = os.path.join(args.home, args.other_user)
        os.makedirs(other_home, exist_ok=True)
        authorizer.add_user(args.other_user, args.other_password, other_home, perm="elradfmwMT")

    handler = RawNamesHandler
    if args.log:
        RawNamesHandler.command_log = open(args.log, "ab")
    handler.authorizer = authorizer
    handler.banner = "test server ready"
    handler.no_dot_names = args.no_dot_names
    handler.renames = args.renames
    handler.die_at = args.die_at
    if args.refuse:
        command, _, name = args.refuse.partition(" ")
        handler.refuse = (command.upper(), name)
    handler.auth_failed_timeout = 0.1  # the default answers a wrong password after 3 s
    if args.throttle > 0:
        dtp = SteadyDTPHandler
        dtp.read_limit = args.throttle
        dtp.write_limit = args.throttle
        handler.dtp_handler = dtp
    elif args.die_after > 0:
        DyingDTPHandler.limit = args.die_after
        handler.dtp_handler = DyingDTPHandler
    else:
        handler.dtp_handler = DTPHandler

    server = FTPServer(("127.0.0.1", 0), handler)
    print(server.address[1], flush=True)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()

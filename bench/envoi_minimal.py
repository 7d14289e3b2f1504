#!/usr/bin/python3
"""The floor of an upload: the same files sent over one connection by a minimal client.

Usage: envoi_minimal.py HOST PORT USER PASSWORD FOLDER LIST
LIST holds one local path a line; each file goes into FOLDER under its own name (STOR in a loop).
Prints the seconds from the connection to the last reply.
"""

import ftplib
import os
import sys
import time


def main():
    host, port, user, password, folder, listing = sys.argv[1:7]
    with open(listing, "rb") as f:
        paths = [line.rstrip(b"\n") for line in f if line.strip()]
    start = time.monotonic()
    ftp = ftplib.FTP()
    ftp.encoding = "latin-1"
    ftp.connect(host, int(port))
    ftp.login(user, password)
    try:
        ftp.mkd(folder)
    except ftplib.error_perm:
        pass
    ftp.cwd(folder)
    for path in paths:
        with open(path, "rb") as source:
            ftp.storbinary("STOR " + os.path.basename(path).decode("latin-1"), source)
    ftp.quit()
    print("%.6f" % (time.monotonic() - start))


if __name__ == "__main__":
    main()

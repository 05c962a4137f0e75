#!/usr/bin/env python3
"""A stand-in DX cluster node on 127.0.0.1 for trying the program by hand.

It lets every caller in without a login, then sends the "DX de " lines of
a text file as spots, each ended by BEL BEL CR LF: --burst of them at once,
then one every --interval seconds, repeating the file.

    python3 tools/cluster_node_replay.py --port 7373 \
        tests/data/cluster_traffic/m0lte_VE7CC-1_real_spot_lines.txt

Then connect terminal 1 to 127.0.0.1:7373 (ESC C 127.0.0.1:7373).
"""
import argparse
import socket
import threading
import time


def spot_lines(path):
    with open(path, "rb") as f:
        return [line.rstrip(b"\r\n") for line in f if line.startswith(b"DX de ")]


def discard_input(client):
    try:
        while client.recv(256):
            pass
    except OSError:
        pass


def serve(client, lines, interval, burst):
    # The program logs in by script later; this node lets every caller in,
    # so the spots start at once and whatever is typed is read and dropped.
    threading.Thread(target=discard_input, args=(client,), daemon=True).start()
    try:
        client.sendall(b"Welcome to the replay node\r\nN0DXS-2 de replay >\a\a\r\n")
        n = 0
        while True:
            client.sendall(lines[n % len(lines)] + b"\a\a\r\n")
            n += 1
            if n > burst:
                time.sleep(interval)
    except OSError:
        pass
    finally:
        client.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("spots", help="a text file with 'DX de ' lines")
    parser.add_argument("--port", type=int, default=7373)
    parser.add_argument("--interval", type=float, default=1.0, help="seconds between spots")
    parser.add_argument("--burst", type=int, default=0, help="spots sent at once after the login")
    args = parser.parse_args()
    lines = spot_lines(args.spots)
    if not lines:
        parser.error("no 'DX de ' lines in " + args.spots)
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", args.port))
    listener.listen(4)
    while True:
        client, _ = listener.accept()
        threading.Thread(target=serve, args=(client, lines, args.interval, args.burst), daemon=True).start()


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""A simplex radio channel between two packet engines on loopback, for tests.

Each engine transmits raw 16-bit mono PCM into a named pipe (its audio
output) and receives PCM on a UDP port (its audio input).  This program
creates the pipes, reads what each engine transmits and plays it to the
other engine's UDP port in real time, and plays silence while nobody
transmits, so that each receiver sees the carrier come and go as on air.

  radio_channel.py RATE PIPE_A:UDP_A PIPE_B:UDP_B

It prints "ready" once the pipes exist and stops on SIGTERM.  Loopback only.
"""
import array
import os
import select
import signal
import socket
import sys
import time

CHUNK = 512          # samples per datagram
LEAD_IN = 0.05       # seconds of transmitted audio gathered before a burst plays


def open_pipe(path):
    if not os.path.exists(path):
        os.mkfifo(path, 0o600)
    # Read-write keeps the pipe open while the engine is away, so the read
    # side never sees an end and the engine's open never blocks.
    return os.open(path, os.O_RDWR | os.O_NONBLOCK)


def quieter(pcm):
    # Full-scale audio overdrives the receiver's level check: halve it.
    samples = array.array("h", pcm)
    return array.array("h", (s // 2 for s in samples)).tobytes()


def main():
    rate = int(sys.argv[1])
    stations = []
    for spec in sys.argv[2:4]:
        path, port = spec.rsplit(":", 1)
        stations.append({"fd": open_pipe(path), "port": int(port), "queue": bytearray(),
                         "playing": False, "since": 0.0})
    running = [True]
    signal.signal(signal.SIGTERM, lambda *_: running.__setitem__(0, False))
    out = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    print("ready", flush=True)
    start = time.monotonic()
    played = 0
    silence = bytes(CHUNK * 2)
    while running[0]:
        readable, _, _ = select.select([s["fd"] for s in stations], [], [], 0.01)
        now = time.monotonic()
        for s in stations:
            if s["fd"] in readable:
                try:
                    data = os.read(s["fd"], 1 << 16)
                except BlockingIOError:
                    data = b""
                if data and not s["queue"] and not s["playing"]:
                    s["since"] = now
                s["queue"] += data
            if s["queue"] and not s["playing"] and now - s["since"] >= LEAD_IN:
                s["playing"] = True
        due = int((now - start) * rate) - played
        if due > rate:  # stalled: do not rush to catch up
            start = now - played / rate
            due = rate
        while due >= CHUNK:
            for i, s in enumerate(stations):
                other = stations[1 - i]
                pcm = silence
                if s["playing"]:
                    pcm = bytes(s["queue"][:CHUNK * 2]).ljust(CHUNK * 2, b"\0")
                    del s["queue"][:CHUNK * 2]
                    if not s["queue"]:
                        s["playing"] = False
                    pcm = quieter(pcm)
                out.sendto(pcm, ("127.0.0.1", other["port"]))
            played += CHUNK
            due -= CHUNK


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Makes the sound bank of the program folder (data/sounds):

  common/  the tone words new, noneed, noqsl, noqso, talk: the alarm's tone
           signals, synthesised (8 kHz, 8-bit mono)
  cw/      recorded Morse: every character, point and stroke keyed at the
           default Keying (140 letters per minute, d = 45 ms, 900 Hz), each
           followed by the 2d that separates characters (8 kHz, 8-bit mono)
  ENUM/    the English voice: every character and word spoken by espeak-ng
           (voice en-us), trimmed of its leading and trailing silence
           (8 kHz, 16-bit mono)

Usage: python3 tools/sounds/make_sound_bank.py data/sounds
Needs espeak-ng for the voice (Debian package espeak-ng); --no-voice skips it.
"""
import argparse
import audioop
import math
import os
import subprocess
import tempfile
import wave

RATE = 8000
EDGE_MS = 5
DOT_MS = 45  # round(6250 / 140)
PITCH_HZ = 900

MORSE = {
    'a': '.-', 'b': '-...', 'c': '-.-.', 'd': '-..', 'e': '.', 'f': '..-.', 'g': '--.', 'h': '....',
    'i': '..', 'j': '.---', 'k': '-.-', 'l': '.-..', 'm': '--', 'n': '-.', 'o': '---', 'p': '.--.',
    'q': '--.-', 'r': '.-.', 's': '...', 't': '-', 'u': '..-', 'v': '...-', 'w': '.--', 'x': '-..-',
    'y': '-.--', 'z': '--..', '0': '-----', '1': '.----', '2': '..---', '3': '...--', '4': '....-',
    '5': '.....', '6': '-....', '7': '--...', '8': '---..', '9': '----.',
    'point': '.-.-.-', 'stroke': '-..-.',
}

# The tone signals of the alarms, as (Hz, ms); a Hz of 0 is a pause.
TONE_WORDS = {
    'new': [(800, 300), (1000, 300), (1200, 300), (1000, 300), (1200, 600)],
    'noneed': [(1000, 400)],
    'noqsl': [(1200, 300), (900, 500)],
    'noqso': [(800, 300), (1000, 300), (1200, 600)],
    'talk': [(1000, 100), (0, 25)] * 4,
}

# What espeak-ng is asked to say for each file of the voice folder.
SPOKEN_WORDS = {
    'point': 'point', 'stroke': 'stroke', 'cw': 'C W', 'dxcc': 'D X C C', 'ghz': 'gigahertz',
    'iota': 'eye oh tee ay', 'longwave': 'long wave', 'rtty': 'R T T Y', 'sat': 'satellite',
    'seeked': 'wanted call', 'ssb': 'S S B', 'logbook': 'log book',
}


def tone(hz, ms):
    """Floats in -1..1: a tone with raised-cosine edges of EDGE_MS."""
    n = RATE * ms // 1000
    edge = min(RATE * EDGE_MS // 1000, n // 2)
    out = []
    for i in range(n):
        near = min(i, n - 1 - i)
        gain = 0.5 - 0.5 * math.cos(math.pi * (near + 0.5) / edge) if near < edge else 1.0
        out.append(0.5 * gain * math.sin(2 * math.pi * hz * i / RATE))
    return out


def silence(ms):
    return [0.0] * (RATE * ms // 1000)


def write_8bit(path, samples):
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(RATE)
        w.writeframes(bytes(max(0, min(255, round(128 + 127 * s))) for s in samples))


def morse(pattern):
    out = []
    for element in pattern:
        out += tone(PITCH_HZ, DOT_MS * (3 if element == '-' else 1)) + silence(DOT_MS)
    return out + silence(2 * DOT_MS)


def speak(text, path):
    """espeak-ng's WAV of `text`, trimmed and brought to 8 kHz 16-bit."""
    with tempfile.TemporaryDirectory() as scratch:
        raw = os.path.join(scratch, 'raw.wav')
        subprocess.run(['espeak-ng', '-v', 'en-us', '-s', '160', '-w', raw, text], check=True)
        with wave.open(raw, 'rb') as r:
            width, channels, rate = r.getsampwidth(), r.getnchannels(), r.getframerate()
            frames = r.readframes(r.getnframes())
    if channels == 2:
        frames = audioop.tomono(frames, width, 0.5, 0.5)
    frames, _ = audioop.ratecv(frames, width, 1, rate, RATE, None)
    if width != 2:
        frames = audioop.lin2lin(frames, width, 2)
    # Leading and trailing silence would slow a spelled call down; keep 20 ms.
    count = len(frames) // 2
    level = [abs(int.from_bytes(frames[2 * i:2 * i + 2], 'little', signed=True)) for i in range(count)]
    loud = [i for i, v in enumerate(level) if v > 600]
    keep = RATE // 50
    if loud:
        frames = frames[2 * max(0, loud[0] - keep):2 * min(count, loud[-1] + keep)]
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('sounds', help='the sounds folder to fill, e.g. data/sounds')
    parser.add_argument('--no-voice', action='store_true', help='leave the espeak-ng voice out')
    args = parser.parse_args()

    common = os.path.join(args.sounds, 'common')
    os.makedirs(common, exist_ok=True)
    for name, tones in TONE_WORDS.items():
        samples = []
        for hz, ms in tones:
            samples += tone(hz, ms) if hz else silence(ms)
        write_8bit(os.path.join(common, name + '.wav'), samples)

    cw = os.path.join(args.sounds, 'cw')
    os.makedirs(cw, exist_ok=True)
    for name, pattern in MORSE.items():
        write_8bit(os.path.join(cw, name + '.wav'), morse(pattern))

    if args.no_voice:
        return
    voice = os.path.join(args.sounds, 'ENUM')
    os.makedirs(voice, exist_ok=True)
    for c in '0123456789abcdefghijklmnopqrstuvwxyz':
        speak(c.upper() if c.isalpha() else c, os.path.join(voice, c + '.wav'))
    for name, text in SPOKEN_WORDS.items():
        speak(text, os.path.join(voice, name + '.wav'))


if __name__ == '__main__':
    main()

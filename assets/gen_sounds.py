#!/usr/bin/env python3
"""Synthesise the sound effects and the table tune of Tazkova.

Writes seven uncompressed PCM WAVE files into assets/sounds/ (or the
directory given as the first argument):

  Shuffle.wav   the riffle when the deck is shuffled
  Catch.wav     a bright blip when a card catches cards from the table
  Card.wav      the soft tick of a card laid on the table
  Clap4.wav     applause at the end of a won game
  PinkPntr.wav  a light swing tune that loops while playing
  hit.wav       a short fanfare for a sweep of the table
  Qopen.wav     a chime when the options open

Everything is computed from sine waves and seeded noise with the standard
library only, so a re-run gives the same bytes.
"""

import math
import os
import random
import struct
import sys
import wave

TWO_PI = 2.0 * math.pi


# ---------------------------------------------------------------- helpers

def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def silence(n):
    return [0.0] * n


def normalise(sig, peak):
    top = max(abs(v) for v in sig)
    if top == 0:
        return sig
    k = peak / top
    return [v * k for v in sig]


def fade(sig, n_in, n_out):
    n = len(sig)
    for i in range(min(n_in, n)):
        sig[i] *= i / float(n_in)
    for i in range(min(n_out, n)):
        sig[n - 1 - i] *= i / float(n_out)
    return sig


def add_into(dst, src, start, gain=1.0):
    """Mix src into dst from sample `start`, dropping what runs past."""
    end = min(len(dst), start + len(src))
    for i in range(max(0, start), end):
        dst[i] += gain * src[i - start]


def one_pole_lowpass(sig, cutoff, rate):
    a = math.exp(-TWO_PI * cutoff / rate)
    out, y = [], 0.0
    for x in sig:
        y = (1.0 - a) * x + a * y
        out.append(y)
    return out


def highpass(sig, cutoff, rate):
    a = math.exp(-TWO_PI * cutoff / rate)
    out, prev_x, y = [], 0.0, 0.0
    for x in sig:
        y = a * (y + x - prev_x)
        prev_x = x
        out.append(y)
    return out


def bandpass(sig, centre, q, rate):
    """Two-pole resonant band-pass (constant peak gain)."""
    w = TWO_PI * centre / rate
    alpha = math.sin(w) / (2.0 * q)
    a0 = 1.0 + alpha
    b0, b2 = alpha / a0, -alpha / a0
    a1, a2 = -2.0 * math.cos(w) / a0, (1.0 - alpha) / a0
    out = []
    x1 = x2 = y1 = y2 = 0.0
    for x in sig:
        y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1 = x1, x
        y2, y1 = y1, y
        out.append(y)
    return out


def envelope(n, rate, attack, decay, release):
    """Quick attack, exponential decay, linear release to zero at the end."""
    na = max(1, int(attack * rate))
    nr = max(1, int(release * rate))
    env = []
    for i in range(n):
        e = math.exp(-i / (decay * rate)) if decay else 1.0
        if i < na:
            e *= i / float(na)
        if i >= n - nr:
            e *= (n - 1 - i) / float(nr)
        env.append(e)
    return env


def tone(freq, n, rate, partials, attack, decay, release, vibrato=0.0,
         partial_decay=None):
    """Additive tone: partials is a list of (ratio, amplitude)."""
    env = envelope(n, rate, attack, decay, release)
    out = [0.0] * n
    for idx, (ratio, amp) in enumerate(partials):
        f = freq * ratio
        if f >= rate * 0.45:
            continue
        pdec = partial_decay[idx] if partial_decay else None
        phase = 0.0
        for i in range(n):
            fi = f
            if vibrato:
                # Vibrato fades in after a tenth of a second.
                depth = vibrato * min(1.0, i / (0.25 * rate))
                fi = f * (1.0 + depth * math.sin(TWO_PI * 5.5 * i / rate))
            phase += TWO_PI * fi / rate
            a = amp
            if pdec:
                a *= math.exp(-i / (pdec * rate))
            out[i] += a * math.sin(phase)
    return [v * e for v, e in zip(out, env)]


def write_wav(path, rate, sample_width, channels, frames):
    """frames: list of floats (mono) or of (left, right) pairs, -1..1."""
    data = bytearray()
    if channels == 1:
        flat = frames
    else:
        flat = [v for pair in frames for v in pair]
    for v in flat:
        v = max(-1.0, min(1.0, v))
        if sample_width == 1:
            data.append(int(round(128 + v * 127)))
        else:
            data += struct.pack("<h", int(round(v * 32767)))
    with wave.open(path, "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(sample_width)
        w.setframerate(rate)
        w.writeframes(bytes(data))


# ------------------------------------------------------------- the sounds

def shuffle_sound(rate=11025, n=4138):
    """A riffle: a train of papery clicks, quick in the middle, then the
    deck squared up with a soft thump."""
    rnd = random.Random(1101)
    sig = silence(n)
    t = int(0.012 * rate)
    end = int(0.31 * rate)
    while t < end:
        pos = t / float(end)
        gap = 0.0105 - 0.0045 * math.sin(math.pi * pos)
        length = rnd.randint(50, 90)
        burst = [rnd.uniform(-1, 1) * math.exp(-i / 14.0)
                 for i in range(length)]
        loud = (0.45 + 0.55 * math.sin(math.pi * min(1.0, pos * 1.1))) * \
            rnd.uniform(0.7, 1.0)
        add_into(sig, burst, t, loud)
        t += int(gap * rate * rnd.uniform(0.8, 1.2))
    sig = bandpass(highpass(sig, 600, rate), 2600, 0.8, rate)
    thump_at = int(0.325 * rate)
    thump_n = n - thump_at
    thump = [0.5 * math.sin(TWO_PI * 140 * i / rate) * math.exp(-i / 60.0)
             + 0.25 * rnd.uniform(-1, 1) * math.exp(-i / 25.0)
             for i in range(thump_n)]
    add_into(sig, one_pole_lowpass(thump, 1500, rate), thump_at)
    return fade(normalise(sig, 0.7), 8, 60)


def catch_sound(rate=11025, n=670):
    """Two quick rising notes, bright and short."""
    sig = silence(n)
    first = int(0.022 * rate)
    partials = [(1, 1.0), (2, 0.3), (3, 0.12)]
    add_into(sig, tone(1568.0, first + 40, rate, partials,
                       0.001, 0.02, 0.004), 0)
    add_into(sig, tone(2093.0, n - first, rate, partials,
                       0.001, 0.018, 0.008), first)
    return fade(normalise(sig, 0.7), 4, 20)


def card_sound(rate=11025, n=216):
    """A soft tick: a short burst of dull noise over a low knock."""
    rnd = random.Random(2202)
    noise = [rnd.uniform(-1, 1) * math.exp(-i / 18.0) for i in range(n)]
    noise = one_pole_lowpass(noise, 1800, rate)
    knock = [0.6 * math.sin(TWO_PI * 190 * i / rate) * math.exp(-i / 45.0)
             for i in range(n)]
    sig = [a + b for a, b in zip(noise, knock)]
    return fade(normalise(sig, 0.45), 2, 40)


def clap_sound(rate=11025, n=38608):
    """Applause: a dozen and a half people clapping at their own pace,
    starting together, tailing off one by one."""
    rnd = random.Random(3303)
    sig = silence(n)
    for _ in range(18):
        pace = rnd.uniform(3.6, 5.4)
        centre = rnd.uniform(900, 2600)
        q = rnd.uniform(0.9, 1.8)
        loud = rnd.uniform(0.5, 1.0)
        t = rnd.uniform(0.0, 0.25)
        stop = rnd.uniform(2.0, 3.2)
        while t < stop:
            length = int(0.035 * rate)
            tau = rnd.uniform(0.004, 0.009) * rate
            burst = [rnd.uniform(-1, 1) * math.exp(-i / tau)
                     for i in range(length)]
            burst = bandpass(burst, centre * rnd.uniform(0.9, 1.1), q, rate)
            swell = min(1.0, t / 0.3 + 0.3)
            tail = max(0.0, min(1.0, (stop - t) / 0.8))
            add_into(sig, burst, int(t * rate),
                     loud * swell * tail * rnd.uniform(0.7, 1.0))
            t += (1.0 / pace) * rnd.uniform(0.85, 1.15)
    # A hush of the room under the claps.
    room = one_pole_lowpass([rnd.uniform(-1, 1) for _ in range(n)], 900, rate)
    for i in range(n):
        ts = i / float(rate)
        sig[i] += 0.05 * room[i] * min(1.0, ts / 0.2) * max(0.0, 1 - ts / 3.4)
    return fade(normalise(sig, 0.6), 20, int(0.25 * rate))


# The table tune: four bars of swing in F, 16 beats, 4851 samples a beat
# (about 136 beats a minute), so the whole loop is 77616 samples.  Swung
# eighths split a beat two thirds to one third.
BEAT = 4851
TUNE_BEATS = 16

# ii - V - I - VI turnaround, which walks straight back into bar one.
WALKING_BASS = [43, 45, 46, 47,   # Gm7
                48, 46, 43, 42,   # C7
                41, 45, 48, 49,   # Fmaj7
                50, 48, 45, 42]   # D7, leading back to G

CHORDS = [(53, 58, 62),   # Gm7  (F Bb D)
          (52, 58, 62),   # C7   (E Bb D)
          (52, 57, 60),   # Fmaj7 (E A C)
          (54, 60, 64)]   # D7   (F# C E)

# The melody as (eighth index 0..31, length in eighths, MIDI note).
MELODY = [
    (1, 1, 70), (2, 1, 74), (3, 2, 77), (5, 1, 76), (6, 2, 74),
    (9, 1, 70), (10, 1, 72), (11, 1, 76), (12, 2, 79), (14, 1, 77),
    (15, 1, 75),
    (16, 3, 76), (19, 1, 72), (20, 2, 69), (22, 1, 67), (23, 1, 69),
    (25, 1, 69), (26, 1, 72), (27, 1, 75), (28, 2, 74),
]


def eighth_to_sample(e):
    beat, half = divmod(e, 2)
    return beat * BEAT + (2 * BEAT // 3 if half else 0)


def tune_sound(rate=11025):
    n = BEAT * TUNE_BEATS
    rnd = random.Random(4404)
    sig = silence(n)
    bass_partials = [(1, 1.0), (2, 0.35), (3, 0.1)]
    for beat, note in enumerate(WALKING_BASS):
        length = BEAT - 60
        add_into(sig, tone(midi_hz(note), length, rate, bass_partials,
                           0.006, 0.45, 0.03), beat * BEAT, 0.42)
    vib_partials = [(1, 1.0), (4, 0.3), (10, 0.06)]
    for e, dur, note in MELODY:
        start = eighth_to_sample(e)
        length = eighth_to_sample(e + dur) - start - 40
        add_into(sig, tone(midi_hz(note), length, rate, vib_partials,
                           0.004, 0.6, 0.03,
                           partial_decay=[None, 0.08, 0.03]),
                 start, 0.3)
    comp_partials = [(1, 1.0), (2, 0.4), (3, 0.15)]
    for bar, chord in enumerate(CHORDS):
        for e, dur in ((0, 1), (3, 1)):        # beat one and the and of two
            start = eighth_to_sample(bar * 8 + e)
            length = eighth_to_sample(bar * 8 + e + dur) - start
            for note in chord:
                add_into(sig, tone(midi_hz(note), length, rate, comp_partials,
                                   0.005, 0.25, 0.03), start, 0.07)
    # Ride cymbal: ding, ding-da, ding, ding-da.
    for bar in range(4):
        for e in (0, 2, 3, 4, 6, 7):
            start = eighth_to_sample(bar * 8 + e)
            length = int(0.05 * rate)
            hit = [rnd.uniform(-1, 1) * math.exp(-i / (0.012 * rate))
                   for i in range(length)]
            hit = highpass(hit, 4000, rate)
            add_into(sig, hit, start, 0.1 if e % 2 == 0 else 0.06)
    sig = normalise(sig, 0.8)
    # Start and end at rest so the loop joins without a click.
    return fade(sig, 24, 48)


def fanfare_sound(rate=11025, n=32944):
    """A rising brass call, then a held major chord over a drum roll."""
    rnd = random.Random(5505)
    sig = silence(n)
    brass = [(k, 1.0 / k) for k in range(1, 9)]
    calls = [(0.00, 0.12, 67), (0.13, 0.12, 72), (0.26, 0.12, 76),
             (0.39, 0.44, 79), (0.86, 0.13, 76), (1.01, 0.13, 79)]
    for start, dur, note in calls:
        add_into(sig, tone(midi_hz(note), int(dur * rate), rate, brass,
                           0.012, 1.2, 0.02, vibrato=0.004),
                 int(start * rate), 0.3)
    chord_at = int(1.16 * rate)
    chord_n = n - chord_at - int(0.04 * rate)
    for note in (72, 76, 79, 84):
        add_into(sig, tone(midi_hz(note), chord_n, rate, brass,
                           0.015, 1.3, 0.5, vibrato=0.005), chord_at, 0.22)
    for at in (0.39, 1.16):
        drum_n = int(0.5 * rate)
        drum = []
        phase = 0.0
        for i in range(drum_n):
            f = 65.0 * (1.0 + 0.6 * math.exp(-i / (0.02 * rate)))
            phase += TWO_PI * f / rate
            drum.append(math.sin(phase) * math.exp(-i / (0.12 * rate)))
        add_into(sig, drum, int(at * rate), 0.5)
    roll_n = n - chord_at
    roll = [rnd.uniform(-1, 1) * (0.5 + 0.5 * math.sin(TWO_PI * 18 * i / rate))
            * math.exp(-i / (0.6 * rate)) for i in range(roll_n)]
    add_into(sig, highpass(roll, 2500, rate), chord_at, 0.12)
    return fade(normalise(sig, 0.75), 8, int(0.15 * rate))


def chime_sound(rate=22050, n=51056):
    """A bell arpeggio up a major ninth chord, travelling left to right,
    with a faint echo in the other ear."""
    left, right = silence(n), silence(n)
    bell = [(1.0, 1.0), (2.0, 0.45), (3.0, 0.2), (4.16, 0.12), (5.43, 0.06)]
    decays = [0.8, 0.5, 0.3, 0.18, 0.1]
    notes = [72, 76, 79, 83, 86, 91]
    for k, note in enumerate(notes):
        start = int(k * 0.12 * rate)
        length = n - start
        sound = tone(midi_hz(note), length, rate, bell, 0.003, 0.0, 0.05,
                     partial_decay=decays)
        pan = k / float(len(notes) - 1)
        gl, gr = math.cos(pan * math.pi / 2), math.sin(pan * math.pi / 2)
        add_into(left, sound, start, 0.3 * gl)
        add_into(right, sound, start, 0.3 * gr)
        delay = int(0.17 * rate)
        add_into(left, sound, start + delay, 0.08 * gr)
        add_into(right, sound, start + delay, 0.08 * gl)
    top = max(max(abs(v) for v in left), max(abs(v) for v in right))
    k = 0.7 / top
    left = fade([v * k for v in left], 16, int(0.3 * rate))
    right = fade([v * k for v in right], 16, int(0.3 * rate))
    return list(zip(left, right))


# ------------------------------------------------------------ the catalogue

# name -> (sample rate, bytes per sample, channels, maker)
SOUNDS = {
    "Shuffle.wav": (11025, 1, 1, shuffle_sound),
    "Catch.wav": (11025, 1, 1, catch_sound),
    "Card.wav": (11025, 1, 1, card_sound),
    "Clap4.wav": (11025, 2, 1, clap_sound),
    "PinkPntr.wav": (11025, 1, 1, tune_sound),
    "hit.wav": (11025, 1, 1, fanfare_sound),
    "Qopen.wav": (22050, 2, 2, chime_sound),
}


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = argv[1] if len(argv) > 1 else os.path.join(here, "sounds")
    os.makedirs(out_dir, exist_ok=True)
    for name in sorted(SOUNDS):
        rate, width, channels, maker = SOUNDS[name]
        write_wav(os.path.join(out_dir, name), rate, width, channels, maker())
    print("wrote %d sounds to %s" % (len(SOUNDS), out_dir))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

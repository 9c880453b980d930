#!/usr/bin/python3
"""Builds the game's 24 sound effects, Efecto0.wav .. Efecto23.wav, beside this script.

Everything is synthesised here with numpy, except the voices, which espeak-ng speaks and
this script then bends, roughens and places in a small room. Every random source has a fixed
seed, so running the script twice gives the same bytes.

Output: PCM, 16 bits, 44100 Hz, stereo (the game's mixer is two-channel).

Run:  /usr/bin/python3 assets/sounds/generar.py   (needs numpy, espeak-ng and sox)
"""

import os
import subprocess
import sys
import tempfile
import wave

import numpy as np

SR = 44100
AQUI = os.path.dirname(os.path.abspath(__file__))


# ---------------------------------------------------------------- basic tools

def rng(seed):
    return np.random.default_rng(seed)


def t_axis(seconds):
    return np.arange(int(round(seconds * SR))) / SR


def db(value):
    return 10.0 ** (value / 20.0)


def fft_filter(x, response):
    """Zero-phase filter: multiplies the spectrum of x by response(frequencies in Hz)."""
    n = len(x)
    size = 1 << int(np.ceil(np.log2(max(n, 2) * 2)))
    espectro = np.fft.rfft(x, size)
    freqs = np.fft.rfftfreq(size, 1.0 / SR)
    return np.fft.irfft(espectro * response(freqs), size)[:n]


def lowpass(x, fc, order=2):
    return fft_filter(x, lambda f: 1.0 / np.sqrt(1.0 + (f / fc) ** (2 * order)))


def highpass(x, fc, order=2):
    return fft_filter(x, lambda f: 1.0 / np.sqrt(1.0 + (fc / np.maximum(f, 1e-3)) ** (2 * order)))


def bandpass(x, centre, q):
    def resp(f):
        f = np.maximum(f, 1e-3)
        return 1.0 / np.sqrt(1.0 + q * q * (f / centre - centre / f) ** 2)
    return fft_filter(x, resp)


def convolve(x, ir):
    n = len(x) + len(ir) - 1
    size = 1 << int(np.ceil(np.log2(n)))
    return np.fft.irfft(np.fft.rfft(x, size) * np.fft.rfft(ir, size), size)[:n]


def one_pole_lowpass(x, cutoff):
    """Time-varying one-pole low-pass; cutoff is an array of Hz, one per sample."""
    a = np.exp(-2.0 * np.pi * np.asarray(cutoff) / SR)
    y = np.empty_like(x)
    state = 0.0
    for i in range(len(x)):
        state = (1.0 - a[i]) * x[i] + a[i] * state
        y[i] = state
    return y


def envelope(n, attack, decay_tau, hold=0.0):
    """Linear attack, optional hold, exponential decay (times in seconds)."""
    t = np.arange(n) / SR
    env = np.where(t < attack, t / max(attack, 1e-6), 1.0)
    after = np.maximum(t - attack - hold, 0.0)
    return env * np.exp(-after / decay_tau)


def fade(x, fade_in=0.002, fade_out=0.02):
    x = x.copy()
    a = int(fade_in * SR)
    b = int(fade_out * SR)
    if a:
        x[:a] *= np.linspace(0.0, 1.0, a)
    if b:
        x[-b:] *= np.linspace(1.0, 0.0, b)
    return x


def room(seed, seconds, decay_tau, brightness=6000.0):
    """A stereo room response: decaying noise, different in each ear."""
    r = rng(seed)
    n = int(seconds * SR)
    t = np.arange(n) / SR
    irs = []
    for _ in range(2):
        ir = r.standard_normal(n) * np.exp(-t / decay_tau)
        ir = lowpass(ir, brightness, 1)
        ir[: int(0.004 * SR)] = 0.0          # a little pre-delay before the first reflections
        irs.append(ir / np.sqrt(np.sum(ir ** 2)))
    return irs


def with_room(mono, seed, wet, seconds=0.6, decay_tau=0.12, brightness=6000.0, width=1.0):
    """Dry sound in the middle plus a room around it; returns a (n, 2) array."""
    irs = room(seed, seconds, decay_tau, brightness)
    n = len(mono) + len(irs[0]) - 1
    out = np.zeros((n, 2))
    for ch in range(2):
        out[: len(mono), ch] += mono
        out[:, ch] += wet * convolve(mono, irs[ch])
    if width != 1.0:
        mid = out.mean(axis=1, keepdims=True)
        out = mid + (out - mid) * width
    return trim_tail(out)


def stereo(mono, pan=0.0):
    """Equal-power pan of a mono sound, pan in -1 .. 1."""
    angle = (pan + 1.0) * np.pi / 4.0
    return np.stack([mono * np.cos(angle) * np.sqrt(2), mono * np.sin(angle) * np.sqrt(2)], axis=1)


def trim_tail(x, floor_db=-55.0):
    """Drops the silent end of a sound (keeps a short fade)."""
    level = np.abs(x).max(axis=1) if x.ndim == 2 else np.abs(x)
    peak = level.max()
    if peak == 0:
        return x
    loud = np.nonzero(level > peak * db(floor_db))[0]
    end = min(len(x), loud[-1] + int(0.01 * SR)) if len(loud) else len(x)
    x = x[:end].copy()
    k = min(int(0.01 * SR), end)
    ramp = np.linspace(1.0, 0.0, k)
    if x.ndim == 2:
        x[-k:] *= ramp[:, None]
    else:
        x[-k:] *= ramp
    return x


def normalise(x, peak_db):
    return x * (db(peak_db) / np.abs(x).max())


def as_stereo(x):
    return stereo(x) / np.sqrt(2) if x.ndim == 1 else x


def write_wav(index, x):
    x = as_stereo(x)
    data = np.clip(np.round(x * 32767.0), -32768, 32767).astype('<i2')
    path = os.path.join(AQUI, 'Efecto%d.wav' % index)
    with wave.open(path, 'wb') as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(data.tobytes())
    return path


def make_loop(x, seconds, crossfade):
    """Turns a longer sound into a seamless loop of exactly `seconds`.

    The piece after the loop point is faded into the beginning (equal power), so the last
    sample runs straight into the first one when the mixer repeats the sound.
    """
    n = int(round(seconds * SR))
    f = int(round(crossfade * SR))
    assert len(x) >= n + f
    out = x[:n].copy()
    w = np.sin(np.linspace(0.0, np.pi / 2.0, f)) ** 2
    if x.ndim == 2:
        w = w[:, None]
    out[:f] = x[:f] * np.sqrt(w) + x[n:n + f] * np.sqrt(1.0 - w)
    return out


# ---------------------------------------------------------------- voices

def espeak(text, voice, pitch, speed, amplitude=100):
    """The spoken word at the effects' rate. espeak-ng speaks at 22050 Hz; sox's band-limited
    resampler brings it to SR, so no mirrored image of the voice appears above 11 kHz."""
    with tempfile.TemporaryDirectory() as tmp:
        hablado = os.path.join(tmp, 'hablado.wav')
        path = os.path.join(tmp, 'voz.wav')
        subprocess.run(['espeak-ng', '-v', voice, '-p', str(pitch), '-s', str(speed),
                        '-a', str(amplitude), '-z', '-w', hablado, text], check=True)
        subprocess.run(['sox', hablado, '-b', '16', '-r', str(SR), path, 'rate', '-v'],
                       check=True)
        with wave.open(path, 'rb') as w:
            rate = w.getframerate()
            raw = np.frombuffer(w.readframes(w.getnframes()), dtype='<i2').astype(float) / 32768.0
    # Trim the silence around the word.
    loud = np.nonzero(np.abs(raw) > 0.01)[0]
    raw = raw[max(loud[0] - 50, 0): loud[-1] + 200]
    return raw, rate


def bend(raw, rate, factor_start, factor_end=None):
    """Plays the recording back faster (factor > 1: higher and shorter), like a tape.

    With factor_end the rate glides from start to end, which gives yelps and falling cries.
    """
    if factor_end is None:
        factor_end = factor_start
    step0 = rate / SR * factor_start
    step1 = rate / SR * factor_end
    positions = []
    pos = 0.0
    total = len(raw) - 1
    while pos < total:
        positions.append(pos)
        frac = pos / total
        pos += step0 + (step1 - step0) * frac
    return np.interp(np.array(positions), np.arange(len(raw)), raw)


def roughen(x, drive):
    """Soft saturation: a strained, hoarse voice."""
    return np.tanh(x * drive) / np.tanh(drive)


def voice(text, voice_name, pitch, speed, bend_from, bend_to, drive, seed, wet, tremolo=0.0,
          bright=None):
    raw, rate = espeak(text, voice_name, pitch, speed)
    x = bend(raw, rate, bend_from, bend_to)
    x = x / np.abs(x).max()
    if tremolo:
        t = np.arange(len(x)) / SR
        x = x * (1.0 - 0.35 + 0.35 * np.sin(2 * np.pi * tremolo * t))
    x = roughen(x, drive)
    if bright:
        x = highpass(x, bright, 1)
    x = fade(x, 0.003, 0.04)
    return with_room(x, seed, wet, seconds=0.5, decay_tau=0.08)


# ---------------------------------------------------------------- the effects

def efecto_sombrero():
    # The hat-pile figure: a comic yelp that jumps up, with a slide-whistle squeak on top.
    v = voice('Yipe!', 'en-us+m4', 85, 230, 1.15, 1.55, 2.0, 100, 0.15)
    n = len(v)
    t = np.arange(n) / SR
    glide = 900.0 + 900.0 * np.clip(t / 0.18, 0, 1)
    phase = 2 * np.pi * np.cumsum(glide) / SR
    whistle = 0.18 * np.sin(phase) * envelope(n, 0.01, 0.08)
    v[:, 0] += whistle
    v[:, 1] += whistle
    return normalise(v, -6.0)


VOCES = {
    # figure: (text, voice, espeak pitch, speed, bend from, bend to, drive, room seed, wet)
    1: ('Argh!', 'en-us+m3', 20, 150, 0.92, 0.80, 3.0, 101, 0.18),     # bandit, gruff
    2: ('Uuagh!', 'en-us+croak', 30, 140, 0.95, 0.78, 3.5, 102, 0.18),  # bandit, croaking
    3: ('Oof!', 'en-us+m1', 45, 170, 1.00, 0.90, 2.0, 103, 0.15),
    4: ('Ouch!', 'en-us+m7', 55, 160, 1.05, 0.95, 1.8, 104, 0.15),
    5: ('Ay!', 'es+m2', 50, 150, 1.00, 0.82, 2.2, 105, 0.15),
    6: ('Whoa!', 'en-us+m6', 35, 140, 0.96, 0.84, 2.5, 106, 0.15),
    7: ('Ow!', 'en-us+m5', 60, 160, 1.08, 0.92, 1.6, 107, 0.14),       # customer
    8: ('Aah!', 'en-gb+m2', 50, 150, 1.02, 0.88, 1.7, 108, 0.14),      # customer
    9: ('Eeek!', 'en-us+f2', 95, 170, 1.20, 1.05, 1.5, 109, 0.14),     # the girl
}


def efecto_figura(k):
    text, name, pitch, speed, b0, b1, drive, seed, wet = VOCES[k]
    return normalise(voice(text, name, pitch, speed, b0, b1, drive, seed, wet), -6.0)


def efecto_jugador():
    # The player is shot: the bandit's gun goes off first, a crack a little duller than the
    # player's own, then a long cry that falls away under its echo.
    v = voice('Aaaargh!', 'en-us+m3', 40, 110, 1.0, 0.72, 3.0, 116, 0.25, tremolo=7.0)
    tiro, _ = disparo(23, 95, 1.6, 1.1)
    tiro = with_room(fade(lowpass(tiro, 5000, 1), 0.0005, 0.1), 124, 0.3, seconds=0.6,
                     decay_tau=0.1, brightness=4000)
    v = v / np.abs(v).max()
    tiro = tiro / np.abs(tiro).max()
    inicio = int(0.07 * SR)
    n = max(len(tiro), inicio + len(v))
    x = np.zeros((n, 2))
    x[: len(tiro)] += 1.0 * tiro
    x[inicio: inicio + len(v)] += 0.8 * v
    # kept within the 1.2 s a lost life leaves it: the cry's last breath fades a little sooner
    n = int(1.18 * SR)
    x = x[:n]
    x[-int(0.08 * SR):] *= np.linspace(1.0, 0.0, int(0.08 * SR))[:, None]
    return normalise(x, -6.0)


def efecto_puerta_abre():
    # A wooden creak: stick-slip pulses whose rate wanders, through the resonances of a door.
    r = rng(10)
    seconds = 0.7
    t = t_axis(seconds)
    rate = 55.0 + 70.0 * np.sin(np.pi * t / seconds) ** 2 + 10.0 * np.sin(2 * np.pi * 5.0 * t)
    phase = np.cumsum(rate) / SR
    pulses = np.zeros(len(t))
    ticks = np.nonzero(np.diff(np.floor(phase)) > 0)[0]
    pulses[ticks] = 1.0 + 0.3 * r.standard_normal(len(ticks))
    body_t = t_axis(0.05)
    body = np.zeros(len(body_t))
    for freq, amp, tau in ((310, 1.0, 0.012), (720, 0.8, 0.008), (1430, 0.6, 0.005),
                           (2650, 0.3, 0.003)):
        body += amp * np.sin(2 * np.pi * freq * body_t) * np.exp(-body_t / tau)
    creak = convolve(pulses, body)[: len(t)]
    creak += 0.02 * bandpass(r.standard_normal(len(t)), 1800, 2)
    # The creak swells within a tenth of a second and then dies away, so most of it is heard
    # while a late bandit's door is still opening.
    creak *= np.clip(t / 0.08, 0, 1) * np.exp(-np.maximum(t - 0.08, 0) / 0.35)
    creak /= np.abs(creak).max()
    # The latch gives first: a sharp metallic click at the very start.
    lt = t_axis(0.03)
    latch = bandpass(r.standard_normal(len(lt)), 3000, 4) * np.exp(-lt / 0.004)
    latch += 0.6 * np.sin(2 * np.pi * 4100 * lt) * np.exp(-lt / 0.006)
    latch /= np.abs(latch).max()
    creak[: len(lt)] += 1.2 * latch
    out = with_room(fade(creak, 0.0005, 0.05), 110, 0.25, decay_tau=0.09)
    return normalise(out, -6.0)


def efecto_puerta_cierra():
    # A thud of the door against its frame, then the latch clicks.
    r = rng(11)
    t = t_axis(0.45)
    thud = np.sin(2 * np.pi * (70 + 40 * np.exp(-t / 0.03)) * t) * np.exp(-t / 0.07)
    knock = lowpass(r.standard_normal(len(t)), 900, 2) * np.exp(-t / 0.025)
    latch = np.zeros(len(t))
    start = int(0.055 * SR)
    lt = t_axis(0.03)
    click = bandpass(r.standard_normal(len(lt)), 3200, 4) * np.exp(-lt / 0.004)
    latch[start:start + len(lt)] += click
    x = 1.0 * thud + 0.8 * knock + 0.5 * latch
    out = with_room(fade(x, 0.001, 0.03), 111, 0.2, decay_tau=0.07)
    return normalise(out, -4.0)


def bell(freq, seconds, partials, tau, seed=0):
    t = t_axis(seconds)
    x = np.zeros(len(t))
    for ratio, amp, tscale in partials:
        x += amp * np.sin(2 * np.pi * freq * ratio * t + seed * ratio) * np.exp(-t / (tau * tscale))
    return x * envelope(len(t), 0.001, 10.0)


def efecto_dolar():
    # The spinning dollar: a few coins clinking, then the cash drawer's bright ding.
    r = rng(12)
    seconds = 0.6
    x = np.zeros(int(seconds * SR))
    coin = [(1.0, 1.0, 1.0), (2.76, 0.5, 0.5), (5.4, 0.3, 0.3)]
    for i, when in enumerate((0.0, 0.045, 0.085, 0.12)):
        f = 3100.0 + 400.0 * r.random()
        c = bell(f, 0.12, coin, 0.03, seed=i)
        s = int(when * SR)
        x[s:s + len(c)] += 0.45 * c
    ding = bell(2093.0, 0.45, [(1.0, 1.0, 1.0), (2.0, 0.35, 0.6), (3.01, 0.2, 0.4),
                               (4.2, 0.1, 0.25)], 0.16)
    s = int(0.14 * SR)
    x[s:s + len(ding)] += ding[: len(x) - s]
    out = with_room(fade(x, 0.001, 0.05), 112, 0.18, decay_tau=0.1)
    return normalise(out, -6.0)


def efecto_bomba():
    # The bomb: a blast of noise that darkens, a deep thump, and a rolling rumble.
    r = rng(13)
    seconds = 2.2
    t = t_axis(seconds)
    noise = r.standard_normal(len(t))
    cutoff = 150.0 + 3500.0 * np.exp(-t / 0.08)
    blast = one_pole_lowpass(noise, cutoff)
    blast = one_pole_lowpass(blast, cutoff)
    blast *= envelope(len(t), 0.003, 0.55) * 4.0
    thump = np.sin(2 * np.pi * (38 + 60 * np.exp(-t / 0.05)) * t) * np.exp(-t / 0.35)
    rumble = lowpass(r.standard_normal(len(t)), 120, 3)
    rumble *= np.exp(-t / 0.6) * (1.0 + 0.5 * np.sin(2 * np.pi * 3.1 * t)) * 6.0
    x = blast + 1.5 * thump + rumble
    x = lowpass(np.tanh(1.3 * x / np.abs(x).max()), 2500, 2)
    out = with_room(fade(x, 0.001, 0.2), 113, 0.35, seconds=0.9, decay_tau=0.25,
                    brightness=2500)
    return normalise(out, -3.0)


def efecto_espuelas():
    # Spurs: two steps, each a little cluster of jangling rowels.
    r = rng(14)
    x = np.zeros(int(0.75 * SR))
    for step, when in enumerate((0.0, 0.36)):
        for j in range(5):
            f = 4200.0 + 1800.0 * r.random()
            c = bell(f, 0.15, [(1.0, 1.0, 1.0), (1.51, 0.6, 0.7), (2.9, 0.3, 0.4)], 0.035,
                     seed=step * 5 + j)
            s = int((when + 0.018 * j + 0.006 * r.random()) * SR)
            x[s:s + len(c)] += (0.6 - 0.08 * j) * c[: len(x) - s]
    out = with_room(fade(x, 0.001, 0.05), 114, 0.2, decay_tau=0.08)
    return normalise(out, -8.0)


def efecto_amartillar():
    # A gun being drawn and cocked: a short slide, then the hammer's "cli-clack".
    r = rng(15)
    x = np.zeros(int(0.3 * SR))
    slide_t = t_axis(0.06)
    slide = bandpass(r.standard_normal(len(slide_t)), 2500, 1.5) * np.sin(
        np.pi * slide_t / 0.06) * 0.15
    x[: len(slide)] += slide
    for when, freq, amp in ((0.07, 2400, 0.8), (0.135, 3600, 1.0)):
        ct = t_axis(0.04)
        click = bandpass(r.standard_normal(len(ct)), freq, 6) * np.exp(-ct / 0.005)
        click += 0.5 * np.sin(2 * np.pi * freq * 1.7 * ct) * np.exp(-ct / 0.008)
        s = int(when * SR)
        x[s:s + len(click)] += amp * click
    out = with_room(fade(x, 0.001, 0.02), 115, 0.15, decay_tau=0.05)
    return normalise(out, -6.0)


def efecto_pared():
    # The wall sliding along: a low wooden rumble with the knock of the rollers.
    # Every modulation repeats a whole number of times in the loop, and the tail is
    # cross-faded into the head, so the loop joins without a click.
    r = rng(17)
    loop, cross = 2.0, 0.25
    t = t_axis(loop + cross)
    rumble = lowpass(r.standard_normal(len(t)), 180, 3)
    rumble *= 1.0 + 0.25 * np.sin(2 * np.pi * 4.0 * t)            # 8 bumps per loop
    scrape = bandpass(r.standard_normal(len(t)), 900, 1.2) * 0.25
    scrape *= 1.0 + 0.5 * np.sin(2 * np.pi * 1.5 * t + 1.0)        # 3 swells per loop
    knocks = np.zeros(len(t))
    kt = t_axis(0.06)
    knock = np.sin(2 * np.pi * 140 * kt) * np.exp(-kt / 0.015)
    for i in range(int((loop + cross) * 4)):
        s = int(i * SR / 4.0)
        knocks[s:s + len(knock)] += knock[: len(t) - s] * (0.9 if i % 2 == 0 else 0.6)
    mono = rumble / np.abs(rumble).max() + scrape / np.abs(scrape).max() * 0.3 + 0.35 * knocks
    mono = lowpass(mono, 1600, 2)
    left = mono + 0.15 * lowpass(r.standard_normal(len(t)), 400, 2)
    right = mono + 0.15 * lowpass(r.standard_normal(len(t)), 400, 2)
    x = make_loop(np.stack([left, right], axis=1), loop, cross)
    return normalise(x, -12.0)


def efecto_ambiente():
    # The street behind the doors: wind that rises and falls, a murmur of far-off talk,
    # and now and then a distant piano note. Seamless loop of three seconds.
    r = rng(18)
    loop, cross = 3.0, 0.5
    t = t_axis(loop + cross)
    chans = []
    for ch in range(2):
        wind = r.standard_normal(len(t))
        centre = 600.0 + 250.0 * np.sin(2 * np.pi * t / 3.0 + ch)   # one sweep per loop
        wind = one_pole_lowpass(wind, centre)
        wind = lowpass(highpass(wind, 150, 1), 1100, 2)
        wind *= 0.7 + 0.3 * np.sin(2 * np.pi * t * 2.0 / 3.0 + 0.5 * ch)
        murmur = bandpass(r.standard_normal(len(t)), 450, 3)
        syll = np.abs(np.sin(2 * np.pi * 3.0 * t + ch)) ** 2 * (
            0.6 + 0.4 * np.sin(2 * np.pi * t * 5.0 / 3.0))
        murmur *= syll
        chans.append(wind / np.abs(wind).max() + 0.35 * murmur / np.abs(murmur).max())
    x = np.stack(chans, axis=1)
    # A honky-tonk note far down the street, detuned a hair, once in the loop.
    for when, freq in ((0.8, 392.0), (1.25, 523.25), (2.2, 440.0)):
        nt = t_axis(0.9)
        note = bell(freq, 0.9, [(1.0, 1.0, 1.0), (2.0, 0.5, 0.6), (3.0, 0.25, 0.4)], 0.3)
        note += bell(freq * 1.004, 0.9, [(1.0, 0.8, 1.0), (2.0, 0.3, 0.6)], 0.3)
        note = lowpass(note, 1500, 2) * 0.12
        s = int(when * SR)
        x[s:s + len(nt), 0] += note * 0.7
        x[s:s + len(nt), 1] += note
    x = make_loop(x, loop, cross)
    return normalise(x, -12.0)


def disparo(seed, body_freq, crack_level, body_level):
    r = rng(seed)
    t = t_axis(0.5)
    crack = r.standard_normal(len(t)) * np.exp(-t / 0.006) * crack_level
    crack = highpass(crack, 1200, 1)
    blast = lowpass(r.standard_normal(len(t)), 2500, 2) * np.exp(-t / 0.045)
    body = np.sin(2 * np.pi * (body_freq + 120 * np.exp(-t / 0.01)) * t) * np.exp(
        -t / 0.06) * body_level
    x = crack + blast + body
    x[0] = 0.0
    return lowpass(np.tanh(2.0 * x / np.abs(x).max()), 7000, 1), r


def efecto_disparo():
    # The player's revolver: a sharp crack with a low body and a short slap off the walls.
    x, _ = disparo(21, 110, 2.0, 1.0)
    out = with_room(fade(x, 0.0005, 0.1), 121, 0.35, seconds=0.8, decay_tau=0.12,
                    brightness=5000)
    return normalise(out, -3.0)


def efecto_disparo_lejano():
    # A shot somewhere down the street: muffled, with its echo coming back from the hills.
    x, _ = disparo(19, 90, 0.6, 1.3)
    x = lowpass(x, 1400, 2)
    n = len(x)
    total = n + int(1.2 * SR)
    mono = np.zeros(total)
    mono[:n] += x
    for delay, gain in ((0.33, 0.35), (0.62, 0.18), (0.95, 0.08)):
        s = int(delay * SR)
        mono[s:s + n] += gain * lowpass(x, 900, 1)
    out = with_room(fade(mono, 0.002, 0.1), 119, 0.6, seconds=1.2, decay_tau=0.3,
                    brightness=2000, width=1.3)
    return normalise(out, -9.0)


def efecto_escupidera():
    # A spittoon: a short "ptoo", then the brass bowl rings.
    r = rng(20)
    x = np.zeros(int(0.9 * SR))
    st = t_axis(0.12)
    spit = bandpass(r.standard_normal(len(st)), 1600, 1.5) * np.exp(-st / 0.03)
    spit[: int(0.004 * SR)] *= 3.0       # the "p"
    x[: len(st)] += 0.5 * spit
    ding = bell(1180.0, 0.75, [(1.0, 1.0, 1.0), (2.32, 0.55, 0.5), (3.91, 0.3, 0.35),
                               (1.007, 0.6, 1.0)], 0.2)
    s = int(0.2 * SR)
    x[s:s + len(ding)] += ding[: len(x) - s]
    out = with_room(fade(x, 0.001, 0.05), 120, 0.2, decay_tau=0.1)
    return normalise(out, -6.0)


def efecto_rebote():
    # A ricochet: a click on stone, then the whine of the bullet falling away.
    r = rng(22)
    t = t_axis(0.6)
    freq = 1500.0 + 2600.0 * np.exp(-t / 0.18)
    freq *= 1.0 + 0.015 * np.sin(2 * np.pi * 38.0 * t)
    whine = np.sin(2 * np.pi * np.cumsum(freq) / SR)
    whine += 0.3 * bandpass(r.standard_normal(len(t)), 3000, 3)
    whine *= envelope(len(t), 0.01, 0.2)
    click = highpass(r.standard_normal(len(t)), 2000, 1) * np.exp(-t / 0.004)
    x = 0.7 * whine + click
    out = with_room(fade(x, 0.0005, 0.08), 122, 0.3, decay_tau=0.1)
    # The whine crosses from left to right as it flies past.
    pan = np.linspace(-0.5, 0.5, len(out))
    out[:, 0] *= np.sqrt(1.0 - (pan + 1.0) / 2.0) * np.sqrt(2)
    out[:, 1] *= np.sqrt((pan + 1.0) / 2.0) * np.sqrt(2)
    return normalise(out, -6.0)


def efecto_campana():
    # End of the phase, once per blink: a bright little bell, short enough to ring again
    # every fifth of a second.
    x = bell(1760.0, 0.3, [(1.0, 1.0, 1.0), (2.0, 0.4, 0.6), (3.0, 0.25, 0.4),
                           (4.07, 0.15, 0.25)], 0.07)
    out = with_room(fade(x, 0.001, 0.03), 123, 0.12, decay_tau=0.05)
    return normalise(out, -6.0)


EFECTOS = {
    0: efecto_sombrero,
    10: efecto_puerta_abre,
    11: efecto_puerta_cierra,
    12: efecto_dolar,
    13: efecto_bomba,
    14: efecto_espuelas,
    15: efecto_amartillar,
    16: efecto_jugador,
    17: efecto_pared,
    18: efecto_ambiente,
    19: efecto_disparo_lejano,
    20: efecto_escupidera,
    21: efecto_disparo,
    22: efecto_rebote,
    23: efecto_campana,
}
for _k in range(1, 10):
    EFECTOS[_k] = (lambda k: (lambda: efecto_figura(k)))(_k)

BUCLES = (17, 18)


def main():
    only = [int(a) for a in sys.argv[1:]] or range(24)
    for i in only:
        x = EFECTOS[i]()
        write_wav(i, x)
        x = as_stereo(x)
        peak = 20 * np.log10(np.abs(x).max())
        rms = 20 * np.log10(np.sqrt(np.mean(x ** 2)))
        line = 'Efecto%-2d %5.2f s  peak %6.1f dBFS  rms %6.1f dBFS' % (i, len(x) / SR, peak, rms)
        if i in BUCLES:
            # The step from the last sample back to the first, next to the ordinary steps
            # between neighbouring samples inside the loop: a click would stand far out.
            jump = np.abs(x[0] - x[-1]).max()
            steps = np.abs(np.diff(x, axis=0)).max(axis=1)
            line += '  wrap step %.4f (inside: median %.4f, 99th pct %.4f, max %.4f)' % (
                jump, np.median(steps), np.percentile(steps, 99), steps.max())
        print(line)


if __name__ == '__main__':
    main()

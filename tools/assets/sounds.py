"""The game's music loop and click, synthesised in numpy and encoded with lame.

The theme is rendered as exactly one period of an endless loop: every note, echo and reverb tail that
runs past the end is added back at the start (circular buffers and circular FFT convolution), so the
game's gapless looping plays it without a seam. Nothing fades in or out.
"""

import os
import subprocess
import tempfile
import wave

import numpy as np

import common

RATE = 44100
BEAT_S = 1.0  # 60 beats per minute
BEATS_PER_CHORD = 8
LOOP_BEATS = 64
LOOP_SAMPLES = int(LOOP_BEATS * BEAT_S * RATE)
THEME_PEAK_DBFS = -3.0
CLICK_PEAK_DBFS = -6.0
SEED = 20240611

# One chord per two bars: (bass note, pad voicing, arpeggio tones), MIDI numbers, key of D major.
CHORDS = [
    (38, [50, 57, 61, 64, 66], [62, 66, 69, 73, 76]),  # Dmaj9
    (35, [47, 54, 57, 61, 62], [59, 62, 66, 69, 73]),  # Bm9
    (43, [55, 59, 62, 66, 69], [62, 66, 67, 71, 74]),  # Gmaj9
    (45, [52, 57, 59, 61, 64], [61, 64, 69, 71, 76]),  # Asus2 to A
    (42, [54, 57, 61, 64, 69], [61, 64, 66, 69, 73]),  # F#m7
    (35, [47, 57, 59, 62, 64], [59, 62, 64, 66, 71]),  # Bm7add11
    (40, [52, 55, 59, 62, 66], [59, 62, 64, 67, 71]),  # Em9
    (45, [45, 57, 62, 64, 67], [57, 62, 64, 67, 69]),  # A7sus4
]

# (start beat, length in beats, MIDI note): a slow line over the chords; the last note leads back to
# the first, across the loop point.
MELODY = [
    (0, 2.5, 78), (2.5, 1.5, 76), (4, 4, 73),
    (8, 2, 74), (10, 1, 73), (11, 1, 71), (12, 4, 73),
    (16, 2, 71), (18, 2, 74), (20, 4, 78),
    (24, 3, 76), (27, 1, 71), (28, 4, 73),
    (32, 2, 73), (34, 2, 76), (36, 4, 81),
    (40, 2, 78), (42, 1, 76), (43, 1, 74), (44, 4, 76),
    (48, 2, 79), (50, 2, 78), (52, 2, 74), (54, 2, 71),
    (56, 3, 76), (59, 1, 74), (60, 2.5, 76), (62.5, 1.5, 74),
]

# Sixteen eighth notes per chord: indices into the chord's arpeggio tones; 5+ climbs an octave.
ARPEGGIO_PATTERN = [0, 1, 2, 3, 4, 3, 2, 1, 0, 2, 4, 6, 5, 4, 2, 1]


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def seconds(beats):
    return beats * BEAT_S


def add_wrapped(buffer, start_sample, signal):
    """Add a (n, 2) signal into the circular (N, 2) buffer from start_sample on, wrapping at the end."""
    n = buffer.shape[0]
    position = start_sample % n
    offset = 0
    while offset < signal.shape[0]:
        count = min(signal.shape[0] - offset, n - position)
        buffer[position : position + count] += signal[offset : offset + count]
        offset += count
        position = 0


def envelope(length, attack, release, total):
    """Linear-in-dB-ish envelope: raised-cosine attack, hold, raised-cosine release; times in samples."""
    t = np.arange(total, dtype=np.float64)
    env = np.ones(total)
    if attack > 0:
        a = np.clip(t / attack, 0.0, 1.0)
        env *= 0.5 - 0.5 * np.cos(np.pi * a)
    if release > 0:
        r = np.clip((t - length) / release, 0.0, 1.0)
        env *= 0.5 + 0.5 * np.cos(np.pi * r)
    return env


def pan(mono, position):
    """Constant-power pan; position -1 (left) .. 1 (right)."""
    angle = (position + 1.0) * np.pi / 4.0
    return np.stack([mono * np.cos(angle), mono * np.sin(angle)], axis=1)


def voice_timeline(length_s, attack_s, release_s):
    """Samples of a note held for length_s and then released: their count, their times, their envelope."""
    total = int((length_s + release_s) * RATE)
    t = np.arange(total) / RATE
    env = envelope(int(length_s * RATE), int(attack_s * RATE), int(release_s * RATE), total)
    return total, t, env


def pad_voice(note, length_s, rng):
    """A warm, slowly breathing pad tone: detuned additive partials that roll off quickly."""
    attack, release = 1.8, 3.0
    total, t, env = voice_timeline(length_s, attack, release)
    f0 = midi_hz(note)
    out = np.zeros((total, 2))
    for side, cents in ((0, -5.0), (1, 5.0)):
        f = f0 * 2.0 ** (cents / 1200.0)
        tone = np.zeros(total)
        for k in range(1, 9):
            if f * k > 6000.0:
                break
            breathe = 1.0 + 0.25 * np.sin(2 * np.pi * (0.11 + 0.03 * k) * t + rng.uniform(0, 2 * np.pi))
            tone += breathe * np.sin(2 * np.pi * f * k * t + rng.uniform(0, 2 * np.pi)) / k**1.3
        out[:, side] = tone
    return out * env[:, None]


def shimmer_voice(note, length_s, rng):
    """A high, airy sine pair with slow tremolo that lends the pads some sparkle without edge."""
    attack, release = 3.0, 3.5
    total, t, env = voice_timeline(length_s, attack, release)
    f = midi_hz(note)
    out = np.zeros((total, 2))
    for side, cents in ((0, -3.0), (1, 3.0)):
        tremolo = 0.75 + 0.25 * np.sin(2 * np.pi * 0.6 * t + rng.uniform(0, 2 * np.pi))
        out[:, side] = tremolo * np.sin(2 * np.pi * f * 2.0 ** (cents / 1200.0) * t + rng.uniform(0, 2 * np.pi))
    return out * env[:, None]


def bass_voice(note, length_s):
    release = 1.2
    total, t, env = voice_timeline(length_s, 0.06, release)
    env *= 0.65 + 0.35 * np.exp(-t / 1.5)
    f = midi_hz(note)
    tone = np.sin(2 * np.pi * f * t) + 0.28 * np.sin(4 * np.pi * f * t) + 0.08 * np.sin(6 * np.pi * f * t)
    return pan(tone * env, 0.0)


def bell_voice(note, velocity, position):
    """A soft glassy pluck for the arpeggio: mostly harmonic partials with short, gentle decays."""
    total = int(2.4 * RATE)
    t = np.arange(total) / RATE
    f = midi_hz(note)
    partials = ((1.0, 1.0, 0.9), (2.0, 0.4, 0.7), (3.01, 0.18, 0.3), (4.2, 0.09, 0.18), (5.43, 0.04, 0.1))
    tone = np.zeros(total)
    for ratio, amplitude, decay in partials:
        tone += amplitude * np.exp(-t / decay) * np.sin(2 * np.pi * f * ratio * t)
    attack = np.clip(t / 0.006, 0.0, 1.0)
    tail = envelope(total - int(0.3 * RATE), 0, int(0.3 * RATE), total)
    return pan(tone * attack * tail * velocity, position)


def flute_voice(note, length_s, rng):
    """The melody: a breathy sine lead with delayed vibrato and a slow swell."""
    release = 1.4
    total, t, env = voice_timeline(length_s, min(0.35, length_s * 0.4), release)
    f = midi_hz(note)
    vibrato_depth = 0.004 * np.clip((t - 0.5) / 1.0, 0.0, 1.0)
    phase = 2 * np.pi * f * t + (f * vibrato_depth / 5.0) * np.sin(2 * np.pi * 5.0 * t + rng.uniform(0, 6.28))
    tone = np.sin(phase) + 0.18 * np.sin(2 * phase) + 0.05 * np.sin(3 * phase)
    breath = rng.standard_normal(total)
    breath = np.convolve(breath, np.ones(24) / 24.0, mode="same") * 0.05
    return pan((tone + breath * np.sin(phase) ** 2) * env, 0.12)


def circular_filter(buffer, gain_of_hz):
    """Filter a loop in the frequency domain, which keeps it circular (no seam, no warm-up)."""
    spectrum = np.fft.rfft(buffer, axis=0)
    hz = np.fft.rfftfreq(buffer.shape[0], 1.0 / RATE)
    spectrum *= gain_of_hz(hz)[:, None]
    return np.fft.irfft(spectrum, n=buffer.shape[0], axis=0)


def circular_reverb(buffer, rng, seconds_rt60=4.0, predelay_s=0.025):
    """Stereo hall made by circular convolution with decaying, darkening noise."""
    n = buffer.shape[0]
    length = int(5.0 * RATE)
    t = np.arange(length) / RATE
    decay = np.exp(-6.9 * t / seconds_rt60)
    ir = np.zeros((n, 2))
    for side in range(2):
        noise = rng.standard_normal(length) * decay
        # Higher frequencies die sooner: mix a fast-decaying bright part with a slower dark part.
        dark = np.convolve(noise, np.ones(6) / 6.0, mode="same")
        bright = noise * np.exp(-t / 0.35)
        shaped = dark * 1.0 + bright * 0.25
        start = int(predelay_s * RATE)
        ir[start : start + length, side] = shaped
    ir /= np.sqrt(np.sum(ir**2, axis=0, keepdims=True))
    spectrum = np.fft.rfft(buffer, axis=0) * np.fft.rfft(ir, axis=0)
    return np.fft.irfft(spectrum, n=n, axis=0)


def ping_pong_delay(buffer, delay_s, feedback, repeats):
    """Circular echoes alternating between the channels, each darker than the one before."""
    out = np.zeros_like(buffer)
    echo = buffer.copy()
    step = int(delay_s * RATE)
    for i in range(1, repeats + 1):
        echo = np.roll(echo, step, axis=0) * feedback
        echo = circular_filter(echo, lambda hz: 1.0 / np.sqrt(1.0 + (hz / 3500.0) ** 2))
        out += echo[:, ::-1] if i % 2 else echo
    return out


def render_theme():
    rng = np.random.default_rng(SEED)
    n = LOOP_SAMPLES
    pads = np.zeros((n, 2))
    bass = np.zeros((n, 2))
    arpeggio = np.zeros((n, 2))
    melody = np.zeros((n, 2))
    chord_s = seconds(BEATS_PER_CHORD)
    for index, (bass_note, voicing, tones) in enumerate(CHORDS):
        start = index * chord_s
        for voice_index, note in enumerate(voicing):
            voice = pad_voice(note, chord_s, rng)
            spread = (voice_index / (len(voicing) - 1)) * 1.2 - 0.6
            voice = voice * np.array([1.0 - 0.3 * spread, 1.0 + 0.3 * spread])
            add_wrapped(pads, int(start * RATE), voice * 0.055)
        for note in (tones[2] + 24, tones[4] + 12):
            add_wrapped(pads, int(start * RATE), shimmer_voice(note, chord_s, rng) * 0.014)
        add_wrapped(bass, int(start * RATE), bass_voice(bass_note, seconds(5.5)) * 0.17)
        add_wrapped(bass, int((start + seconds(6)) * RATE), bass_voice(bass_note + 7, seconds(1.7)) * 0.1)
        extended = tones + [tones[1] + 12, tones[2] + 12]
        for step, pick in enumerate(ARPEGGIO_PATTERN):
            when = start + step * seconds(0.5)
            jitter = rng.uniform(-0.006, 0.006)
            velocity = 0.6 + 0.25 * (step % 4 == 0) + rng.uniform(-0.08, 0.08)
            position = -0.35 if step % 2 == 0 else 0.35
            add_wrapped(arpeggio, int((when + jitter) * RATE), bell_voice(extended[pick], velocity, position) * 0.09)
    for start_beat, length_beats, note in MELODY:
        add_wrapped(melody, int(seconds(start_beat) * RATE), flute_voice(note, seconds(length_beats), rng) * 0.1)

    arpeggio_echo = ping_pong_delay(arpeggio, seconds(0.75), 0.42, 6)
    melody_echo = ping_pong_delay(melody, seconds(0.75), 0.3, 3)
    dry = pads + bass + arpeggio + 0.6 * arpeggio_echo + melody + 0.5 * melody_echo
    send = 0.9 * pads + 0.6 * arpeggio + 0.4 * arpeggio_echo + 0.7 * melody + 0.05 * bass
    mix = dry + 0.55 * circular_reverb(send, rng)
    # Keep the top soft and the bottom free of rumble.
    mix = circular_filter(mix, lambda hz: (1.0 / np.sqrt(1.0 + (hz / 9000.0) ** 4)) * (hz / np.sqrt(hz**2 + 35.0**2)))
    return normalise(mix, THEME_PEAK_DBFS)


def render_click():
    """A soft water-drop pluck: a sine whose pitch rises briefly, with a quiet octave and fast decay."""
    total = int(0.22 * RATE)
    t = np.arange(total) / RATE
    frequency = 620.0 + 280.0 * (1.0 - np.exp(-t / 0.018))
    phase = 2 * np.pi * np.cumsum(frequency) / RATE
    tone = np.sin(phase) + 0.22 * np.exp(-t / 0.03) * np.sin(2 * phase) + 0.06 * np.sin(3 * phase) * np.exp(-t / 0.015)
    attack = 0.5 - 0.5 * np.cos(np.pi * np.clip(t / 0.004, 0.0, 1.0))
    decay = np.exp(-t / 0.055)
    tail = envelope(total - int(0.04 * RATE), 0, int(0.04 * RATE), total)
    mono = tone * attack * decay * tail
    stereo = np.stack([mono, mono], axis=1)
    return normalise(stereo, CLICK_PEAK_DBFS)


def normalise(buffer, peak_dbfs):
    peak = np.max(np.abs(buffer))
    return buffer * (10.0 ** (peak_dbfs / 20.0) / peak)


def write_wav(path, buffer):
    samples = np.clip(np.round(buffer * 32767.0), -32768, 32767).astype("<i2")
    with wave.open(path, "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(samples.tobytes())


def encode_mp3(wav_path, mp3_path, options):
    common.ensure_folder(os.path.dirname(mp3_path))
    subprocess.run(["lame", "--quiet", "--noreplaygain", *options, wav_path, mp3_path], check=True)


def make(out_dir):
    theme_path = os.path.join(out_dir, "sounds", "theme.mp3")
    click_path = os.path.join(out_dir, "sounds", "click.mp3")
    with tempfile.TemporaryDirectory() as scratch:
        theme_wav = os.path.join(scratch, "theme.wav")
        click_wav = os.path.join(scratch, "click.wav")
        write_wav(theme_wav, render_theme())
        write_wav(click_wav, render_click())
        encode_mp3(theme_wav, theme_path, ["-V", "4", "-q", "2"])
        encode_mp3(click_wav, click_path, ["-b", "128", "-q", "2"])
        keep = os.environ.get("LUMORA_ASSETS_KEEP_WAV")
        if keep:
            for source in (theme_wav, click_wav):
                with open(source, "rb") as src, open(os.path.join(keep, os.path.basename(source)), "wb") as dst:
                    dst.write(src.read())
    return [theme_path, click_path]

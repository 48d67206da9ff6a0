"""Sound cases: what reaches an ALSA device that writes every sample to a file."""
import array
import os
import tempfile
import time

FILE_DEVICE = """pcm.!default {
  type file
  slave.pcm "null"
  file "%s"
  format "raw"
}
pcm.null { type null }
"""


def analyse(samples, check):
    check(len(samples) > 44100, f"a second of sound or more reached the device ({len(samples)})")
    check(min(samples) >= 0 and max(samples) <= 600, f"every sample in 0..600 "
          f"({min(samples)}..{max(samples)})")
    counts = [0] * 601
    for value in samples:
        counts[value] += 1
    inner = counts[1:600]
    expected = sum(inner) / len(inner)
    chi = sum((c - expected) ** 2 / expected for c in inner)
    # 598 degrees of freedom; this bound is exceeded by chance about once in a million.
    check(chi < 598 + 4.75 * (2 * 598) ** 0.5 + 40, f"uniform over 1..599 (chi-square {chi:.0f})")
    for end in (0, 600):
        ratio = counts[end] / expected
        check(0.35 < ratio < 0.65, f"{end} comes about half as often as an inner value ({ratio:.2f})")
    # A repeated buffer shows as a run of samples seen before; silence is left out.
    seen = set()
    repeats = 0
    window = 24
    for at in range(0, len(samples) - window):
        run = tuple(samples[at:at + window])
        if run.count(0) > 4:
            continue
        if run in seen:
            repeats += 1
        seen.add(run)
    check(repeats == 0, f"no run of {window} samples is heard twice ({repeats} repeats)")


def run(args, session_class, check):
    with tempfile.TemporaryDirectory() as folder:
        config = os.path.join(folder, "asound.conf")
        capture = os.path.join(folder, "capture.raw")
        with open(config, "w") as out:
            out.write(FILE_DEVICE % capture if args.case != "no-audio" else "")
        with session_class(args, {"ALSA_CONFIG_PATH": config}) as s:
            if args.case == "cycles":
                for cycle in range(20):
                    s.start_noise()
                    s.xdotool("mousemove", "300", "300", "key", "Escape")
                    code = s.exit_code()
                    check(code == 0, f"start-and-stop cycle {cycle + 1} ends with 0 ({code})")
                return
            s.start_noise()
            if args.case == "no-audio":
                first = s.screenshot()
                time.sleep(0.5)
                second = s.screenshot()
                check(first != second, "without an audio device the picture still runs")
            else:
                time.sleep(4)
            s.xdotool("mousemove", "300", "300", "key", "Return")
            check(s.exit_code() == 0, "a key press ends it with exit code 0")
        if args.case == "sound":
            data = open(capture, "rb").read()
            check(len(data) % 2 == 0, "the capture is whole 16-bit samples")
            samples = array.array("h")
            samples.frombytes(data)
            analyse(samples, check)

#!/usr/bin/python3
"""Runs noise.exe for real under Wine on a fresh Xvfb and checks one case.

  e2e.py --exe noise.exe --probe probe.exe --size 1366x768 --case window

Each case starts its own virtual display and Wine session and leaves nothing
running. Exit status 0 means the case held.
"""
import argparse
import hashlib
import os
import struct
import subprocess
import sys
import tempfile
import time
import zlib

from Xlib import X, display

WS_CAPTION = 0x00C00000
WS_EX_TOOLWINDOW = 0x00000080
WM_KEYDOWN, WM_CLOSE = 0x0100, 0x0010


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)
    print("ok:", message)


class Session:
    """One Xvfb and the Wine processes started on it."""

    def __init__(self, args, env_extra=None):
        self.args = args
        self.width, self.height = (int(v) for v in args.size.split("x"))
        self.env = dict(os.environ, WINEDEBUG="-all")
        self.env.update(env_extra or {})
        self.xvfb = None
        self.noise = None

    def __enter__(self):
        for number in range(90, 190):
            if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(
                    f"/tmp/.X{number}-lock"):
                break
        self.env["DISPLAY"] = f":{number}"
        self.xvfb = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", f"{self.width}x{self.height}x24", "-nolisten",
             "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                break
            time.sleep(0.05)
        self.x = display.Display(self.env["DISPLAY"])
        # Two processes racing to start a Wine session can hang; bring it up first.
        self.wine(self.args.probe)
        return self

    def __exit__(self, *exc):
        for process in (self.noise,):
            if process and process.poll() is None:
                process.kill()
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, stderr=subprocess.DEVNULL)
        self.x.close()
        self.xvfb.terminate()
        self.xvfb.wait()

    def wine(self, *command, timeout=60):
        # Output goes to a file, not a pipe: the Wine services a command starts
        # inherit its handles and would hold a pipe open long after it ends.
        with tempfile.TemporaryFile("w+") as output:
            result = subprocess.run(["wine", *command], env=self.env, stdout=output,
                                    stderr=subprocess.DEVNULL, timeout=timeout)
            output.seek(0)
            result.stdout = output.read()
        return result

    def start_noise(self):
        self.noise = subprocess.Popen(["wine", self.args.exe], env=self.env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = self.find()
        check(window.get("found") == "1", "the window of class Brastowickline appears")
        return window

    def find(self):
        result = self.wine(self.args.probe, "find")
        return dict(line.split("=", 1) for line in result.stdout.split() if "=" in line)

    def running_after(self, seconds):
        time.sleep(seconds)
        return self.noise.poll() is None

    def exit_code(self, timeout=15):
        try:
            return self.noise.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=self.env, check=True)

    def screenshot(self):
        root = self.x.screen().root
        image = root.get_image(0, 0, self.width, self.height, X.ZPixmap, 0xFFFFFFFF)
        return image.data  # blue, green, red, pad per pixel

    def cursor_image(self):
        self.x.xfixes_query_version()
        reply = self.x.xfixes_get_cursor_image(self.x.screen().root)
        return hashlib.sha256(
            struct.pack("4H", reply.width, reply.height, reply.xhot, reply.yhot) +
            struct.pack(f"{len(reply.cursor_image)}I", *reply.cursor_image)).hexdigest()


def grey_stats(shot):
    blue, green, red = shot[0::4], shot[1::4], shot[2::4]
    return blue == green == red, min(blue), max(blue)


def changed_fraction(first, second):
    a, b = first[0::4], second[0::4]
    same = sum(1 for i in range(0, len(a), 7) if a[i] == b[i])
    return 1 - same / len(range(0, len(a), 7))


def write_png(path, shot, width, height):
    rows = b"".join(b"\0" + bytes(v for px in range(width) for v in (
        shot[(y * width + px) * 4 + 2], shot[(y * width + px) * 4 + 1], shot[(y * width + px) * 4]))
        for y in range(height))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2,
                                                                        0, 0, 0)) +
                  chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b""))


def reference_cursor(session, cursor):
    """The cursor X shows over a window whose class cursor is `cursor`."""
    reference = subprocess.Popen(["wine", session.args.probe, "reference", cursor], env=session.env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(2)
    check(reference.poll() is None, f"a reference window with the {cursor}")
    session.xdotool("mousemove", "200", "200")
    time.sleep(0.5)
    session.xdotool("mousemove", "210", "205")
    time.sleep(0.5)
    image = session.cursor_image()
    reference.kill()
    reference.wait()
    time.sleep(0.5)
    return image


def case_window(args):
    with Session(args) as s:
        arrow = reference_cursor(s, "arrow")
        cross = reference_cursor(s, "cross")
        check(arrow != cross, "the cursor comparison tells the arrow from another cursor")

        window = s.start_noise()
        style, exstyle = int(window["style"], 16), int(window["exstyle"], 16)
        check(style & WS_CAPTION == 0, f"no caption bits (style {window['style']})")
        check(exstyle & WS_EX_TOOLWINDOW, "a tool window, so no taskbar button")
        check(window["visible"] == "1" and window["zoomed"] == "1", "shown and maximized")
        check(window["rect"] == f"0,0,{s.width},{s.height}", f"covers the screen ({window['rect']})")
        check(window["screen"] == f"{s.width},{s.height}", "the program sees the screen's size")
        check(window["title_length"] == "0", "an empty title")

        shots = []
        for _ in range(3):
            shots.append(s.screenshot())
            time.sleep(0.3)
        for shot in shots:
            grey, low, high = grey_stats(shot)
            check(grey, "the screen is grey only")
            check(low == 0 and high == 255, f"the full range of levels ({low}..{high})")
        for first, second in zip(shots, shots[1:]):
            fraction = changed_fraction(first, second)
            check(fraction > 0.9, f"the picture changes between screenshots ({fraction:.3f})")
        if args.screenshot:
            write_png(args.screenshot, shots[-1], s.width, s.height)
            print("screenshot:", args.screenshot)

        s.xdotool("mousemove", str(s.width // 2), str(s.height // 2))
        time.sleep(0.3)
        s.xdotool("mousemove", str(s.width // 2 + 9), str(s.height // 2 + 4))
        time.sleep(0.5)
        check(s.cursor_image() == arrow, "the cursor over the window is the arrow")

        s.xdotool("click", "3")
        s.xdotool("click", "2")
        for step in range(10):
            s.xdotool("mousemove", str(40 + 30 * step), str(30 + 20 * step))
        s.xdotool("key", "alt")
        s.xdotool("key", "F10")
        check(s.running_after(2), "right and middle clicks, motion and system keys end nothing")

        s.xdotool("mousemove", str(s.width // 2), str(s.height // 2), "key", "space")
        check(s.exit_code() == 0, "a key press then ends it with exit code 0")


ENDINGS = {
    "key": lambda s: s.xdotool("mousemove", "300", "300", "key", "q"),
    "click": lambda s: s.xdotool("mousemove", "300", "300", "click", "1"),
    "posted-keydown": lambda s: s.wine(s.args.probe, "post", f"{WM_KEYDOWN:x}", "41"),
    "close": lambda s: s.wine(s.args.probe, "post", f"{WM_CLOSE:x}"),
    "burst": lambda s: s.xdotool("mousemove", "300", "300", "key", "a", "key", "b", "click", "1"),
    "posted-burst": lambda s: s.wine(s.args.probe, "burst"),
}


def case_ending(args, name):
    with Session(args) as s:
        s.start_noise()
        time.sleep(1)
        ENDINGS[name](s)
        started = time.monotonic()
        code = s.exit_code()
        check(code == 0, f"{name} ends the program with exit code 0 "
              f"(got {code} after {time.monotonic() - started:.1f} s)")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--size", default="1366x768")
    parser.add_argument("--case", required=True)
    parser.add_argument("--screenshot")
    args = parser.parse_args()
    try:
        if args.case == "window":
            case_window(args)
        elif args.case.startswith("end-"):
            case_ending(args, args.case[4:])
        else:
            import sound_capture
            sound_capture.run(args, Session, check)
    except Failure as failure:
        print("FAILED:", failure)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

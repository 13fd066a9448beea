#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# A right answer is heard: the real program under Xvfb plays through a private sound server
# whose only output is a null sink, recorded from its monitor and measured with sox. Then the
# same without a sound theme (the program's own sound), and with a server that refuses.
import os, re, struct, subprocess, sys, tempfile, time

program = sys.argv[1]
tmp = tempfile.mkdtemp()
env = dict(os.environ, QT_QPA_PLATFORM="xcb", PULSE_SERVER=f"unix:{tmp}/sound")
started = []


def start(args, **kw):
    started.append(subprocess.Popen(args, env=kw.pop("env", env), **kw))
    return started[-1]


def wait_for(check, what, seconds=15.0):
    end = time.time() + seconds
    while not check():
        if time.time() > end:
            sys.exit(f"FAIL: {what}")
        time.sleep(0.02)


def screen():
    """Pure red and pure blue pixels in the options' band of the screen (Xvfb's framebuffer)."""
    data = open(f"{tmp}/Xvfb_screen0", "rb").read()
    header = struct.unpack(">25I", data[:100])
    line, height = header[12], header[5]
    begin = header[0] + 12 * header[19] + line * (height // 5)
    band = memoryview(data[begin:begin + line * (height * 3 // 10)]).cast("I")
    pixels = [p & 0xFFFFFF for p in band]
    return pixels.count(0xFF0000), pixels.count(0x0000FF)


def window(app, title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(app.pid), "--name",
                            title], env=env, capture_output=True, text=True).stdout.split()
    return found[-1] if found else None


def key(name, window=None):
    if window:
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env)
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], env=env, check=True)


def play(sound_env, both):
    """Opens level 2 and picks option 1 until one answer was right (and, if both, one wrong after).
    Returns [(where the recording stood at the key, right?)] and the program's exit status."""
    app = start([program], env=sound_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for(lambda: window(app, "^Tessarine$"), "the menu did not appear")
    menu = window(app, "^Tessarine$")
    key("alt+2", menu)
    time.sleep(0.8)
    key("alt+s")
    seen = []
    # A right answer, and with both a wrong one after it: the bell must not ring on.
    while len(seen) < 25 and not any(right and (not both or not all(r for _, r in seen[n:]))
                                     for n, (_, right) in enumerate(seen)):
        time.sleep(0.6)
        blue = screen()[1]
        # Where the recording stands: samples written so far, 16 bits each, after the header.
        pressed = (os.path.getsize(f"{tmp}/out.wav") - 44) / 2 / 44100
        key("alt+1")
        # Qt clicks 100 ms after an access key; the marks follow at once, sound or not
        # (allowing for a busy machine).
        wait_for(lambda: screen()[1] > blue, "no option turned blue after an answer", 1.5)
        seen.append((pressed, screen()[0] == 0))
        time.sleep(0.6)
        key("alt+n")
    # Without a window manager nothing gives the focus back: the keys go to named windows.
    time.sleep(0.5)
    key("alt+q")
    time.sleep(0.5)
    key("alt+x", menu)
    wait_for(lambda: window(app, "^About Tessarine$"), "the About screen did not appear")
    time.sleep(0.5)
    key("alt+o", window(app, "^About Tessarine$"))
    return seen, app.wait(10)


try:
    # Xvfb picks a free display and tells its number.
    read, write = os.pipe()
    start(["Xvfb", "-displayfd", str(write), "-screen", "0", "800x600x24", "-fbdir", tmp,
           "-nolisten", "tcp"], stderr=subprocess.DEVNULL, pass_fds=[write])
    with os.fdopen(read) as number:
        env["DISPLAY"] = ":" + number.readline().strip()
    start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm",
           "-L", f"module-native-protocol-unix socket={tmp}/sound auth-anonymous=1",
           "-L", "module-null-sink sink_name=null"],
          env=dict(env, HOME=tmp, XDG_RUNTIME_DIR=tmp), stderr=subprocess.DEVNULL)
    wait_for(lambda: subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode
             == 0, "the sound server did not start")
    subprocess.run(["pactl", "set-default-sink", "null"], env=env, check=True)

    # Without a theme (nor a home to find one in) first: the sound server keeps a bell it played.
    for name, sound_env, both in [
        ("without a sound theme", dict(env, XDG_DATA_DIRS=f"{tmp}/none", HOME=f"{tmp}/none"),
         False),
        ("with the desktop's sound theme", env, True),
    ]:
        record = start(["parec", "-d", "null.monitor", "--rate=44100", "--channels=1",
                        "--latency-msec=20", "--file-format=wav", f"{tmp}/out.wav"],
                       stderr=subprocess.DEVNULL)
        # The recording runs before the first answer: its length then tells the time.
        wait_for(lambda: os.path.exists(f"{tmp}/out.wav")
                 and os.path.getsize(f"{tmp}/out.wav") > 44 + 44100, "parec did not record")
        seen, status = play(sound_env, both)
        record.terminate()
        record.wait()
        for pressed, right in seen:
            # Qt clicks 100 ms after the key; a right answer sounds within 300 ms of the click on
            # an idle machine (the window allows for a busy one and a block of the recording).
            span = ["trim", f"{pressed:.3f}", "0.9" if right else "1.1"]
            stat = subprocess.run(["sox", f"{tmp}/out.wav", "-n"] + span + ["stat"],
                                  capture_output=True, text=True).stderr
            peak = float(re.search(r"Maximum amplitude:\s+([-\d.]+)", stat).group(1))
            if right != (peak > 0.01):
                sys.exit(f"FAIL {name}: a {'right answer was silent' if right else 'wrong answer sounded'}"
                         f" (peak {peak} in {span})")
        if status != 0:
            sys.exit(f"FAIL {name}: the program ended with status {status}")
        print(f"PASS {name}: {len(seen)} answers, a sound after each right one only")

    seen, status = play(dict(env, PULSE_SERVER=f"unix:{tmp}/refused"), False)
    if status != 0:
        sys.exit(f"FAIL: with a sound server that refuses, the program ended with status {status}")
    print(f"PASS with a sound server that refuses: {len(seen)} answers marked at once, status 0")
finally:
    for process in reversed(started):
        process.terminate()
        process.wait()

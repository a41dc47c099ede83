#!/usr/bin/python3
"""Reads the running game with a real screen-reader client (AT-SPI through pyatspi).

    /usr/bin/python3 a11y-test.py --game build/quintel-slots

Starts its own X server, D-Bus session, accessibility bus and the game with a fresh profile, inserts a coin and spins through
the face's accessible buttons, and checks what the tree then says against the game the program saves.
Everything it starts is stopped again, whatever happens.
"""
import argparse
import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

STEP_TIMEOUT = 30.0  # seconds for any one thing to happen


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=STEP_TIMEOUT, pump=None):
    """Polls probe() until it returns something true; fails with `what` after timeout seconds."""
    deadline = time.monotonic() + timeout
    last = None
    while time.monotonic() < deadline:
        if pump:
            pump()
        try:
            last = probe()
        except Failure:
            raise
        except Exception as e:  # the tree changes under the client while the game runs
            last = e
        else:
            if last:
                return last
        time.sleep(0.05)
    raise Failure(f"timed out after {timeout:.0f} s waiting for {what} (last seen: {last!r})")


def ini_values(path, section):
    """The keys of one section of the profile file, or {} while it does not exist."""
    values, current = {}, None
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            for line in f:
                line = line.strip()
                if line.startswith("["):
                    current = line.strip("[]").strip().lower()
                elif current == section.lower() and "=" in line:
                    key, value = line.split("=", 1)
                    values[key.strip().lower()] = value.strip()
    except FileNotFoundError:
        pass
    return values


class Run:
    def __init__(self, game):
        self.game = os.path.abspath(game)
        self.work = tempfile.mkdtemp(prefix="quintel-a11y-")
        self.procs = []

    def start(self, name, argv, env=None):
        log = open(os.path.join(self.work, name + ".log"), "wb")
        p = subprocess.Popen(argv, env=env, stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                             start_new_session=True)
        self.procs.append((name, p))
        return p

    def log(self, name):
        try:
            with open(os.path.join(self.work, name + ".log"), errors="replace") as f:
                return "".join(f.readlines()[-25:])
        except OSError:
            return ""

    def stop_all(self):
        for name, p in reversed(self.procs):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
                try:
                    p.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    os.killpg(p.pid, signal.SIGKILL)
                    p.wait(timeout=5)
        reap_orphans()
        shutil.rmtree(self.work, ignore_errors=True)


def become_subreaper():
    """Services the bus starts (the registry daemon) outlive their parents: make them our children."""
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)


def children():
    me, found = str(os.getpid()), []
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as f:
                    fields = f.read().rsplit(")", 1)[1].split()
            except OSError:
                continue
            if fields[1] == me and fields[0] != "Z":
                found.append(int(entry))
    return found


def reap_orphans():
    """Ends what is left of the processes started here and collects every one of them."""
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline:
        for pid in children():
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        try:
            while os.waitpid(-1, os.WNOHANG)[0] > 0:
                pass
        except ChildProcessError:
            return
        time.sleep(0.05)


def start_x(run):
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)
    run.procs.append(("xvfb", xvfb))
    os.close(write_fd)
    data = b""
    deadline = time.monotonic() + STEP_TIMEOUT
    while not data.endswith(b"\n") and time.monotonic() < deadline:
        chunk = os.read(read_fd, 16)
        if not chunk:
            break
        data += chunk
    os.close(read_fd)
    if not data.strip():
        raise Failure("Xvfb did not start")
    display = ":" + data.decode().strip()
    wait_for("the X server to accept connections",
             lambda: subprocess.run(["xdpyinfo", "-display", display], stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL).returncode == 0)
    return display


def start_session_bus(run):
    read_fd, write_fd = os.pipe()
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--nopidfile", f"--print-address={write_fd}"],
                           pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           start_new_session=True)
    run.procs.insert(0, ("dbus", bus))  # stopped last
    os.close(write_fd)
    with os.fdopen(read_fd, "rb") as f:
        address = f.readline().decode().strip()
    if not address:
        raise Failure("dbus-daemon did not start a session bus")
    return address


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    args = parser.parse_args()

    become_subreaper()
    run = Run(args.game)
    try:
        check(run)
    finally:
        run.stop_all()


def check(run):
    env = dict(os.environ)
    env.pop("QT_QPA_PLATFORM", None)  # the bridge to the screen reader needs a real X connection
    env["DISPLAY"] = start_x(run)
    env["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(run)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = env["DBUS_SESSION_BUS_ADDRESS"]
    runtime = os.path.join(run.work, "runtime")
    os.mkdir(runtime, 0o700)
    env["XDG_RUNTIME_DIR"] = runtime
    os.environ.update(DISPLAY=env["DISPLAY"], XDG_RUNTIME_DIR=runtime)  # for pyatspi, imported below

    launcher = run.start("at-spi-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env)

    # A known game: $1 coins (so that even the top award counts out in seconds), the fastest spins, no banner.
    config = os.path.join(run.work, "config")
    os.makedirs(os.path.join(config, "quintel-slots"))
    ini = os.path.join(config, "quintel-slots", "QUINTEL.INI")
    with open(ini, "w") as f:
        f.write("[Current Game]\nGameNo=0\nCredits=500.00\nBonusPool=150.00\nSpins=0\nCoins=2 \nSpeed=0\n"
                "BannerOn=1\nDigitColor=2\n")
    env.update(XDG_CONFIG_HOME=config, SDL_AUDIODRIVER="dummy", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")

    try:
        import pyatspi
        from gi.repository import GLib
    except ImportError as e:
        raise Failure(f"no AT-SPI client for /usr/bin/python3 ({e}): install python3-pyatspi")

    context = GLib.MainContext.default()

    def pump():
        while context.iteration(False):
            pass

    game = run.start("game", [run.game], env)
    restarts = 0

    def find_app():
        nonlocal game, restarts
        if game.poll() is not None:
            # Xvfb now and then refuses a client; the game then ends before touching its files.
            if "could not connect to display" in run.log("game") and restarts < 2:
                restarts += 1
                game = run.start("game", [run.game], env)
                return None
            raise Failure(f"the game exited with {game.returncode}:\n{run.log('game')}")
        if launcher.poll() is not None:
            raise Failure(f"the accessibility bus launcher exited:\n{run.log('at-spi-bus')}")
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "quintel-slots":
                return app
        return None

    app = wait_for("the game in the accessibility tree", find_app)
    face = wait_for("the face ('Slot machine') in the tree",
                    lambda: pyatspi.findDescendant(app, lambda a: a is not None and a.name == "Slot machine"))

    def element(name):
        """The face's child of that name; names ending in a blank are prefixes ("Bet ", "Last spin")."""
        for i in range(face.childCount):
            child = face.getChildAtIndex(i)
            if child.name == name or (name in ("Bet ", "Last spin") and child.name.startswith(name)):
                return child
        raise Failure(f"no element named {name!r} under the face; children: "
                      f"{[face.getChildAtIndex(i).name for i in range(face.childCount)]}")

    credits, wager, spins = element("Credits"), element("Wager"), element("Spins")
    for caption in ("Bonus Pool", "Bet ", "Wagers", "Winnings", "Payoff", "Pay line"):
        element(caption)
    last_spin = element("Last spin")
    coin_button, spin_button = element("Insert Coin"), element("Spin")
    for button in (coin_button, spin_button):
        if button.getRole() != pyatspi.ROLE_PUSH_BUTTON:
            raise Failure(f"{button.name!r} is a {button.getRoleName()}, not a push button")
    if not pyatspi.findDescendant(app, lambda a: a is not None and a.name == "Reduce Flashing"):
        raise Failure("no 'Reduce Flashing' menu item")

    wait_for("the loaded game's credits 500.00", lambda: credits.description == "500.00")
    if element("Bet ").name != "Bet $1":
        raise Failure(f"the bet element reads {element('Bet ').name!r}, expected 'Bet $1' from the file")

    # Count the announcements of the last spin's result.
    announced = []

    def on_name(event):
        try:
            if event.source.name.startswith("Last spin"):
                announced.append(event.source.name)
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")

    def press(button):
        action = button.queryAction()
        for i in range(action.nActions):
            if action.getName(i) == "Press":
                action.doAction(i)
                return
        raise Failure(f"{button.name!r} has no Press action")

    press(coin_button)
    wait_for("one $1 coin inserted (credits 499.00, wager 1.00)",
             lambda: credits.description == "499.00" and wager.description == "1.00", pump=pump)
    before = last_spin.name

    press(spin_button)
    wait_for("the Spin button to start a spin (Spins 1)", lambda: spins.description == "1", pump=pump)
    saved = wait_for(
        "the spin to end and the game saved with the credits shown",
        lambda: (ini_values(ini, "Current Game").get("spins") == "1"
                 and spin_button.getState().contains(pyatspi.STATE_ENABLED)
                 and ini_values(ini, "Current Game").get("credits") == credits.description
                 and ini_values(ini, "Current Game")),
        pump=pump)
    deadline = time.monotonic() + 1.0
    while time.monotonic() < deadline:  # let late events arrive
        pump()
        time.sleep(0.05)

    text = last_spin.name
    if text == before:
        raise Failure(f"'Last spin' did not change after the spin: {text!r}")
    won = round(float(saved["credits"]) - 499.00, 2)
    if won == 0:
        if text != "Last spin: no win":
            raise Failure(f"credits stayed at 499.00 but the status reads {text!r}")
    else:
        paid = re.search(r", paid (\d+\.\d\d)", text)
        pool = re.search(r"bonus pool won, (\d+\.\d\d)", text)
        told = (float(paid.group(1)) if paid else 0.0) + (float(pool.group(1)) if pool else 0.0)
        if not paid or abs(told - won) > 0.001:
            raise Failure(f"the spin won {won:.2f} credits but the status reads {text!r}")
    if announced != [text]:
        raise Failure(f"the result should be announced once as {text!r}; announcements: {announced!r}")
    if face.description != "Spin 1: " + text[len("Last spin: "):]:
        raise Failure(f"the face (which has the focus) should tell the result, reads {face.description!r}")
    symbols = element("Pay line").description.split(", ")
    if len(symbols) != 3 or not all(symbols):
        raise Failure(f"the pay line should name three symbols, reads {element('Pay line').description!r}")

    print(f"ok: credits {credits.description} saved as {saved['credits']}; {text}; pay line {', '.join(symbols)}")


if __name__ == "__main__":
    try:
        main()
    except Failure as e:
        print(f"FAIL: {e}", file=sys.stderr)
        sys.exit(1)
    except FileNotFoundError as e:
        print(f"FAIL: a program the test needs is missing ({e.filename}): run scripts/install-deps.sh", file=sys.stderr)
        sys.exit(1)

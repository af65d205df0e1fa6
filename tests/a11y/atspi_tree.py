#!/usr/bin/env python3
"""Reads the real program through the accessibility bus (AT-SPI), as a screen reader
does, prints every accessible object it finds and checks what an operator who cannot
see the screen would hear.

Usage: atspi_tree.py PATH/TO/kvr_zel

The program runs under its own Xvfb and its own D-Bus session, with a temporary home
holding a station, a small log, an abbey list and an ADIF file to import. Exit status:
0 all checks passed, 1 a check failed, 77 skipped (pyatspi or dbus-run-session is not
installed).
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
STATION = "F6ABC_P"
STATION_SHOWN = ("F6ABC/P", "F6ABC_P")
LOG_QSOS = [  # callsign, reference, date, time
    ("I1ABC", "AB-001", "01/02/07", "10:00"),
    ("IK2XYZ", "AB-002", "02/02/07", "11:00"),
    ("IZ3QQQ", "AB-003", "03/02/07", "12:30"),
]
ABBEYS = [  # reference, name, locator
    ("AB-001", "Abbazia di San Clemente a Casauria", "JN72"),
    ("AB-002", "Abbazia di Montecassino", "JN61"),
    ("AB-003", "Abbazia di Pomposa", "JN64"),
    ("AB-004", "Abbazia di Sant'Antimo", "JN53"),
]
IMPORT_FILE = "import.adi"
IMPORT_RECORDS = [  # call, date, time, band, mode, SIG, SIG_INFO
    ("I4NEW", "20070304", "0815", "40m", "CW", "ZEL", "AB-004"),  # new: to import
    ("I1ABC", "20070201", "1000", "20m", "SSB", "ZEL", "AB-001"),  # already in the log
    ("I5XYZ", "20070305", "0900", "20m", "SSB", "ZEL", "ab-002"),  # refused: that abbey is in the log
]
MAIN_TITLE = "KVR_ZEL    Revision"
STATION_TITLE = "Selection Indicaif"


# --------------------------------------------------------------------- outside
def log_line(call, ref, date, hour):
    """One QSO as the log holds it: 138 Windows-1252 bytes, fields one blank apart."""
    fields = [(call, 12), ("", 4), ("", 15), (ref, 6), (date, 8), (hour, 5), ("SSB", 3),
              ("14 Mhz", 7), ("59", 3), ("59", 3), ("", 60), (" ", 1)]
    line = " ".join(v.ljust(w) for v, w in fields)
    assert len(line) == 138
    return line.encode("cp1252") + b"\r\n"


def abbey_line(ref, name, locator):
    return f"{ref:<6} {name:<60} {locator}".encode("cp1252") + b"\r\n"


def adif_file(records):
    def field(name, value):
        return f"<{name}:{len(value)}>{value}"
    out = "Exported for the accessibility check\r\n<ADIF_VER:5>3.1.4<EOH>\r\n"
    for call, date, hour, band, mode, sig, info in records:
        out += "".join(field(n, v) for n, v in (("CALL", call), ("QSO_DATE", date), ("TIME_ON", hour),
                                                 ("BAND", band), ("MODE", mode), ("SIG", sig),
                                                 ("SIG_INFO", info))) + "<EOR>\r\n"
    return out.encode("ascii")


def outside(exe):
    try:
        import pyatspi  # noqa: F401  (only whether it is there)
    except ImportError:
        # A Python of its own (pyenv, venv) does not see the system's pyatspi.
        system = "/usr/bin/python3"
        if os.path.exists(system) and os.path.realpath(sys.executable) != os.path.realpath(system) \
                and subprocess.call([system, "-c", "import pyatspi"], stderr=subprocess.DEVNULL) == 0:
            os.execv(system, [system, os.path.abspath(__file__), exe])
        print("SKIP: pyatspi is not installed (Debian package python3-pyatspi)")
        return SKIP
    if not shutil.which("dbus-run-session"):
        print("SKIP: dbus-run-session is not installed (Debian package dbus-daemon)")
        return SKIP
    for tool, package in (("Xvfb", "xvfb"), ("xdotool", "xdotool")):
        if not shutil.which(tool):
            print(f"FAIL: {tool} is not installed (Debian package {package})")
            return 1
    if not any(os.path.exists(os.path.join(d, "dbus-1/services/org.a11y.Bus.service"))
               for d in ("/usr/share", "/usr/local/share")):
        print("FAIL: the accessibility bus is not installed (Debian package at-spi2-core)")
        return 1

    work = tempfile.mkdtemp(prefix="zel-a11y-")
    try:
        env = dict(os.environ)
        env.update(HOME=work, XDG_CONFIG_HOME=f"{work}/config", XDG_DATA_HOME=f"{work}/data",
                   XDG_RUNTIME_DIR=f"{work}/run", QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8", ZEL_A11Y_WORK=work)
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("AT_SPI_BUS_ADDRESS", None)
        os.makedirs(f"{work}/config/ZEL")
        os.makedirs(f"{work}/data/ZEL")
        os.makedirs(f"{work}/run", mode=0o700)
        with open(f"{work}/config/ZEL/ZEL.conf", "w") as f:
            f.write(f"[Setup%20]\nIndicatif%20Station={STATION}\n")
        with open(f"{work}/data/ZEL/{STATION}_ZEL.log", "wb") as f:
            f.write(b"".join(log_line(*q) for q in LOG_QSOS))
        with open(f"{work}/data/ZEL/Liste_Abbayes.txt", "wb") as f:
            f.write(b"".join(abbey_line(*a) for a in ABBEYS))
        with open(f"{work}/{IMPORT_FILE}", "wb") as f:
            f.write(adif_file(IMPORT_RECORDS))

        withx = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "withx.sh")
        cmd = [withx, "1024x768", "dbus-run-session", "--",
               sys.executable, os.path.abspath(__file__), "--inside", os.path.abspath(exe)]
        errors = open(f"{work}/stderr.txt", "w+")
        report = open(f"{work}/report.txt", "w+b")
        proc = subprocess.Popen(cmd, env=env, stdout=report, stderr=errors, start_new_session=True)
        try:
            rc = proc.wait(timeout=300)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
            rc = None
        # The buses' daemons share the output; their greetings are no part of the report.
        noise = re.compile(r"dbus-daemon\[\d+\]|SpiRegistry daemon")
        report.seek(0)
        text = report.read().decode("utf-8", "backslashreplace")
        sys.stdout.write("".join(l for l in text.splitlines(True) if not noise.search(l)))
        sys.stdout.flush()
        if rc is None:
            print("FAIL: the check did not finish within 300 s")
            rc = 1
        if rc != 0:
            errors.seek(0)
            lines = [l for l in errors.read().splitlines() if not noise.search(l)]
            if lines:
                print("---- stderr")
                print("\n".join(lines[-60:]))
            try:
                with open(f"{work}/program.txt") as f:
                    out = f.read().strip()
                if out:
                    print("---- program output")
                    print(out[-4000:])
            except OSError:
                pass
        return rc
    finally:
        shutil.rmtree(work, ignore_errors=True)


# ---------------------------------------------------------------------- inside
class Bus:
    """What a screen reader reads of one object."""

    def __init__(self, pyatspi):
        self.at = pyatspi

    def role(self, o):
        return o.getRoleName()

    def states(self, o):
        return sorted(self.at.stateToString(s) for s in o.getState().getStates())

    def has(self, o, state):
        return o.getState().contains(state)

    def text(self, o):
        try:
            t = o.queryText()
        except NotImplementedError:
            return None
        return t.getText(0, -1)

    def value(self, o):
        try:
            return o.queryValue().currentValue
        except NotImplementedError:
            return None

    def relations(self, o):
        out = []
        for r in o.getRelationSet():
            kind = r.getRelationType().value_nick  # "label-for", "labelled-by"...
            out.append((kind, [r.getTarget(i) for i in range(r.getNTargets())]))
        return out

    def related(self, o, kind):
        targets = []
        for k, objs in self.relations(o):
            if k == kind:
                targets += [t for t in objs if t is not None]
        return targets

    def heard(self, o):
        """What is read for the object: its name, or its text when it has no name."""
        name = o.name or ""
        if name.strip():
            return name
        return self.text(o) or ""

    def children(self, o):
        try:
            return [c for c in o if c is not None]
        except Exception:
            return []

    def walk(self, o):
        yield o
        for c in self.children(o):
            yield from self.walk(c)

    def line(self, o):
        parts = [f"[{self.role(o)}]", repr(o.name or "")]
        if o.description:
            parts.append(f"description={o.description!r}")
        t = self.text(o)
        if t is not None:
            parts.append(f"text={t!r}")
        v = self.value(o)
        if v is not None:
            parts.append(f"value={v:g}")
        parts.append("states=" + ",".join(self.states(o)))
        for kind in ("label-for", "labelled-by", "description-for", "described-by"):
            names = [repr(t.name) for t in self.related(o, kind)]
            if names:
                more = f"|...(+{len(names) - 3})" if len(names) > 3 else ""
                parts.append(f"{kind}=" + "|".join(names[:3]) + more)
        return " ".join(parts)

    def dump(self, o, depth=0):
        print("  " * depth + self.line(o))
        for c in self.children(o):
            self.dump(c, depth + 1)


class Checks:
    def __init__(self):
        self.failed = []
        self.count = 0

    def check(self, ok, what):
        self.count += 1
        print(("  ok    " if ok else "  FAIL  ") + what)
        if not ok:
            self.failed.append(what)
        return ok


def until(what, seconds=60.0, step=0.25):
    """Polls what() until it gives something true, or None at the deadline."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            got = what()
        except Exception:
            got = None
        if got:
            return got
        if time.monotonic() > deadline:
            return None
        time.sleep(step)


def xdo(*args):
    subprocess.run(["xdotool", *args], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=30)


def inside(exe):
    import pyatspi
    from gi.repository import Atspi

    bus = Bus(pyatspi)
    checks = Checks()
    check = checks.check
    work = os.environ["ZEL_A11Y_WORK"]
    out = open(f"{work}/program.txt", "w")
    program = subprocess.Popen([exe], stdout=out, stderr=subprocess.STDOUT)

    def application():
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.get_process_id() == program.pid:
                a.set_cache_mask(Atspi.Cache.NONE)  # always the live state
                return a
        return None

    def top(app, name_part):
        for w in bus.children(app):
            if name_part in (w.name or ""):
                return w
        return None

    def find(root, pred):
        return [o for o in bus.walk(root) if pred(o)]

    try:
        app = until(lambda: application() or (program.poll() is not None and "exited"), 90)
        if app == "exited":
            check(False, f"the program ended at start-up (exit code {program.returncode})")
            return 1
        if not check(app is not None, "the program appears on the accessibility bus"):
            return 1
        main = until(lambda: top(app, MAIN_TITLE), 60)
        if not check(main is not None, f"its main window is named '...{MAIN_TITLE}...'"):
            bus.dump(app)
            return 1

        # Without a window manager nothing gives the window the focus: do as one would.
        win = until(lambda: subprocess.run(["xdotool", "search", "--name", MAIN_TITLE],
                                           capture_output=True, text=True, timeout=30).stdout.split(), 30)
        if win:
            xdo("windowfocus", "--sync", win[0])

        # Start-up ends with the cursor in the callsign field.
        def ready():
            entries = find(main, lambda o: bus.role(o) == "text" and o.name == "Indicatif")
            return entries if entries and bus.has(entries[0], pyatspi.STATE_FOCUSED) else None
        entries = until(ready, 60)
        check(bool(entries), "the callsign field is named 'Indicatif' and has the focus at start-up")

        print("\n==== Main window as the accessibility bus shows it")
        bus.dump(main)
        print("\n==== Main window checks")
        main_window_checks(bus, pyatspi, main, check)

        print("\n==== A message box: Enter in the empty callsign field")
        xdo("key", "Return")
        box = until(lambda: next((w for w in bus.children(app)
                                  if w != main and bus.role(w) in ("alert", "dialog")
                                  and bus.has(w, pyatspi.STATE_SHOWING)), None), 30)
        message_box_checks(bus, pyatspi, box, "Entrez un indicatif", check)
        if box is not None:
            xdo("key", "Return")
            gone = until(lambda: not any(bus.role(w) in ("alert", "dialog")
                                         and bus.has(w, pyatspi.STATE_SHOWING)
                                         for w in bus.children(app)), 30)
            check(bool(gone), "Enter on 'OK' closes the message box")

        print("\n==== The station window: Alt+S, then N (Station > Nouvel Indicatif)")
        # A window manager gives the focus back to the window under a closed box.
        if win:
            xdo("windowfocus", "--sync", win[0])
        if entries:
            until(lambda: bus.has(entries[0], pyatspi.STATE_FOCUSED), 15)
        xdo("key", "alt+s")
        menu = until(lambda: next((o for o in bus.walk(app) if bus.role(o) == "popup menu"
                                   and bus.has(o, pyatspi.STATE_SHOWING)), None), 15)
        check(menu is not None, "Alt+S opens the Station menu")
        xdo("key", "n")
        station = until(lambda: (lambda w: w if w is not None and bus.has(w, pyatspi.STATE_SHOWING)
                                 else None)(top(app, STATION_TITLE)), 30)
        station_checks(bus, pyatspi, station, check)

        if station is not None:
            print("\n==== A message box over the station window: Enter, then Enter on 'Validez'")
            xdo("key", "Return")
            until(lambda: any(bus.role(o) == "push button" and bus.has(o, pyatspi.STATE_FOCUSED)
                              for o in bus.walk(station)), 15)
            xdo("key", "Return")
            box = until(lambda: next((w for w in bus.children(app)
                                      if bus.role(w) in ("alert", "dialog")
                                      and bus.has(w, pyatspi.STATE_SHOWING)), None), 30)
            message_box_checks(bus, pyatspi, box, "Vous devez entrer un indicatif", check)
            if box is not None:
                xdo("key", "Return")
                until(lambda: box not in bus.children(app), 15)

        print("\n==== The entry-mode label follows the entry (buttons pressed through the bus)")
        mode = caption_target(bus, main, "Mode de saisie")
        for button, expected in (("Inserer un QSO", "Insertion QSO"),
                                 ("Effacer saisie en cours", "Saisie QSO")):
            pressed = press(bus, main, button)
            check(pressed, f"{button!r} can be pressed through the bus")
            heard = until(lambda: mode is not None and bus.heard(mode) == expected and expected, 15)
            check(bool(heard), f"after {button!r} the entry-mode label reads "
                               f"{bus.heard(mode) if mode is not None else None!r} "
                               f"(expected {expected!r})")

        print("\n==== The award windows: Diplome ZEL > QSL à recevoir, then Scores ZEL")
        award_checks(bus, pyatspi, app, win, top, check)

        print("\n==== The language menu: Alt+H, then L (Afficher > Langue)")
        language_checks(bus, pyatspi, app, win, check)

        print("\n==== The radio window: Alt+S, then P (Station > Poste radio (CAT))")
        radio_checks(bus, pyatspi, app, win, top, check)

        print("\n==== The ADIF import: Alt+F, then I (Fichier > Importer un fichier ADIF)")
        import_checks(bus, pyatspi, app, win, top, check, os.path.join(work, IMPORT_FILE))
    finally:
        program.terminate()
        try:
            program.wait(timeout=20)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()

    print(f"\n==== {checks.count - len(checks.failed)} of {checks.count} checks passed")
    for f in checks.failed:
        print("FAILED: " + f)
    return 1 if checks.failed else 0


def main_window_checks(bus, pyatspi, main, check):
    check(bus.role(main) == "frame", f"the main window reads as a window ({bus.role(main)!r})")
    objs = list(bus.walk(main))
    by_role = lambda role: [o for o in objs if bus.role(o) == role]

    def french_name(o):
        n = (o.name or "").strip()
        return bool(n) and re.search(r"[A-Za-zÀ-ÿ]", n) is not None

    def caption(o):
        """The caption label a screen reader reads for a control."""
        by = [t.name for t in bus.related(o, "labelled-by") if bus.role(t) == "label"]
        return by[0] if by else ""

    # Entry fields: a French name of their own, whatever they hold.
    entries = [o for o in by_role("text")
               if bus.role(o.parent) != "combo box"]
    check(len(entries) >= 9, f"the window has its 9 entry fields ({len(entries)} found)")
    for e in entries:
        check(french_name(e), f"entry field {e.name!r} is named (holds {bus.text(e)!r})")

    # Combos: on Linux a combo's name is the value it shows; the caption comes
    # from its label, and the text typed inside it needs a name of its own.
    combos = by_role("combo box")
    check(len(combos) == 2, f"the window has its 2 combos, Mode and QRG ({len(combos)} found)")
    for c in combos:
        inner = [t for t in bus.children(c) if bus.role(t) == "text"]
        label = caption(c)
        check(bool(label.strip()), f"combo showing {c.name!r} is labelled by {label!r}")
        check(bool(inner) and c.name == bus.text(inner[0]),
              f"combo {label!r} reads the value it shows, {c.name!r}")
        for t in inner:
            check(french_name(t), f"the text inside combo {label!r} is named {t.name!r} "
                                  f"(holds {bus.text(t)!r})")

    boxes = by_role("check box")
    check(len(boxes) == 1, "the window has its QSL check box")
    for b in boxes:
        check(french_name(b), f"check box is named {b.name!r}")

    buttons = by_role("push button")
    check(len(buttons) >= 6, f"the window has its 6 buttons ({len(buttons)} found)")
    for b in buttons:
        check(french_name(b), f"button is named {b.name!r}")

    # The list of QSOs: named, its rows and cells readable with their column titles.
    tables = by_role("table")
    if check(len(tables) == 1, "the window has one table, the QSO list"):
        t = tables[0]
        check(french_name(t), f"the QSO list is named {t.name!r}")
        ti = t.queryTable()
        check(ti.nRows == len(LOG_QSOS), f"the list has {ti.nRows} rows, one per QSO of the log")
        headers = [ti.getColumnHeader(c).name if ti.getColumnHeader(c) else "" for c in range(ti.nColumns)]
        check(all(h.strip() for h in headers) and "Indicatif" in headers,
              f"every column has a title: {headers}")
        call_col = headers.index("Indicatif") if "Indicatif" in headers else 1
        for r, q in enumerate(LOG_QSOS):
            if r >= ti.nRows:
                break
            row = [ti.getAccessibleAt(r, c).name for c in range(ti.nColumns)]
            check(row[call_col] == q[0] and q[1] in row and q[2] in row,
                  f"row {r + 1} reads {[x for x in row if x.strip()]}")
        if ti.nRows:
            last = ti.getAccessibleAt(ti.nRows - 1, call_col)
            check(bus.has(last, pyatspi.STATE_SELECTED),
                  "the last QSO is selected at start-up and says so")

    # Value labels: what is read is the value; the caption names it.
    labels = by_role("label")

    def value_label(caption_start, expected, what):
        caps = [l for l in labels if (l.name or "").strip().startswith(caption_start)]
        if not check(len(caps) == 1, f"caption label {caption_start!r} is on the bus"):
            return
        targets = bus.related(caps[0], "label-for")
        if not check(len(targets) == 1, f"caption {caps[0].name!r} labels one object"):
            return
        v = targets[0]
        heard = bus.heard(v)
        check(heard in expected, f"{what} reads its value {heard!r} (expected one of {list(expected)})")
        back = [t.name for t in bus.related(v, "labelled-by")]
        check(caps[0].name in back, f"{what} is labelled by {caps[0].name!r}")

    value_label("INDICATIF DE LA STATION", STATION_SHOWN, "the station callsign label")
    value_label("Mode de saisie", ("Saisie QSO",), "the entry-mode label")

    around = [time.time() + d for d in (-120, -60, 0, 60)]
    clocks = [
        ("Date UTC", {time.strftime("%d/%m/%y", time.gmtime(s)) for s in around}),
        ("Heure UTC", {time.strftime("%H:%M Utc", time.gmtime(s)) for s in around}),
        ("Heure locale", {time.strftime("%H:%M Loc", time.localtime(s)) for s in around}),
    ]
    for description, expected in clocks:
        found = [l for l in labels if (l.description or "") == description
                 or description in [t.name for t in bus.related(l, "labelled-by")]]
        if check(len(found) == 1, f"a clock label is described as {description!r}"):
            heard = bus.heard(found[0])
            check(heard in expected, f"the {description} label reads the time {heard!r}")


def caption_target(bus, root, caption):
    """The object the label reading caption labels."""
    for o in bus.walk(root):
        if bus.role(o) == "label" and (o.name or "").strip() == caption:
            targets = bus.related(o, "label-for")
            return targets[0] if targets else None
    return None


def press(bus, root, name):
    """Presses a button as a screen reader does, through its action."""
    for o in bus.walk(root):
        if bus.role(o) == "push button" and o.name == name:
            action = o.queryAction()
            for i in range(action.nActions):
                if action.getName(i) in ("Press", "press", "click"):
                    return action.doAction(i)
    return False


def language_checks(bus, pyatspi, app, win, check):
    """Each language is offered under its own name, the one in use ticked."""
    if win:
        xdo("windowfocus", "--sync", win[0])
    xdo("key", "alt+h")
    shown = lambda: [o for o in bus.walk(app) if bus.role(o) == "popup menu" and bus.has(o, pyatspi.STATE_SHOWING)]
    until(lambda: shown() or None, 15)
    xdo("key", "l")
    names = ["Français", "Italiano", "English"]
    items = until(lambda: (lambda found: found if len(found) == 3 else None)(
        [o for menu in shown() for o in bus.children(menu) if bus.heard(o) in names]), 15) or []
    check([bus.heard(o) for o in items] == names,
          f"Afficher > Langue offers {[bus.heard(o) for o in items]} (expected {names})")
    ticked = [bus.heard(o) for o in items if bus.has(o, pyatspi.STATE_CHECKED)]
    check(ticked == ["Français"], f"the language in use is ticked: {ticked}")
    for _ in range(3):
        xdo("key", "Escape")
    until(lambda: not shown() or None, 15)


def message_box_checks(bus, pyatspi, box, text, check):
    if not check(box is not None, "a message box appears on the bus"):
        return
    bus.dump(box)
    objs = list(bus.walk(box))
    check(bool((box.name or "").strip()), f"the message box is named {box.name!r}")
    said = [bus.heard(o) for o in objs] + [box.description or ""]
    check(any(text in s for s in said), f"the message box reads {text!r}")
    ok = [o for o in objs if bus.role(o) == "push button" and (o.name or "").strip() == "OK"]
    check(len(ok) == 1, "its button reads 'OK'")
    if ok:
        check(bus.has(ok[0], pyatspi.STATE_FOCUSED), "'OK' has the focus, so Enter answers it")


def station_checks(bus, pyatspi, station, check):
    if not check(station is not None, f"the station window {STATION_TITLE!r} opens"):
        return
    bus.dump(station)
    check(bus.role(station) in ("frame", "dialog"),
          f"it reads as a window ({bus.role(station)!r}), not as an anonymous part of one")
    objs = list(bus.walk(station))
    fields = [o for o in objs if bus.role(o) == "text"]
    if check(len(fields) == 1, "the station window has one entry field"):
        f = fields[0]
        check(f.name == "Indicatif", f"its field is named {f.name!r}")
        check(bus.has(f, pyatspi.STATE_FOCUSED), "the field has the focus")
        check("Indicatif" in [t.name for t in bus.related(f, "labelled-by")],
              "the field is labelled by its caption 'Indicatif'")
    buttons = [o for o in objs if bus.role(o) == "push button"]
    check([b.name for b in buttons] == ["Validez"], f"its button reads {[b.name for b in buttons]}")
    labels = [o.name for o in objs if bus.role(o) == "label"]
    check("Indicatif de la Station" in labels and any("'/'" in l for l in labels),
          f"its captions read {labels}")


def award_checks(bus, pyatspi, app, win, top, check):
    def showing(title):
        w = top(app, title)
        return w if w is not None and bus.has(w, pyatspi.STATE_SHOWING) else None

    def open_item(letter, title):
        if win:
            xdo("windowfocus", "--sync", win[0])
        xdo("key", "alt+d")
        until(lambda: next((o for o in bus.walk(app) if bus.role(o) == "popup menu"
                            and bus.has(o, pyatspi.STATE_SHOWING)), None), 15)
        xdo("key", letter)
        return until(lambda: showing(title), 30)

    def table_rows(table, columns):
        t = table.queryTable()
        return [[t.getAccessibleAt(r, c).name for c in columns] for r in range(t.nRows)]

    pending = open_item("q", "QSL à recevoir")
    if check(pending is not None, "Alt+D, Q opens 'QSL à recevoir'"):
        bus.dump(pending)
        objs = list(bus.walk(pending))
        tables = [o for o in objs if bus.role(o) == "table"
                  and o.name == "QSO dont la QSL est à recevoir"]
        if check(len(tables) == 1, "its list reads 'QSO dont la QSL est à recevoir'"):
            rows = table_rows(tables[0], (0, 2))
            expected = sorted([ref, call] for call, ref, _, _ in LOG_QSOS)
            check(rows == expected, f"its lines read {rows} (expected {expected})")
        count = f"{len(LOG_QSOS)} QSL à recevoir"
        check(any(bus.heard(o) == count for o in objs if bus.role(o) == "label"),
              f"its count reads {count!r}")
        buttons = [o.name for o in objs if bus.role(o) == "push button"]
        check(buttons == ["Marquer QSL reçue", "Enregistrer", "Imprimer", "Fermer"],
              f"its buttons read {buttons}")
        xdo("key", "Escape")
        check(bool(until(lambda: showing("QSL à recevoir") is None and "closed", 15)),
              "Escape closes it")

    score = open_item("s", "Scores")
    if check(score is not None, "Alt+D, S opens 'Scores'"):
        objs = list(bus.walk(score))
        bars = [o for o in objs if bus.role(o) == "progress bar"]
        check(len(bars) == 1 and bars[0].name == "Progression vers le niveau suivant"
              and bus.value(bars[0]) == 0,
              f"its progress bar reads {[(b.name, bus.value(b)) for b in bars]}")
        needed = "Encore 10 QSL pour le diplôme de base"
        check(any(bus.heard(o) == needed for o in objs), f"it reads {needed!r}")
        xdo("key", "alt+t")  # the "Tableau" tab
        # The log starts in 02/2007: past ten years of it, the table goes year by year.
        today = time.localtime()
        yearly = (today.tm_year - 2007) * 12 + today.tm_mon - 2 > 120
        name = "Abbayes contactées et confirmées par " + ("année" if yearly else "mois")
        table = until(lambda: next((o for o in bus.walk(score) if bus.role(o) == "table"
                                    and o.name == name
                                    and bus.has(o, pyatspi.STATE_SHOWING)), None), 15)
        if check(table is not None, f"its table {name!r} shows"):
            rows = table_rows(table, (0, 1, 2))
            first = ([["2007", "3", "0"], ["2008", "3", "0"]] if yearly
                     else [["02/2007", "3", "0"], ["03/2007", "3", "0"]])
            check(rows[:2] == first, f"its first {'years' if yearly else 'months'} read {rows[:2]}")


def open_from_menu(bus, pyatspi, app, win, top, menu_key, letter, title, seconds=30):
    """Opens a window as an operator does from the keyboard: Alt+letter, then the item's letter."""
    if win:
        xdo("windowfocus", "--sync", win[0])
    xdo("key", menu_key)
    until(lambda: next((o for o in bus.walk(app) if bus.role(o) == "popup menu"
                        and bus.has(o, pyatspi.STATE_SHOWING)), None), 15)
    xdo("key", letter)
    return until(lambda: (lambda w: w if w is not None and bus.has(w, pyatspi.STATE_SHOWING)
                          else None)(top(app, title)), seconds)


def french(o):
    n = (o.name or "").strip()
    return bool(n) and re.search(r"[A-Za-zÀ-ÿ]", n) is not None


RADIO_NAMES = {  # role: the names its controls read, in the window's order
    "check box": ["Utiliser le poste radio"],
    "text": ["Filtre des modèles", "Hôte de rigctld"],
    "list": ["Modèle du poste"],
    "radio button": ["Port série", "Réseau (rigctld)"],
    "spin button": ["Port de rigctld"],
    "push button": ["Tester", "Valider", "Annuler"],
}


def radio_checks(bus, pyatspi, app, win, top, check):
    title = "Poste radio"
    radio = open_from_menu(bus, pyatspi, app, win, top, "alt+s", "p", title)
    if not check(radio is not None, f"Alt+S, P opens {title!r}"):
        return
    bus.dump(radio)
    check(bus.role(radio) in ("frame", "dialog"), f"it reads as a window ({bus.role(radio)!r})")
    # A combo's own list and field are read with the combo, not as controls of their own.
    objs = [o for o in bus.walk(radio) if o == radio or bus.role(o.parent) != "combo box"]
    inner = [o for o in bus.walk(radio) if o != radio and bus.role(o.parent) == "combo box"]
    for role, names in RADIO_NAMES.items():
        got = [o.name for o in objs if bus.role(o) == role]
        check(got == names, f"its {role}s read {got} (expected {names})")
    use = [o for o in objs if bus.role(o) == "check box"]
    if use:
        check(bool(until(lambda: bus.has(use[0], pyatspi.STATE_FOCUSED), 15)),
              "'Utiliser le poste radio' has the focus when the window opens")

    # Combos read the value they show: their caption names them, and the port
    # typed inside the editable one is a field with a name of its own.
    combos = [o for o in objs if bus.role(o) == "combo box"]
    captions = [[t.name for t in bus.related(c, "labelled-by") if bus.role(t) == "label"] for c in combos]
    check(len(combos) == 2 and captions == [["Port"], ["Vitesse"]],
          f"its 2 combos are labelled {captions} (expected [['Port'], ['Vitesse']])")
    fields = [t for t in inner if bus.role(t) == "text"]
    check([t.name for t in fields] == ["Port série du poste"],
          f"the port typed inside its combo is named {[t.name for t in fields]} "
          f"(holds {[bus.text(t) for t in fields]})")
    speeds = [c for c, cap in zip(combos, captions) if cap == ["Vitesse"]]
    if speeds:
        check(speeds[0].name == "9600", f"the speed combo reads the speed it shows, {speeds[0].name!r}")
    port = [o for o in objs if bus.role(o) == "spin button"]
    if port:
        check(bus.value(port[0]) == 4532, f"the rigctld port reads its value {bus.value(port[0])!r}")

    # Every control: named in French, and named again by the caption that gives its letter.
    controls = [o for o in objs if bus.role(o) in RADIO_NAMES or bus.role(o) == "combo box"]
    for o in controls:
        if bus.role(o) != "combo box":
            check(french(o), f"{bus.role(o)} {o.name!r} is named")
    for caption, field in (("Filtre", "Filtre des modèles"), ("Modèle", "Modèle du poste"),
                           ("Hôte", "Hôte de rigctld"), ("Numéro de port", "Port de rigctld")):
        targets = [t.name for o in objs if bus.role(o) == "label" and o.name == caption
                   for t in bus.related(o, "label-for")]
        check(targets == [field], f"caption {caption!r} labels {targets} (expected {[field]})")
    result = [t for o in objs if bus.role(o) == "label" and o.name == "Réponse du poste :"
              for t in bus.related(o, "label-for")]
    if check(len(result) == 1, "the radio's answer is labelled 'Réponse du poste :'"):
        # Nothing listens on the port: the test reads the failure into the label.
        check(press(bus, radio, "Tester"), "'Tester' can be pressed through the bus")
        waiting = ("", "Réponse du poste :", "Lecture du poste radio…")
        heard = until(lambda: (lambda h: h if h not in waiting else None)(bus.heard(result[0]).strip()), 30)
        check(bool(heard), f"after 'Tester' the radio's answer reads {heard!r} "
                           f"(now {bus.heard(result[0])!r})")

    xdo("key", "Escape")
    check(bool(until(lambda: top(app, title) is None or not bus.has(top(app, title), pyatspi.STATE_SHOWING)
                     and "closed", 15)), "Escape closes it")


def import_checks(bus, pyatspi, app, win, top, check, path):
    chooser = open_from_menu(bus, pyatspi, app, win, top, "alt+f", "i", "Importer un fichier ADIF")
    if not check(chooser is not None, "Alt+F, I opens the file dialog 'Importer un fichier ADIF'"):
        return
    # Qt's own file dialog opens with the cursor in its file name field.
    focused = until(lambda: next((o for o in bus.walk(chooser) if bus.role(o) == "text"
                                  and bus.has(o, pyatspi.STATE_FOCUSED)), None), 15)
    if not check(focused is not None, "the file dialog's file name field has the focus"):
        bus.dump(chooser)
        return
    xdo("type", "--delay", "20", path)
    until(lambda: bus.text(focused) == path and "typed", 15)
    xdo("key", "Return")
    title = "Importation ADIF"
    window = until(lambda: next((w for w in bus.children(app) if (w.name or "") == title
                                 and bus.has(w, pyatspi.STATE_SHOWING)), None), 30)
    if not check(window is not None, f"the file's preview window {title!r} opens"):
        bus.dump(app)
        return
    bus.dump(window)
    objs = list(bus.walk(window))
    labels = [bus.heard(o) for o in objs if bus.role(o) == "label"]
    for value in (f"Fichier : {IMPORT_FILE}", "QSO à importer : 1", "déjà dans le log : 1", "refusés : 1",
                  "pas de référence d'abbaye : 0"):
        check(value in labels, f"it reads {value!r}")
    boxes = [o.name for o in objs if bus.role(o) == "check box"]
    check(boxes == ["Tout afficher, même les QSO sans référence d'abbaye"], f"its check box reads {boxes}")
    tables = [o for o in objs if bus.role(o) == "table"]
    if check(len(tables) == 1 and tables[0].name == "Enregistrements du fichier et leur sort",
             f"its list reads {[t.name for t in tables]}"):
        t = tables[0].queryTable()
        headers = [t.getColumnHeader(c).name if t.getColumnHeader(c) else "" for c in range(t.nColumns)]
        check(all(h.strip() for h in headers), f"every column has a title: {headers}")
        rows = [[t.getAccessibleAt(r, c).name for c in range(t.nColumns)] for r in range(t.nRows)]
        outcomes = {"I4NEW": "à importer", "I1ABC": "déjà dans le log", "I5XYZ": "déjà contactée le 02/02/07"}
        got = {row[1]: row[-1] for row in rows if len(row) > 1}
        check(got == outcomes, f"its lines read each record's outcome {rows}")
        captions = [o for o in objs if bus.role(o) == "label"
                    and o.name == "Liste des enregistrements du fichier :"]
        check(len(captions) == 1 and tables[0] in bus.related(captions[0], "label-for"),
              "the caption 'Liste des enregistrements du fichier :' labels the list")
    buttons = [o.name for o in objs if bus.role(o) == "push button"]
    check(buttons == ["Importer", "Enregistrer le rapport", "Annuler"], f"its buttons read {buttons}")
    xdo("key", "Escape")
    check(bool(until(lambda: not any((w.name or "") == title and bus.has(w, pyatspi.STATE_SHOWING)
                                     for w in bus.children(app)) and "closed", 15)),
          "Escape closes it without importing")


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--inside":
        sys.exit(inside(sys.argv[2]))
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(outside(sys.argv[1]))

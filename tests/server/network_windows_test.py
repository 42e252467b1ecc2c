# What this suite guards: people play together over the network. Two windows
# (two game processes, each playing its seat by itself) and two morvello-sim
# seats play a whole match through a morvello-server on the loopback. Midway
# the server is killed with SIGKILL and started again on its journal: the
# windows and the sims come back to their seats by themselves, the match goes
# on to its end, every window is told the table is over and counts the match
# apart in its statistics, and the table's trace is the trace of its
# journalled record played again.
#
#   python3 network_windows_test.py GAME SERVER SIM
#
# Run under an X server (tests/common/with_xvfb.sh starts one).
import json
import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import time

GAME, SERVER, SIM = sys.argv[1:4]
SCALE = "0.02"
BOUND_S = 300
TURNS_BEFORE_KILL = 6  # the first window's turns played before the server is killed
failures = []


def wait_for(what, ready):
    deadline = time.monotonic() + BOUND_S
    while time.monotonic() < deadline:
        if ready():
            return True
        time.sleep(0.01)
    failures.append("timed out waiting for " + what)
    return False


def text(path):
    with open(path, errors="replace") as f:
        return f.read()


class Run:
    def __init__(self, root):
        self.root = root
        self.processes = []
        for folder in ("home", "runtime", "bin"):
            os.makedirs(os.path.join(root, folder), mode=0o700, exist_ok=True)
        shutil.copy(GAME, os.path.join(root, "bin", "morvello"))  # beside nothing it could write
        self.env = dict(os.environ, HOME=root + "/home", XDG_RUNTIME_DIR=root + "/runtime",
                        XDG_CONFIG_HOME=root + "/config", XDG_DATA_HOME=root + "/data",
                        QT_QPA_PLATFORM="xcb", MORVELLO_AUTOPLAY="1", MORVELLO_SILENT="1",
                        MORVELLO_DELAY_SCALE=SCALE, MORVELLO_PRINT_EVENTS="1")

    def start(self, name, args, data=None):
        out = open(os.path.join(self.root, name + ".out"), "w")
        env = dict(self.env, XDG_DATA_HOME=data) if data else self.env
        process = subprocess.Popen(args, env=env, stdout=out, stderr=subprocess.STDOUT)
        self.processes.append(process)
        return process, os.path.join(self.root, name + ".out")

    def server(self, port):
        return self.start("server-" + port, [
            SERVER, "--listen", "127.0.0.1", "--port", port, "--journal", self.root + "/tables.sqlite",
            "--delay-scale", SCALE, "--seed", "5", "--rejoin-grace", "60000",
            "--trace-dir", self.root])

    def close(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
            process.wait()


def line_with(path, start):
    for line in text(path).splitlines():
        if line.startswith(start):
            return line
    return None


def check(run):
    server, server_out = run.server("0")
    if not wait_for("the server", lambda: line_with(server_out, "morvello-server: listening")):
        return
    port = line_with(server_out, "morvello-server: listening").split()[4].rstrip(",")
    url = "ws://127.0.0.1:" + port
    host, host_out = run.start("host", [SIM, "--connect", url, "--host", "2,3,4", "--name", "Ann"])
    if not wait_for("the code", lambda: line_with(host_out, "code ")):
        return
    code = line_with(host_out, "code ").split()[1]
    windows = [run.start("window" + n, [run.root + "/bin/morvello", "--join-table", url, code],
                         data=run.root + "/data-" + n) for n in "ab"]
    sims = [host, run.start("sim", [SIM, "--connect", url, "--code", code, "--name", "Bo"])[0]]

    first_window = windows[0][1]
    if not wait_for("the first window's turns",
                    lambda: text(first_window).count("human turn") >= TURNS_BEFORE_KILL):
        return
    server.kill()
    server.wait()
    run.server(port)
    for process, out in windows:
        wait_for("the table over in " + out, lambda: "table over" in text(out))
    for sim in sims:
        wait_for("a sim's end", lambda: sim.poll() is not None)
        if sim.returncode != 0:
            failures.append("a sim ended with %s" % sim.returncode)

    for n in "ab":  # each window counts the match apart from its matches against the computer
        figures = json.loads(text(run.root + "/data-" + n + "/Morvello/statistics.json"))["target21"]
        if figures.get("withPeople") != 1 or figures.get("matches", 0) != 0:
            failures.append("window %s counted %s" % (n, figures))
    with sqlite3.connect(run.root + "/tables.sqlite") as db:
        record, seats, over = db.execute(
            "SELECT record, seats, over FROM tables WHERE code = ?", (code,)).fetchone()
    if over != 1:
        failures.append("the journal does not say the table is over")
    if seats.count('"name":"You"') != 2:
        failures.append("the windows do not hold two seats: " + seats)
    with open(run.root + "/record", "w") as f:
        f.write(record)
    replayed = subprocess.run([SIM, "--replay-record", run.root + "/record", "--trace"],
                              capture_output=True, text=True).stdout
    trace = text(os.path.join(run.root, code + ".jsonl"))
    if '"gameover"' not in trace:
        failures.append("the match did not reach its end")
    if replayed != trace:
        failures.append("the table's trace is not its record played again")


def main():
    root = tempfile.mkdtemp(prefix="morvello-network-")
    run = Run(root)
    try:
        check(run)
    finally:
        run.close()
    if failures:
        for failure in failures:
            print("FAIL:", failure)
        for name in sorted(os.listdir(root)):
            if name.endswith(".out"):
                print("----", name, "\n" + text(os.path.join(root, name))[-2000:])
        sys.exit(1)
    shutil.rmtree(root)
    print("two windows and two sims played a match through a server started again midway")


main()

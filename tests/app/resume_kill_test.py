# What this suite guards: a match survives the game being killed at any instant.
# The game plays its person's seat by itself (MORVELLO_AUTOPLAY) and is killed
# with SIGKILL at random instants, then started again, over and over; every
# start after a kill must offer the match again (and answers "Yes"), no record
# may ever be set aside, and the match played to its end through all the kills
# must be the very match played without a stop: the same record, choice for
# choice.
#
#   python3 resume_kill_test.py GAME KILLS DELAY_SCALE LATEST_KILL_S
#
# While the match is under way each run is killed at an instant drawn evenly
# from 0.1 s to LATEST_KILL_S after its start (KILL_SEED seeds the draw); the
# kills counted are those that leave a match under way.
# Run under an X server (resume_kill_test.sh starts one).
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

BUILT_GAME, KILLS, SCALE, LATEST_KILL_S = sys.argv[1], int(sys.argv[2]), sys.argv[3], float(sys.argv[4])
LONGEST_MATCH_S = 600
failures = []


def environment(root):
    for folder in ("home", "runtime"):
        os.makedirs(os.path.join(root, folder), mode=0o700, exist_ok=True)
    return dict(os.environ, HOME=root + "/home", XDG_RUNTIME_DIR=root + "/runtime",
                XDG_CONFIG_HOME=root + "/config", XDG_DATA_HOME=root + "/data",
                MORVELLO_AUTOPLAY="1", MORVELLO_SEED="11", MORVELLO_SILENT="1",
                MORVELLO_DELAY_SCALE=SCALE, MORVELLO_PRINT_EVENTS="1")


def kept(root, name):
    return os.path.join(root, "data", "Morvello", name)


def run(root, stop, seconds):
    """Runs the game until stop() or for `seconds`, then kills it; its output."""
    env = environment(root)
    with open(os.path.join(root, "out"), "w+") as out, \
            open(os.path.join(root, "err"), "w+") as err:
        game = subprocess.Popen([os.path.join(os.path.dirname(root), "bin", "morvello")], env=env, stdout=out, stderr=err)
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline and not stop() and game.poll() is None:
            time.sleep(0.005)
        game.kill()
        game.wait()
        out.seek(0)
        err.seek(0)
        return out.read(), err.read()


def finished(root):
    return lambda: os.path.exists(kept(root, "last-match.record"))


def read(path):
    with open(path) as f:
        return f.read()


def main():
    work = tempfile.mkdtemp()
    try:
        # Run from a folder named bin, the game keeps config.qvr in each run's
        # own configuration folder, never beside the built game.
        os.mkdir(os.path.join(work, "bin"))
        shutil.copy(BUILT_GAME, os.path.join(work, "bin", "morvello"))
        # A first start deals once, so config.qvr holds a deck and the dealer
        # choice of the runs below draws from the same.
        base = os.path.join(work, "base")
        config = os.path.join(base, "config", "Morvello", "config.qvr")
        run(base, lambda: os.path.exists(config), 60)
        shutil.rmtree(os.path.join(base, "data"))

        reference = os.path.join(work, "reference")
        shutil.copytree(base, reference)
        started = time.monotonic()
        run(reference, finished(reference), LONGEST_MATCH_S)
        match_s = time.monotonic() - started
        if not finished(reference)():
            print("FAIL: the match without a stop did not end")
            return 1

        chain = os.path.join(work, "chain")
        shutil.copytree(base, chain)
        rng = random.Random(int(os.environ.get("KILL_SEED", "7")))
        unfinished = kept(chain, "unfinished-match.record")
        kills = offers = 0
        while kills < KILLS and not finished(chain)():
            left = os.path.exists(unfinished)
            if left:
                out, err = run(chain, finished(chain), rng.uniform(0.1, LATEST_KILL_S))
            else:  # the match is not under way yet: its first deck ends the wait
                out, err = run(chain, lambda: os.path.exists(unfinished) or finished(chain)(),
                               LONGEST_MATCH_S)
            if not os.path.exists(unfinished):
                continue
            kills += 1
            lines = out.splitlines()
            offered = any(line.startswith("offered") for line in lines)
            offers += offered
            played_on = any(not line.startswith(("painted", "offered")) for line in lines)
            if left and played_on and not offered:
                failures.append(f"kill {kills}: the match left was not offered")
            if "cannot be played on" in err:
                failures.append(f"kill {kills}: {err.strip()}")
                keep = os.environ.get("KILL_KEEP")
                if keep:
                    shutil.copytree(chain, os.path.join(keep, f"kill{kills}"))
        run(chain, finished(chain), LONGEST_MATCH_S)
        if not finished(chain)():
            failures.append("the match killed again and again did not end")
        elif read(kept(chain, "last-match.record")) != read(kept(reference, "last-match.record")):
            failures.append("the match played through the kills is not the match without a stop")
            if os.environ.get("KILL_KEEP"):
                shutil.copytree(work, os.path.join(os.environ["KILL_KEEP"], "end"))
        print(f"{kills} kills, the match offered again {offers} times;"
              f" the match without a stop took {match_s:.1f} s")
        if kills < KILLS:
            failures.append(f"the match ended after {kills} kills, before {KILLS}")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


sys.exit(main())

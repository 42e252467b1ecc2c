# What this suite guards: a match survives the game being killed at any instant.
# The game plays its person's seat by itself (MORVELLO_AUTOPLAY) and is killed
# with SIGKILL at random instants, then started again, over and over; every
# start after a kill must offer the match again (and answers "Yes"), no record
# may ever be set aside, and the match played to its end through all the kills
# must be the very match played without a stop: the same record, choice for
# choice.
#
#   python3 resume_kill_test.py GAME KILLS DELAY_SCALE
#
# The kills are spread over the whole match: once the table is back (or, with
# no match under way yet, once the match's first deck is kept) a run is killed
# after a random share of the match's length over KILLS; one run in five is
# killed instead at a random instant of its start-up. Should the match end
# before KILLS kills, the same match is killed through again from its start.
# KILL_SEED seeds the draws.
# Run under an X server (tests/common/with_xvfb.sh starts one).
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

BUILT_GAME, KILLS, SCALE = sys.argv[1], int(sys.argv[2]), sys.argv[3]
LONGEST_MATCH_S = 600
START_UP_S = 0.4  # the start-up kills land within this
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


def finished(root):
    return lambda: os.path.exists(kept(root, "last-match.record"))


def run(root, ready, then_s):
    """Runs the game until ready() or its end, then for then_s seconds more,
    and kills it; its output and its error output."""
    game_path = os.path.join(os.path.dirname(root), "bin", "morvello")
    env = environment(root)
    with open(os.path.join(root, "out"), "w+") as out, \
            open(os.path.join(root, "err"), "w+") as err:
        game = subprocess.Popen([game_path], env=env, stdout=out, stderr=err)
        deadline = time.monotonic() + LONGEST_MATCH_S
        while time.monotonic() < deadline and game.poll() is None and not ready(out):
            time.sleep(0.003)
        deadline = time.monotonic() + then_s
        while time.monotonic() < deadline and game.poll() is None:
            time.sleep(0.003)
        game.kill()
        game.wait()
        out.seek(0)
        err.seek(0)
        return out.read(), err.read()


def printed(word):
    def ready(out):
        out.seek(0)
        return any(line.startswith(word) for line in out.read().splitlines())
    return ready


def kill_through_a_match(chain, rng, match_s, kills, offers):
    """Kills the game at random instants until its match ends; the kills and
    the offers counted so far."""
    unfinished = kept(chain, "unfinished-match.record")
    while not finished(chain)():
        left = os.path.exists(unfinished)
        if left and rng.random() < 0.2:
            out, err = run(chain, lambda out: True, rng.uniform(0.0, START_UP_S))
        elif left:
            back = printed("resumed")
            out, err = run(chain, lambda out: back(out) or finished(chain)(),
                           rng.uniform(0, 2 * match_s / KILLS))
        else:
            out, err = run(chain, lambda out: os.path.exists(unfinished),
                           rng.uniform(0, 2 * match_s / KILLS))
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
    return kills, offers


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
        run(base, lambda out: os.path.exists(config), 0)
        shutil.rmtree(os.path.join(base, "data"))

        reference = os.path.join(work, "reference")
        shutil.copytree(base, reference)
        started = time.monotonic()
        run(reference, lambda out: finished(reference)(), 0)
        match_s = time.monotonic() - started
        if not finished(reference)():
            print("FAIL: the match without a stop did not end")
            return 1

        rng = random.Random(int(os.environ.get("KILL_SEED", "7")))
        kills = offers = matches = 0
        while kills < KILLS:  # a match, killed until it ends; another if need be
            matches += 1
            chain = os.path.join(work, f"chain{matches}")
            shutil.copytree(base, chain)
            kills, offers = kill_through_a_match(chain, rng, match_s, kills, offers)
            run(chain, lambda out: finished(chain)(), 0)
            if not finished(chain)():
                failures.append(f"match {matches}: killed again and again, it did not end")
                break
            if read(kept(chain, "last-match.record")) != read(kept(reference, "last-match.record")):
                failures.append(f"match {matches}: played through the kills, it is not the"
                                " match without a stop")
            shutil.rmtree(chain)
        print(f"{kills} kills over {matches} matches, the match offered again {offers} times;"
              f" a match without a stop takes {match_s:.1f} s")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


def read(path):
    with open(path) as f:
        return f.read()


sys.exit(main())

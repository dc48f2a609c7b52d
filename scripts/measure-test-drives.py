#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Measures how many generated specifications test-drive without an error.

Writes random compilable specifications (as check-against-lcl.py makes them,
over the classes of the ancestor list that are components), leaves out those
the check finds errors in, and test-drives each with unitforge-build
--test-drive under Xvfb with openbox, setting Tag through the property grid.
A drive counts as clean when its unit compiled, its window showed, Tag=7 was
read back and the component raised no exception. Prints the count, the first
problem of each drive that was not clean, and the median times from the
command to the window (BuildIntf already in the cache) and of the compile.
Exits 77 when the LCL for gtk2, Xvfb or openbox is missing, 1 when a drive failed.

Usage: measure-test-drives.py BUILD_COMMAND [--count N] [--seed S]
"""
import argparse
import importlib.util
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SKIPPED = 77
# Classes of the ancestor list that are no components: Test Drive is not offered for them.
NOT_COMPONENTS = {'TBitmap', 'TBlobStream', 'TBrush', 'TCanvas', 'TClipboard', 'TControlScrollBar',
                  'TFont', 'TGraphic', 'TGraphicsObject', 'TIcon', 'TIniFile', 'TList', 'TMetafile',
                  'TOLEDropNotify', 'TOutlineNode', 'TParam', 'TParams', 'TPen', 'TPicture',
                  'TPrinter', 'TStringList', 'TStrings'}


def load(name, file):
    spec = importlib.util.spec_from_file_location(name, os.path.join(HERE, file))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def start_display(work):
    """Xvfb on a free display, with openbox running on it; returns the processes and DISPLAY."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1024x768x24',
                             '-nolisten', 'tcp'], pass_fds=(write,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as f:
        display = ':' + f.readline().strip()
    env = dict(os.environ, DISPLAY=display)
    openbox = subprocess.Popen(['openbox'], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        probe = subprocess.run(['xprop', '-root', '_NET_SUPPORTING_WM_CHECK'], env=env,
                               capture_output=True, text=True)
        if 'window id' in probe.stdout:
            return [openbox, xvfb], display
        time.sleep(0.05)
    raise SystemExit('openbox did not start')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('build')
    parser.add_argument('--count', type=int, default=48)
    parser.add_argument('--seed', type=int, default=3)
    args = parser.parse_args()

    if not os.path.exists('/usr/lib/lazarus/default/lcl/units/x86_64-linux/gtk2/interfaces.ppu'):
        print('skipped: the LCL for gtk2 (lcl-gtk2-2.2) is not installed')
        return SKIPPED
    for tool in ('Xvfb', 'openbox', 'xprop'):
        if not shutil.which(tool):
            print('skipped: %s is not installed' % tool)
            return SKIPPED

    lcl = load('check_against_lcl', 'check-against-lcl.py')
    maker = lcl.load_spec_maker()
    ancestors = [row[1] for row in lcl.table_rows('lcl-ancestors.tsv') if row[1] not in NOT_COMPONENTS]
    import random
    rng = random.Random(args.seed)
    work = tempfile.mkdtemp(prefix='uf-drives-')
    processes, display = start_display(work)
    env = dict(os.environ, DISPLAY=display, XDG_CACHE_HOME=os.path.join(work, 'cache'),
               UNITFORGE_TESTDRIVE_SET='Tag=7')
    clean = refused = 0
    problems = []
    windows, compiles = [], []
    try:
        for n in range(args.count):
            s = maker.clean_spec(rng, n)
            s.ancestor = ancestors[n % len(ancestors)]
            if s.ancestor == 'TComponent' or rng.random() < 0.5:
                s.methods = [m for m in s.methods if not m[0].startswith('Procedure Loaded')]
            folder = os.path.join(work, s.unit.lower())
            os.makedirs(folder, exist_ok=True)
            spc = os.path.join(folder, s.unit + '.spc')
            s.write(spc)
            if lcl.refused_by_check(args.build, s, spc):
                refused += 1
                continue
            drive = subprocess.run([args.build, '--test-drive'] + s.style + [spc], env=env,
                                   capture_output=True, text=True, timeout=300)
            shown = re.search(r'shows after ([\d.]+) s \((.*)\)', drive.stderr)
            if shown:
                if 'BuildIntf' not in shown.group(2):
                    windows.append(float(shown.group(1)))
                compiled = re.search(r'compiled ([\d.]+) s', shown.group(2))
                if compiled:
                    compiles.append(float(compiled.group(1)))
            exceptions = [line for line in drive.stdout.splitlines() if line.startswith('exception: ')]
            if drive.returncode == 0 and 'Tag=7' in drive.stdout.splitlines() and not exceptions:
                clean += 1
                continue
            errors = [line for line in drive.stderr.splitlines() if ': error: ' in line]
            problems.append('%s (%s): %s' % (s.unit, s.ancestor, (exceptions or errors or
                                                                  [drive.stderr.strip()[-300:]])[0]))
    finally:
        for process in processes:
            process.terminate()
            process.wait()
        shutil.rmtree(work, ignore_errors=True)
    for problem in problems:
        print(problem)
    total = clean + len(problems)
    print('%d of %d specifications test-drove without an error (%d left out for errors the check '
          'found)' % (clean, total, refused))
    if windows:
        print('command to window: median %.2f s, longest %.2f s; compile: median %.2f s'
              % (statistics.median(windows), max(windows), statistics.median(compiles)))
    return 0 if not problems else 1


if __name__ == '__main__':
    sys.exit(main())

#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Compiles units built for Lazarus against the installed LCL.

Writes random compilable specifications (as check-against-fpc.py makes them,
over all 118 classes of the ancestor list and the standard messages whose
value is known), leaves out those the check finds errors in, builds each with unitforge-build --package into a folder of
its own and compiles the unit there with fpc -Mdelphi against the LCL's units
(nothing linked). Prints how many compiled and how long one compile took, and
the first error of each unit that did not. Exits 77 when fpc or the LCL is
missing, 1 when a unit did not compile.

With --working-bodies each unit is built with the working-bodies style, and
overrides, owned objects and notify events are added at random, as
check-against-fpc.py --working-bodies adds them.

Usage: check-against-lcl.py BUILD_COMMAND [--count N] [--seed S] [--keep DIR]
                            [--lazarus DIR] [--working-bodies]
"""
import argparse
import importlib.util
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, '..', 'data')
SKIPPED = 77


def load_spec_maker():
    spec = importlib.util.spec_from_file_location('check_against_fpc',
                                                  os.path.join(HERE, 'check-against-fpc.py'))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def table_rows(name):
    with open(os.path.join(DATA, name), encoding='utf-8') as f:
        return [line.rstrip('\n').split('\t') for line in f if line.strip() and not line.startswith('#')]


def refused_by_check(build, spec, spc):
    """Whether the check finds an error in the specification for the Lazarus target."""
    check = subprocess.run([build, '--check', '--target', 'lazarus'] + spec.style + [spc],
                           capture_output=True, text=True)
    return ': error: ' in check.stderr


def compile_command(lazarus, folder, source, uses_print):
    lcl = os.path.join(lazarus, 'lcl', 'units', 'x86_64-linux')
    # The print dialogs' package is built for gtk2 only.
    args = ['fpc', '-Mdelphi', '-FU' + folder, '-Fu' + lcl,
            '-Fu' + os.path.join(lcl, 'gtk2' if uses_print else 'nogui'),
            '-Fu' + os.path.join(lazarus, 'components', 'lazutils', 'lib', 'x86_64-linux')]
    if uses_print:
        for package in ('printers', 'cairocanvas'):
            args.append('-Fu' + os.path.join(lazarus, 'components', package, 'lib', 'x86_64-linux',
                                             'gtk2'))
    return args + [source]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('build')
    parser.add_argument('--count', type=int, default=300)
    parser.add_argument('--seed', type=int, default=1)
    parser.add_argument('--keep')
    parser.add_argument('--lazarus', default='/usr/lib/lazarus/2.2.6')
    parser.add_argument('--working-bodies', action='store_true')
    args = parser.parse_args()
    style = ['--working-bodies'] if args.working_bodies else []

    lcl = os.path.join(args.lazarus, 'lcl', 'units', 'x86_64-linux')
    if not shutil.which('fpc') or not os.path.exists(os.path.join(lcl, 'forms.ppu')):
        print('skipped: fpc or the LCL (lcl-units-2.2, lcl-nogui-2.2) is not installed')
        return SKIPPED

    maker = load_spec_maker()
    ancestors = [row[1] for row in table_rows('lcl-ancestors.tsv')]
    # Messages whose number another handler may share (the check refuses
    # those) and those of unknown value are left out.
    shared = {'WM_USER', 'DM_GETDEFID', 'DM_SETDEFID', 'WM_CHOOSEFONT_GETLOGFONT'}
    messages = [row[0] for row in table_rows('lcl-messages.tsv')
                if len(row) > 3 and row[3] and row[0] not in shared]

    rng = random.Random(args.seed)
    work = args.keep or tempfile.mkdtemp(prefix='uf-lcl-')
    os.makedirs(work, exist_ok=True)
    compiled = failed = refused = 0
    seconds = 0.0
    try:
        for n in range(args.count):
            s = maker.clean_spec(rng, n)
            s.ancestor = ancestors[n % len(ancestors)] if n < len(ancestors) else rng.choice(ancestors)
            if s.ancestor == 'TComponent' or rng.random() < 0.5:
                s.methods = [m for m in s.methods if not m[0].startswith('Procedure Loaded')]
            s.standard = sorted(rng.sample(messages, rng.randint(0, 4)))
            if args.working_bodies:
                maker.add_working_kinds(rng, s)
            folder = os.path.join(work, s.unit.lower())
            os.makedirs(folder, exist_ok=True)
            spc = os.path.join(folder, s.unit + '.spc')
            s.write(spc)
            # Only specifications the check passes count as compilable.
            if refused_by_check(args.build, s, spc):
                refused += 1
                continue
            build = subprocess.run([args.build, '--package', folder] + style + s.style + [spc],
                                   capture_output=True, text=True)
            if build.returncode != 0:
                failed += 1
                print('%s (%s): not built: %s' % (s.unit, s.ancestor, build.stderr.strip()))
                continue
            source = os.path.join(folder, s.unit.lower() + '.pas')
            with open(source, encoding='latin-1') as f:
                uses_print = 'PrintersDlgs' in f.read()
            start = time.monotonic()
            result = subprocess.run(compile_command(args.lazarus, folder, source, uses_print),
                                    capture_output=True, text=True)
            seconds += time.monotonic() - start
            if result.returncode == 0:
                compiled += 1
            else:
                failed += 1
                errors = [line for line in result.stdout.splitlines()
                          if re.search(r'\) (Error|Fatal):', line)]
                print('%s (%s): %s' % (s.unit, s.ancestor, errors[0] if errors else result.stdout[-300:]))
    finally:
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)
    total = compiled + failed
    print('%d of %d units compiled against the LCL; %.2f s per compile; %d specifications '
          'left out for errors the check found' % (compiled, total, seconds / max(1, total), refused))
    return 0 if failed == 0 else 1


if __name__ == '__main__':
    sys.exit(main())

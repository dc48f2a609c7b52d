#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Imports real component classes of the installed Lazarus sources and counts
what became entries and what was listed as not representable, by kind.

Runs unitforge-build --import UNIT --class NAME --warnings for each class of
the list below (or of --classes FILE, lines "UNIT CLASS" relative to the
Lazarus tree), reads the entries from the written specification and the
listed members from standard error. Prints one line per class and the totals.
Exits 77 when the Lazarus sources are missing, 1 when an import was refused
or the command failed.

Usage: measure-import.py BUILD_COMMAND [--lazarus DIR] [--classes FILE]
"""
import argparse
import collections
import configparser
import os
import re
import subprocess
import sys
import tempfile

SKIPPED = 77

CLASSES = """
lcl/stdctrls.pp TCustomButton TButton TCustomEdit TEdit TCustomLabel TLabel TCustomCheckBox
lcl/stdctrls.pp TCheckBox TRadioButton TToggleBox TCustomListBox TListBox TCustomComboBox TComboBox
lcl/stdctrls.pp TCustomMemo TMemo TCustomScrollBar TScrollBar TCustomGroupBox TGroupBox TCustomStaticText
lcl/extctrls.pp TCustomPanel TPanel TBoundLabel TTimer TCustomImage TImage TShape TCustomSplitter
lcl/extctrls.pp TPaintBox TBevel TCustomRadioGroup TRadioGroup TCustomCheckGroup TCustomLabeledEdit
lcl/extctrls.pp TCustomTrayIcon TCustomFlowPanel TCustomControlBar TNotebook TPage
lcl/comctrls.pp TTabSheet TStatusBar TCustomProgressBar TCustomTrackBar TCustomTreeView TTreeView
lcl/comctrls.pp TCustomListView TListView TPageControl TCustomTabControl TToolBar TToolButton
lcl/comctrls.pp TCustomUpDown THeaderControl TCustomHeaderControl
components/lazcontrols/dividerbevel.pas TDividerBevel
components/lazcontrols/spinex.pp TCustomFloatSpinEditEx TFloatSpinEditEx
components/lazcontrols/checkboxthemed.pas TCustomCheckBoxThemed TCheckBoxThemed
components/lazcontrols/listfilteredit.pas TListFilterEdit
components/lazcontrols/shortpathedit.pas TShortPathEdit
components/lazcontrols/extendednotebook.pas TExtendedNotebook
components/anchordocking/anchordockpanel.pas TAnchorDockPanel
components/opengl/openglcontext.pas TCustomOpenGLControl TOpenGLControl
components/rtticontrols/rttictrls.pas TTICustomEdit TTIEdit TTICustomCheckBox TTICheckBox TTIButton
"""


def class_list(path):
    text = open(path).read() if path else CLASSES
    pairs = []
    for line in text.splitlines():
        words = line.split()
        pairs += [(words[0], name) for name in words[1:]]
    return pairs


def ancestor_members(unit_text, class_name, not_published):
    """The ancestor's members the class re-declares in published: a bare
    "property Name;" inside the class, less those listed outside published."""
    start = re.search(r'^\s*' + re.escape(class_name) + r'\s*=\s*class\b', unit_text,
                      re.IGNORECASE | re.MULTILINE)
    if not start:
        return 0
    end = re.compile(r'^\s*end\s*;', re.IGNORECASE | re.MULTILINE).search(unit_text, start.end())
    body = unit_text[start.end():end.start() if end else len(unit_text)]
    bare = re.findall(r'^\s*property\s+\w+\s*;', body, re.IGNORECASE | re.MULTILINE)
    return max(0, len(bare) - not_published)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('command')
    parser.add_argument('--lazarus', default='/usr/lib/lazarus/2.2.6')
    parser.add_argument('--classes')
    args = parser.parse_args()
    if not os.path.isfile(os.path.join(args.lazarus, 'lcl', 'stdctrls.pp')):
        print('no Lazarus sources in ' + args.lazarus + ' (lazarus-src-2.2)', file=sys.stderr)
        return SKIPPED

    recognised = collections.Counter()
    listed = collections.Counter()
    failures = 0
    with tempfile.TemporaryDirectory() as work:
        for unit, name in class_list(args.classes):
            path = os.path.join(args.lazarus, unit)
            spec = os.path.join(work, name + '.spc')
            run = subprocess.run([args.command, '--import', path, '--class', name, '-o', spec, '--warnings'],
                                 capture_output=True, text=True, errors='replace')
            if run.returncode != 0:
                print('%s %s: exit %d: %s' % (unit, name, run.returncode, run.stderr.strip()))
                failures += 1
                continue
            kinds = collections.Counter()
            for line in run.stderr.splitlines():
                match = re.match(re.escape(path) + r':\d+: ([^:]+(: integer)?): ', line)
                if match:
                    kinds[match.group(1)] += 1
            ini = configparser.ConfigParser(interpolation=None, strict=False)
            ini.optionxform = str
            ini.read(spec, encoding='latin-1')
            component = ini['Component']
            counts = {
                'property': int(component.get('PropertyCount', 0)),
                'event': int(component.get('EventCount', 0)),
                'method': int(component.get('MethodCount', 0)),
                'standard message': int(component.get('StandardMessageCount', 0)),
                'user message': int(component.get('UserMessageCount', 0)),
            }
            text = open(path, encoding='latin-1').read()
            counts['ancestor member'] = ancestor_members(
                text, name, kinds['ancestor member re-declared outside published'])
            recognised.update(counts)
            listed.update(kinds)
            print('%-45s %-26s recognised %3d  listed %3d' % (unit, name, sum(counts.values()),
                                                              sum(kinds.values())))
    print('\nrecognised, by kind (%d classes):' % len(class_list(args.classes)))
    for kind, count in recognised.most_common():
        print('  %5d  %s' % (count, kind))
    print('listed as not representable, by kind:')
    for kind, count in listed.most_common():
        print('  %5d  %s' % (count, kind))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())

#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the tables of the Lazarus target from the installed LCL.

data/lcl-ancestors.tsv: for each class of the ancestor list, the LCL (or FCL)
class a Lazarus unit descends from, its unit, whether it is the class of the
same name or a near counterpart, and which of the members the ancestor table
re-declares exist in that class (protected or higher) and re-declare cleanly.
The classes and members come from ppudump on the installed units; every row
is then compiled with fpc, and a member the compiler refuses is left out.

data/lcl-messages.tsv: for each standard message, its LM_ constant and record
type from the LCL's LMessages unit, and its Windows value from Free Pascal's
Windows headers (fpc-source).

Run by hand when the LCL changes:
  python3 scripts/make-lcl-tables.py [--lazarus DIR] [--fpcsrc DIR]
Needs fpc, ppudump, lcl-units-2.2, lcl-gtk2-2.2, lcl-nogui-2.2 and fpc-source.
"""
import argparse
import glob
import json
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, '..', 'data')
FPC_UNITS = '/usr/lib/x86_64-linux-gnu/fpc/3.2.2/units/x86_64-linux'

# Classes of the ancestor list that the LCL and FCL lack, and the class a
# Lazarus unit descends from instead.
COUNTERPARTS = {
    'TBatchMove': 'TComponent',
    'TBlobStream': 'TMemoryStream',
    'TDatabase': 'TSQLConnection',
    'TDBLookupCombo': 'TDBLookupComboBox',
    'TDBLookupList': 'TDBLookupListBox',
    'TDDEClientItem': 'TComponent',
    'TDDEServerConv': 'TComponent',
    'TDDEServerItem': 'TComponent',
    'TDirectoryListBox': 'TCustomListBox',
    'TDriveComboBox': 'TCustomComboBox',
    'THeader': 'THeaderControl',
    'TInplaceEdit': 'TStringCellEditor',
    'TMediaPlayer': 'TCustomControl',
    'TMetafile': 'TGraphic',
    'TNotebook': 'TNotebook',
    'TOLEContainer': 'TCustomControl',
    'TOLEDropNotify': 'TComponent',
    'TOutline': 'TTreeView',
    'TCustomOutline': 'TCustomTreeView',
    'TOutlineNode': 'TTreeNode',
    'TQuery': 'TSQLQuery',
    'TTable': 'TSQLQuery',
    'TTabbedNotebook': 'TPageControl',
    'TTabSet': 'TTabControl',
}

# Units whose classes may stand for an ancestor, in order of preference.
CANDIDATE_UNITS = [
    ('rtl-objpas', 'classes'), ('rtl', 'classes'), ('lcl', 'controls'), ('lcl', 'forms'),
    ('lcl', 'graphics'), ('lcl', 'stdctrls'), ('lcl', 'extctrls'), ('lcl', 'buttons'),
    ('lcl', 'dialogs'), ('lcl', 'menus'), ('lcl', 'comctrls'), ('lcl', 'grids'),
    ('lcl', 'maskedit'), ('lcl', 'clipbrd'), ('lcl', 'printers'), ('lcl', 'filectrl'),
    ('lcl', 'spin'), ('lcl', 'dbctrls'), ('lcl', 'dbgrids'), ('fcl-db', 'db'),
    ('fcl-db', 'sqldb'), ('fcl-base', 'inifiles'), ('printers', 'printersdlgs'),
]

UNIT_CASE = {
    'classes': 'Classes', 'controls': 'Controls', 'forms': 'Forms', 'graphics': 'Graphics',
    'stdctrls': 'StdCtrls', 'extctrls': 'ExtCtrls', 'buttons': 'Buttons', 'dialogs': 'Dialogs',
    'menus': 'Menus', 'comctrls': 'ComCtrls', 'grids': 'Grids', 'maskedit': 'MaskEdit',
    'clipbrd': 'Clipbrd', 'printers': 'Printers', 'filectrl': 'FileCtrl', 'spin': 'Spin',
    'dbctrls': 'DBCtrls', 'dbgrids': 'DBGrids', 'db': 'DB', 'sqldb': 'SQLDB',
    'inifiles': 'IniFiles', 'printersdlgs': 'PrintersDlgs',
}


class Units:
    """ppudump's view of the units, loaded on demand along a search path."""

    def __init__(self, path):
        self.path = path
        self.cache = {}

    def find(self, name):
        for folder in self.path:
            candidate = os.path.join(folder, name.lower() + '.ppu')
            if os.path.exists(candidate):
                return candidate
        return None

    def load(self, name, file=None):
        key = name.lower()
        if key in self.cache:
            return self.cache[key]
        file = file or self.find(key)
        unit = None
        if file:
            out = subprocess.run(['ppudump', '-Fj', file], capture_output=True, text=True).stdout
            try:
                dump = json.loads(out)[0]
                unit = {'units': [u.lower() for u in dump.get('Units', [])], 'byid': {},
                        'byname': {}}
                for entry in dump.get('Interface', []):
                    if 'Id' in entry:
                        unit['byid'][entry['Id']] = entry
                    if entry.get('Type') == 'obj' and 'Name' in entry:
                        unit['byname'][entry['Name'].lower()] = entry
            except (ValueError, IndexError):
                unit = None
        self.cache[key] = unit
        return unit

    def resolve(self, unit_name, ref):
        """The unit name and entry a reference {"Unit": n, "Id": m} points to."""
        unit = self.load(unit_name)
        if 'Unit' in ref:
            target = unit['units'][ref['Unit']]
        else:
            target = unit_name
        other = self.load(target)
        if other is None:
            return target, None
        return target, other['byid'].get(ref['Id'])

    def properties(self, unit_name, cls):
        """Case-folded property name -> visibility, most derived declaration first."""
        props = {}
        while cls is not None:
            for field in cls.get('Fields', []):
                if field.get('Type') == 'prop' and 'Name' in field:
                    props.setdefault(field['Name'].lower(), field.get('Visibility', 'public'))
            ancestor = cls.get('Ancestor')
            if not ancestor:
                break
            unit_name, cls = self.resolve(unit_name, ancestor)
        return props


def lcl_search_path(lazarus):
    lcl = os.path.join(lazarus, 'lcl', 'units', 'x86_64-linux')
    path = [lcl, os.path.join(lcl, 'nogui'),
            os.path.join(lazarus, 'components', 'lazutils', 'lib', 'x86_64-linux'),
            os.path.join(lazarus, 'components', 'printers', 'lib', 'x86_64-linux', 'gtk2')]
    path += sorted(glob.glob(os.path.join(FPC_UNITS, '*')))
    return path


def read_ancestor_table():
    rows = []
    with open(os.path.join(DATA, 'ancestor-members.tsv'), encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if not line or line.startswith('#'):
                continue
            cols = line.split('\t') + ['', '', '', '']
            names = [n for n in (cols[3].split(',') + cols[4].split(',')) if n]
            rows.append((int(cols[0]), cols[1], names))
    return rows


def locate_class(units, name):
    for _folder, unit_name in CANDIDATE_UNITS:
        unit = units.load(unit_name)
        if unit and name.lower() in unit['byname']:
            return unit_name, unit['byname'][name.lower()]
    return None, None


def compile_errors(lazarus, source_text, unit_name, uses_print):
    """fpc's error lines for a unit, as (line number, text)."""
    lcl = os.path.join(lazarus, 'lcl', 'units', 'x86_64-linux')
    widgets = 'gtk2' if uses_print else 'nogui'
    args = ['fpc', '-Mdelphi', '-vew', '-Fu' + lcl, '-Fu' + os.path.join(lcl, widgets),
            '-Fu' + os.path.join(lazarus, 'components', 'lazutils', 'lib', 'x86_64-linux')]
    if uses_print:
        args += ['-Fu' + os.path.join(lazarus, 'components', 'printers', 'lib', 'x86_64-linux', 'gtk2'),
                 '-Fu' + os.path.join(lazarus, 'components', 'cairocanvas', 'lib', 'x86_64-linux', 'gtk2')]
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, unit_name.lower() + '.pas')
        with open(path, 'w') as f:
            f.write(source_text)
        out = subprocess.run(args + ['-FU' + tmp, path], capture_output=True, text=True).stdout
    errors = []
    for line in out.splitlines():
        m = re.match(r'.*\.pas\((\d+),\d+\) (Error|Fatal): (.*)', line)
        if m:
            errors.append((int(m.group(1)), m.group(3)))
    return errors


def verified_members(lazarus, index, lcl_class, unit, members):
    """The members that compile when re-declared in a descendant of lcl_class."""
    members = list(members)
    uses = ['Classes', 'SysUtils', 'Controls', 'Graphics', 'LCLType', 'LMessages']
    if unit not in uses:
        uses.append(unit)
    for _attempt in range(10):
        head = ['unit Probe%d;' % index, '{$mode delphi}', 'interface', 'uses ' + ','.join(uses) + ';',
                'type', '  TProbe = class(%s)' % lcl_class, '  published']
        body = ['    property %s;' % m for m in members]
        text = '\n'.join(head + body + ['  end;', 'implementation', 'end.', ''])
        errors = compile_errors(lazarus, text, 'Probe%d' % index, unit == 'PrintersDlgs')
        if not errors:
            return members
        bad = {line - len(head) - 1 for line, _ in errors if line > len(head)}
        bad = {i for i in bad if 0 <= i < len(members)}
        if not bad:
            sys.exit('probe of %s does not compile: %s' % (lcl_class, errors))
        members = [m for i, m in enumerate(members) if i not in bad]
    sys.exit('probe of %s keeps failing' % lcl_class)


def make_ancestor_table(lazarus):
    units = Units(lcl_search_path(lazarus))
    lines = [
        '# The classes a Lazarus unit descends from, one row per class of the ancestor list,',
        '# made by scripts/make-lcl-tables.py from the installed LCL (ppudump, then fpc).',
        '# Columns (tab-separated): index (0..117, list order), class name of the list, LCL or FCL',
        '# class, its unit, mapping (same = the class of that name; counterpart = a near class),',
        '# the names of the ancestor table\'s members for this class that exist in the LCL class',
        '# (protected or higher) and re-declare cleanly, comma-separated.',
    ]
    counterparts = 0
    for index, name, members in read_ancestor_table():
        target = COUNTERPARTS.get(name, name)
        unit_name, cls = locate_class(units, target)
        if cls is None:
            sys.exit('no class %s for %s in the installed units' % (target, name))
        mapping = 'same' if target.lower() == name.lower() else 'counterpart'
        counterparts += mapping == 'counterpart'
        props = units.properties(unit_name, cls)
        present = [m for m in members if props.get(m.lower()) in ('protected', 'public', 'published')]
        unit = UNIT_CASE.get(unit_name, unit_name)
        present = verified_members(lazarus, index, cls['Name'], unit, present)
        lines.append('\t'.join([str(index), name, cls['Name'], unit, mapping, ','.join(present)]))
        print('%3d %-20s -> %-20s %-12s %d of %d members' % (index, name, cls['Name'], unit,
                                                             len(present), len(members)))
    print('%d counterparts' % counterparts)
    with open(os.path.join(DATA, 'lcl-ancestors.tsv'), 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')


def standard_messages():
    path = os.path.join(HERE, '..', 'src', 'model', 'standardmessages.cpp')
    with open(path, encoding='utf-8') as f:
        return re.findall(r'u"([A-Z_]+)"_s', f.read())


def windows_values(fpcsrc):
    """Message constant -> value from Free Pascal's Windows headers."""
    sources = [
        'rtl/win/wininc/messages.inc', 'rtl/win/wininc/defines.inc',
        'packages/winunits-jedi/src/jwadde.pas', 'packages/winunits-jedi/src/jwawinuser.pas',
        'rtl/win16/wintypes.inc',
    ]
    values = {}
    pattern = re.compile(r'^\s*([A-Z][A-Z0-9_]*)\s*=\s*([^;]+);', re.M)
    for source in sources:
        with open(os.path.join(fpcsrc, source), encoding='latin-1') as f:
            text = re.sub(r'\{[^}]*\}', '', f.read())
        for name, expression in pattern.findall(text):
            if name in values:
                continue
            value = evaluate(expression, values)
            if value is not None:
                values[name] = value
    return values


def evaluate(expression, known):
    total = 0
    sign = 1
    for token in re.findall(r'\$[0-9A-Fa-f]+|\d+|[A-Za-z_][A-Za-z0-9_]*|[+-]|\S', expression):
        if token == '+':
            sign = 1
        elif token == '-':
            sign = -1
        elif token.startswith('$'):
            total += sign * int(token[1:], 16)
        elif token.isdigit():
            total += sign * int(token)
        elif token in known:
            total += sign * known[token]
        else:
            return None
    return total


def make_message_table(lazarus, fpcsrc):
    units = Units(lcl_search_path(lazarus))
    lm = units.load('lmessages')
    dump = json.loads(subprocess.run(['ppudump', '-Fj', units.find('lmessages')],
                                     capture_output=True, text=True).stdout)[0]
    constants = {}
    records = {}
    for entry in dump['Interface']:
        if entry.get('Type') == 'const' and entry.get('ValType') == 'int':
            constants[entry['Name'].upper()] = (entry['Name'], entry['Value'])
        elif entry.get('Type') in ('rec', 'type') and entry.get('Name', '').upper().startswith('TLM'):
            records[entry['Name'].upper()] = entry['Name']
    del lm
    win = windows_values(fpcsrc)
    lines = [
        '# The standard messages for the Lazarus target, made by scripts/make-lcl-tables.py.',
        '# Columns (tab-separated): message, LM_ constant of the LCL\'s LMessages unit (empty when',
        '# the LCL has none), its record type (TLMessage when there is no record of its own; empty',
        '# without a constant), the Windows value from Free Pascal\'s Windows headers (empty when',
        '# unknown).',
    ]
    with_constant = with_record = unknown = 0
    for message in standard_messages():
        prefix, _, rest = message.partition('_')
        constant = record = ''
        if prefix == 'WM':
            lm_name = 'LM_' + rest
            if lm_name in constants:
                constant = constants[lm_name][0]
                record = records.get('TLM' + rest.replace('_', ''), 'TLMessage')
                with_constant += 1
                with_record += record != 'TLMessage'
        value = win.get(message)
        if value is None:
            unknown += 1
        lines.append('\t'.join([message, constant, record, '' if value is None else str(value)]))
    print('%d messages: %d with an LM_ constant (%d with a record of their own), %d of unknown value'
          % (len(lines) - 5, with_constant, with_record, unknown))
    with open(os.path.join(DATA, 'lcl-messages.tsv'), 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--lazarus', default='/usr/lib/lazarus/2.2.6')
    parser.add_argument('--fpcsrc', default='/usr/share/fpcsrc/3.2.2')
    args = parser.parse_args()
    make_message_table(args.lazarus, args.fpcsrc)
    make_ancestor_table(args.lazarus)


if __name__ == '__main__':
    main()

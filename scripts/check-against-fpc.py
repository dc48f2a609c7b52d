#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Measures the specification check against a real compiler.

Writes random specifications, about half of them with one or two planted
faults of the kinds the check knows, builds each unit with unitforge-build,
compiles it with Free Pascal in Delphi mode against the stub units of
tests/check/fpcstubs, and asks unitforge-build --check for its findings.
Prints two figures: of the units that fail to compile, the share whose
specification got an error finding; of the units that compile, the share that
got an error finding anyway. With --reference BINARY it also compares the
bytes every build writes with those of another unitforge-build.

With --working-bodies it builds only compilable specifications (those the
check finds no error in), each with
the working-bodies style and with the kinds of routine it fills (overrides,
owned objects, notify events) added at random, and prints how many units
compiled.

Usage: check-against-fpc.py BUILD_COMMAND [--count N] [--seed S] [--keep DIR]
                            [--reference BINARY] [--working-bodies]
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
STUBS = os.path.join(HERE, '..', 'tests', 'check', 'fpcstubs')
FPC_RTL = '/usr/lib/x86_64-linux-gnu/fpc/3.2.2/units/x86_64-linux/rtl'

ANCESTORS = ['TComponent', 'TControl', 'TGraphicControl', 'TCustomControl', 'TWinControl',
             'TPanel', 'TTimer', 'TPaintBox']
# The published members the ancestor table gives these classes (the reader fills them in).
STANDARD = {
    'TComponent': (['Name', 'Tag'], []),
    'TPanel': (['Align', 'Caption', 'Color', 'Font'], ['OnClick', 'OnResize']),
    'TTimer': (['Enabled', 'Interval'], ['OnTimer']),
    'TPaintBox': (['Align', 'Color'], ['OnPaint', 'OnClick']),
}
WORDS = ['Level', 'Count', 'Speed', 'Ratio', 'Mark', 'Scale', 'Limit', 'Shade', 'Angle', 'Depth',
         'Width2', 'Gap', 'Step', 'Pitch', 'Volume', 'Label', 'Title', 'Frame', 'Margin2', 'Span',
         'Spin', 'Total', 'Stamp', 'Flag', 'Knob', 'Dial', 'Needle', 'Pulse', 'Phase', 'Tone']
# type, a valid default or None, whether it can be published
CLEAN_TYPES = [
    ('integer', '5', True), ('longint', '-12', True), ('cardinal', '2147483647', True),
    ('byte', '255', True), ('word', '$FFFF', True), ('shortint', '-128', True),
    ('smallint', '32767', True), ('boolean', 'True', True), ('char', "'x'", True),
    ('TColor', 'clBtnFace', True), ('TAlign', 'alClient', True), ('TFontStyles', '[fsBold]', True),
    ('TAlignment', 'taCenter', True), ('string', 'abc', True), ('double', None, True),
    ('real', None, True), ('extended', None, True), ('TFont', 'nil', True), ('TStrings', None, True),
    ('Pointer', 'nil', False), ('PChar', None, False), ('TRect', None, False),
    ('TPoint', None, False), ('ShortString', None, True), ('Currency', None, True),
]
EVENT_TYPES = ['TNotifyEvent', 'TMouseEvent', 'TKeyEvent', 'TKeyPressEvent']
STANDARD_MESSAGES = ['WM_SIZE', 'WM_PAINT', 'WM_TIMER', 'WM_CHAR', 'WM_KEYDOWN', 'WM_LBUTTONDOWN',
                     'WM_SETFOCUS', 'EM_UNDO', 'LB_GETCOUNT', 'CB_DIR', 'BM_SETCHECK',
                     'DM_GETDEFID', 'DM_SETDEFID', 'WM_USER', 'WM_DDE_ACK', 'STM_SETICON']
# Reserved by both compilers. Findings that only Delphi 2.0 would confirm are
# not planted: the reserved word inline, a default on a Single, a unit named
# like its class, a message or Register (Free Pascal takes each of them).
RESERVED = ['begin', 'end', 'type', 'string', 'file', 'set', 'label', 'object', 'packed',
            'property', 'array', 'record', 'to', 'downto', 'until', 'otherwise', 'threadvar']


class Spec:
    def __init__(self, rng, n):
        self.rng = rng
        self.unit = 'Ucomp%d' % n
        self.filename = 'C:\\Units\\%s.pas' % self.unit
        self.classname = 'TComp%d' % n
        self.ancestor = rng.choice(ANCESTORS)
        self.palette = rng.choice(['Samples', 'Extra', 'My Page'])
        self.props = []       # dicts with the property list entries
        self.events = []      # (name, type, params, protected)
        self.methods = []     # (heading, comment, section)
        self.standard = []    # selected standard message names, in list order
        self.user = []        # entries
        self.style = []       # command-line style options
        self.faults = []
        self.used = set(n.upper() for n in STANDARD.get(self.ancestor, ([], []))[0]
                        + STANDARD.get(self.ancestor, ([], []))[1]) | {'CREATE', 'DESTROY'}

    def fresh(self, prefix=''):
        while True:
            name = prefix + self.rng.choice(WORDS) + str(self.rng.randint(1, 99))
            taken = {name.upper(), 'F' + name.upper(), 'GET' + name.upper(), 'SET' + name.upper()}
            if not taken & self.used:
                self.used |= taken
                return name

    # The Properties page's Add Property, as the model composes the entries.
    def add_property(self, name, type_, default='', indexed=False, pointer=False, runtime=False,
                     readonly=False, writeonly=False, protected=False, stored=True,
                     read='', write='', position=None):
        field = 'F' + name
        if protected:
            section = 'protected'
        elif runtime or readonly or writeonly:
            section = 'public'
        elif not indexed:
            section = 'published'
        else:
            section, runtime = 'public', True
        types = '^' + type_ if pointer and not type_.startswith('^') else type_
        r = read or field
        w = write or field
        if default == '':
            dv = '*'
        elif type_.upper() == 'STRING':
            dv = "'" + default + "'"
        else:
            dv = default
        if readonly:
            rw = 'read ' + r
        elif writeonly:
            rw = 'write ' + w
        else:
            rw = 'read %s write %s' % (r, w)
        attrs = ('U' if runtime else '*') + ('R' if readonly else '*') + \
            ('W' if writeonly else '*') + ('P' if protected else '*')
        entry = dict(name=name, array='Array' if indexed else '*', storage='*' if stored else
                     'Stored False', section=section, type=types, variable=field, default=dv,
                     rmethod='*' if r == field else r, wmethod='*' if w == field else w,
                     readwrite=rw, attributes=attrs)
        if position is None:
            self.props.append(entry)
        else:
            self.props.insert(position, entry)
        return entry

    def add_event(self, name, type_, protected=False):
        name = name if name[:2].upper() == 'ON' else 'On' + name
        self.props.append(dict(name=name, array='*', storage='*',
                               section='protected' if protected else 'published', type=type_,
                               variable='F' + name, default='*', rmethod='*', wmethod='*',
                               readwrite='read F%s write F%s' % (name, name), attributes='****'))
        self.events.append((name, type_, 'Sender: TObject', 'protected' if protected else '*'))

    def add_method(self, kind, name, params='', ret='', directive='', override=False,
                   abstract=False, section='public', comment=''):
        heading = kind + ' ' + name
        if params:
            heading += '(' + params + ')'
        if kind == 'Function':
            heading += ' : ' + ret
        heading += ';'
        heading += directive
        if override:
            heading += 'override;'
        if abstract:
            heading += 'abstract;'
        self.methods.append((heading, comment, section))

    def add_user_message(self, name, offset):
        self.user.append('%s[WM_USER + %d]}  ' % (name, offset))

    def write(self, path):
        lines = ['[Component]', 'Name=' + self.unit, 'PropertyCount=%d' % len(self.props),
                 'MethodCount=%d' % len(self.methods), 'ProcCount=0', 'FuncCount=0',
                 'Classname=' + self.classname, 'Filename=' + self.filename,
                 'Palettepage=' + self.palette, 'Ancestor=' + self.ancestor,
                 'StandardMessageCount=%d' % len(self.standard),
                 'UserMessageCount=%d' % len(self.user), 'EventCount=%d' % len(self.events), '']

        def section(title, values, first=0):
            lines.append('[%s]' % title)
            lines.extend('%d=%s' % (i + first, v) for i, v in enumerate(values))
            lines.append('')
        section('StandardMessages', self.standard, 1)
        section('UserMessages', self.user)
        section('Events', [e[0] for e in self.events])
        section('Eventtypes', [e[1] for e in self.events])
        section('Eventparams', [e[2] for e in self.events])
        section('Eprotected', [e[3] for e in self.events])
        for title, key in [('Properties', 'name'), ('Storage', 'storage'),
                           ('RMethods', 'rmethod'), ('ArrayProperties', 'array'),
                           ('Attributes', 'attributes'), ('WMethods', 'wmethod'),
                           ('Sections', 'section'), ('Variables', 'variable'),
                           ('ReadWrite', 'readwrite'), ('Types', 'type'),
                           ('DefaultValues', 'default')]:
            section(title, [p[key] for p in self.props])
        section('PropertyComments', ['' for _ in self.props])
        section('Methods', [m[0] for m in self.methods])
        section('MethodComments', [m[1] for m in self.methods])
        section('MethodSections', [m[2] for m in self.methods])
        with open(path, 'w', newline='\r\n', encoding='latin-1') as f:
            f.write('\n'.join(lines))


def clean_spec(rng, n):
    s = Spec(rng, n)
    for _ in range(rng.randint(0, 6)):
        type_, default, publishable = rng.choice(CLEAN_TYPES)
        name = s.fresh()
        indexed = rng.random() < 0.15
        access = rng.random() < 0.3 or indexed
        flags = dict(runtime=rng.random() < 0.2, protected=rng.random() < 0.1,
                     stored=rng.random() < 0.8)
        if not publishable:
            flags['runtime'] = True
        if flags['runtime'] or flags['protected'] or indexed:
            flags['stored'] = True
        mode = rng.choice(['rw', 'rw', 'r', 'w'])
        if mode == 'r':
            flags['readonly'] = True
            flags['stored'] = True
        elif mode == 'w':
            flags['writeonly'] = True
            flags['stored'] = True
        s.add_property(name, type_, default if default and not indexed and rng.random() < 0.6 else '',
                       indexed=indexed, read='Get' + name if access else '',
                       write='Set' + name if access else '', **flags)
    for _ in range(rng.randint(0, 2)):
        s.add_event(s.fresh('On'), rng.choice(EVENT_TYPES), protected=rng.random() < 0.2)
    for _ in range(rng.randint(0, 4)):
        name = s.fresh()
        kind = rng.choice(['Function', 'Procedure'])
        params = rng.choice(['', 'A: integer', 'A, B: integer; const S: string', 'var R: TRect',
                             'Sender: TObject', 'Items: array of integer'])
        directive = rng.choice(['', '', 'virtual;', 'dynamic;'])
        abstract = bool(directive) and rng.random() < 0.3
        s.add_method(kind, name, params, rng.choice(['integer', 'string', 'boolean', 'TColor']),
                     directive, abstract=abstract,
                     section=rng.choice(['private', 'protected', 'public']),
                     comment=rng.choice(['', 'Does the work', 'two\r\nlines']))
    if rng.random() < 0.2 and s.ancestor != 'TComponent':
        s.add_method('Procedure', 'Loaded', override=True, section='protected')
    picks = sorted(set(rng.sample(STANDARD_MESSAGES, rng.randint(0, 3))) -
                   {'WM_USER', 'DM_SETDEFID'})
    s.standard = picks
    offsets = rng.sample(range(2, 500), rng.randint(0, 3))
    for offset in offsets:
        s.add_user_message('WM_' + s.fresh().upper(), offset)
    s.style = rng.choice([[], ['--indent', '0'], ['--separator-char', '#'],
                          ['--separator-length', '0'], ['--separator-char', '{']])
    if rng.random() < 0.5:
        add_unusual(rng, s)
    return s


def add_unusual(rng, s):
    """Adds an entry that is unusual but compiles, where a check might err."""
    choice = rng.randrange(14)
    if choice == 0:
        for name in ('Read', 'Write', 'Default', 'Index', 'Stored', 'Message', 'Result'):
            if name.upper() not in s.used:
                s.used.add(name.upper())
                s.add_property(name, 'integer', rng.choice(['', '7']))
                break
    elif choice == 1:
        s.add_property(s.fresh(), *rng.choice([('TColor', '$00FF00'), ('TColor', 'clRed'),
                                               ('TColor', '-1'), ('TCursor', 'crHourGlass')]))
    elif choice == 2:
        s.add_property(s.fresh(), 'char', rng.choice(['#65', "''''", '#$41', "'{'"]))
    elif choice == 3:
        s.add_method('Procedure', s.fresh(), rng.choice(['var Buffer', 'const A; B: integer',
                                                         'Items: array of string']))
    elif choice == 4:
        s.add_method('Procedure', rng.choice(['Click', 'Invalidate', 'Assign']), section='public')
    elif choice == 5:
        s.palette = "Tom''s"
    elif choice == 6:
        s.add_user_message('WM_' + s.fresh().upper(), rng.choice([47000, 60000, 99999]))
    elif choice == 7:
        s.add_method('Function', s.fresh(), '', rng.choice(['TCursor', 'TShiftState', 'Pointer']),
                     comment='uses { and (* inside')
    elif choice == 8:
        s.add_property(s.fresh(), rng.choice(['byte', 'integer']), rng.choice(['MaxInt', '0', '+3']),
                       runtime=True, stored=False)
    elif choice == 9:
        s.add_property(s.fresh(), 'boolean', rng.choice(['false', 'TRUE']))
    elif choice == 10:
        s.add_property(s.fresh(), 'TFontStyles', rng.choice(['[]', '[fsBold, fsItalic]']))
    elif choice == 11:
        name = s.fresh()
        s.add_property(name, 'string', rng.choice(["it''s", '', 'x y']), read='Get' + name)
    elif choice == 12:
        s.add_method('Procedure', 'Loaded', override=True, abstract=True, section='protected')
    else:
        s.add_event(s.fresh('on'), 'TNotifyEvent')


def plant(rng, s):
    """Plants one fault of a kind the check knows; returns its name."""
    def some_prop():
        if not s.props:
            s.add_property(s.fresh(), 'integer')
        return rng.choice(s.props)

    kinds = [
        'bad-property-name', 'reserved-property-name', 'bad-class-name', 'reserved-class',
        'bad-method-name', 'reserved-method', 'bad-unit-name', 'unit-extension-case',
        'reserved-unit', 'unit-is-used-unit', 'unit-is-used-type', 'bad-access-name',
        'bad-message-name', 'reserved-message', 'duplicate-property-method',
        'shared-read-method', 'method-like-access', 'standard-property', 'standard-event',
        'field-clash', 'method-create', 'user-like-standard', 'handler-clash', 'real-default',
        'shortstring-default', 'record-default', 'pointer-default', 'class-default',
        'event-type-default', 'boolean-default', 'integer-word-default', 'integer-range',
        'char-default', 'char-unquoted', 'enum-default', 'set-default', 'string-quote',
        'published-pchar', 'published-pointer', 'published-record', 'published-text',
        'indexed-direct', 'function-no-return', 'abstract-static', 'virtual-override',
        'same-offset', 'setdefid-offset', 'wmuser-getdefid', 'class-is-ancestor',
        'class-tcomponent', 'non-component', 'message-is-class', 'class-register',
        'message-register', 'pointer-type', 'comment-brace', 'separator-brace',
        'palette-quote', 'indexed-default', 'bad-parameter', 'procedure-return',
        'message-is-type', 'cardinal-range',
    ]
    kind = rng.choice(kinds)
    new = s.fresh
    if kind == 'bad-property-name':
        s.add_property(rng.choice(['My Value', '2nd', 'Gr\xf6\xdfe', 'a-b']), 'integer')
    elif kind == 'reserved-property-name':
        s.add_property(rng.choice(RESERVED), 'integer')
    elif kind == 'bad-class-name':
        s.classname = rng.choice(['T Comp', '1Comp', 'TComp!'])
    elif kind == 'reserved-class':
        s.classname = rng.choice(RESERVED)
    elif kind == 'bad-method-name':
        s.add_method('Procedure', rng.choice(['Do It', 'Go-On', '3D']))
    elif kind == 'reserved-method':
        s.add_method('Procedure', rng.choice(RESERVED))
    elif kind == 'bad-unit-name':
        s.filename = rng.choice(['C:\\Units\\my-unit.pas', 'C:\\Units\\2unit.pas', 'my unit.pas'])
    elif kind == 'unit-extension-case':
        s.filename = 'C:\\Units\\%s.PAS' % s.unit
    elif kind == 'reserved-unit':
        s.filename = 'C:\\Units\\%s.pas' % rng.choice(RESERVED)
    elif kind == 'unit-is-used-unit':
        s.filename = 'C:\\Units\\%s.pas' % rng.choice(['Forms', 'classes', 'Controls', 'DB',
                                                       'System'])
    elif kind == 'unit-is-used-type':
        s.add_property(new(), 'integer')
        s.filename = 'C:\\Units\\Integer.pas'
    elif kind == 'bad-access-name':
        name = new()
        s.add_property(name, 'integer', read='Get ' + name, runtime=True)
    elif kind == 'bad-message-name':
        s.add_user_message(rng.choice(['WM MY', 'WM-GO', '1WM']), 900)
    elif kind == 'reserved-message':
        s.add_user_message(rng.choice(RESERVED).upper(), 901)
    elif kind == 'duplicate-property-method':
        name = new()
        s.add_property(name, 'integer')
        s.add_method('Procedure', name)
    elif kind == 'shared-read-method':
        a, b = new(), new()
        s.add_property(a, 'integer', read='GetShared')
        s.add_property(b, rng.choice(['integer', 'string']), read='GetShared')
    elif kind == 'method-like-access':
        name = new()
        s.add_property(name, 'integer', write='Set' + name)
        s.add_method('Procedure', 'Set' + name, 'Value: integer')
    elif kind == 'standard-property':
        s.ancestor = 'TComponent'
        s.add_property(rng.choice(['Name', 'tag']), 'integer')
    elif kind == 'standard-event':
        s.ancestor = 'TTimer'
        s.add_event('OnTimer', 'TNotifyEvent')
    elif kind == 'field-clash':
        name = new()
        s.add_property(name, 'integer')
        s.add_property('F' + name, 'integer')
    elif kind == 'method-create':
        s.add_method('Procedure', rng.choice(['Create', 'destroy']))
    elif kind == 'user-like-standard':
        s.standard = sorted(set(s.standard) | {'WM_SIZE'})
        s.add_user_message('WM_SIZE', 902)
    elif kind == 'handler-clash':
        s.add_user_message('WM_MY_EVENT', 903)
        s.add_user_message('WM_MYEVENT', 904)
    elif kind == 'real-default':
        # Free Pascal takes a default on a Single (Delphi does not), so a
        # compile cannot tell whether that finding is right.
        s.add_property(new(), rng.choice(['real', 'double', 'extended', 'Currency', 'Comp']), '1')
    elif kind == 'shortstring-default':
        s.add_property(new(), rng.choice(['ShortString', 'TCaption']), "'abc'")
    elif kind == 'record-default':
        s.add_property(new(), rng.choice(['TRect', 'TPoint']), '0', runtime=True)
    elif kind == 'pointer-default':
        s.add_property(new(), rng.choice(['Pointer', 'PChar']), rng.choice(['5', "'abc'"]),
                       runtime=True)
    elif kind == 'class-default':
        s.add_property(new(), rng.choice(['TFont', 'TStrings']), '0')
    elif kind == 'event-type-default':
        s.add_property(new(), 'TNotifyEvent', 'nil')
    elif kind == 'boolean-default':
        s.add_property(new(), 'boolean', rng.choice(['maybe', '1', 'yes']))
    elif kind == 'integer-word-default':
        s.add_property(new(), rng.choice(['integer', 'byte', 'word']), rng.choice(['abc1', '1.5',
                                                                                  '10 20']))
    elif kind == 'integer-range':
        s.add_property(new(), *rng.choice([('byte', '256'), ('shortint', '128'), ('word', '-1'),
                                           ('smallint', '40000'), ('integer', '2147483648'),
                                           ('byte', '$100'), ('longint', '-2147483649')]))
    elif kind == 'cardinal-range':
        s.add_property(new(), 'cardinal', rng.choice(['3000000000', '-1']))
    elif kind == 'char-default':
        s.add_property(new(), 'char', rng.choice(["'ab'", "''", "'a''"]))
    elif kind == 'char-unquoted':
        s.add_property(new(), 'char', rng.choice(['a', 'Z']))
    elif kind == 'enum-default':
        s.add_property(new(), 'TAlign', rng.choice(['alCustom', 'top']))
    elif kind == 'set-default':
        s.add_property(new(), 'TFontStyles', rng.choice(['fsBold', '[fsHeavy]']))
    elif kind == 'string-quote':
        s.add_property(new(), 'string', rng.choice(["it's", "'"]))
    elif kind == 'published-pchar':
        s.add_property(new(), 'PChar')
    elif kind == 'published-pointer':
        s.add_property(new(), 'Pointer')
    elif kind == 'published-record':
        s.add_property(new(), rng.choice(['TRect', 'TPoint']))
    elif kind == 'published-text':
        s.add_property(new(), rng.choice(['Text', 'TextFile']))
    elif kind == 'indexed-direct':
        name = new()
        s.add_property(name, 'integer', indexed=True,
                       **rng.choice([dict(read='Get' + name), dict(write='Set' + name), {}]))
    elif kind == 'function-no-return':
        s.add_method('Function', new(), 'A: integer', '')
    elif kind == 'procedure-return':
        s.methods.append(('Procedure %s : integer;' % new(), '', 'public'))
    elif kind == 'abstract-static':
        s.add_method('Procedure', new(), abstract=True)
    elif kind == 'virtual-override':
        s.ancestor = 'TGraphicControl'
        s.add_method('Procedure', 'Paint', directive=rng.choice(['virtual;', 'dynamic;']),
                     override=True, section='protected')
    elif kind == 'same-offset':
        s.add_user_message('WM_' + new().upper(), 905)
        s.add_user_message('WM_' + new().upper(), 905)
    elif kind == 'setdefid-offset':
        s.standard = sorted(set(s.standard) | {'DM_SETDEFID'})
        s.user = [u for u in s.user if '+ 1]' not in u]
        s.add_user_message('WM_' + new().upper(), 1)
    elif kind == 'wmuser-getdefid':
        s.standard = sorted(set(s.standard) | {'WM_USER', 'DM_GETDEFID'})
    elif kind == 'class-is-ancestor':
        s.classname = s.ancestor
    elif kind == 'class-tcomponent':
        s.ancestor = 'TControl'
        s.classname = 'TComponent'
    elif kind == 'non-component':
        s.ancestor = rng.choice(['TList', 'TCanvas', 'TBrush', 'TStringList', 'TFont'])
    elif kind == 'message-is-class':
        s.add_user_message(s.classname.upper(), 906)
    elif kind == 'class-register':
        s.classname = 'Register'
    elif kind == 'message-register':
        s.add_user_message('REGISTER', 907)
    elif kind == 'message-is-type':
        s.add_user_message('TCOMPONENT', 908)
    elif kind == 'pointer-type':
        s.add_property(new(), rng.choice(['integer', 'TRect', 'char']), pointer=True,
                       runtime=True)
    elif kind == 'comment-brace':
        s.add_method('Procedure', new(), comment='sets {x} and y')
    elif kind == 'separator-brace':
        s.style = ['--separator-char', '}']
    elif kind == 'palette-quote':
        s.palette = "Tom's"
    elif kind == 'indexed-default':
        name = new()
        s.add_property(name, 'integer', '0', indexed=True, read='Get' + name, write='Set' + name)
    elif kind == 'bad-parameter':
        s.add_method('Procedure', new(), rng.choice(['A integer', 'A, A: integer', 'A: ^integer',
                                                     'var: integer']))
    return kind


# Overrides of methods both class libraries' TComponent has: a procedure and a
# function with parameters, a function without.
OVERRIDES = [
    ('Procedure', 'Notification', 'AComponent: TComponent; Operation: TOperation', '', 'protected'),
    ('Function', 'ExecuteAction', 'Action: TBasicAction', 'Boolean', 'public'),
    ('Function', 'HasParent', '', 'Boolean', 'public'),
]
OWNED_TYPES = ['TFont', 'TBrush', 'TPen', 'TStrings', 'TStringList', 'TPicture', 'TBitmap', 'TIcon']


def add_working_kinds(rng, s):
    """Adds the entries whose routines the working-bodies style fills."""
    for kind, name, params, ret, section in OVERRIDES:
        if rng.random() < 0.3 and name.upper() not in s.used:
            s.used.add(name.upper())
            s.add_method(kind, name, params, ret, override=True, section=section)
    for _ in range(rng.randint(0, 2)):
        name = s.fresh()
        readonly = rng.random() < 0.2
        s.add_property(name, rng.choice(OWNED_TYPES), read='Get' + name if rng.random() < 0.5 else '',
                       write='' if readonly else 'Set' + name, readonly=readonly)
    if rng.random() < 0.3 and 'ONCHANGE' not in s.used and 'CHANGE' not in s.used:
        s.used |= {'ONCHANGE', 'CHANGE'}
        s.add_event('OnChange', 'TNotifyEvent')


def working_bodies(args, work, rtl, stubs):
    """Builds compilable specifications with working bodies; counts the units that compile."""
    rng = random.Random(args.seed)
    compiled = refused = 0
    for n in range(args.count):
        s = clean_spec(rng, n)
        add_working_kinds(rng, s)
        spec_path = os.path.join(work, 'spec%d.spc' % n)
        s.write(spec_path)
        # Only specifications the check passes count as compilable.
        check = run([args.command, '--check'] + s.style + [spec_path])
        if b': error: ' in check.stderr:
            refused += 1
            continue
        build = run([args.command, '--working-bodies'] + s.style + [spec_path])
        if build.returncode != 0:
            sys.exit('build refused %s: %s' % (spec_path, build.stderr.decode()))
        unit_dir = os.path.join(work, 'unit%d' % n)
        os.makedirs(unit_dir)
        unit_path = os.path.join(unit_dir, s.unit.lower() + '.pas')
        with open(unit_path, 'wb') as f:
            f.write(build.stdout)
        ok, errors = compile_unit(work, unit_path, rtl, stubs)
        compiled += ok
        if not ok:
            print('NOT COMPILED %s: %s' % (spec_path, ' | '.join(errors[:2])))
        if args.keep:
            shutil.copy(spec_path, args.keep)
            shutil.copy(unit_path, os.path.join(args.keep, 'spec%d.pas' % n))
    built = args.count - refused
    print('units with working bodies that compile: %d of %d; %d specifications left out for '
          'errors the check found' % (compiled, built, refused))
    return 0 if compiled == built else 1


def run(command):
    return subprocess.run(command, capture_output=True)


def prepare_stubs(work):
    rtl = os.path.join(work, 'rtl')
    out = os.path.join(work, 'stubs')
    os.makedirs(rtl)
    os.makedirs(out)
    # Only System and ObjPas from Free Pascal: every other unit is a stub.
    for name in ('system.ppu', 'system.o', 'objpas.ppu', 'objpas.o'):
        shutil.copy(os.path.join(FPC_RTL, name), rtl)
    pending = sorted(f for f in os.listdir(STUBS) if f.endswith('.pas'))
    for _ in range(len(pending)):
        for stub in list(pending):
            r = run(['fpc', '-n', '-Mdelphi', '-Fu' + rtl, '-Fu' + out, '-FU' + out,
                     os.path.join(STUBS, stub)])
            if r.returncode == 0:
                pending.remove(stub)
    if pending:
        sys.exit('stub units do not compile: %s' % ', '.join(pending))
    return rtl, out


def compile_unit(work, unit_path, rtl, stubs):
    out = os.path.join(work, 'ppu')
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    # -Cr: with range checking on, constants out of range are errors, as in Delphi.
    r = run(['fpc', '-n', '-Mdelphi', '-Cr', '-Fu' + rtl, '-Fu' + stubs, '-FU' + out, unit_path])
    text = r.stdout.decode('latin-1')
    errors = [l for l in text.splitlines() if 'Error:' in l or 'Fatal:' in l]
    return r.returncode == 0 and not errors, errors


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('command')
    parser.add_argument('--count', type=int, default=300)
    parser.add_argument('--seed', type=int, default=1)
    parser.add_argument('--keep')
    parser.add_argument('--reference')
    parser.add_argument('--working-bodies', action='store_true')
    args = parser.parse_args()
    rng = random.Random(args.seed)
    work = tempfile.mkdtemp(prefix='uf-fpc-')
    rtl, stubs = prepare_stubs(work)
    keep = args.keep
    if keep:
        os.makedirs(keep, exist_ok=True)
    if args.working_bodies:
        status = working_bodies(args, work, rtl, stubs)
        if not keep:
            shutil.rmtree(work)
        return status

    failed = failed_flagged = compiled = compiled_flagged = 0
    faulty = same_bytes = 0
    misses, false_errors = [], []
    by_kind = {}   # kind: [planted alone, failed to compile, got an error finding]
    for n in range(args.count):
        s = clean_spec(rng, n)
        faults = []
        if n % 2:
            faults = [plant(rng, s) for _ in range(rng.choice([1, 1, 2]))]
            faulty += 1
        spec_path = os.path.join(work, 'spec%d.spc' % n)
        s.write(spec_path)
        build = run([args.command] + s.style + [spec_path])
        if build.returncode != 0:
            sys.exit('build refused %s: %s' % (spec_path, build.stderr.decode()))
        if args.reference:
            reference = run([args.reference] + s.style + [spec_path])
            warned = run([args.command, '--warnings'] + s.style + [spec_path])
            if reference.stdout == build.stdout == warned.stdout:
                same_bytes += 1
            else:
                print('different bytes: %s' % spec_path)
        match = re.search(rb'^unit (.*);\r$', build.stdout, re.M)
        unit_name = match.group(1).decode('latin-1') if match else 'unit'
        file_name = unit_name.lower() if re.fullmatch(r'[A-Za-z_]\w*', unit_name) else 'unit%d' % n
        unit_dir = os.path.join(work, 'unit%d' % n)
        os.makedirs(unit_dir)
        unit_path = os.path.join(unit_dir, file_name + '.pas')
        with open(unit_path, 'wb') as f:
            f.write(build.stdout)
        ok, errors = compile_unit(work, unit_path, rtl, stubs)
        check = run([args.command, '--check'] + s.style + [spec_path])
        found = [l for l in check.stderr.decode('latin-1').splitlines() if ': error: ' in l]
        if len(faults) == 1:
            row = by_kind.setdefault(faults[0], [0, 0, 0])
            row[0] += 1
            row[1] += not ok
            row[2] += bool(found)
        if ok:
            compiled += 1
            if found:
                compiled_flagged += 1
                false_errors.append((spec_path, faults, found))
        else:
            failed += 1
            if found:
                failed_flagged += 1
            else:
                misses.append((spec_path, faults, errors[:2]))
        if keep:
            shutil.copy(spec_path, keep)
            shutil.copy(unit_path, os.path.join(keep, 'spec%d.pas' % n))

    print('specifications: %d (%d with planted faults)' % (args.count, faulty))
    print('units that fail to compile: %d; with an error finding: %d (%.1f%%)'
          % (failed, failed_flagged, 100.0 * failed_flagged / max(failed, 1)))
    print('units that compile: %d; with an error finding anyway: %d (%.1f%%)'
          % (compiled, compiled_flagged, 100.0 * compiled_flagged / max(compiled, 1)))
    if args.reference:
        print('builds with the same bytes as the reference (also with --warnings): %d of %d'
              % (same_bytes, args.count))
    print('planted alone: kind, specifications, failed to compile, got an error finding')
    for kind in sorted(by_kind):
        print('  %-28s %3d %3d %3d' % (kind, *by_kind[kind]))
    for path, faults, errors in misses:
        print('MISSED %s %s: %s' % (path, faults, ' | '.join(errors)))
    for path, faults, found in false_errors:
        print('FALSE ERROR %s %s: %s' % (path, faults, ' | '.join(found)))
    if not keep:
        shutil.rmtree(work)
    return 0 if not misses and not false_errors else 1


if __name__ == '__main__':
    sys.exit(main())

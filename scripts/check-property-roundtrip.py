#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Measures whether the properties of units built with working bodies work.

Writes random compilable specifications for the Lazarus target (as
check-against-lcl.py --working-bodies makes them, leaving out those the check
finds errors in and those whose ancestor the nogui widgetset cannot create),
builds each with unitforge-build --working-bodies --target lazarus, and writes
one host program that uses every unit with the LCL's nogui widgetset. The
program creates each component, sets every property that reads and writes (of
every section, array properties at index 0, events to a method of the host) to
a value other than its default, reads it back and counts the values that came
back. Prints the count and each value that did not come back. Exits 77 when
fpc or the LCL is missing, 1 when a value did not come back or the program did
not compile.

Usage: check-property-roundtrip.py BUILD_COMMAND [--count N] [--seed S] [--keep DIR]
                                   [--lazarus DIR]
"""
import argparse
import importlib.util
import os
import random
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SKIPPED = 77

# Ancestors whose constructor reads a form resource, whose unit needs the
# gtk2 print dialogs, or that the nogui widgetset cannot create even as the
# LCL declares them (no canvas to draw on, no bitmaps, no menu handles).
LEFT_OUT = {'TForm', 'TPrintDialog', 'TPrinterSetupDialog', 'TDBNavigator', 'TDrawGrid',
            'TStringGrid', 'THintWindow', 'TMainMenu', 'TMenuItem'}

# type: two values, the first unless it is the property's default. A value
# is (setup statements, the value assigned, the test on the value read back
# as R).
SIMPLE = {
    'integer': ('7', '8'), 'longint': ('42', '43'), 'cardinal': ('123', '124'),
    'byte': ('17', '18'), 'word': ('1234', '1235'), 'shortint': ('-5', '-6'),
    'smallint': ('300', '301'), 'char': ("'q'", "'r'"), 'TColor': ('clRed', 'clBlue'),
    'TCursor': ('crCross', 'crHourGlass'), 'TAlign': ('alTop', 'alBottom'),
    'TFontStyles': ('[fsItalic]', '[fsBold]'), 'TAlignment': ('taRightJustify', 'taCenter'),
    'string': ("'xyz'", "'uvw'"), 'ShortString': ("'sh'", "'si'"), 'double': ('2.5', '3.5'),
    'real': ('2.5', '3.5'), 'extended': ('2.5', '3.5'), 'Currency': ('3.25', '4.25'),
}
# type: (the object to assign, made in setup as V, and the test on R).
OBJECTS = {
    'TFont': ('V := TFont.Create; V.Size := 17;', 'R.Size = 17'),
    'TBrush': ('V := TBrush.Create; V.Color := clRed;', 'R.Color = clRed'),
    'TPen': ('V := TPen.Create; V.Width := 3;', 'R.Width = 3'),
    'TStrings': ("V := TStringList.Create; V.Text := 'a';", "R.Text = V.Text"),
    'TStringList': ("V := TStringList.Create; V.Text := 'a';", "R.Text = V.Text"),
    'TPicture': ('V := TPicture.Create; V.Bitmap.TransparentColor := clRed;',
                 '(R.Graphic is TBitmap) and (R.Bitmap.TransparentColor = clRed)'),
    'TBitmap': ('V := TBitmap.Create; V.TransparentColor := clRed;', 'R.TransparentColor = clRed'),
    'TIcon': ('V := TIcon.Create; V.TransparentColor := clRed;', 'R.TransparentColor = clRed'),
}
EVENTS = {'TNotifyEvent': 'Notify', 'TMouseEvent': 'Mouse', 'TKeyEvent': 'Key',
          'TKeyPressEvent': 'KeyPress'}
RECORDS = {'TRect': ('Rect(1, 2, 3, 4)', '(R.Left = 1) and (R.Bottom = 4)'),
           'TPoint': ('Point(3, 4)', '(R.X = 3) and (R.Y = 4)')}


def load_lcl_check():
    """check-against-lcl.py, whose spec maker, tables and check this script shares."""
    spec = importlib.util.spec_from_file_location('check_against_lcl',
                                                  os.path.join(HERE, 'check-against-lcl.py'))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


def property_test(n, prop):
    """(variables, statements, cleanup) that set one property and count it; None for a
    type it has no value for."""
    type_ = prop['type']
    access = 'C.%s%s' % (prop['name'], '[0]' if prop['array'] != '*' else '')
    label = "'TComp%d.%s'" % (n, prop['name'])
    key = next((t for t in list(SIMPLE) + list(OBJECTS) + list(EVENTS) + list(RECORDS)
                if t.lower() == type_.lower()), type_.lower())
    variables = {'R': type_}
    setup = cleanup = ''
    if key in SIMPLE:
        first, second = SIMPLE[key]
        assigned = second if prop['default'].lower() == first.lower() else first
        test = 'R = %s' % assigned
    elif key == 'boolean':
        assigned = 'False' if prop['default'].lower() == 'true' else 'True'
        test = 'R = %s' % assigned
    elif key in OBJECTS:
        setup, test = OBJECTS[key]
        variables['V'] = 'TStringList' if key == 'TStrings' else key
        assigned, cleanup = 'V', '  V.Free;\n'
    elif key in EVENTS:
        setup = 'V := Host.%s;' % EVENTS[key]
        variables['V'] = key
        assigned = 'V'
        test = '(TMethod(R).Code = TMethod(V).Code) and (TMethod(R).Data = TMethod(V).Data)'
    elif key in RECORDS:
        assigned, test = RECORDS[key]
    elif key == 'pointer':
        assigned, test = 'Pointer(1234)', 'R = Pointer(1234)'
    elif key == 'pchar':
        setup, assigned, test = "V := 'abc';", 'V', 'R = V'
        variables['V'] = 'PChar'
    else:
        return None
    body = ('  Inc(Sent);\n  try\n    %s\n    %s := %s;\n    R := %s;\n'
            '    if %s then Inc(Back) else Miss(%s);\n'
            "  except on E: Exception do Miss(%s + ': ' + E.Message); end;\n"
            % (setup, access, assigned, access, test, label, label))
    return variables, body, cleanup


def host_program(specs):
    units = ['Ucomp%d' % n for n, _ in specs]
    lines = ['program roundtrip;', '{$mode delphi}', 'uses',
             '  Interfaces, Classes, SysUtils, Types, Forms, Controls, Graphics,',
             '  %s;' % ', '.join(units), '', 'type',
             '  THost = class',
             '    procedure Notify(Sender: TObject);',
             '    procedure Mouse(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer);',
             '    procedure Key(Sender: TObject; var Key: Word; Shift: TShiftState);',
             '    procedure KeyPress(Sender: TObject; var Key: Char);',
             '  end;']
    # A descendant declared here reaches the protected properties too.
    lines += ['  TComp%dAccess = class(TComp%d);' % (n, n) for n, _ in specs]
    lines += ['', 'var', '  Host: THost;', '  Sent, Back, Created, NotCreated: Integer;', '',
              'procedure THost.Notify(Sender: TObject); begin end;',
              'procedure THost.Mouse(Sender: TObject; Button: TMouseButton; Shift: TShiftState; X, Y: Integer); begin end;',
              'procedure THost.Key(Sender: TObject; var Key: Word; Shift: TShiftState); begin end;',
              'procedure THost.KeyPress(Sender: TObject; var Key: Char); begin end;', '',
              'procedure Miss(const What: string);', 'begin',
              "  WriteLn('NOT BACK ', What);", 'end;', '']
    calls = []
    tested = 0
    for n, spec in specs:
        procedures = []
        for i, prop in enumerate(spec.props):
            if not (prop['readwrite'].startswith('read ') and ' write ' in prop['readwrite']):
                continue
            test = property_test(n, prop)
            if test is None:
                print('not tested: TComp%d.%s of type %s' % (n, prop['name'], prop['type']))
                continue
            variables, body, cleanup = test
            name = 'Test%d_%d' % (n, i)
            decls = ''.join('  %s: %s;\n' % item for item in variables.items())
            lines.append('procedure %s(C: TComp%dAccess);\nvar\n%sbegin\n%s%send;\n'
                         % (name, n, decls, body, cleanup))
            procedures.append(name)
            tested += 1
        lines.append('procedure Component%d;\nvar\n  C: TComp%d;\nbegin\n  try\n'
                     '    C := TComp%d.Create(nil);\n    Inc(Created);\n  except on E: Exception do\n'
                     "    begin Inc(NotCreated); WriteLn('NOT CREATED TComp%d: ', E.Message); Exit; end;\n"
                     '  end;\n%s  C.Free;\nend;\n'
                     % (n, n, n, n, ''.join('  %s(TComp%dAccess(C));\n' % (p, n) for p in procedures)))
        calls.append('  Component%d;' % n)
    lines += ['begin', '  Application.Initialize;', '  Host := THost.Create;'] + calls + [
        "  WriteLn(Back, ' of ', Sent, ' values came back; ', Created, ' components created, ',",
        "    NotCreated, ' not');", 'end.']
    return '\n'.join(lines) + '\n', tested


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('build')
    parser.add_argument('--count', type=int, default=100)
    parser.add_argument('--seed', type=int, default=1)
    parser.add_argument('--keep')
    parser.add_argument('--lazarus', default='/usr/lib/lazarus/2.2.6')
    args = parser.parse_args()

    lcl = os.path.join(args.lazarus, 'lcl', 'units', 'x86_64-linux')
    if not shutil.which('fpc') or not os.path.exists(os.path.join(lcl, 'nogui', 'interfaces.ppu')):
        print('skipped: fpc or the LCL (lcl-units-2.2, lcl-nogui-2.2) is not installed')
        return SKIPPED

    lcl_check = load_lcl_check()
    maker = lcl_check.load_spec_maker()
    ancestors = [row[1] for row in lcl_check.table_rows('lcl-ancestors.tsv') if row[1] not in LEFT_OUT]
    rng = random.Random(args.seed)
    work = args.keep or tempfile.mkdtemp(prefix='uf-roundtrip-')
    units = os.path.join(work, 'units')
    os.makedirs(units, exist_ok=True)
    specs = []
    refused = 0
    try:
        for n in range(args.count):
            s = maker.clean_spec(rng, n)
            s.ancestor = rng.choice(ancestors)
            s.standard = []
            maker.add_working_kinds(rng, s)
            spc = os.path.join(work, s.unit + '.spc')
            s.write(spc)
            if lcl_check.refused_by_check(args.build, s, spc):
                refused += 1
                continue
            build = subprocess.run([args.build, '--package', units, '--working-bodies'] + s.style
                                   + [spc], capture_output=True, text=True)
            if build.returncode != 0:
                print('%s: not built: %s' % (s.unit, build.stderr.strip()))
                return 1
            specs.append((n, s))
        source, tested = host_program(specs)
        program = os.path.join(work, 'roundtrip.lpr')
        with open(program, 'w', encoding='latin-1') as f:
            f.write(source)
        out = os.path.join(work, 'out')
        os.makedirs(out, exist_ok=True)
        compiled = subprocess.run(
            ['fpc', '-Mdelphi', '-FU' + out, '-FE' + work, '-Fu' + units, '-Fu' + lcl,
             '-Fu' + os.path.join(lcl, 'nogui'),
             '-Fu' + os.path.join(args.lazarus, 'components', 'lazutils', 'lib', 'x86_64-linux'),
             program], capture_output=True, text=True)
        if compiled.returncode != 0:
            errors = [l for l in compiled.stdout.splitlines() if 'Error:' in l or 'Fatal:' in l]
            print('the host program did not compile:\n' + '\n'.join(errors[:20]))
            return 1
        ran = subprocess.run([os.path.join(work, 'roundtrip')], capture_output=True, text=True,
                             timeout=300)
        print(ran.stdout.strip())
        if ran.returncode != 0:
            print('the host program ended with status %d: %s' % (ran.returncode, ran.stderr[-500:]))
            return 1
        print('%d specifications built, %d left out for errors the check found; %d properties '
              'tested' % (len(specs), refused, tested))
        return 0 if 'NOT ' not in ran.stdout and ' 0 not' in ran.stdout else 1
    finally:
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == '__main__':
    sys.exit(main())

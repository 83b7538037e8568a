#!/usr/bin/python3
"""The Windows programs as they ship, read from their files: the PE headers
(Windows 7 SP1 and later, no link time), no debug sections, no static
import of a function newer than Windows 7, and in their resources the
manifest, the version record and the icon; and the .ico they were built
with. Prints one line a check and exits 1 when any fails.

  windows_exes_test.py OBJDUMP SOURCE_DIR VELMORA_ICO VELMORA_EXE VELMORA_CLI_EXE
"""
import os
import re
import struct
import subprocess
import sys

OBJDUMP, source, ico_path = sys.argv[1:4]
exes = sys.argv[4:]

# Functions of Windows 8 and later, which the programs may only look up at
# run time: precise time, and the per-monitor DPI calls of 8.1 and 10.
NEWER_THAN_7 = {
    'GetSystemTimePreciseAsFileTime', 'GetDpiForWindow', 'GetDpiForSystem', 'GetDpiForMonitor',
    'SetThreadDpiAwarenessContext', 'SetProcessDpiAwarenessContext', 'SetProcessDpiAwareness',
    'GetSystemMetricsForDpi', 'AdjustWindowRectExForDpi', 'SystemParametersInfoForDpi',
    'EnableNonClientDpiScaling', 'GetThreadDpiAwarenessContext', 'AreDpiAwarenessContextsEqual',
}
# DLLs Windows 7 does not have: the DPI one of 8.1 and the API sets of 8 and 10.
NEWER_DLLS = re.compile(r'^(shcore\.dll|api-ms-win-.*|ucrtbase\.dll)$', re.I)

SUPPORTED_OS = ['35138b9a-5d96-4fbd-8e2d-a2440225f93a', '4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38',
                '1f676c76-80e1-4239-95bb-83d0f6d0da78', '8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a']
MANIFEST_ALL = ['<supportedOS Id="{%s}"/>' % g for g in SUPPORTED_OS] + [
    '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>']
MANIFEST_WINDOWED = [
    '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>',
    '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>',
    'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"']
PROGRAMS = {
    'velmora.exe': {'subsystem': 'Windows GUI', 'manifest': MANIFEST_ALL + MANIFEST_WINDOWED,
                    'description': 'Velmora'},
    'velmora-cli.exe': {'subsystem': 'Windows CUI', 'manifest': MANIFEST_ALL,
                        'description': 'Velmora command line'},
}
# (size, bits, stored as): the old depths, alpha at 32 bits, and 256 as PNG.
ICON_IMAGES = {(256, 32, 'png')} | {(s, 32, 'dib') for s in (48, 32, 24, 16)} | {
    (s, b, 'dib') for s in (48, 32, 16) for b in (4, 8, 24)}

with open(os.path.join(source, 'VERSION')) as f:
    VERSION = f.readline().strip()
with open(os.path.join(source, 'LICENSE'), encoding='utf-8') as f:
    LICENSE_LINE = next(line.strip() for line in f if line.startswith('Copyright'))
COPYRIGHT = LICENSE_LINE.replace('(c)', '\u00a9')

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24


class Pe:
    """The parts of a PE file the checks read directly."""

    def __init__(self, path):
        with open(path, 'rb') as f:
            self.data = f.read()
        d = self.data
        pe = struct.unpack_from('<I', d, 0x3C)[0]
        assert d[pe:pe + 4] == b'PE\0\0', 'not a PE file'
        sections, self.timestamp = struct.unpack_from('<HI', d, pe + 6)
        optional_size = struct.unpack_from('<H', d, pe + 20)[0]
        optional = pe + 24
        assert struct.unpack_from('<H', d, optional)[0] == 0x20B, 'not PE32+'
        self.rsrc_rva = struct.unpack_from('<I', d, optional + 112 + 8 * 2)[0]
        self.sections = []
        at = optional + optional_size
        for i in range(sections):
            name, vsize, va, raw_size, raw_at = struct.unpack_from('<8sIIII', d, at + 40 * i)
            self.sections.append((va, max(vsize, raw_size), raw_at))
        self.resources = {}
        if self.rsrc_rva:
            self._walk(self.Offset(self.rsrc_rva), 0, [])

    def Offset(self, rva):
        for va, size, raw_at in self.sections:
            if va <= rva < va + size:
                return rva - va + raw_at
        raise ValueError('RVA %x outside every section' % rva)

    def _walk(self, directory, at, path):
        d = self.data
        named, ids = struct.unpack_from('<HH', d, directory + at + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from('<II', d, directory + at + 16 + 8 * i)
            if target & 0x80000000:
                self._walk(directory, target & 0x7FFFFFFF, path + [name])
            else:
                rva, size = struct.unpack_from('<II', d, directory + target)
                # Type and id; the language level is the program's one language.
                self.resources.setdefault((path[0], path[1]), self.data[self.Offset(rva):self.Offset(rva) + size])


def version_strings(record):
    """StringFileInfo's values and the fixed file version of a VS_VERSIONINFO."""
    def block(at):
        length, value_length, kind = struct.unpack_from('<HHH', record, at)
        end, p = at + length, at + 6
        key_end = p
        while record[key_end:key_end + 2] != b'\0\0':
            key_end += 2
        key = record[p:key_end].decode('utf-16-le')
        p = (key_end + 2 + 3) & ~3
        value_bytes = value_length * 2 if kind == 1 else value_length
        value = record[p:p + value_bytes]
        p = (p + value_bytes + 3) & ~3
        children = []
        while p < end:
            child, child_end = block(p)
            children.append(child)
            p = (child_end + 3) & ~3
        return (key, kind, value, children), end

    (key, _, fixed, children), _ = block(0)
    assert key == 'VS_VERSION_INFO'
    signature, _, ms, ls = struct.unpack_from('<IIII', fixed)
    assert signature == 0xFEEF04BD
    strings = {}
    for name, _, _, tables in children:
        if name == 'StringFileInfo':
            for _, _, _, entries in tables:
                for entry_key, _, value, _ in entries:
                    strings[entry_key] = value.decode('utf-16-le').rstrip('\0')
    fixed_version = '%d.%d.%d.%d' % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    return strings, fixed_version


def image_kind(image, size, bits):
    """What an icon image is, checked against what its entry says."""
    if image[:8] == b'\x89PNG\r\n\x1a\n':
        width, height, depth, colour = struct.unpack_from('>IIBB', image, 16)
        return 'png' if (width, height, depth, colour) == (size, size, 8, 6) else 'bad png'
    header, width, height, _, bit_count = struct.unpack_from('<IiiHH', image, 0)
    return 'dib' if (header, width, height, bit_count) == (40, size, 2 * size, bits) else 'bad dib'


def icon_set(entries):
    """(size, bits, kind) of every (width byte, bits, image bytes) entry."""
    return {(w or 256, bits, image_kind(image, w or 256, bits)) for w, bits, image in entries}


def group_icon(pe):
    group = pe.resources.get((RT_GROUP_ICON, 128))
    if group is None:
        return set()
    count = struct.unpack_from('<H', group, 4)[0]
    entries = []
    for i in range(count):
        w, _, _, _, _, bits, _, icon_id = struct.unpack_from('<BBBBHHIH', group, 6 + 14 * i)
        entries.append((w, bits, pe.resources.get((RT_ICON, icon_id), b'')))
    return icon_set(entries)


def ico_file(path):
    with open(path, 'rb') as f:
        d = f.read()
    count = struct.unpack_from('<H', d, 4)[0]
    entries = []
    for i in range(count):
        w, _, _, _, _, bits, size, at = struct.unpack_from('<BBBBHHII', d, 6 + 16 * i)
        entries.append((w, bits, d[at:at + size]))
    return icon_set(entries)


def objdump(*args):
    return subprocess.run([OBJDUMP, *args], check=True, capture_output=True, text=True).stdout


def header_field(private, name):
    match = re.search(r'^%s\s+(\S+)' % name, private, re.M)
    return match.group(1) if match else None


def imports(private):
    """(dll, function) of every static import objdump lists."""
    found, dll = [], None
    for line in private.splitlines():
        if line[:1].strip():  # a heading: the import tables are over
            dll = None
        elif line.strip().startswith('DLL Name:'):
            dll = line.split(':', 1)[1].strip()
        elif dll and re.match(r'^\s+[0-9a-f]+\s+\d+\s+\S+$', line):
            found.append((dll, line.split()[-1]))
    return found


def checks(path):
    name = os.path.basename(path)
    want = PROGRAMS[name]
    pe = Pe(path)
    private = objdump('-p', path)
    sections = re.findall(r'^\s*\d+\s+(\S+)', objdump('-h', path), re.M)
    imported = imports(private)
    manifest = pe.resources.get((RT_MANIFEST, 1), b'').decode('utf-8', 'replace')
    strings, fixed = version_strings(pe.resources[(RT_VERSION, 1)]) if (RT_VERSION, 1) in pe.resources else ({}, '')
    versions = tuple(header_field(private, f) for f in (
        'MajorOSystemVersion', 'MinorOSystemVersion', 'MajorSubsystemVersion', 'MinorSubsystemVersion'))
    newer = sorted(f for _, f in imported if f in NEWER_THAN_7) + sorted(
        {dll for dll, _ in imported if NEWER_DLLS.match(dll)})
    return [
        ('OS and subsystem version 6.1', versions == ('6', '1', '6', '1'), versions),
        ('subsystem ' + want['subsystem'], '(%s)' % want['subsystem'] in private,
         re.search(r'^Subsystem.*$', private, re.M).group(0)),
        ('no link time stamp', pe.timestamp == 0, pe.timestamp),
        ('no debug sections', not [s for s in sections if s.startswith('.debug')], sections),
        ('some static imports read', len(imported) > 20, len(imported)),
        ('nothing newer than Windows 7 imported', not newer, newer),
        ('manifest: ' + ', '.join(['supportedOS 7 to 11', 'asInvoker'] +
                                  (['DPI per monitor', 'common controls 6'] if want is PROGRAMS['velmora.exe'] else [])),
         all(w in manifest for w in want['manifest']), [w for w in want['manifest'] if w not in manifest]),
        ('version %s in the fixed record and the strings' % VERSION,
         fixed == VERSION == strings.get('FileVersion') == strings.get('ProductVersion'), (fixed, strings)),
        ('LegalCopyright "%s"' % COPYRIGHT, strings.get('LegalCopyright') == COPYRIGHT, strings.get('LegalCopyright')),
        ('CompanyName, ProductName, FileDescription, OriginalFilename, InternalName',
         (strings.get('CompanyName'), strings.get('ProductName'), strings.get('FileDescription'),
          strings.get('OriginalFilename'), strings.get('InternalName')) ==
         ('the Velmora authors', 'Velmora', want['description'], name, name[:-4]), strings),
        ('icon: 16-48 px at 4, 8, 24 and 32 bits, 256 px as PNG', group_icon(pe) == ICON_IMAGES,
         sorted(group_icon(pe) ^ ICON_IMAGES)),
    ]


failed = 0
results = [(os.path.basename(ico_path), 'the same images', ico_file(ico_path) == ICON_IMAGES,
            sorted(ico_file(ico_path) ^ ICON_IMAGES))]
for exe in exes:
    results += [(os.path.basename(exe), *check) for check in checks(exe)]
for file, what, ok, got in results:
    print('%-4s %-16s %s%s' % ('ok' if ok else 'FAIL', file, what, '' if ok else ': %r' % (got,)))
    failed += not ok
sys.exit(1 if failed else 0)

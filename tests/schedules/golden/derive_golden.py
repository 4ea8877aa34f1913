#!/usr/bin/python3
"""Writes the expected one-sheet schedules for the hand-filled tables of
tests/schedules/schedule_test.cpp, from the drawing rules alone and without
the program: every entity is spelled out here the way the writer's templates
give it. Run it only when those rules change, and read the diff it makes."""
import decimal
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
EMPTY = os.path.join(HERE, '..', '..', 'dxf', 'golden', 'empty.dxf')

STRUCTURES = [  # Branch ID, Str #, Str. Type, Station, Offset, Offset Loc., Top, Bottom, VDOT Std., Length, Shaping
    ('1', 'S1', 'End Wall', '1000', '12.50', 'Left', '100.25', '95.00', 'EW-1', '', ''),
    ('1', 'S2', 'Man Hole', '1150.5', '0.00', 'Right', '105.67', '100.12', 'MH-1', '4', 'IS-1'),
    ('1', 'S3', 'Inlet', '1300', '6.00', 'Rt', '108.40', '103.00', 'DI-3B', '8', 'IS-1'),
    ('2', 'S2', 'Man Hole', '1150.5', '0.00', 'Right', '105.67', '100.12', 'MH-1', '4', 'IS-1'),
    ('2', 'S4', 'Junction Box', '1150.5', '30.00', '', '109', '104.5', 'JB-1', '', 'IS-1'),
]
PIPES = [  # NodeOut, NodeIn, Elev. Out, Elev. In, Shape, Material, Dia / Rise, Span, # Of Pipes, Length, Skew, Height Of Cover
    ('S1', 'S2', '95.00', '100.12', 'Circular', 'Concrete', '18', '0', '1', '150.50', '0', '6.05'),
    ('S2', 'S3', '100.50', '103.00', 'Box', 'Concrete', '24', '36', '2', '149.50', '15', '3.1'),
    ('S2', 'S4', '100.80', '104.50', 'Elliptical', 'RCP', '19', '30', '1', '30.00', '0', '2.4'),
]


def f32(v):
    return struct.unpack('f', struct.pack('f', v))[0]


def num(v):
    text = '%.7g' % f32(v)
    return '0' if text == '-0' else text


def line(x1, y1, x2, y2):
    return ['LINE', '8', '0', ' 62', '0', ' 10', num(x1), ' 20', num(y1), ' 30', '0',
            ' 11', num(x2), ' 21', num(y2), ' 31', '0', '0']


def text(x, y, h, value):
    return ['TEXT', '8', '0', ' 10', num(x), ' 20', num(y), ' 30', '0', ' 40', num(h),
            '1', value, ' 50', '0', ' 41', '0.75', '0']


def rectangle(x1, y1, x2, y2):
    out = ['POLYLINE', '  8', '0', '66', '1', ' 10', '0', ' 20', '0', ' 30', '0', ' 70', '1', '0']
    for x, y in ((x1, y1), (x2, y1), (x2, y2), (x1, y2)):
        out += ['VERTEX', '8', '0', ' 10', num(x), ' 20', num(y), ' 30', '0', '  0']
    return out + ['SEQEND', '0']


TOP = 21.45


def frame(left, gap, heads, title):
    out = rectangle(left, 0, left + 14, TOP)
    for i in range(1, 33):
        out += line(left, 0.65 * i, left + 14, 0.65 * i)
    for i in range(1, 14):
        if i != gap:
            out += line(left + i, 0, left + i, TOP)
    for col, first, second, drop in heads:
        out += text(left + 0.05 + col, TOP - 0.35, 0.14, first)
        if second:
            out += text(left + 0.05 + col, TOP - 0.35 - drop, 0.14, second)
    return out + text(left + 5, TOP + 0.15, 0.14, title)


def two_decimals(v):
    d = decimal.Decimal('%.15g' % v).quantize(decimal.Decimal('0.01'), decimal.ROUND_HALF_UP)
    return float(d)


def structure_schedule():
    heads = [(0, 'SHEET NO.', '', 0), (1, 'STR NO.', '', 0), (2, 'STATION', '', 0),
             (3, 'OFFSET', '', 0), (4, 'STANDARD NO. / TYPE', '', 0),
             (6, 'T.C/T.G.', '/T.S (FT)', 0.15), (7, 'INV. IN', '(FT)', 0.17),
             (8, 'INV. OUT', '(FT)', 0.17), (9, 'VERTICAL', 'DEPTH (FT)', 0.17),
             (10, 'INLET', 'LENGTH(FT)', 0.17), (11, 'STR.', 'SHAPING', 0.17),
             (12, 'FRAME /', 'COVER', 0.17), (13, 'REMARKS', '', 0)]
    out = frame(100, 5, heads, 'STRUCTURE SCHEDULE')
    x = lambda col: 100 + 0.05 + col
    for k, row in enumerate(STRUCTURES, start=1):
        r = k
        branch, no, kind, station, offset, side, top, bottom, std, length, shaping = row
        y = TOP - 0.35 - 0.65 * k
        first = r == 1 or STRUCTURES[r - 2][0] != branch
        last = r == len(STRUCTURES) or STRUCTURES[r][0] != branch
        out += text(x(1), y, 0.14, no)
        if first:
            out += text(x(1), y - 0.19, 0.17, '/ BR-' + branch)
        out += text(x(2), y, 0.14, station)
        out += text(x(3), y, 0.14, offset + ('-' + side[0] + 't' if side else ''))
        out += text(x(4), y, 0.14, std + '/' + kind)
        out += text(x(6), y, 0.14, top)
        if not last:
            out += text(x(7), y, 0.14, PIPES[r - int(branch)][2])
        if r == 1:
            depth = f32(f32(float(top)) - f32(float(PIPES[0][2])))
        else:
            out += text(x(8), y, 0.14, bottom)
            depth = f32(f32(float(top)) - f32(float(bottom)))
        out += text(x(9), y, 0.14, num(two_decimals(depth)))
        out += text(x(10), y, 0.14, length)
        out += text(x(11), y, 0.14, shaping)
        if kind in ('Man Hole', 'Junction Box'):
            out += text(x(12), y, 0.12, 'MH-1FR.&C')
    return out


def pipe_schedule():
    heads = [(0, 'SHEET NO.', ''), (1, 'FROM STR.', ''), (2, 'TO STR.', ''),
             (3, 'PIPE SIZE', '(INCHES)'), (4, 'PIPE TYPE', ''), (5, 'MATERIAL', ''),
             (6, 'NO. OF', 'PIPES'), (7, 'INV. IN', '(FT)'), (8, 'INV. OUT', '(FT)'),
             (9, 'LENGTH', '(FT)'), (10, 'SKEW', '(DEGREES)'), (11, 'HEIGHT OF', 'COVER(FT)'),
             (12, 'REMARKS', '')]
    out = frame(100, 13, [(c, a, b, 0.17) for c, a, b in heads], 'PIPE SCHEDULE')
    x = lambda col: 100 + 0.05 + col
    for k, row in enumerate(PIPES, start=1):
        node_out, node_in, elev_out, elev_in, shape, material, rise, span, count, length, skew, cover = row
        y = TOP - 0.35 - 0.65 * k
        size = rise if shape == 'Circular' else span + 'X' + rise
        for col, value in ((1, node_in), (2, node_out), (3, size), (4, shape), (5, material),
                           (6, count), (7, elev_in), (8, elev_out), (9, length), (10, skew),
                           (11, cover)):
            out += text(x(col), y, 0.14, value)
    return out


def write(name, entities):
    with open(EMPTY) as f:
        empty = f.read().split('\n')[:-1]
    assert empty[-3:] == ['ENDSEC', '  0', 'EOF']
    with open(os.path.join(HERE, name), 'w') as f:
        f.write('\n'.join(empty[:-3] + entities + empty[-3:]) + '\n')


write('structure_schedule.dxf', structure_schedule())
write('pipe_schedule.dxf', pipe_schedule())

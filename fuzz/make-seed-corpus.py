#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus (fuzz/corpus/): the known chunks and texts of
the preset format and a few valid states in the other forms a reader accepts.
The files are committed; run this again only to change the seeds."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def extended(value):
    """The 80-bit x87 form of a double, built from its bits."""
    bits = struct.unpack('<Q', struct.pack('<d', value))[0]
    sign = 0x8000 if bits >> 63 else 0
    exponent = (bits >> 52) & 0x7FF
    fraction = bits & ((1 << 52) - 1)
    if exponent == 0x7FF:
        biased, significand = 0x7FFF, (1 << 63) | (fraction << 11)
    elif exponent:
        biased, significand = exponent - 1023 + 16383, (1 << 63) | (fraction << 11)
    elif fraction:
        shift = 64 - fraction.bit_length()
        biased, significand = 15372 - shift, fraction << shift
    else:
        biased, significand = 0, 0
    return bytes([0x05]) + struct.pack('<QH', significand, sign | biased)


def integer(value):
    if -128 <= value <= 127:
        return struct.pack('<Bb', 0x02, value)
    if -32768 <= value <= 32767:
        return struct.pack('<Bh', 0x03, value)
    return struct.pack('<Bi', 0x04, value)


def ansi(text):
    return bytes([0x06, len(text)]) + text if len(text) < 256 else struct.pack('<BI', 0x0C, len(text)) + text


def wide(text):
    units = text.encode('utf-16-le')
    return struct.pack('<BI', 0x12, len(units) // 2) + units


def utf8(text):
    data = text.encode('utf-8')
    return struct.pack('<BI', 0x14, len(data)) + data


DEFAULT_BANDS = [[1, 0, 127, 0, 127, 0, 0]] + [[0, 0, 127, 0, 127, 0, 0] for _ in range(4)]


def stream(name=wide(''), filter_value=integer(1), bands=DEFAULT_BANDS, value=extended,
           assignments=(), controllers=True):
    out = b'TPF0\x01' + ansi(b'1.00') + name + wide('') + wide('') + b'\x00'
    out += b'\x01\x01' + filter_value + b'\x00\x01'
    for band in bands:
        out += b'\x01' + b''.join(value(v) for v in band) + b'\x00'
    out += b'\x00\x00'
    if controllers is True:
        out += b'\x01' + b''.join(b'\x01' + ansi(n) + integer(cc) + b'\x00' for n, cc in assignments) + b'\x00'
    elif controllers is not None:
        out += controllers
    return out


def container(payload):
    return b'mmst' + struct.pack('<I', len(payload)) + payload


def bank(program):
    return struct.pack('<I', len(program)) + program


def write(name, data):
    with open(os.path.join(HERE, 'corpus', name), 'wb') as f:
        f.write(data)


def main():
    os.makedirs(os.path.join(HERE, 'corpus'), exist_ok=True)
    default = container(stream())
    assert len(default) == 440 and default[:24].hex() == '6d6d7374b0010000545046300106043'\
        '12e3030' + '1200000000'
    write('default-program', default)
    write('default-bank', bank(default))
    write('default-stream', stream())
    write('text-empty', bytes.fromhex('1200000000'))
    write('text-version', bytes.fromhex('060431 2E3030'.replace(' ', '')))
    write('text-utf8', bytes.fromhex('140500000042C3A46E64'))

    band3 = [row[:] for row in DEFAULT_BANDS]
    band3[2][0], band3[2][5] = 1, 37.5
    write('named-with-assignments', container(stream(
        name=ansi(b'Round Trip'), bands=band3,
        assignments=[(b'Band3 Velocity Scale', 7), (b'Filter Type', 300), (b'Band1 Active', 70000)])))
    write('utf8-name-double-filter', container(stream(
        name=utf8('B\u00e4nd'), filter_value=struct.pack('<Bd', 0x15, 0.0))))
    write('wide-name-other-number-forms', container(stream(
        name=wide('\u65e5\u672c\U0001F3B9'), filter_value=integer(0),
        value=lambda v: struct.pack('<Bq', 0x13, int(v)) if v == int(v) else struct.pack('<Bd', 0x15, v),
        bands=band3)))
    write('ansi-long-name-two-bands', container(stream(
        name=ansi(b'Soft \xe4' + b'x' * 300), bands=band3[:2], value=lambda v: integer(int(v)))))
    write('bare-controller-section', container(stream(controllers=b'\x00')))
    write('ends-after-body', container(stream(controllers=None)))


if __name__ == '__main__':
    main()

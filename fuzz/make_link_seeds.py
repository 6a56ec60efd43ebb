#!/usr/bin/env python3
"""Writes the seed inputs of the link's fuzz targets (the script language is
described in LinkScript.h) into fuzz/corpus/ymodem_receiver/ and
fuzz/corpus/ymodem_sender/. Run from the repository root."""
import os

GATE = 0xC0                  # the next step waits for our side to write
EOT, ACK, NAK, CAN, C, CANCAN, NULLHDR, FOREVER = (0x80 + i for i in range(8))


def pause(tenths):
    return [0xA0 + tenths]


def header(name, size):
    # Gated: our side drops whatever is on the line before it first asks.
    return [GATE, 0x40 + len(name)] + list(name) + list(size.to_bytes(5, 'little'))


def block(number, flags=0, seed=0):
    return [0x60 + seed, number, flags]


def write(target, name, options, steps):
    folder = os.path.join('fuzz', 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(bytes(options + steps))


def after_header(*steps):
    # The header's ACK comes first, then a purge, then the request: block 1
    # comes 200 ms after the ACK, once the request is out.
    return [GATE] + pause(2) + steps[0] + gated(*steps[1:])


def gated(*steps):
    out = []
    for s in steps:
        out += [GATE] + s
    return out


R = 'ymodem_receiver'
# options byte: retries-1 in bits 0-2, close at the end in bit 3, rate in bits 4-5
write(R, 'seed-whole-file', [0x07], header(b'image.bin', 300) +
      after_header(block(1), block(2, seed=1), block(3, seed=2), [EOT], [EOT], [NULLHDR]))
write(R, 'seed-one-kib-blocks', [0x17], header(b'big.bin', 2500) +
      after_header(block(1, 1), block(2, 1), block(3, 1), [EOT], [EOT], [NULLHDR]))
write(R, 'seed-damaged-then-repaired', [0x07], header(b'x.bin', 200) +
      after_header(block(1, 2), block(1), block(2, 4), block(2), [EOT], [EOT]))
write(R, 'seed-repeated-header', [0x03], header(b'x.bin', 1000) +
      header(b'x.bin', 1000) + header(b'x.bin', 1000) + header(b'x.bin', 1000))
write(R, 'seed-surplus-blocks', [0x03], header(b'x.bin', 100) +
      after_header(block(1), block(2), block(3), block(4), block(5)))
write(R, 'seed-header-forever', [0x07], header(b'x.bin', 1000) + [FOREVER])
write(R, 'seed-noise-forever', [0x07], header(b'x.bin', 1000) + [0x01, 7, 9, FOREVER])
write(R, 'seed-block-forever', [0x27], header(b'x.bin', 300) +
      after_header(block(1)) + gated(block(1)) + [FOREVER])
write(R, 'seed-four-gigabytes', [0x07], header(b'big.bin', 4 << 30))
write(R, 'seed-escape-name', [0x07], header(b'\x1b]0;t\x07\x1b[31m', 10))
write(R, 'seed-cancel', [0x0F], header(b'x.bin', 300) + after_header(block(1), [CANCAN]))
write(R, 'seed-silence', [0x07], header(b'x.bin', 300) + after_header(block(1)) + [0xE0 + 5])
write(R, 'seed-trickle', [0x37], header(b'x.bin', 300) + [GATE] +
      sum(([0x00, b] + pause(2) for b in [0x01, 0x01, 0xFE] + [7] * 20), []))

S = 'ymodem_sender'
# options byte as above, then the file's size (2 bytes, little-endian)
write(S, 'seed-whole-file', [0x07, 0x2C, 0x01],
      [C] + gated([ACK]) + [C] + gated([ACK], [ACK], [ACK], [NAK], [ACK]) + [C] +
      gated([ACK]))
write(S, 'seed-naks', [0x03, 0x00, 0x08],
      [C] + gated([ACK]) + [C] + gated([NAK], [NAK], [ACK], [NAK], [ACK]))
write(S, 'seed-cancel', [0x07, 0x00, 0x04], [C] + gated([ACK]) + [C] + gated([CANCAN]))
write(S, 'seed-silence', [0x0F, 0x00, 0x04], [C] + gated([ACK]))
write(S, 'seed-nak-forever', [0x07, 0x00, 0x04], [C] + gated([ACK]) + [C] + gated([NAK]) +
      [FOREVER])
write(S, 'seed-old-checksum', [0x07, 0x10, 0x00], [NAK, NAK, NAK])
write(S, 'seed-noise', [0x07, 0x80, 0x00], [0x03, 1, 2, 3, 4, C] + gated([0x01, 7, ACK]) + [C] +
      gated([ACK], [EOT], [ACK]))

#!/usr/bin/python3
"""Writes a mail settings document (emailinfo.xml) for a local demo or test.

The password is enciphered in the program's settings format:
  Base64( version 3 | flags | body ), flags 0x01 compressed payload,
  0x02 CRC-16 (ISO 3309) present, 0x04 SHA-1 present (0x02 wins);
  body = pad byte | check value | payload, each body byte XOR
  (previous enciphered byte + 1) XOR key part (index mod 7), where part i is
  the key cut to its low byte after i shifts by 8 bits (part 0 is zero).

Example:
  demo/make_emailinfo.py --product-id 1001 --host 127.0.0.1 --port 2525 \
      --connect-type 0 --sender demo@example.net --password secret \
      --receiver support@example.net -o /tmp/www/files/public/emailinfo.xml
"""

import argparse
import base64
import hashlib
import os
import struct
import sys
import zlib
from xml.sax.saxutils import escape

KEY = 7309


def crc16_iso3309(data: bytes) -> int:
    """CRC-16/X-25: reflected polynomial 0x1021, start 0xFFFF, final XOR 0xFFFF."""
    crc = 0xFFFF
    for byte in data:
        crc ^= byte
        for _ in range(8):
            crc = (crc >> 1) ^ 0x8408 if crc & 1 else crc >> 1
    return crc ^ 0xFFFF


def key_parts(key: int) -> bytes:
    """Part i: the key shifted right by 8 bits and cut to its low byte, i times over."""
    parts = [0] * 8
    for i in range(1, 8):
        value = key
        for _ in range(i):
            value = (value >> 8) & 0xFF
        parts[i] = value
    return bytes(parts)


def encipher(password: str, flags: int = 0x02, key: int = KEY, pad: int = None) -> str:
    payload = password.encode("utf-8")
    if flags & 0x01:
        payload = struct.pack(">I", len(payload)) + zlib.compress(payload)
    if flags & 0x02:
        check = struct.pack(">H", crc16_iso3309(payload))
    elif flags & 0x04:
        check = hashlib.sha1(payload).digest()
    else:
        check = b""
    body = bytes([os.urandom(1)[0] if pad is None else pad]) + check + payload
    parts = key_parts(key)
    out = bytearray([3, flags])
    previous = 0
    for i, plain in enumerate(body):
        cipher = plain ^ ((previous + 1) & 0xFF) ^ parts[i % 7]
        out.append(cipher)
        previous = cipher
    return base64.b64encode(bytes(out)).decode("ascii")


def document(args) -> str:
    values = [
        ("productPID", args.product_id),
        ("sendMailAccount", args.sender),
        ("sendMailPwd", encipher(args.password, args.flags)),
        ("receiveMailAccount", args.receiver),
        ("sendSever", args.host),
        ("sendSeverPort", str(args.port)),
        ("connectType", args.connect_type),
        ("crashReceiveMailAccount", args.crash_receiver or args.receiver),
    ]
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<emailinfo>", "  <product>"]
    for name, value in values:
        if value is None:
            continue
        lines.append("    <%s>%s</%s>" % (name, escape(value), name))
    lines += ["  </product>", "</emailinfo>", ""]
    return "\n".join(lines)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--product-id", required=True)
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=2525)
    parser.add_argument("--connect-type", default="0",
                        help="0 plain TCP, 1 TLS from the first byte, 2 STARTTLS; "
                             "an empty text means 1")
    parser.add_argument("--sender", required=True)
    parser.add_argument("--password", default="")
    parser.add_argument("--receiver", required=True)
    parser.add_argument("--crash-receiver", default=None)
    parser.add_argument("--flags", type=lambda v: int(v, 0), default=0x02,
                        help="cipher flags (default 0x02, checksum)")
    parser.add_argument("--encipher-only", action="store_true",
                        help="print only the enciphered password")
    parser.add_argument("-o", "--output", default="-")
    args = parser.parse_args()

    if args.encipher_only:
        print(encipher(args.password, args.flags))
        return 0
    text = document(args)
    if args.output == "-":
        sys.stdout.write(text)
    else:
        os.makedirs(os.path.dirname(os.path.abspath(args.output)), exist_ok=True)
        with open(args.output, "w", encoding="utf-8") as out:
            out.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())

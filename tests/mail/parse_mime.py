#!/usr/bin/python3
"""Parses .eml files with Python's email package and prints, per file, one
JSON object: the decoded From/To/Cc/Subject, the defects found, and every
leaf part with its content type, file name, disposition, decoded size and MD5."""

import email
import email.policy
import hashlib
import json
import sys


def describe(path):
    with open(path, "rb") as f:
        msg = email.message_from_binary_file(f, policy=email.policy.default)
    parts = []
    defects = [type(d).__name__ for d in msg.defects]
    for part in msg.walk():
        defects += [type(d).__name__ for d in part.defects]
        if part.is_multipart():
            continue
        payload = part.get_payload(decode=True) or b""
        parts.append({
            "type": part.get_content_type(),
            "charset": part.get_content_charset(),
            "filename": part.get_filename(),
            "disposition": part.get_content_disposition(),
            "size": len(payload),
            "md5": hashlib.md5(payload).hexdigest(),
            "text": payload.decode("utf-8", "replace") if part.get_content_maintype() == "text" else None,
        })

    def addresses(name):
        header = msg[name]
        if header is None:
            return None
        return [[a.display_name, a.addr_spec] for a in header.addresses]

    return {
        "from": addresses("From"),
        "to": addresses("To"),
        "cc": addresses("Cc"),
        "subject": str(msg["Subject"]) if msg["Subject"] is not None else None,
        "top": msg.get_content_type(),
        "defects": defects,
        "parts": parts,
    }


if __name__ == "__main__":
    print(json.dumps([describe(p) for p in sys.argv[1:]]))

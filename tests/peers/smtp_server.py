#!/usr/bin/python3
"""Local SMTP server for tests, built on aiosmtpd.

Prints "LISTENING <port>" as its first line once it accepts connections, then
one JSON line per message it accepted:
  {"mail_from": ..., "rcpt_tos": [...], "ehlo": ..., "login": ..., "path": ..., "size": ...}
"path" is the saved .eml file (the message data as received, after the
transparency dots are removed) or null without --save-dir; "login" is the user
name of a successful AUTH or null.

Modes: plain (no TLS), starttls (STARTTLS offered), tls (TLS from the first
byte). The TLS modes need --cert and --key (PEM files, e.g. self-signed).
With --user/--password, AUTH PLAIN and AUTH LOGIN are offered (also without
TLS), MAIL is refused until a client authenticated, and wrong credentials get
535.
"""

import argparse
import asyncio
import json
import logging
import os
import ssl
import sys
import warnings

from aiosmtpd.smtp import SMTP, AuthResult


def parse_args(argv):
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--mode", choices=("plain", "starttls", "tls"), default="plain")
    parser.add_argument("--host", default="127.0.0.1", help="address to bind (default 127.0.0.1)")
    parser.add_argument("--port", type=int, default=0, help="port to bind (default 0: any free port)")
    parser.add_argument("--cert", help="PEM certificate for starttls/tls")
    parser.add_argument("--key", help="PEM private key for starttls/tls")
    parser.add_argument("--user", help="require AUTH with this user name")
    parser.add_argument("--password", default="", help="password that goes with --user")
    parser.add_argument("--reject-rcpt", action="append", default=[], metavar="ADDRESS",
                        help="answer RCPT TO for this address with 550 (may be repeated)")
    parser.add_argument("--save-dir", help="save every accepted message as <n>.eml in this folder")
    parser.add_argument("--hostname", default="localhost", help="name in the greeting")
    parser.add_argument("--refuse-first", type=int, default=0, metavar="N",
                        help="greet the first N connections with 421 and close them")
    parser.add_argument("--hold-first", type=float, default=0, metavar="SECONDS",
                        help="keep the first message's 250 back this long (after saving it)")
    parser.add_argument("--size-limit", type=int, default=0, metavar="BYTES",
                        help="announce SIZE BYTES in the EHLO reply and refuse larger messages "
                             "(default 0: no limit)")
    parser.add_argument("--throttle", type=int, default=0, metavar="BYTES_PER_SECOND",
                        help="read from each client at most this fast (default 0: as fast as it comes)")
    parser.add_argument("--log-commands", action="store_true",
                        help='print {"command": "MAIL", "arg": ...} for every MAIL command')
    parser.add_argument("--line-limit", type=int, default=1001,
                        help="longest accepted line of commands and data, CR LF included "
                             "(default 1001, RFC 5321)")
    args = parser.parse_args(argv)
    if args.mode != "plain" and not (args.cert and args.key):
        parser.error("--cert and --key are needed for mode " + args.mode)
    return args


class Recorder:
    """aiosmtpd handler: applies the rejections and records accepted messages."""

    def __init__(self, args):
        self.args = args
        self.count = 0
        self.logins = {}

    def authenticate(self, server, session, envelope, mechanism, auth_data):
        login = auth_data.login.decode("utf-8", "replace")
        password = auth_data.password.decode("utf-8", "replace")
        ok = login == self.args.user and password == self.args.password
        if ok:
            self.logins[id(session)] = login
        return AuthResult(success=ok, handled=False)

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address in self.args.reject_rcpt:
            return "550 5.1.1 mailbox unavailable"
        envelope.rcpt_tos.append(address)
        envelope.rcpt_options.extend(rcpt_options)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        data = envelope.original_content
        path = None
        if self.args.save_dir:
            os.makedirs(self.args.save_dir, exist_ok=True)
            path = os.path.join(self.args.save_dir, "%d.eml" % self.count)
            with open(path, "wb") as f:
                f.write(data)
        record = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": list(envelope.rcpt_tos),
            "ehlo": session.host_name,
            "login": self.logins.get(id(session)),
            "path": path,
            "size": len(data),
        }
        print(json.dumps(record), flush=True)
        if self.count == 1 and self.args.hold_first:
            await asyncio.sleep(self.args.hold_first)
        return "250 OK message accepted"


def make_context(args):
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(args.cert, args.key)
    return context


async def main(argv):
    args = parse_args(argv)
    # AUTH without TLS is what the tests want: keep aiosmtpd quiet about it.
    warnings.simplefilter("ignore")
    logging.getLogger("mail.log").setLevel(logging.ERROR)
    loop = asyncio.get_running_loop()
    handler = Recorder(args)
    context = make_context(args) if args.mode != "plain" else None

    class Server(SMTP):
        line_length_limit = args.line_limit

        def data_received(self, data):
            if not args.throttle or self.transport is None:
                super().data_received(data)
                return
            # Each piece is taken in only after the time it takes at the
            # given rate; meanwhile nothing more is read.
            self.transport.pause_reading()
            loop.call_later(len(data) / args.throttle, self._take, data)

        def _take(self, data):
            if self.transport is None or self.transport.is_closing():
                return  # the client went away meanwhile
            super().data_received(data)
            self.transport.resume_reading()

        async def smtp_MAIL(self, arg):
            if args.log_commands:
                print(json.dumps({"command": "MAIL", "arg": arg}), flush=True)
            await super().smtp_MAIL(arg)

    class Refuse(asyncio.Protocol):
        def connection_made(self, transport):
            transport.write(b"421 4.3.2 try again later\r\n")
            transport.close()

    refused = [0]

    def factory():
        if refused[0] < args.refuse_first:
            refused[0] += 1
            return Refuse()
        kwargs = dict(
            hostname=args.hostname,
            data_size_limit=args.size_limit or None,
            auth_require_tls=False,
            auth_required=bool(args.user),
            tls_context=context if args.mode == "starttls" else None,
            loop=loop,
        )
        if args.user:
            kwargs["authenticator"] = handler.authenticate
        return Server(handler, **kwargs)

    server = await loop.create_server(factory, host=args.host, port=args.port,
                                      ssl=context if args.mode == "tls" else None)
    port = server.sockets[0].getsockname()[1]
    print("LISTENING %d" % port, flush=True)
    async with server:
        await server.serve_forever()


if __name__ == "__main__":
    try:
        asyncio.run(main(sys.argv[1:]))
    except KeyboardInterrupt:
        pass

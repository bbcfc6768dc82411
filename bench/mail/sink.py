#!/usr/bin/python3
"""A fast SMTP sink for the benchmark: accepts everything and discards the
data (it only counts it). Prints "LISTENING <port>" first, or with
--cert/--key "LISTENING <port> <tls port>": the first port then also offers
STARTTLS, the second speaks TLS from the first byte."""

import argparse
import asyncio
import ssl
import sys


class Sink(asyncio.Protocol):
    def __init__(self, context=None):
        self.context = context
        self.upgrading = False

    def connection_made(self, transport):
        self.transport = transport
        self.buffer = b""
        self.in_data = False
        self.tail = b""
        self.count = 0
        transport.write(b"220 sink ready\r\n")

    def data_received(self, data):
        if self.upgrading:
            # Decrypted before start_tls() has handed over the new transport.
            self.buffer += data
            return
        if self.in_data:
            self.receive_data(data)
            return
        self.buffer += data
        while not self.in_data and b"\n" in self.buffer:
            line, self.buffer = self.buffer.split(b"\n", 1)
            verb = line.strip().split(b" ", 1)[0].upper()
            if verb in (b"EHLO", b"HELO"):
                offer = b"250-STARTTLS\r\n" if self.context else b""
                self.transport.write(b"250-sink\r\n" + offer + b"250 8BITMIME\r\n")
            elif verb == b"STARTTLS" and self.context:
                # The client's handshake must wait for the TLS layer.
                self.transport.pause_reading()
                self.transport.write(b"220 go ahead\r\n")
                asyncio.ensure_future(self.start_tls())
                return
            elif verb == b"DATA":
                self.transport.write(b"354 go ahead\r\n")
                self.in_data = True
                self.tail = b"\r\n"
                self.count = 0
                rest, self.buffer = self.buffer, b""
                if rest:
                    self.receive_data(rest)
            elif verb == b"QUIT":
                self.transport.write(b"221 bye\r\n")
                self.transport.close()
                return
            else:
                self.transport.write(b"250 ok\r\n")

    async def start_tls(self):
        context, self.context = self.context, None
        self.upgrading = True
        self.transport = await asyncio.get_running_loop().start_tls(
            self.transport, self, context, server_side=True)
        self.upgrading = False
        self.data_received(b"")

    def receive_data(self, data):
        window = self.tail + data
        end = window.find(b"\r\n.\r\n")
        if end < 0:
            self.count += len(data)
            self.tail = window[-4:]
            return
        self.count += end - len(self.tail) + 2
        rest = window[end + 5:]
        self.in_data = False
        print("RECEIVED %d" % self.count, file=sys.stderr, flush=True)
        self.transport.write(b"250 ok\r\n")
        if rest:
            self.data_received(rest)


async def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cert")
    parser.add_argument("--key")
    args = parser.parse_args()
    loop = asyncio.get_running_loop()
    context = None
    if args.cert:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)
    servers = [await loop.create_server(lambda: Sink(context), "127.0.0.1", 0)]
    if context:
        servers.append(await loop.create_server(Sink, "127.0.0.1", 0, ssl=context))
    print("LISTENING " + " ".join(str(s.sockets[0].getsockname()[1]) for s in servers), flush=True)
    await asyncio.gather(*(s.serve_forever() for s in servers))


if __name__ == "__main__":
    try:
        asyncio.run(main())
    except KeyboardInterrupt:
        pass

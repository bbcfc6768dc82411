#!/usr/bin/python3
"""A fast SMTP sink for the benchmark: accepts everything and discards the
data (it only counts it). Prints "LISTENING <port>" first."""

import asyncio
import sys


class Sink(asyncio.Protocol):
    def connection_made(self, transport):
        self.transport = transport
        self.buffer = b""
        self.in_data = False
        self.tail = b""
        self.count = 0
        transport.write(b"220 sink ready\r\n")

    def data_received(self, data):
        if self.in_data:
            self.receive_data(data)
            return
        self.buffer += data
        while not self.in_data and b"\n" in self.buffer:
            line, self.buffer = self.buffer.split(b"\n", 1)
            verb = line.strip().split(b" ", 1)[0].upper()
            if verb in (b"EHLO", b"HELO"):
                self.transport.write(b"250-sink\r\n250 8BITMIME\r\n")
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
    loop = asyncio.get_running_loop()
    server = await loop.create_server(Sink, "127.0.0.1", 0)
    print("LISTENING %d" % server.sockets[0].getsockname()[1], flush=True)
    async with server:
        await server.serve_forever()


if __name__ == "__main__":
    try:
        asyncio.run(main())
    except KeyboardInterrupt:
        pass

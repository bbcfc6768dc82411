#pragma once

#include <cstdint>

// What a later copy of the program sends to the running one, the same on
// every system: a 32-bit big-endian byte count followed by the message in
// UTF-8; the receiver answers with a single acknowledgement byte once the
// message is complete. Plain C++, so the Windows pipe code shares it.
namespace InstanceWire {

constexpr char Acknowledgement = '\x06';
constexpr int HeaderBytes = 4;
// Largest message accepted; longer announcements drop the connection.
constexpr std::uint32_t MaxMessageBytes = 1024 * 1024;
// A client that connects and never finishes its message is dropped after this.
constexpr int IdleConnectionMs = 10000;

} // namespace InstanceWire

// An asynchronous TCP client connection, as a cluster link needs it: open to
// a host and port, events for connected, bytes received and disconnected,
// sends that never block and a room check before them.
//
// Threading: window thread only.  Every event is delivered from the event
// loop, never from inside a call on the connection, so an event handler may
// call Open, Close or Send freely.
//
// Failure: Open fails at once (a Status, no event) when the host is empty or
// the port is neither a number from 1 to 65535 nor a known service name.
// Every other failure (unknown host, refused, reset, closed by the peer)
// ends in exactly one OnDisconnected, preceded by OnError with the reason
// when there is one.  A connection attempt ends either in OnConnected or in
// OnDisconnected; an established connection ends in OnDisconnected.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace brilox {

enum class TcpState { kClosed, kOpening, kConnected, kClosing };

class TcpConnectionEvents {
 public:
  virtual ~TcpConnectionEvents() = default;
  virtual void OnConnected() = 0;
  // Bytes in arrival order, in chunks of any size from 1 byte on.
  virtual void OnBytesReceived(std::string_view bytes) = 0;
  // Reports why the connection failed or ended; OnDisconnected follows.
  virtual void OnError(const Status& reason) = 0;
  virtual void OnDisconnected() = 0;
};

class TcpConnection {
 public:
  virtual ~TcpConnection() = default;

  // The receiver of the events; must outlive the connection or be reset.
  virtual void SetEvents(TcpConnectionEvents* events) = 0;

  // Starts connecting.  `port` is a number or a service name ("telnet").
  // An attempt or connection still running is dropped without an event.
  virtual Status Open(const std::string& host, const std::string& port) = 0;
  // Ends the attempt or the connection; OnDisconnected follows.  Queued
  // output of an established connection is still written first.  Does
  // nothing when already closed.
  virtual void Close() = 0;

  virtual TcpState state() const = 0;

  // Bytes that Send accepts now without going over the output queue limit.
  virtual std::size_t OutputRoom() const = 0;
  // Queues all of `bytes` or nothing: kFull when they do not fit in
  // OutputRoom, kIo when the connection is not established.
  virtual Status Send(std::string_view bytes) = 0;

  // While paused no OnBytesReceived is delivered; the bytes wait in the
  // operating system, whose TCP window then slows the sender down.  Bytes
  // still waiting when the peer closes are delivered before OnDisconnected
  // even while paused.
  virtual void SetReceivePaused(bool paused) = 0;
};

class TcpConnectionFactory {
 public:
  virtual ~TcpConnectionFactory() = default;
  virtual std::unique_ptr<TcpConnection> CreateConnection() = 0;
};

// Output queue limits shared by the adapters: Send stops accepting when this
// many bytes wait, and OutputRoom reopens once the queue has drained to the
// resume mark, so that a slow peer is not fed a byte at a time.
inline constexpr std::size_t kTcpOutputQueueLimit = 3072;
inline constexpr std::size_t kTcpOutputResumeMark = 1024;

}  // namespace brilox

// brilox-console following a live node.  The connection is a plain blocking
// socket: the console has no event loop and nothing else to do while it
// waits.  What the node sends passes the same telnet layer as the program's
// links (options refused, commands stripped) before it reaches the pipeline;
// lines typed on standard input go to the node, so the operator can log in
// (or pipe the call in: `echo N0CALL | brilox-console --connect node:7300`).
// Main thread only.
#pragma once

#include <string>

#include "platform/result.h"
#include "spots/spot_pipeline.h"

namespace brilox {

// Connects to `host_port` ("host:port", the port a number or a service
// name) and feeds terminal `terminal` until the node closes the connection.
// The end of standard input does not end the session: a piped login is
// sent and the console keeps listening.
Status FollowNode(const std::string& host_port, int terminal, SpotPipeline& pipeline);

}  // namespace brilox

#pragma once

#include <windows.h>
#include <winsock2.h>

#include "win32/UniqueHandle.h"

namespace tal::test_support {

using UniqueSocket = win32::UniqueAny<SOCKET, &::closesocket, INVALID_SOCKET>;

// Winsock for this program while it lives.
class WinsockSession {
public:
    WinsockSession();
    ~WinsockSession();
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    bool started() const { return started_; }

private:
    bool started_ = false;
};

// 127.0.0.1:`port`.
sockaddr_in Loopback(u_short port);

// A port of 127.0.0.1 that was free a moment ago, so that a connection there is refused; 0 when
// none could be had. Needs a WinsockSession.
u_short ClosedLocalPort();

}  // namespace tal::test_support

#include "tests/support/LocalPort.h"

namespace tal::test_support {

WinsockSession::WinsockSession() {
    WSADATA data{};
    started_ = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

WinsockSession::~WinsockSession() {
    if (started_) {
        ::WSACleanup();
    }
}

sockaddr_in Loopback(u_short port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    address.sin_port = ::htons(port);
    return address;
}

u_short ClosedLocalPort() {
    const UniqueSocket probe(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address = Loopback(0);
    int length = sizeof address;
    if (!probe || ::bind(probe.get(), reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(probe.get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return 0;
    }
    return ::ntohs(address.sin_port);
}

}  // namespace tal::test_support

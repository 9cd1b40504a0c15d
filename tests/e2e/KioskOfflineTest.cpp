// The offline notice of a running TAL.exe: its start page on a local port where nothing listens,
// then a server that starts listening there.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "kiosk/ui/OfflineNoticeWindow.h"
#include "tests/support/Deadline.h"
#include "tests/support/KioskDriver.h"
#include "tests/support/LocalPort.h"
#include "tests/support/Screen.h"

namespace tal {
namespace {

using namespace std::chrono_literals;
using test_support::UniqueSocket;

// Whether `socket` has something to read within `timeout`.
bool Readable(SOCKET socket, std::chrono::milliseconds timeout) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(socket, &set);
    timeval wait{static_cast<long>(timeout.count() / 1000),
                 static_cast<long>(timeout.count() % 1000 * 1000)};
    return ::select(0, &set, nullptr, nullptr, &wait) == 1;
}

// Listens on 127.0.0.1:`port` and answers every request with a small page, on a thread of its own.
class LocalHttpServer {
public:
    explicit LocalHttpServer(u_short port)
        : listener_(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {
        const sockaddr_in address = test_support::Loopback(port);
        listening_ = listener_ &&
                     ::bind(listener_.get(), reinterpret_cast<const sockaddr*>(&address),
                            sizeof address) == 0 &&
                     ::listen(listener_.get(), SOMAXCONN) == 0;
        if (listening_) {
            thread_ = std::thread([this] { serve(); });
        }
    }
    ~LocalHttpServer() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool listening() const { return listening_; }
    int answered() const { return answered_; }

private:
    void serve() {
        while (!stop_) {
            if (!Readable(listener_.get(), 100ms)) {
                continue;
            }
            const UniqueSocket client(::accept(listener_.get(), nullptr, nullptr));
            std::string request;
            char buffer[1024];
            while (request.find("\r\n\r\n") == std::string::npos && Readable(client.get(), 5s)) {
                const int received = ::recv(client.get(), buffer, sizeof buffer, 0);
                if (received <= 0) {
                    break;
                }
                request.append(buffer, static_cast<std::size_t>(received));
            }
            if (request.find("\r\n\r\n") == std::string::npos) {
                continue;
            }
            const std::string page = "<html><body>ok</body></html>";
            const std::string response =
                "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                std::to_string(page.size()) + "\r\nConnection: close\r\n\r\n" + page;
            if (::send(client.get(), response.data(), static_cast<int>(response.size()), 0) > 0) {
                ++answered_;
            }
        }
    }

    UniqueSocket listener_;
    bool listening_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<int> answered_{0};
    std::thread thread_;
};

HWND OfflineNotice(HWND main) {
    HWND notice = ::FindWindowExW(main, nullptr, L"TAL.OfflineNotice", nullptr);
    return notice != nullptr && ::IsWindowVisible(notice) ? notice : nullptr;
}

TEST(KioskOfflineTest, AClosedPortShowsTheNoticeUntilAServerThereAnswersTheNextTry) {
    const test_support::WinsockSession winsock;
    ASSERT_TRUE(winsock.started());
    const u_short port = test_support::ClosedLocalPort();
    ASSERT_NE(port, 0);
    const std::string address = "http://127.0.0.1:" + std::to_string(port) + "/";
    const std::string settings = "[CONFIG]\r\nStartPage=" + address + "\r\n";
    test_support::KioskDriver kiosk(&settings);
    HWND main = kiosk.waitForMainWindow(20s);
    ASSERT_NE(main, nullptr);

    HWND notice = nullptr;
    ASSERT_TRUE(
        test_support::WaitFor([&] { return (notice = OfflineNotice(main)) != nullptr; }, 20s))
        << kiosk.log();
    EXPECT_EQ(test_support::WindowText(::GetDlgItem(notice, kiosk_ui::offlineMessageId)),
              "ただいまページを表示できません");
    // The first try is 5 s after the failure.
    const std::string countdown =
        test_support::WindowText(::GetDlgItem(notice, kiosk_ui::offlineCountdownId));
    bool counting = false;
    for (int seconds = 1; seconds <= 5; ++seconds) {
        counting = counting || countdown == "接続を確認しています。" + std::to_string(seconds) +
                                                " 秒後にもう一度表示します。";
    }
    EXPECT_TRUE(counting) << countdown;
    const std::string offline = "offline address=" + address + " status=0x800C0008\r\n";
    EXPECT_TRUE(
        test_support::WaitFor([&] { return kiosk.log().find(offline) != std::string::npos; }, 5s))
        << kiosk.log();
    RECT shown{};
    ::GetWindowRect(notice, &shown);
    test_support::SaveScreenshot("offline-notice", shown);

    const LocalHttpServer server(port);
    ASSERT_TRUE(server.listening());
    // The first try comes 5 s after the failure, the next 10 s after that.
    EXPECT_TRUE(test_support::WaitFor([&] { return OfflineNotice(main) == nullptr; }, 30s))
        << kiosk.log();
    EXPECT_GE(server.answered(), 1);
    EXPECT_TRUE(test_support::WaitFor(
        [&] { return kiosk.log().find(" online seconds=") != std::string::npos; }, 5s))
        << kiosk.log();
}

}  // namespace
}  // namespace tal

#pragma once
// A tiny HTTP server for end-to-end tests: 127.0.0.1 on a port the system picks, static bodies
// by path, and held responses that keep a page loading until the test lets them go. Each
// connection gets one response and is closed.

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace qx::e2e {

class PageServer {
public:
    // Listens at once; check IsListening.
    PageServer();
    // Lets held responses go and waits for every connection to end.
    ~PageServer();
    PageServer(const PageServer&) = delete;
    PageServer& operator=(const PageServer&) = delete;

    bool IsListening() const { return m_listenFd >= 0; }
    std::uint16_t Port() const { return m_port; }
    // "http://127.0.0.1:PORT" followed by path.
    std::string Url(std::string_view path) const;

    // Serves body at path (the part of the address before any '?'); extra header lines are
    // given without their line ends ("Set-Cookie: a=1").
    void AddPage(std::string path, std::string body, std::string contentType = "text/html; charset=utf-8",
                 std::vector<std::string> extraHeaders = {});
    // Like AddPage, but requests wait, with nothing sent, until ReleaseHeld.
    void AddHeldPage(std::string path, std::string body, std::string contentType = "text/html; charset=utf-8");
    // Sends every held response, and those asked for later at once.
    void ReleaseHeld();

    // How many requests for path have arrived.
    int Hits(std::string_view path) const;

private:
    struct Route {
        std::string body;
        std::string contentType;
        std::vector<std::string> headers;
        bool held = false;
    };

    void AcceptLoop();
    void Serve(int fd);
    bool ReadRequestHead(int fd, std::string& head);

    int m_listenFd = -1;
    int m_wakeFds[2] = {-1, -1};
    std::uint16_t m_port = 0;
    std::thread m_acceptThread;

    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    std::map<std::string, Route, std::less<>> m_routes;
    std::map<std::string, int, std::less<>> m_hits;
    std::vector<std::thread> m_connections;
    bool m_bReleased = false;
    bool m_bStopping = false;
};

}  // namespace qx::e2e

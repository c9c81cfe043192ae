#include "tests/e2e/support/PageServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qx::e2e {
namespace {

constexpr std::size_t kMaxHead = 64 * 1024;
constexpr int kReadTimeoutMs = 5000;

void WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t sent = send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) return;
        data.remove_prefix(static_cast<std::size_t>(sent));
    }
}

std::string Response(int status, const char* reason, const std::string& contentType,
                     const std::vector<std::string>& headers, const std::string& body) {
    std::string out = "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\n";
    out += "Content-Type: " + contentType + "\r\n";
    out += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    out += "Cache-Control: no-store\r\nConnection: close\r\n";
    for (const std::string& header : headers) out += header + "\r\n";
    out += "\r\n";
    return out + body;
}

}  // namespace

PageServer::PageServer() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 64) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0 || pipe2(m_wakeFds, O_CLOEXEC) != 0) {
        close(fd);
        return;
    }
    m_listenFd = fd;
    m_port = ntohs(address.sin_port);
    m_acceptThread = std::thread([this] { AcceptLoop(); });
}

PageServer::~PageServer() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_bStopping = true;
    }
    m_released.notify_all();
    if (m_wakeFds[1] >= 0 && write(m_wakeFds[1], "x", 1) < 0) {
        // The accept loop also ends when the pipe breaks below.
    }
    if (m_acceptThread.joinable()) m_acceptThread.join();
    // The accept thread has ended, so nothing adds connections any more.
    for (std::thread& connection : m_connections) connection.join();
    for (const int fd : {m_listenFd, m_wakeFds[0], m_wakeFds[1]}) {
        if (fd >= 0) close(fd);
    }
}

std::string PageServer::Url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + std::string(path);
}

void PageServer::AddPage(std::string path, std::string body, std::string contentType,
                         std::vector<std::string> extraHeaders) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_routes[std::move(path)] = Route{std::move(body), std::move(contentType), std::move(extraHeaders), false};
}

void PageServer::AddHeldPage(std::string path, std::string body, std::string contentType) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_routes[std::move(path)] = Route{std::move(body), std::move(contentType), {}, true};
}

void PageServer::ReleaseHeld() {
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_bReleased = true;
    }
    m_released.notify_all();
}

int PageServer::Hits(std::string_view path) const {
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_hits.find(path);
    return it == m_hits.end() ? 0 : it->second;
}

void PageServer::AcceptLoop() {
    pollfd watched[2] = {{m_listenFd, POLLIN, 0}, {m_wakeFds[0], POLLIN, 0}};
    for (;;) {
        if (poll(watched, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (watched[1].revents) return;
        if (!(watched[0].revents & POLLIN)) continue;
        const int fd = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_connections.emplace_back([this, fd] { Serve(fd); });
    }
}

bool PageServer::ReadRequestHead(int fd, std::string& head) {
    pollfd waiting{fd, POLLIN, 0};
    while (head.find("\r\n\r\n") == std::string::npos) {
        if (head.size() > kMaxHead || poll(&waiting, 1, kReadTimeoutMs) <= 0) return false;
        char buffer[4096];
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0) return false;
        head.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

void PageServer::Serve(int fd) {
    std::string head;
    if (ReadRequestHead(fd, head)) {
        // "GET /path?query HTTP/1.1": the route is the path without its query.
        const std::size_t start = head.find(' ');
        const std::size_t end = start == std::string::npos ? std::string::npos : head.find(' ', start + 1);
        std::string path = start == std::string::npos ? "" : head.substr(start + 1, end - start - 1);
        path = path.substr(0, path.find('?'));

        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_hits[path];
        const auto it = m_routes.find(path);
        if (it == m_routes.end()) {
            lock.unlock();
            WriteAll(fd, Response(404, "Not Found", "text/plain", {}, "not found\n"));
        } else {
            const Route route = it->second;
            if (route.held) m_released.wait(lock, [this] { return m_bReleased || m_bStopping; });
            const bool stopping = m_bStopping;
            lock.unlock();
            if (!stopping) WriteAll(fd, Response(200, "OK", route.contentType, route.headers, route.body));
        }
    }
    shutdown(fd, SHUT_RDWR);
    close(fd);
}

}  // namespace qx::e2e

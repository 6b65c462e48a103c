#include "tests/hostile/FastServer.h"

#include <QMutexLocker>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kPollMs = 50;

// Waits until `socket` is ready for `events` or the server stops.
bool waitFor(int socket, short events, const std::atomic<bool>& stop) {
    while (!stop.load()) {
        pollfd p{socket, events, 0};
        const int n = ::poll(&p, 1, kPollMs);
        if (n > 0)
            return (p.revents & (POLLERR | POLLNVAL)) == 0 || (p.revents & events);
        if (n < 0 && errno != EINTR)
            return false;
    }
    return false;
}

} // namespace

FastServer::FastServer() {
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        ::listen(m_listener, 8) == 0 &&
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

FastServer::~FastServer() {
    m_stop = true;
    m_thread.join();
    ::close(m_listener);
}

void FastServer::setAnswer(const QByteArray& path, const Answer& answer) {
    QMutexLocker lock(&m_mutex);
    m_answers[path] = answer;
}

QString FastServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
}

void FastServer::serve() {
    while (waitFor(m_listener, POLLIN, m_stop)) {
        const int socket = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (socket < 0)
            continue;
        answer(socket);
        ::close(socket);
    }
}

bool FastServer::sendAll(int socket, const QByteArray& data) {
    for (qsizetype done = 0; done < data.size();) {
        if (!waitFor(socket, POLLOUT, m_stop))
            return false;
        const ssize_t n = ::send(socket, data.constData() + done, size_t(data.size() - done),
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (n <= 0)
            return false; // the client has gone
        done += n;
        m_sent += n;
    }
    return true;
}

void FastServer::answer(int socket) {
    QByteArray request;
    char buffer[4096];
    while (!request.contains("\r\n\r\n")) {
        if (!waitFor(socket, POLLIN, m_stop))
            return;
        const ssize_t n = ::recv(socket, buffer, sizeof buffer, 0);
        if (n <= 0)
            return;
        request.append(buffer, n);
    }
    const QList<QByteArray> words = request.left(request.indexOf('\r')).split(' ');
    Answer a;
    {
        QMutexLocker lock(&m_mutex);
        const QByteArray target = words.value(1);
        a = m_answers.value(target.contains('?') ? target.left(target.indexOf('?')) : target,
                            {"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n", {}, {}, 0, false});
    }
    const auto piece = [&a](const QByteArray& data) {
        return a.chunked ? QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n" : data;
    };
    if (!sendAll(socket, a.head + "\r\n"))
        return;
    if (!a.body.isEmpty() && !sendAll(socket, piece(a.body)))
        return;
    const QByteArray filler = piece(a.filler);
    for (qint64 i = 0; a.repeats < 0 || i < a.repeats; ++i) {
        if (!sendAll(socket, filler))
            return;
    }
    if (a.chunked)
        sendAll(socket, "0\r\n\r\n");
    ::shutdown(socket, SHUT_WR);
    // Let the client read to the end before the socket goes.
    while (waitFor(socket, POLLIN, m_stop) && ::recv(socket, buffer, sizeof buffer, 0) > 0) {
    }
}

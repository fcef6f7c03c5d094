// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The single-copy guard: flock on a lock file named after the folder's device
// and inode, in $XDG_RUNTIME_DIR (or /tmp with the user's id in the name);
// raise requests over AF_UNIX.
#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "platform/MainThread.h"

namespace {

constexpr char kRequest = 'R';
constexpr char kAnswer = 'K';

// The folder as it really is; a folder that cannot be looked at (not made
// yet) by its full path with links resolved.
std::string FolderKey(const std::filesystem::path& folder)
{
    struct stat info {};
    // Formatted in one go: GCC 12 at -O3 warns falsely (-Wrestrict) about
    // strings joined with +.
    char key[64];
    if (::stat(folder.c_str(), &info) == 0) {
        std::snprintf(key, sizeof key, "%llx-%llx", static_cast<unsigned long long>(info.st_dev),
                      static_cast<unsigned long long>(info.st_ino));
        return key;
    }
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::weakly_canonical(std::filesystem::absolute(folder, ec), ec);
    std::snprintf(key, sizeof key, "p%llx",
                  static_cast<unsigned long long>(std::hash<std::string>{}(real.string())));
    return key;
}

bool SocketAddress(const std::filesystem::path& path, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string p = path.string();
    if (p.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, p.c_str(), p.size() + 1);
    return true;
}

// One byte with a deadline; false on timeout, error or a closed peer.
bool ReadByte(int fd, char& c, int timeoutMs)
{
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0)
        return false;
    return ::read(fd, &c, 1) == 1;
}

}  // namespace

SingleInstance::SingleInstance(const std::string& product, const std::filesystem::path& folder)
    : handler_(std::make_shared<std::function<void()>>())
{
    // The user's runtime folder is private and emptied at logout; /tmp is
    // shared, so there the user's id is part of the name.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code ec;
    const bool userOnly = runtime != nullptr && *runtime == '/' && std::filesystem::is_directory(runtime, ec);
    const std::filesystem::path dir = userOnly ? std::filesystem::path(runtime) : std::filesystem::path("/tmp");
    const std::string base =
        product + "-" + (userOnly ? std::string() : std::to_string(::getuid()) + "-") + FolderKey(folder);
    lockPath_ = dir / (base + ".lock");
    socketPath_ = dir / (base + ".sock");
}

SingleInstance::~SingleInstance()
{
    StopListening();
    if (lockFd_ >= 0) {
        // Removed while the lock is still held: a newcomer that opened the
        // old file finds it gone from its path and takes a new one.
        ::unlink(socketPath_.c_str());
        ::unlink(lockPath_.c_str());
        ::close(lockFd_);
    }
}

bool SingleInstance::Acquire()
{
    if (lockFd_ >= 0)
        return first_;
    for (int attempt = 0;; ++attempt) {
        lockFd_ = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (lockFd_ < 0 || attempt == 100) {
            // Better to run twice than not at all.
            if (lockFd_ >= 0)
                ::close(lockFd_);
            lockFd_ = -1;
            first_ = true;
            return true;
        }
        if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
            ::close(lockFd_);
            lockFd_ = -1;
            first_ = false;
            return false;
        }
        // The lock holds only while its file is still the one at the path:
        // a first copy that ended meanwhile removed it.
        struct stat held {}, named {};
        if (::fstat(lockFd_, &held) == 0 && ::stat(lockPath_.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino)
            break;
        ::close(lockFd_);
        lockFd_ = -1;
    }
    first_ = true;
    // Holding the lock, any socket file left here belongs to a copy that is gone.
    ::unlink(socketPath_.c_str());
    sockaddr_un address;
    if (!SocketAddress(socketPath_, address))
        return true;
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0)
        return true;
    if (::bind(listenFd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenFd_, 4) != 0 || ::pipe2(wakeFds_, O_CLOEXEC) != 0) {
        ::close(listenFd_);
        listenFd_ = -1;
        return true;
    }
    listener_ = std::thread([this] { Listen(); });
    return true;
}

bool SingleInstance::AskFirstToRaise(int timeoutMs) const
{
    sockaddr_un address;
    if (!SocketAddress(socketPath_, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool answered = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::send(fd, &kRequest, 1, MSG_NOSIGNAL) == 1) {
        char c = 0;
        answered = ReadByte(fd, c, timeoutMs) && c == kAnswer;
    }
    ::close(fd);
    return answered;
}

void SingleInstance::SetOnRaiseRequest(std::function<void()> handler)
{
    *handler_ = std::move(handler);
}

void SingleInstance::Listen()
{
    const std::weak_ptr<std::function<void()>> handler = handler_;
    for (;;) {
        pollfd p[2] = {{listenFd_, POLLIN, 0}, {wakeFds_[0], POLLIN, 0}};
        if (::poll(p, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;  // a broken socket: a second copy will then see no answer
        }
        if (p[1].revents != 0)
            return;
        if ((p[0].revents & POLLIN) == 0)
            continue;
        const int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        char c = 0;
        // A peer that connects and says nothing must not block the next one for long.
        if (ReadByte(client, c, 1000) && c == kRequest) {
            PostToMainThread([handler] {
                if (auto h = handler.lock(); h && *h)
                    (*h)();
            });
            // A peer that gave up must not end this process with SIGPIPE.
            [[maybe_unused]] const ssize_t n = ::send(client, &kAnswer, 1, MSG_NOSIGNAL);
        }
        ::close(client);
    }
}

void SingleInstance::StopListening()
{
    if (listener_.joinable()) {
        const char c = 0;
        [[maybe_unused]] const ssize_t n = ::write(wakeFds_[1], &c, 1);
        listener_.join();
    }
    for (int* fd : {&listenFd_, &wakeFds_[0], &wakeFds_[1]}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

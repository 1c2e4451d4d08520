#pragma once

// A full disk for tests of what is saved: a small file system of the test's own (a tmpfs in a
// mount namespace of a child process, so nothing outside the child sees it), filled up after
// the test put its old files there.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace testing_support {

// What the child tells when the file system could not be made here (no namespaces allowed).
inline constexpr int kNoFullDisk = 77;

namespace detail {

inline bool writeProcFile(const char* path, const std::string& text) {
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
    ::close(fd);
    return ok;
}

// A mount namespace of this process, as root or else inside a user namespace of its own.
inline bool ownMountNamespace() {
    if (::unshare(CLONE_NEWNS) == 0)
        return true;
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return false;
    writeProcFile("/proc/self/setgroups", "deny");
    return writeProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") &&
           writeProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
}

// Fills the file system under the folder until nothing more fits.
inline void fill(const QString& folder) {
    QFile filler(QDir(folder).filePath(QStringLiteral(".enchimento")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    const QByteArray byte(1, 'f');
    while (filler.write(byte) == 1) {
    }
}

} // namespace detail

// Runs body in a child process that sees `folder` as an empty file system of `bytes` bytes:
// prepare() writes the files the test starts with, the rest is then filled, and body() runs
// with the disk full. Returns body's result (the child's exit code), or kNoFullDisk when such
// a file system cannot be made on this machine.
inline int onFullDisk(const QString& folder, qint64 bytes, const std::function<void()>& prepare,
                      const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        const QByteArray where = QFile::encodeName(folder);
        const std::string options = "size=" + std::to_string(bytes);
        if (!detail::ownMountNamespace() ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("cheio", where.constData(), "tmpfs", 0, options.c_str()) != 0)
            ::_exit(kNoFullDisk);
        prepare();
        detail::fill(folder);
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace testing_support

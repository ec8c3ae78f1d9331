#pragma once

#include <unistd.h>

#include <utility>

// Owns an open file descriptor and closes it once.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    // Closing reports write-back errors, so a writer must check it.
    bool Close() { return !IsOpen() || ::close(std::exchange(m_fd, -1)) == 0; }

  private:
    int m_fd;
};

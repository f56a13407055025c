#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <thread>

namespace amsaview::testing {

// Holds a FIFO open for reading and drains it on a thread, so that the code
// under test neither waits for a reader in its open nor on a full pipe in its
// writes. Only for FIFOs a test made itself.
class FifoReader {
  public:
    explicit FifoReader(const QString& fifo)
        : fd_(open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
        if (fd_ >= 0) {
            thread_ = std::thread([this] { drain(); });
        }
    }
    FifoReader(const FifoReader&) = delete;
    FifoReader& operator=(const FifoReader&) = delete;
    ~FifoReader() {
        finish();
        if (fd_ >= 0) {
            close(fd_);
        }
    }

    bool isOpen() const { return fd_ >= 0; }

    // Once the writer is done: every byte it wrote.
    QByteArray finish() {
        writerDone_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        return received_;
    }

  private:
    void drain() {
        while (true) {
            char block[1 << 16];
            // The flag before the read: an empty read once the writer was
            // done means its last byte is in.
            const bool last = writerDone_;
            const ssize_t count = read(fd_, block, sizeof block);
            if (count > 0) {
                received_.append(block, count);
            } else if (count == 0 && last) {
                return;  // no writer left, and none will come
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        }
    }

    int fd_;
    std::atomic<bool> writerDone_{false};
    QByteArray received_;
    std::thread thread_;
};

}  // namespace amsaview::testing

// A device that reads like a buffer up to a given number of bytes and fails from then on, as a
// disk with a bad sector or a drive taken out in the middle does.
#pragma once

#include <QIODevice>

#include <algorithm>

namespace verimoda::test {

class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray data, qint64 failAfter) : data_(std::move(data)), left_(failAfter) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char* to, qint64 max) override {
        if (left_ <= 0)
            return -1;
        const qint64 n = std::min({max, left_, qint64(data_.size()) - read_});
        std::copy_n(data_.constData() + read_, n, to);
        read_ += n;
        left_ -= n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 left_;
    qint64 read_ = 0;
};

} // namespace verimoda::test

#include "PpdevDevice.h"

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace veldrix::portio {

namespace {

class LinuxPpdevDevice final : public PpdevDevice {
public:
    explicit LinuxPpdevDevice(int fd) noexcept : fd_(fd) {}
    ~LinuxPpdevDevice() override {
        ioctl(fd_, PPRELEASE);
        close(fd_);
    }
    LinuxPpdevDevice(const LinuxPpdevDevice&) = delete;
    LinuxPpdevDevice& operator=(const LinuxPpdevDevice&) = delete;

    void writeData(std::uint8_t value) override { ioctl(fd_, PPWDATA, &value); }
    std::uint8_t readData() override { return readRegister(PPRDATA); }
    std::uint8_t readStatus() override { return readRegister(PPRSTATUS); }
    void writeControl(std::uint8_t lines) override { ioctl(fd_, PPWCONTROL, &lines); }
    std::uint8_t readControl() override { return readRegister(PPRCONTROL); }
    void setDataInput(bool input) override {
        int reverse = input ? 1 : 0;
        ioctl(fd_, PPDATADIR, &reverse);
    }

private:
    std::uint8_t readRegister(unsigned long request) {
        std::uint8_t value = 0xFF;  // a failed read looks like a floating bus
        ioctl(fd_, request, &value);
        return value;
    }

    int fd_;
};

}  // namespace

std::unique_ptr<PpdevDevice> openPpdevDevice(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    if (ioctl(fd, PPCLAIM) != 0) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<LinuxPpdevDevice>(fd);
}

}  // namespace veldrix::portio

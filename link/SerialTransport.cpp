#include "link/SerialTransport.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

struct BaudEntry {
    std::uint32_t rate;
    speed_t code;
};

constexpr BaudEntry kBauds[] = {
    {1200, B1200},       {2400, B2400},       {4800, B4800},       {9600, B9600},
    {19200, B19200},     {38400, B38400},     {57600, B57600},     {115200, B115200},
    {230400, B230400},   {460800, B460800},   {500000, B500000},   {576000, B576000},
    {921600, B921600},   {1000000, B1000000}, {1500000, B1500000}, {2000000, B2000000},
    {3000000, B3000000}, {4000000, B4000000},
};

bool SpeedCode(std::uint32_t baud, speed_t& code) {
    for (const BaudEntry& e : kBauds) {
        if (e.rate == baud) {
            code = e.code;
            return true;
        }
    }
    return false;
}

} // namespace

bool IsSupportedBaud(std::uint32_t baud) {
    speed_t code;
    return SpeedCode(baud, code);
}

std::unique_ptr<CSerialTransport> CSerialTransport::Open(const std::string& device,
                                                         std::uint32_t baud, std::string& error) {
    Phrase said;
    return InEnglish(Open(device, baud, said), said, error);
}

std::unique_ptr<CSerialTransport> CSerialTransport::Open(const std::string& device,
                                                         std::uint32_t baud, Phrase& error) {
    speed_t speed = B0;
    if (!SpeedCode(baud, speed)) {
        error = phrase::Text(
            VELMAR_TRANSLATE_NOOP("Velmar", "%1 baud is not a rate a serial port can be set to"),
            {phrase::Number(baud)});
        return nullptr;
    }
    // Non-blocking, so a port that waits for carrier does not hang the open.
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = SystemFailure(VELMAR_TRANSLATE_NOOP("Velmar", "cannot open %1: %2"), device);
        return nullptr;
    }
    auto port = std::make_unique<CSerialTransport>(fd);
    termios tty{};
    if (::tcgetattr(fd, &tty) != 0) {
        error =
            SystemFailure(VELMAR_TRANSLATE_NOOP("Velmar", "%1 is not a serial port: %2"), device);
        return nullptr;
    }
    ::cfmakeraw(&tty);
    tty.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tty.c_cflag |= CS8 | CLOCAL | CREAD;
    tty.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    // With O_NONBLOCK, VMIN 1 makes an empty read EAGAIN; VMIN 0 would make
    // it 0, which could not be told from a hang-up.
    tty.c_cc[VMIN] = 1;
    tty.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tty, speed) != 0 || ::cfsetospeed(&tty, speed) != 0 ||
        ::tcsetattr(fd, TCSANOW, &tty) != 0) {
        error = SystemFailure(VELMAR_TRANSLATE_NOOP("Velmar", "cannot set up %1: %2"), device);
        return nullptr;
    }
    // Nobody else writes into our transfer. What already waits in the input
    // is kept: a receiver that is asking for a file has sent its 'C' already.
    ::ioctl(fd, TIOCEXCL);
    return port;
}

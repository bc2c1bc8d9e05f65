#pragma once
#include <QString>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace tidepost::bench {

// The master side of a pseudo-terminal whose slave the program opens as its serial port; the
// slave is held open here too, so the line stays up across the program's reopens.
struct Pty {
    int Master = -1;
    int Slave = -1;
    QString SlavePath;
    Pty() {
        char name[256] = {};
        if (::openpty(&Master, &Slave, name, nullptr, nullptr) != 0) return;
        termios raw{};
        ::tcgetattr(Slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(Slave, TCSANOW, &raw);
        SlavePath = QString::fromLocal8Bit(name);
    }
    ~Pty() {
        if (Master >= 0) ::close(Master);
        if (Slave >= 0) ::close(Slave);
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
};

}  // namespace tidepost::bench

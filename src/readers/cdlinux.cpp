// SPDX-License-Identifier: MIT
// The drive through the kernel's CD-ROM interface: the drive's status and
// the table of contents by the ioctls of <linux/cdrom.h>, the CD-TEXT by an
// MMC READ TOC command through SG_IO (the kernel lets a drive opened for
// reading take that command).
#include "readers/cddrive.h"

#include <QFile>
#include <QRegularExpression>

#include <fcntl.h>
#include <linux/cdrom.h>
#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace tavelo {
namespace {

constexpr int kDrives = 16;
// How long the drive may take over the CD-TEXT command.
constexpr unsigned kCommandMilliseconds = 5000;
constexpr unsigned char kReadToc = 0x43;
constexpr unsigned char kCdTextFormat = 0x05;

void appendBe32(QByteArray &bytes, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((v >> shift) & 0xFF));
}

class KernelDrive final : public CdDrive {
public:
    // A drive open on `fd`, or with fd -1 none: `closed` says why.
    KernelDrive(int fd, DriveStatus closed) : fd_(fd), closed_(closed) {}
    ~KernelDrive() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    KernelDrive(const KernelDrive &) = delete;
    KernelDrive &operator=(const KernelDrive &) = delete;

    DriveStatus status() override
    {
        if (fd_ < 0)
            return closed_;
        const int status = ::ioctl(fd_, CDROM_DRIVE_STATUS, CDSL_CURRENT);
        switch (status) {
        case CDS_NO_DISC: return DriveStatus::NoDisc;
        case CDS_TRAY_OPEN: return DriveStatus::TrayOpen;
        case CDS_DRIVE_NOT_READY: return DriveStatus::NotReady;
        case CDS_DISC_OK:
        case CDS_NO_INFO: return DriveStatus::Ready;  // no status: the table will tell
        default: break;
        }
        if (status < 0 && errno == ENOSYS)
            return DriveStatus::Ready;
        // A device that knows no CD-ROM ioctls is no CD drive.
        if (status < 0 && (errno == ENOTTY || errno == EINVAL))
            return DriveStatus::Missing;
        return DriveStatus::NotReady;
    }

    std::optional<CdToc> toc() override
    {
        if (fd_ < 0)
            return std::nullopt;
        cdrom_tochdr header{};
        if (::ioctl(fd_, CDROMREADTOCHDR, &header) != 0)
            return std::nullopt;
        const int first = header.cdth_trk0;
        const int last = header.cdth_trk1;
        if (first < 1 || last > 99 || first > last)
            return std::nullopt;
        CdToc toc;
        const int entries = last - first + 2;
        toc.table.append(char(((2 + 8 * entries) >> 8) & 0xFF));
        toc.table.append(char((2 + 8 * entries) & 0xFF));
        toc.table.append(char(first));
        toc.table.append(char(last));
        for (int i = 0; i < entries; ++i) {
            cdrom_tocentry entry{};
            entry.cdte_track = static_cast<__u8>(i == entries - 1 ? CDROM_LEADOUT : first + i);
            entry.cdte_format = CDROM_LBA;
            if (::ioctl(fd_, CDROMREADTOCENTRY, &entry) != 0)
                return std::nullopt;
            toc.table.append('\0');
            toc.table.append(char((entry.cdte_adr << 4) | (entry.cdte_ctrl & 0x0F)));
            toc.table.append(char(entry.cdte_track));
            toc.table.append('\0');
            appendBe32(toc.table, entry.cdte_addr.lba);
        }
        cdrom_multisession session{};
        session.addr_format = CDROM_LBA;
        if (::ioctl(fd_, CDROMMULTISESSION, &session) == 0)
            toc.lastSession = session.xa_flag ? session.addr.lba : 0;
        return toc;
    }

    QByteArray cdText() override
    {
        const QByteArray header = readCdText(4);
        if (header.size() < 4)
            return {};
        const int length =
            (static_cast<unsigned char>(header[0]) << 8 | static_cast<unsigned char>(header[1])) +
            2;
        if (length <= 4)
            return {};
        return readCdText(std::min(length, 0xFFFF));
    }

private:
    // The first `length` bytes of the drive's answer to READ TOC in its
    // CD-TEXT format; empty when it has none or gives an error.
    QByteArray readCdText(int length) const
    {
        if (fd_ < 0)
            return {};
        QByteArray buffer(length, '\0');
        std::array<unsigned char, 10> command{kReadToc,
                                              0,
                                              kCdTextFormat,
                                              0,
                                              0,
                                              0,
                                              0,
                                              static_cast<unsigned char>(length >> 8),
                                              static_cast<unsigned char>(length & 0xFF),
                                              0};
        std::array<unsigned char, 32> sense{};
        sg_io_hdr_t io{};
        io.interface_id = 'S';
        io.dxfer_direction = SG_DXFER_FROM_DEV;
        io.cmd_len = static_cast<unsigned char>(command.size());
        io.cmdp = command.data();
        io.mx_sb_len = static_cast<unsigned char>(sense.size());
        io.sbp = sense.data();
        io.dxfer_len = static_cast<unsigned>(length);
        io.dxferp = buffer.data();
        io.timeout = kCommandMilliseconds;
        if (::ioctl(fd_, SG_IO, &io) != 0 || (io.info & SG_INFO_OK_MASK) != SG_INFO_OK)
            return {};
        buffer.truncate(std::clamp(length - io.resid, 0, length));
        return buffer;
    }

    int fd_;
    DriveStatus closed_;
};

// The drive of /dev/<name>; only block devices are opened.
std::unique_ptr<KernelDrive> openDevice(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_-]{1,32}$"));
    if (!plain.match(name).hasMatch())
        return std::make_unique<KernelDrive>(-1, DriveStatus::Missing);
    const QByteArray path = QFile::encodeName(QStringLiteral("/dev/") + name);
    struct stat info {};
    if (::stat(path.constData(), &info) != 0 || !S_ISBLK(info.st_mode))
        return std::make_unique<KernelDrive>(-1, DriveStatus::Missing);
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // A drive that another program holds, or one the user may not open.
        const int error = errno;
        const DriveStatus status = error == EACCES || error == EPERM   ? DriveStatus::Forbidden
                                   : error == EBUSY || error == EAGAIN ? DriveStatus::NotReady
                                                                       : DriveStatus::Missing;
        return std::make_unique<KernelDrive>(-1, status);
    }
    if (::fstat(fd, &info) != 0 || !S_ISBLK(info.st_mode)) {
        ::close(fd);
        return std::make_unique<KernelDrive>(-1, DriveStatus::Missing);
    }
    return std::make_unique<KernelDrive>(fd, DriveStatus::Missing);
}

}  // namespace

std::unique_ptr<CdDrive> openCdDrive(const QString &name)
{
    if (!name.isEmpty())
        return openDevice(name);
    std::unique_ptr<KernelDrive> first;
    for (int n = 0; n < kDrives; ++n) {
        auto drive = openDevice(QStringLiteral("sr%1").arg(n));
        const DriveStatus status = drive->status();
        if (status == DriveStatus::Ready)
            return drive;
        if (!first && status != DriveStatus::Missing)
            first = std::move(drive);
    }
    if (first)
        return first;
    return std::make_unique<KernelDrive>(-1, DriveStatus::Missing);
}

}  // namespace tavelo

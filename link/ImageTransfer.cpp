#include "link/ImageTransfer.h"

#include "image/ImageFile.h"
#include "image/WorkingForm.h"
#include "link/AtomicFile.h"
#include "link/FdTransport.h"
#include "link/YmodemReceiver.h"
#include "link/YmodemSender.h"

#include <cerrno>
#include <filesystem>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The raw bytes of the transfer, in a temporary file that never outlives it.
class CTempFileSink final : public ymodem::IReceiveSink {
public:
    explicit CTempFileSink(std::string destination) : m_strDestination(std::move(destination)) {}
    ~CTempFileSink() override {
        Close();
        if (!m_strPath.empty())
            ::unlink(m_strPath.c_str());
    }
    CTempFileSink(const CTempFileSink&) = delete;
    CTempFileSink& operator=(const CTempFileSink&) = delete;

    bool Begin(const ymodem::FileHeader& header, std::string& why) override {
        if (header.size.value_or(0) == 0) {
            why = "The sender's file " + PeerText(header.name) + " is empty";
            return false;
        }
        m_fd = CreateSiblingTempFile(m_strDestination, "part", m_strPath, why);
        return m_fd >= 0;
    }

    bool Write(std::span<const std::uint8_t> data, std::string& why) override {
        while (!data.empty()) {
            const ssize_t n = ::write(m_fd, data.data(), data.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                why = SystemError("cannot write " + m_strPath);
                return false;
            }
            data = data.subspan(static_cast<std::size_t>(n));
        }
        return true;
    }

    // Closes the file; false when the last writes failed.
    bool Close() {
        if (m_fd < 0)
            return true;
        const bool ok = ::close(m_fd) == 0;
        m_fd = -1;
        return ok;
    }

    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strDestination;
    std::string m_strPath;
    int m_fd = -1;
};

std::span<const std::uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

LinkResult FileFailure(LinkResult result, Phrase message) {
    result.status = LinkStatus::FileError;
    result.message = English(message);
    result.said = std::move(message);
    return result;
}

} // namespace

LinkResult ReceiveImage(ITransport& line, const std::string& destination,
                        const ymodem::Options& options, IProgress* progress,
                        const std::array<BYTE, kHeaderTextSize>& headerText) {
    CTempFileSink sink(destination);
    LinkResult result = ymodem::Receive(line, sink, options, progress);
    if (!result.Ok())
        return result;
    std::string image;
    if (!sink.Close() || !ReadWholeFile(sink.Path(), image) || image.size() != result.total)
        return FileFailure(
            result,
            phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "cannot read back the received file %1"),
                         {phrase::Data(sink.Path())}));
    const auto prefix = WorkingFormPrefix(Bytes(image), headerText);
    std::string error;
    if (!ReplaceFileAtomically(destination, prefix, Bytes(image), error))
        return FileFailure(result, phrase::Data(error));
    return result;
}

LinkResult SendImage(ITransport& line, const std::string& source, const ymodem::Options& options,
                     IProgress* progress, const std::string& nameOnLine) {
    std::string image;
    if (!ReadWholeFile(source, image))
        return FileFailure({}, phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "cannot read %1"),
                                            {phrase::Data(source)}));
    if (image.empty())
        return FileFailure({}, phrase::Text(VELMAR_TRANSLATE_NOOP(
                                                "Velmar", "%1 is empty: there is nothing to send"),
                                            {phrase::Data(source)}));
    struct stat info {};
    const std::uint64_t modified =
        ::stat(source.c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_mtime) : 0;
    const std::string name =
        nameOnLine.empty() ? std::filesystem::path(source).filename().string() : nameOnLine;
    return ymodem::Send(line, name, Bytes(image), options, progress, modified);
}

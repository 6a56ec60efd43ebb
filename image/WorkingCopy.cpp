#include "image/WorkingCopy.h"

#include "contracts/ZorvDB.h"
#include "image/ChannelFile.h"
#include "image/Checksums.h"
#include "image/ImageFile.h"
#include "image/ImageState.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <span>
#include <system_error>
#include <vector>

char g_szWorkImagePath[kMaxPath] = {};

namespace {

std::span<const BYTE> Bytes(const std::string& s) {
    return {reinterpret_cast<const BYTE*>(s.data()), s.size()};
}

} // namespace

bool CreateWorkingCopy() {
    std::error_code ec;
    const auto dir = std::filesystem::temp_directory_path(ec);
    if (ec)
        return false;
    std::random_device seed;
    std::mt19937 rng(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "ZO%06X.tmp", static_cast<unsigned>(rng() & 0xFFFFFF));
        const std::string path = (dir / name).string();
        if (path.size() >= kMaxPath)
            return false;
        // "x": fail rather than reuse a file that exists.
        if (std::FILE* f = std::fopen(path.c_str(), "wbx")) {
            std::fclose(f);
            std::memcpy(g_szWorkImagePath, path.c_str(), path.size() + 1);
            return true;
        }
    }
    return false;
}

void DeleteWorkingCopy() {
    if (g_szWorkImagePath[0] != '\0')
        std::remove(g_szWorkImagePath);
    g_szWorkImagePath[0] = '\0';
}

std::vector<BYTE> WorkingFormPrefix(std::span<const BYTE> image) {
    const auto startsWith = [&](const char* magic) {
        return image.size() >= 4 && std::memcmp(image.data(), magic, 4) == 0;
    };
    if (image.empty() || startsWith("VX  "))
        return {};
    std::vector<BYTE> prefix(kWorkingHeaderSize, 0);
    prefix[0] = 'V';
    prefix[1] = 'X';
    prefix[2] = ' ';
    prefix[3] = ' ';
    WriteWORD(prefix.data() + 4, kHeaderTextSize, 0);
    if (startsWith("ZORV")) {
        // 16 zero bytes, so the 64-byte header lands at header-text offset 16.
        prefix.resize(6 + 16);
    } else {
        std::memcpy(prefix.data() + 6, g_HeaderText, kHeaderTextSize);
    }
    return prefix;
}

int ImportToWorkingCopy(const std::string& source, IUserPrompt* prompt) {
    std::string image;
    if (!ReadWholeFile(source, image))
        return kImportFileError;
    const std::vector<BYTE> prefix = WorkingFormPrefix(Bytes(image));
    if (!WriteWholeFile(g_szWorkImagePath, prefix, Bytes(image)))
        return kImportFileError;
    CChannelFile file;
    file.SetPrompt(prompt);
    TheZorvDB().ClearAll();
    return file.Load(g_szWorkImagePath);
}

int ExportWorkingCopy(const std::string& target) {
    std::string work;
    if (!ReadWholeFile(g_szWorkImagePath, work))
        work.clear(); // a working copy never loaded: the blocks go into an empty file
    bool written = false;
    if (g_bZorvImage) {
        const std::size_t skip =
            work.size() < kWorkingHeaderSize ? work.size() : kWorkingHeaderSize;
        written = WriteWholeFile(target, std::span<const BYTE>(g_HeaderText + 16, kZorvHeaderSize),
                                 Bytes(work).subspan(skip));
    } else {
        written = WriteWholeFile(target, Bytes(work));
    }
    if (!written)
        return 0;
    CChannelFile file;
    const int result = file.Save(target.c_str(), g_bZorvImage);
    if (result == 1 && g_bZorvImage)
        StampImageCRC(target);
    return result;
}

WORD ComputeImageCRC(const std::string& path) {
    std::string image;
    if (!ReadWholeFile(path, image) || image.size() < kZorvHeaderSize)
        return 0;
    const std::size_t range = image.size() - kZorvHeaderSize;
    const WORD crc = Crc16Xmodem(Bytes(image).subspan(kZorvHeaderSize));
    // The range is padded with zeros to a multiple of 1024.
    const std::vector<BYTE> padding((1024 - range % 1024) % 1024, 0);
    return Crc16Xmodem(padding, crc);
}

bool StampImageCRC(const std::string& path) {
    const WORD crc = ComputeImageCRC(path);
    CImageFile file;
    BYTE bytes[2];
    WriteWORD(bytes, crc, 0);
    return file.Open(path, CImageFile::Mode::Update) && file.Seek(61) && file.Write(bytes) &&
           file.Flush();
}

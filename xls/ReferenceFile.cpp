#include "xls/ReferenceFile.h"

#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "image/ChannelFile.h"
#include "image/ImageFile.h"
#include "image/ImageState.h"
#include "xls/ChannelWorkbook.h"
#include "xls/ExcelBook.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace {

// No receiver's database comes near this; anything larger is not one.
constexpr std::uintmax_t kMaxReferenceBytes = std::uintmax_t{64} << 20;

// Moves the program's store and the image state of the last load aside for
// the lifetime of the object, so the readers, which fill the program's store,
// can read another file. The document comes back on destruction.
class DocumentAside {
public:
    DocumentAside() : m_values(ImageStateValues::Capture()) { TheZorvDB().Swap(m_document); }
    ~DocumentAside() {
        TheZorvDB().Swap(m_document);
        m_values.Apply();
    }
    DocumentAside(const DocumentAside&) = delete;
    DocumentAside& operator=(const DocumentAside&) = delete;

private:
    CZorvDB m_document;
    ImageStateValues m_values;
};

// A new file in the temporary directory, removed with the object.
class ScratchFile {
public:
    ScratchFile() {
        std::error_code ec;
        const auto dir = std::filesystem::temp_directory_path(ec);
        if (ec)
            return;
        std::random_device seed;
        std::mt19937 rng(seed());
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            const auto path = dir / ("velmar-reference-" + std::to_string(rng()) + ".bin");
            // "x": never reuse a file that exists.
            if (std::FILE* f = std::fopen(path.c_str(), "wbx")) {
                std::fclose(f);
                m_path = path.string();
            }
        }
    }
    ~ScratchFile() {
        if (!m_path.empty())
            std::remove(m_path.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

bool IsWorkbook(const std::string& path) {
    const std::string extension = std::filesystem::path(path).extension().string();
    return extension == ".xls" || extension == ".cvs";
}

// The image in its working form, as the working copy would hold it: a ZORV
// header lands at header-text offset 16, a bare dump gets an empty header.
std::string WorkingForm(const std::string& image) {
    if (image.compare(0, 4, "VX  ") == 0)
        return image;
    std::string out("VX  \x50\0", 6);
    out.append(image.compare(0, 4, "ZORV") == 0 ? 16 : kHeaderTextSize, '\0');
    return out + image;
}

bool ReadImage(const std::string& path, std::string& error) {
    std::string image;
    ScratchFile scratch;
    if (!ReadWholeFile(path, image)) {
        error = "Cannot read " + path;
        return false;
    }
    const std::string working = WorkingForm(image);
    if (scratch.Path().empty() ||
        !WriteWholeFile(scratch.Path(),
                        {reinterpret_cast<const BYTE*>(working.data()), working.size()})) {
        error = "Cannot write a scratch file in the temporary directory";
        return false;
    }
    CChannelFile file; // without a prompt a damaged header is answered No
    if (file.Load(scratch.Path().c_str()) != 1) {
        error = texts::kCannotOpenImage;
        return false;
    }
    return true;
}

bool ReadWorkbook(const std::string& path, std::string& error) {
    CExcelBook book;
    if (!book.Load(path)) {
        error = texts::kCannotOpenImage;
        return false;
    }
    ImportChannelWorkbook(path);
    return true;
}

} // namespace

bool LoadReferenceChannels(const std::string& path, std::vector<Channel_Info_Tag>& channels,
                           std::string& error) {
    channels.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = "Cannot read " + path;
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxReferenceBytes) {
        error = ec ? "Cannot read " + path : path + " is too large for a channel list";
        return false;
    }

    DocumentAside aside;
    if (!(IsWorkbook(path) ? ReadWorkbook(path, error) : ReadImage(path, error)))
        return false;
    const CZorvDB& db = TheZorvDB();
    channels.reserve(db.Size(kTableChannel));
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        channels.push_back(c);
    if (channels.empty()) {
        error = "The reference list holds no channels";
        return false;
    }
    return true;
}

#include "xls/ReferenceFile.h"

#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "image/ChannelFile.h"
#include "image/ImageFile.h"
#include "image/ImageState.h"
#include "image/WorkingForm.h"
#include "xls/ChannelWorkbook.h"
#include "xls/ExcelBook.h"

#include <filesystem>
#include <span>
#include <system_error>
#include <vector>

namespace {

// No receiver's database comes near this; anything larger is not one.
constexpr std::uintmax_t kMaxReferenceBytes = std::uintmax_t{64} << 20;

bool IsWorkbook(const std::string& path) {
    const std::string extension = std::filesystem::path(path).extension().string();
    return extension == ".xls" || extension == ".cvs";
}

// The channels of an image, decoded in memory into a store of their own.
// A bare dump gets an empty header text, as a fresh start would give it.
bool ReadImage(const std::string& path, CZorvDB& db, std::string& error) {
    std::string image;
    if (!ReadWholeFile(path, image)) {
        error = "Cannot read " + path;
        return false;
    }
    const std::span<const BYTE> bytes(reinterpret_cast<const BYTE*>(image.data()), image.size());
    const BYTE noHeaderText[kHeaderTextSize] = {};
    const std::vector<BYTE> working = ToWorkingForm(bytes, noHeaderText);
    ImageStateValues values;
    CChannelFile file(db, values); // without a prompt a damaged header is answered No
    if (file.LoadBytes(working) != 1) {
        error = texts::kCannotOpenImage;
        return false;
    }
    return true;
}

// A workbook that loads but has no readable "Channel" sheet gives no
// channels, which the caller reports.
bool ReadWorkbook(const std::string& path, CZorvDB& db, std::string& error) {
    CExcelBook book;
    if (!book.Load(path)) {
        error = texts::kCannotOpenImage;
        return false;
    }
    ImportChannelWorkbook(db, path);
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

    CZorvDB db;
    if (!(IsWorkbook(path) ? ReadWorkbook(path, db, error) : ReadImage(path, db, error)))
        return false;
    channels.reserve(db.Size(kTableChannel));
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        channels.push_back(c);
    if (channels.empty()) {
        error = "The reference list holds no channels";
        return false;
    }
    return true;
}

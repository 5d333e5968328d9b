#include "skinfiles/ovSkinPack.h"

#include "graphics/SafeFileWriter.h"
#include "skinfiles/FolderListing.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <zlib.h>

namespace fs = std::filesystem;

namespace {

constexpr char packMagic[4] = {'V', 'P', 'a', 'k'};
const char* const optionsFileName = "Options.dat";
const char* const packedExtensions[] = {".dat", ".bmp", ".png", ".jpg"};
// The smallest entry: a one-byte name, two sizes and the smallest zlib stream
// (2-byte header, 2 bytes of deflate data, 4-byte check). Counts that cannot fit
// in what is left of the archive are refused before anything is read.
constexpr std::uint64_t minimumEntrySize = 4 + 1 + 4 + 8;
constexpr std::size_t readBlockSize = 65536;
constexpr std::size_t inflateChunkSize = 256 * 1024;

void appendInt32(std::vector<std::uint8_t>& out, std::int32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(std::uint32_t(value) >> (8 * i)));
}

std::string extensionOf(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

// A name that can only mean a file inside the target folder. Control
// characters are refused too: no skin file name holds them, and messages
// naming the entry must stay on one line.
bool isPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." &&
           std::none_of(name.begin(), name.end(),
                        [](char c) { return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20; });
}

// The name as it may appear in a message: control characters become "?".
std::string printableName(std::string name)
{
    std::replace_if(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
    return name;
}

std::string errnoText() { return std::strerror(errno); }

struct FileCloser
{
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string openForReading(const std::string& fileName, FileHandle& file, std::uint64_t& size)
{
    std::error_code error;
    if (fs::is_directory(fileName, error))
        return "Cannot open " + fileName + ": it is a folder";
    file.reset(std::fopen(fileName.c_str(), "rb"));
    if (!file)
        return "Cannot open " + fileName + ": " + errnoText();
    size = fs::file_size(fileName, error);
    if (error)
        return "Cannot open " + fileName + ": " + error.message();
    return {};
}

std::string readWholeFile(const std::string& fileName, std::uint64_t maxSize, std::vector<std::uint8_t>& bytes)
{
    FileHandle file;
    std::uint64_t size = 0;
    if (std::string error = openForReading(fileName, file, size); !error.empty())
        return error;
    if (size > maxSize)
        return fileName + " is larger than " + std::to_string(maxSize / (1024 * 1024)) + " MiB";
    bytes.resize(std::size_t(size));
    if (size != 0 && std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return "Cannot read " + fileName + ": " + (std::ferror(file.get()) ? errnoText() : "it became shorter");
    return {};
}

// Where the bytes of one archive entry go.
class EntryTarget
{
public:
    virtual ~EntryTarget() = default;
    // inputLeft: the archive bytes not yet read, the stream of this entry included.
    virtual std::string begin(const std::string& name, std::int32_t size, std::uint64_t inputLeft) = 0;
    virtual std::string write(const std::uint8_t* data, std::size_t size) = 0;
    virtual std::string finish() = 0;
};

// Reads an archive from memory or from a file in blocks. Input the inflater
// has not used stays in the window, so each entry starts right behind the
// check of the stream before it.
class ArchiveReader
{
public:
    ArchiveReader(const std::uint8_t* data, std::size_t size, std::string sourceName)
        : next_(data), avail_(size), sourceName_(std::move(sourceName))
    {
    }
    ArchiveReader(std::FILE* file, std::uint64_t size, std::string sourceName)
        : file_(file), fileLeft_(size), block_(readBlockSize), sourceName_(std::move(sourceName))
    {
    }

    bool readMagic();
    // Reads the count and every entry into target.
    std::string readEntries(EntryTarget& target, int& entryCount);

private:
    bool read(void* destination, std::size_t size);
    bool readInt32(std::int32_t& value);
    bool refill();
    std::uint64_t remaining() const { return avail_ + fileLeft_; }
    std::string damaged(const std::string& what) const { return sourceName_ + " is damaged: " + what; }
    std::string readEntry(EntryTarget& target, int index);
    std::string inflateEntry(EntryTarget& target, std::int32_t size, const std::string& name);

    const std::uint8_t* next_ = nullptr;
    std::size_t avail_ = 0;
    std::FILE* file_ = nullptr;
    std::uint64_t fileLeft_ = 0;
    std::vector<std::uint8_t> block_;
    std::string sourceName_;
};

bool ArchiveReader::refill()
{
    if (avail_ != 0)
        return true;
    if (!file_ || fileLeft_ == 0)
        return false;
    const std::size_t got = std::fread(block_.data(), 1, std::min<std::uint64_t>(block_.size(), fileLeft_), file_);
    if (got == 0)
        return false;
    fileLeft_ -= got;
    next_ = block_.data();
    avail_ = got;
    return true;
}

bool ArchiveReader::read(void* destination, std::size_t size)
{
    auto* out = static_cast<std::uint8_t*>(destination);
    while (size != 0) {
        if (!refill())
            return false;
        const std::size_t n = std::min(size, avail_);
        std::memcpy(out, next_, n);
        out += n;
        next_ += n;
        avail_ -= n;
        size -= n;
    }
    return true;
}

bool ArchiveReader::readInt32(std::int32_t& value)
{
    std::uint8_t bytes[4];
    if (!read(bytes, 4))
        return false;
    value = std::int32_t(std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
                         std::uint32_t(bytes[3]) << 24);
    return true;
}

bool ArchiveReader::readMagic()
{
    char magic[4];
    return read(magic, 4) && std::memcmp(magic, packMagic, 4) == 0;
}

std::string ArchiveReader::readEntries(EntryTarget& target, int& entryCount)
{
    std::int32_t count = 0;
    if (!readInt32(count))
        return damaged("the entry count is cut off");
    if (count < 0 || std::uint64_t(count) > remaining() / minimumEntrySize)
        return damaged("it cannot hold " + std::to_string(count) + " entries");
    for (int index = 0; index < count; ++index)
        if (std::string error = readEntry(target, index); !error.empty())
            return error;
    entryCount = count;
    return {};
}

std::string ArchiveReader::readEntry(EntryTarget& target, int index)
{
    const std::string which = "entry " + std::to_string(index + 1);
    std::int32_t nameLength = 0;
    if (!readInt32(nameLength))
        return damaged(which + " is cut off");
    if (nameLength <= 0 || std::uint64_t(nameLength) > remaining())
        return damaged(which + " has a name length of " + std::to_string(nameLength));
    std::string name(std::size_t(nameLength), '\0');
    if (!read(name.data(), name.size()))
        return damaged(which + " is cut off");
    if (!isPlainFileName(name))
        return damaged(which + " is named \"" + printableName(name) + "\", which is not a plain file name");
    std::int32_t size = 0;
    if (!readInt32(size))
        return damaged(which + " is cut off");
    if (size < 0 || size > MaxEntrySize)
        return damaged(name + " claims " + std::to_string(size) + " bytes");
    if (std::string error = target.begin(name, size, remaining()); !error.empty())
        return error;
    if (std::string error = inflateEntry(target, size, name); !error.empty())
        return error;
    return target.finish();
}

std::string ArchiveReader::inflateEntry(EntryTarget& target, std::int32_t size, const std::string& name)
{
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return "Cannot start decompression";
    std::unique_ptr<z_stream, int (*)(z_streamp)> guard(&zs, inflateEnd);
    std::vector<std::uint8_t> chunk(std::min<std::size_t>(inflateChunkSize, std::size_t(size) + 1));
    const std::uint64_t expected = std::uint64_t(size);
    std::uint64_t produced = 0;
    for (;;) {
        if (avail_ == 0 && !refill())
            return damaged(name + " is cut off");
        zs.next_in = const_cast<Bytef*>(next_);
        zs.avail_in = uInt(std::min<std::size_t>(avail_, 1u << 30));
        // Room for one byte more than announced, so a longer stream shows at once.
        zs.next_out = chunk.data();
        zs.avail_out = uInt(std::min<std::uint64_t>(chunk.size(), expected - produced + 1));
        const uInt roomBefore = zs.avail_out;
        const uInt inBefore = zs.avail_in;
        const int status = inflate(&zs, Z_NO_FLUSH);
        next_ += inBefore - zs.avail_in;
        avail_ -= inBefore - zs.avail_in;
        const std::size_t got = roomBefore - zs.avail_out;
        produced += got;
        if (produced > expected)
            return damaged(name + " unpacks to more than " + std::to_string(size) + " bytes");
        if (got != 0)
            if (std::string error = target.write(chunk.data(), got); !error.empty())
                return error;
        if (status == Z_STREAM_END)
            break;
        if (status != Z_OK && !(status == Z_BUF_ERROR && zs.avail_in == 0))
            return damaged(name + " holds corrupt compressed data");
    }
    if (produced != expected)
        return damaged(name + " unpacks to " + std::to_string(produced) + " bytes instead of " +
                       std::to_string(size));
    return {};
}

// Collects the entries in memory for the skin loader.
class MemoryTarget : public EntryTarget
{
public:
    explicit MemoryTarget(TovSkinConvertor& convertor) : convertor_(convertor) {}

    std::string begin(const std::string& name, std::int32_t size, std::uint64_t inputLeft) override
    {
        if (SameTextNoCase(name, optionsFileName)) {
            if (convertor_.OptionsData)
                return "Packed data holds " + std::string(optionsFileName) + " more than once";
            current_ = &convertor_.OptionsData.emplace();
        } else {
            TovSkinItem& item = convertor_.ImageItems.emplace_back();
            item.Name = name;
            item.IsBitmap = SameTextNoCase(extensionOf(name), ".BMP");
            current_ = &item.Data;
        }
        // Reserve for a usual compression ratio only: a size the stream does
        // not back up must not allocate ahead of the data; more grows as needed.
        current_->reserve(std::size_t(std::min<std::uint64_t>(std::uint64_t(size), 4 * inputLeft + 65536)));
        return {};
    }
    std::string write(const std::uint8_t* data, std::size_t size) override
    {
        current_->insert(current_->end(), data, data + size);
        return {};
    }
    std::string finish() override { return {}; }

private:
    TovSkinConvertor& convertor_;
    std::vector<std::uint8_t>* current_ = nullptr;
};

// Writes each entry as a file of the target folder through a temporary file.
class FolderTarget : public EntryTarget
{
public:
    explicit FolderTarget(std::string folder) : folder_(std::move(folder))
    {
        std::vector<TFolderEntry> entries;
        ListFolder(folder_, entries);
        for (TFolderEntry& entry : entries)
            if (!entry.IsFolder)
                files_.push_back(std::move(entry.Name));
    }

    std::string begin(const std::string& name, std::int32_t, std::uint64_t) override
    {
        name_ = name;
        writer_ = std::make_unique<TSafeFileWriter>(folder_ + name);
        return writer_->Open() ? std::string() : writer_->Error();
    }
    std::string write(const std::uint8_t* data, std::size_t size) override
    {
        return writer_->Write(data, size) ? std::string() : writer_->Error();
    }
    std::string finish() override
    {
        if (!writer_->Commit())
            return writer_->Error();
        replaceCaseTwins();
        return {};
    }

private:
    // The name stands for the same file as any of its case variants, so those
    // are replaced too rather than left beside the new file.
    void replaceCaseTwins()
    {
        std::error_code error;
        std::erase_if(files_, [&](const std::string& file) {
            const bool twin = file != name_ && SameTextNoCase(file, name_);
            if (twin)
                fs::remove(folder_ + file, error);
            return twin || file == name_;
        });
        files_.push_back(name_);
    }

    std::string folder_;
    std::vector<std::string> files_; // the files in the folder
    std::string name_;
    std::unique_ptr<TSafeFileWriter> writer_;
};

bool hasPackedExtension(const std::string& name, const char* extension)
{
    return SameTextNoCase(extensionOf(name), extension);
}

} // namespace

std::string TovSkinConvertor::Unpack()
{
    ItemCount = 0;
    ImageItems.clear();
    OptionsData.reset();
    MemoryTarget target(*this);
    ArchiveReader reader(Source.data(), Source.size(), "Packed data");
    int entryCount = 0;
    std::string error = reader.readMagic() ? reader.readEntries(target, entryCount)
                                           : "Loaded data is not packed Vespira file";
    if (error.empty() && !OptionsData)
        error = "Packed data holds no " + std::string(optionsFileName);
    if (!error.empty()) {
        Clear();
        return error;
    }
    ItemCount = entryCount - 1;
    return {};
}

void TovSkinConvertor::Clear()
{
    ItemCount = 0;
    ImageItems.clear();
    ImageItems.shrink_to_fit();
    OptionsData.reset();
    Source.clear();
    Source.shrink_to_fit();
}

std::string PackedFileNames(const std::string& folder, std::vector<std::string>& names)
{
    names.clear();
    std::vector<TFolderEntry> entries;
    if (std::string error = ListFolder(folder, entries); !error.empty())
        return error;
    for (const char* extension : packedExtensions)
        for (const TFolderEntry& entry : entries)
            if (!entry.IsFolder && entry.Name[0] != '.' && hasPackedExtension(entry.Name, extension))
                names.push_back(entry.Name);
    return {};
}

std::string PackFolder(const std::string& folder, const std::string& archive)
{
    const std::string base = IncludeTrailingSeparator(folder);
    std::vector<std::string> names;
    if (std::string error = PackedFileNames(base, names); !error.empty())
        return error;
    if (names.empty())
        return {};
    TSafeFileWriter writer(archive);
    if (!writer.Open())
        return writer.Error();
    std::vector<std::uint8_t> header(packMagic, packMagic + 4);
    appendInt32(header, std::int32_t(names.size()));
    if (!writer.Write(header.data(), header.size()))
        return writer.Error();
    std::vector<std::uint8_t> content;
    std::vector<std::uint8_t> packed;
    for (const std::string& name : names) {
        if (!isPlainFileName(name))
            return "Cannot pack " + base + printableName(name) + ": the name holds a \"\\\" or a control character";
        if (std::string error = readWholeFile(base + name, MaxEntrySize, content); !error.empty())
            return error;
        uLongf packedSize = compressBound(uLong(content.size()));
        packed.resize(packedSize);
        if (compress2(packed.data(), &packedSize, content.data(), uLong(content.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
            return "Cannot compress " + base + name;
        header.clear();
        appendInt32(header, std::int32_t(name.size()));
        header.insert(header.end(), name.begin(), name.end());
        appendInt32(header, std::int32_t(content.size()));
        if (!writer.Write(header.data(), header.size()) || !writer.Write(packed.data(), packedSize))
            return writer.Error();
    }
    return writer.Commit() ? std::string() : writer.Error();
}

std::string UnpackToFolder(const std::string& archive, const std::string& folder)
{
    FileHandle file;
    std::uint64_t size = 0;
    if (std::string error = openForReading(archive, file, size); !error.empty())
        return error;
    ArchiveReader reader(file.get(), size, archive);
    if (!reader.readMagic())
        return archive + " is not packed Vespira file";
    const std::string target = IncludeTrailingSeparator(folder);
    std::error_code error;
    if (!fs::is_directory(target, error) && !fs::create_directory(target, error))
        return "Cannot create folder " + target + ": " + (error ? error.message() : std::string("it is a file"));
    FolderTarget entries(target);
    int entryCount = 0;
    return reader.readEntries(entries, entryCount);
}

std::string LoadPackedFile(const std::string& fileName, TovSkinConvertor& convertor, bool releaseSource)
{
    convertor.Clear();
    if (std::string error = readWholeFile(fileName, UINT64_MAX, convertor.Source); !error.empty()) {
        convertor.Clear();
        return error;
    }
    std::string error = convertor.Unpack();
    if (releaseSource) {
        convertor.Source.clear();
        convertor.Source.shrink_to_fit();
    }
    return error;
}

#include "graphics/ovPNG.h"

#include "graphics/GraphicErrors.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <zlib.h>

namespace {

const char* const CrcErrorMessage = "Cannot load image. CRC error found in PNG file.";
const char* const CompressionSchemeMessage = "Cannot load image. The compression scheme is not supported for PNG files.";
const char* const PaletteMessage = "Cannot load image. Palette in PNG file is invalid.";
const char* const CriticalChunkMessage = "Cannot load PNG image. Unexpected but critical chunk detected.";
const char* const ColorFormatMessage = "Invalid color format in PNG file.";
const char* const CompressionErrorMessage = "Cannot load image. Compression error found in PNG file.";
const char* const ExtraDataMessage = "Cannot load image. Extra compressed data found in PNG file.";
const char* const LZ77Message = "LZ77 decompression error.";

const std::uint8_t Signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// Deflate cannot expand data by more than about 1032 to 1; a header asking for
// more pixels than the rest of the file could hold is rejected before allocating.
constexpr std::size_t MaxInflateRatio = 1032;

// Rows are inflated in slices of at most this many bytes into a small window that
// is reused, so unfiltering and conversion find them still in the cache.
constexpr std::size_t InflateSlice = 32 * 1024;

[[noreturn]] void invalidPng()
{
    RaiseInvalidFormat("PNG");
}

std::uint32_t readU32BE(const std::uint8_t* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

std::uint16_t readU16BE(const std::uint8_t* p)
{
    return std::uint16_t((p[0] << 8) | p[1]);
}

bool sameType(const char* type, const char* name)
{
    for (int i = 0; i < 4; ++i)
        if ((type[i] | 0x20) != (name[i] | 0x20))
            return false;
    return true;
}

struct TChunk
{
    char type[4];
    const std::uint8_t* data;
    std::uint32_t length;

    bool is(const char* name) const { return sameType(type, name); }
    bool isCritical() const { return (type[0] & 0x20) == 0; }
};

// Walks the chunks of a file held in memory, checking each one's CRC.
class TChunkReader
{
public:
    TChunkReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size), pos_(sizeof(Signature)) {}

    TChunk next()
    {
        if (size_ - pos_ < 12)
            invalidPng();
        const std::uint8_t* header = data_ + pos_;
        TChunk chunk;
        chunk.length = readU32BE(header);
        std::memcpy(chunk.type, header + 4, 4);
        if (chunk.length > 0x7FFFFFFFu || size_ - pos_ - 12 < chunk.length)
            invalidPng();
        chunk.data = header + 8;
        const uLong crc = crc32(crc32(0, header + 4, 4), chunk.data, chunk.length);
        if (crc != readU32BE(chunk.data + chunk.length))
            throw EInvalidGraphic(CrcErrorMessage);
        pos_ += 12 + std::size_t(chunk.length);
        return chunk;
    }

    std::size_t remaining() const { return size_ - pos_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_;
};

// zlib's inflate, released whatever happens.
class TLZ77Decoder
{
public:
    TLZ77Decoder()
    {
        if (inflateInit(&stream_) != Z_OK)
            throw EGraphicCompression(LZ77Message);
    }
    ~TLZ77Decoder() { inflateEnd(&stream_); }
    TLZ77Decoder(const TLZ77Decoder&) = delete;
    TLZ77Decoder& operator=(const TLZ77Decoder&) = delete;

    void setInput(const std::uint8_t* data, std::size_t size)
    {
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = uInt(size);
    }
    std::size_t inputLeft() const { return stream_.avail_in; }

    // Inflates into [out, out + size); returns the number of bytes written.
    std::size_t inflateInto(std::uint8_t* out, std::size_t size)
    {
        stream_.next_out = out;
        stream_.avail_out = uInt(size);
        lastResult_ = inflate(&stream_, Z_NO_FLUSH);
        if (lastResult_ != Z_OK && lastResult_ != Z_STREAM_END && lastResult_ != Z_BUF_ERROR)
            throw EInvalidGraphic(CompressionErrorMessage);
        return size - stream_.avail_out;
    }
    bool ended() const { return lastResult_ == Z_STREAM_END; }

private:
    z_stream stream_{};
    int lastResult_ = Z_OK;
};

// One pass of Adam7, or the whole image when it is not interlaced.
struct TPass
{
    int startX, startY, stepX, stepY;
    int width, height;
};

void unfilterRow(int filter, std::uint8_t* row, const std::uint8_t* prior, std::size_t length, std::size_t bpp)
{
    switch (filter) {
    case 0:
        break;
    case 1:
        for (std::size_t i = bpp; i < length; ++i)
            row[i] = std::uint8_t(row[i] + row[i - bpp]);
        break;
    case 2:
        for (std::size_t i = 0; i < length; ++i)
            row[i] = std::uint8_t(row[i] + prior[i]);
        break;
    case 3:
        for (std::size_t i = 0; i < bpp; ++i)
            row[i] = std::uint8_t(row[i] + (prior[i] >> 1));
        for (std::size_t i = bpp; i < length; ++i)
            row[i] = std::uint8_t(row[i] + ((row[i - bpp] + prior[i]) >> 1));
        break;
    case 4:
        for (std::size_t i = 0; i < bpp; ++i)
            row[i] = std::uint8_t(row[i] + prior[i]);
        for (std::size_t i = bpp; i < length; ++i) {
            const int a = row[i - bpp];
            const int b = prior[i];
            const int c = prior[i - bpp];
            const int pa = std::abs(b - c);
            const int pb = std::abs(a - c);
            const int pc = std::abs(a + b - 2 * c);
            const int predictor = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
            row[i] = std::uint8_t(row[i] + predictor);
        }
        break;
    default:
        invalidPng();
    }
}

} // namespace

// Turns the chunks of one file into the graphic's bitmap and properties.
class TPNGDecoder
{
public:
    TPNGDecoder(TPNGGraphic& graphic, const std::uint8_t* data, std::size_t size, TPNGAlpha alpha)
        : g_(graphic), p_(graphic.properties_), chunks_(data, size), keepAlpha_(alpha == TPNGAlpha::Keep)
    {
    }

    void run()
    {
        readHeader();
        for (;;) {
            const TChunk chunk = chunks_.next();
            if (chunk.is("IDAT"))
                readImageData(chunk);
            else if (chunk.is("PLTE"))
                readPalette(chunk);
            else if (chunk.is("gAMA"))
                readGamma(chunk);
            else if (chunk.is("bKGD"))
                readBackground(chunk);
            else if (chunk.is("tRNS"))
                readTransparency(chunk);
            else if (chunk.is("IEND"))
                break;
            else if (chunk.isCritical())
                throw EInvalidGraphic(CriticalChunkMessage);
        }
        if (!decoder_)
            invalidPng();
        if (rowsLeft())
            throw EInvalidGraphic(CompressionErrorMessage);
    }

private:
    void readHeader()
    {
        const TChunk ihdr = chunks_.next();
        if (!ihdr.is("IHDR") || ihdr.length < 13)
            invalidPng();
        const std::uint32_t width = readU32BE(ihdr.data);
        const std::uint32_t height = readU32BE(ihdr.data + 4);
        if (!IsSaneImageSize(width, height))
            invalidPng();
        p_.Width = int(width);
        p_.Height = int(height);
        p_.BitsPerSample = ihdr.data[8];
        p_.ColorScheme = TColorScheme(ihdr.data[9]);
        p_.SamplesPerPixel = samplesPerPixel(ihdr.data[9]);
        p_.BitsPerPixel = p_.BitsPerSample * p_.SamplesPerPixel;
        p_.FilterMode = ihdr.data[11];
        p_.Interlaced = ihdr.data[12] != 0;
        p_.HasAlpha = p_.ColorScheme == TColorScheme::csGA || p_.ColorScheme == TColorScheme::csRGBA;
        if (ihdr.data[10] != 0)
            throw EInvalidGraphic(CompressionSchemeMessage);
    }

    static int samplesPerPixel(int colorType)
    {
        switch (colorType) {
        case 2: return 3;
        case 4: return 2;
        case 6: return 4;
        default: return 1;
        }
    }

    bool validColorFormat() const
    {
        const int depth = p_.BitsPerSample;
        switch (p_.ColorScheme) {
        case TColorScheme::csG:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        case TColorScheme::csIndexed:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8;
        case TColorScheme::csRGB:
        case TColorScheme::csGA:
        case TColorScheme::csRGBA:
            return depth == 8 || depth == 16;
        }
        return false;
    }

    // A sample of the file's bit depth scaled to 0..255.
    std::uint8_t scaleSample(unsigned value) const
    {
        const int depth = p_.BitsPerSample;
        if (depth == 16)
            return std::uint8_t(value / 257);
        const unsigned maxValue = (1u << depth) - 1;
        return std::uint8_t((value & maxValue) * 255 / maxValue);
    }

    void readPalette(const TChunk& chunk)
    {
        if (chunk.length % 3 != 0 || chunk.length > 256 * 3)
            throw EInvalidGraphic(PaletteMessage);
        if (p_.ColorScheme != TColorScheme::csIndexed)
            return;
        palette_.assign(chunk.data, chunk.data + chunk.length);
    }

    void readGamma(const TChunk& chunk)
    {
        if (chunk.length != 4)
            return;
        const std::uint32_t value = readU32BE(chunk.data);
        if (value == 0)
            return;
        p_.FileGamma = value / 100000.0;
        p_.UseGamma = true;
    }

    // Colours of bKGD and tRNS are only read for depths the image can have.
    void readBackground(const TChunk& chunk)
    {
        if (!validColorFormat())
            return;
        switch (p_.ColorScheme) {
        case TColorScheme::csIndexed:
            if (chunk.length >= 1 && std::size_t(chunk.data[0]) * 3 + 3 <= palette_.size()) {
                const std::uint8_t* rgb = &palette_[std::size_t(chunk.data[0]) * 3];
                g_.backgroundColor_ = RGBColor(rgb[0], rgb[1], rgb[2]);
            }
            break;
        case TColorScheme::csRGB:
        case TColorScheme::csRGBA:
            if (chunk.length >= 6)
                g_.backgroundColor_ = rgbSampleColor(chunk.data);
            break;
        case TColorScheme::csG:
        case TColorScheme::csGA:
            if (chunk.length >= 2)
                g_.backgroundColor_ = greySampleColor(chunk.data);
            break;
        }
    }

    void readTransparency(const TChunk& chunk)
    {
        if (!validColorFormat())
            return;
        switch (p_.ColorScheme) {
        case TColorScheme::csIndexed:
            g_.transparency_.fill(255);
            std::memcpy(g_.transparency_.data(), chunk.data, std::min<std::size_t>(chunk.length, 256));
            hasTransparencyTable_ = true;
            break;
        case TColorScheme::csG:
            if (chunk.length >= 2) {
                g_.transparentColor_ = greySampleColor(chunk.data);
                transparentSamples_[0] = readU16BE(chunk.data);
                hasTransparentSample_ = true;
            }
            break;
        case TColorScheme::csRGB:
            if (chunk.length >= 6) {
                g_.transparentColor_ = rgbSampleColor(chunk.data);
                for (int i = 0; i < 3; ++i)
                    transparentSamples_[i] = readU16BE(chunk.data + 2 * i);
                hasTransparentSample_ = true;
            }
            break;
        default:
            break;
        }
    }

    unsigned sampleMask() const { return (1u << p_.BitsPerSample) - 1; }

    TColor greySampleColor(const std::uint8_t* data) const
    {
        const std::uint8_t grey = scaleSample(readU16BE(data));
        return RGBColor(grey, grey, grey);
    }

    TColor rgbSampleColor(const std::uint8_t* data) const
    {
        return RGBColor(scaleSample(readU16BE(data)), scaleSample(readU16BE(data + 2)), scaleSample(readU16BE(data + 4)));
    }

    void readImageData(const TChunk& chunk)
    {
        if (!decoder_)
            startImage(chunk);
        decoder_->setInput(chunk.data, chunk.length);
        // Inflate until the chunk is used up and nothing is pending in the decoder.
        while (!decoder_->ended()) {
            const std::size_t inputBefore = decoder_->inputLeft();
            std::size_t produced = 0;
            if (rowsLeft()) {
                if (raw_.size() - rawFilled_ < std::max(widestRow_ + 1, InflateSlice / 2))
                    compactWindow();
                const std::size_t slice = std::min({raw_.size() - rawFilled_, InflateSlice, rawLeft_});
                produced = decoder_->inflateInto(raw_.data() + rawFilled_, slice);
                rawFilled_ += produced;
                rawLeft_ -= produced;
                decodeAvailableRows();
                if (decoder_->ended() && rowsLeft())
                    throw EInvalidGraphic(CompressionErrorMessage);
            } else {
                // Every row is there: what follows may only be the end of the stream.
                std::uint8_t extra;
                produced = decoder_->inflateInto(&extra, 1);
                if (produced != 0)
                    throw EInvalidGraphic(ExtraDataMessage);
            }
            if (produced == 0 && decoder_->inputLeft() == inputBefore)
                break;
        }
    }

    void startImage(const TChunk& first)
    {
        if (!validColorFormat())
            throw EColorConversionError(ColorFormatMessage);
        planPasses();
        std::size_t rawSize = 0;
        for (const TPass& pass : passes_) {
            if (pass.width == 0)
                continue;
            const std::size_t bytes = rowBytes(pass.width);
            rawSize += (bytes + 1) * std::size_t(pass.height);
            widestRow_ = std::max(widestRow_, bytes);
        }
        const std::size_t available = std::size_t(first.length) + chunks_.remaining();
        if (rawSize / MaxInflateRatio > available)
            throw EInvalidGraphic(CompressionErrorMessage);
        rawLeft_ = rawSize;
        raw_.assign(std::min(rawSize, 4 * (widestRow_ + 1) + InflateSlice), 0);
        zeroRow_.assign(widestRow_, 0);
        const bool wide = keepAlpha_ || p_.ColorScheme == TColorScheme::csRGBA;
        g_.bitmap_ = TBitmap(p_.Width, p_.Height, wide ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
        if (p_.Interlaced)
            passRow_.assign(std::size_t(p_.Width) * 4, 0);
        buildTables();
        skipEmptyPasses();
        decoder_ = std::make_unique<TLZ77Decoder>();
    }

    std::size_t rowBytes(int width) const { return (std::size_t(width) * std::size_t(p_.BitsPerPixel) + 7) / 8; }

    void planPasses()
    {
        if (!p_.Interlaced) {
            passes_ = {TPass{0, 0, 1, 1, p_.Width, p_.Height}};
            return;
        }
        static const int adam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                        {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
        passes_.clear();
        for (const auto& a : adam7) {
            const int width = p_.Width > a[0] ? (p_.Width - a[0] + a[2] - 1) / a[2] : 0;
            const int height = p_.Height > a[1] ? (p_.Height - a[1] + a[3] - 1) / a[3] : 0;
            passes_.push_back(TPass{a[0], a[1], a[2], a[3], width, height});
        }
    }

    void buildTables()
    {
        for (int i = 0; i < 256; ++i)
            gamma_[i] = std::uint8_t(i);
        if (p_.UseGamma) {
            const double exponent = 1.0 / (p_.FileGamma * 2.2);
            for (int i = 0; i < 256; ++i)
                gamma_[i] = std::uint8_t(std::clamp(std::nearbyint(std::pow(i / 255.0, exponent) * 255.0), 0.0, 255.0));
        }
        // Grey and palette samples of up to 8 bits go through one colour table.
        lookup_.fill(0);
        if (p_.ColorScheme == TColorScheme::csIndexed) {
            for (std::size_t i = 0; i * 3 < palette_.size(); ++i)
                for (int c = 0; c < 3; ++c)
                    lookup_[i * 3 + 2 - c] = gamma_[palette_[i * 3 + c]];
        } else {
            const bool scaled = p_.BitsPerSample < 8;
            for (unsigned i = 0; i < 256; ++i) {
                const std::uint8_t grey = gamma_[scaled && i <= sampleMask() ? scaleSample(i) : i];
                std::memset(&lookup_[i * 3], grey, 3);
            }
        }
        if (!hasTransparencyTable_)
            g_.transparency_.fill(255);
    }

    bool rowsLeft() const { return pass_ < passes_.size(); }

    // Moves the rows still needed (the prior row and a partly inflated one) to the
    // start of the window.
    void compactWindow()
    {
        const bool priorInWindow = prior_ != zeroRow_.data();
        const std::size_t keepFrom = priorInWindow ? std::size_t(prior_ - raw_.data()) - 1 : rawDone_;
        std::memmove(raw_.data(), raw_.data() + keepFrom, rawFilled_ - keepFrom);
        rawFilled_ -= keepFrom;
        rawDone_ -= keepFrom;
        if (priorInWindow)
            prior_ -= keepFrom;
    }

    void skipEmptyPasses()
    {
        while (rowsLeft() && (passes_[pass_].width == 0 || passes_[pass_].height == 0))
            ++pass_;
        passRowIndex_ = 0;
        prior_ = zeroRow_.data();
    }

    void decodeAvailableRows()
    {
        while (rowsLeft()) {
            const TPass& pass = passes_[pass_];
            const std::size_t length = rowBytes(pass.width);
            if (rawFilled_ - rawDone_ < length + 1)
                return;
            std::uint8_t* row = raw_.data() + rawDone_ + 1;
            unfilterRow(raw_[rawDone_], row, prior_, length, std::max(1, p_.BitsPerPixel / 8));
            writeRow(pass, passRowIndex_, row);
            prior_ = row;
            rawDone_ += length + 1;
            if (++passRowIndex_ == pass.height) {
                ++pass_;
                skipEmptyPasses();
            }
        }
    }

    void writeRow(const TPass& pass, int index, const std::uint8_t* row)
    {
        std::uint8_t* target = g_.bitmap_.ScanLine(pass.startY + index * pass.stepY);
        const int outBytes = g_.bitmap_.BytesPerPixel();
        if (!p_.Interlaced) {
            convertRow(row, target, pass.width);
            return;
        }
        convertRow(row, passRow_.data(), pass.width);
        const std::uint8_t* source = passRow_.data();
        std::uint8_t* out = target + std::ptrdiff_t(pass.startX) * outBytes;
        const std::ptrdiff_t step = std::ptrdiff_t(pass.stepX) * outBytes;
        for (int x = 0; x < pass.width; ++x, source += outBytes, out += step)
            std::memcpy(out, source, std::size_t(outBytes));
    }

    void convertRow(const std::uint8_t* row, std::uint8_t* out, int count)
    {
        if (g_.bitmap_.PixelFormat() == TPixelFormat::pf32bit)
            convertRowTo<4>(row, out, count);
        else
            convertRowTo<3>(row, out, count);
    }

    template <int Out>
    void convertRowTo(const std::uint8_t* row, std::uint8_t* out, int count)
    {
        const int depth = p_.BitsPerSample;
        switch (p_.ColorScheme) {
        case TColorScheme::csG:
        case TColorScheme::csIndexed:
            if (depth == 16)
                convertGrey16<Out>(row, out, count);
            else
                convertPacked<Out>(row, out, count);
            break;
        case TColorScheme::csGA:
            if (depth == 16)
                convertGreyAlpha<Out, 2>(row, out, count);
            else
                convertGreyAlpha<Out, 1>(row, out, count);
            break;
        case TColorScheme::csRGB:
        case TColorScheme::csRGBA:
            if (depth == 16)
                convertColor<Out, 2>(row, out, count);
            else
                convertColor<Out, 1>(row, out, count);
            break;
        }
    }

    // Grey or palette samples of 1, 2, 4 or 8 bits.
    template <int Out>
    void convertPacked(const std::uint8_t* row, std::uint8_t* out, int count)
    {
        const int depth = p_.BitsPerSample;
        const unsigned mask = sampleMask();
        const bool indexed = p_.ColorScheme == TColorScheme::csIndexed;
        for (int x = 0; x < count; ++x, out += Out) {
            const int bit = x * depth;
            const unsigned sample = depth == 8 ? row[x] : (row[bit >> 3] >> (8 - depth - (bit & 7))) & mask;
            std::memcpy(out, &lookup_[sample * 3], 3);
            if constexpr (Out == 4)
                out[3] = indexed ? g_.transparency_[sample]
                                 : hasTransparentSample_ && sample == transparentSamples_[0] ? 0 : 255;
        }
    }

    template <int Out>
    void convertGrey16(const std::uint8_t* row, std::uint8_t* out, int count)
    {
        for (int x = 0; x < count; ++x, row += 2, out += Out) {
            const unsigned sample = readU16BE(row);
            std::memcpy(out, &lookup_[(sample / 257) * 3], 3);
            if constexpr (Out == 4)
                out[3] = hasTransparentSample_ && sample == transparentSamples_[0] ? 0 : 255;
        }
    }

    template <int Out, int Bytes>
    void convertGreyAlpha(const std::uint8_t* row, std::uint8_t* out, int count)
    {
        for (int x = 0; x < count; ++x, row += 2 * Bytes, out += Out) {
            std::memcpy(out, &lookup_[sample8<Bytes>(row) * 3], 3);
            if constexpr (Out == 4)
                out[3] = sample8<Bytes>(row + Bytes);
        }
    }

    template <int Bytes>
    static unsigned sample8(const std::uint8_t* p)
    {
        if constexpr (Bytes == 2)
            return readU16BE(p) / 257;
        else
            return *p;
    }

    template <int Out, int Bytes>
    void convertColor(const std::uint8_t* row, std::uint8_t* out, int count)
    {
        const bool alpha = p_.ColorScheme == TColorScheme::csRGBA;
        const int step = (alpha ? 4 : 3) * Bytes;
        for (int x = 0; x < count; ++x, row += step, out += Out) {
            out[0] = gamma_[sample8<Bytes>(row + 2 * Bytes)];
            out[1] = gamma_[sample8<Bytes>(row + Bytes)];
            out[2] = gamma_[sample8<Bytes>(row)];
            if constexpr (Out == 4)
                out[3] = alpha ? std::uint8_t(sample8<Bytes>(row + 3 * Bytes)) : transparentRgb<Bytes>(row) ? 0 : 255;
        }
    }

    template <int Bytes>
    bool transparentRgb(const std::uint8_t* row) const
    {
        if (!hasTransparentSample_)
            return false;
        for (int i = 0; i < 3; ++i) {
            const unsigned sample = Bytes == 2 ? readU16BE(row + 2 * i) : row[i];
            if (sample != transparentSamples_[i])
                return false;
        }
        return true;
    }

    TPNGGraphic& g_;
    TPNGImageProperties& p_;
    TChunkReader chunks_;
    bool keepAlpha_;

    std::vector<std::uint8_t> palette_; // red, green, blue as in the file
    bool hasTransparencyTable_ = false;
    bool hasTransparentSample_ = false;
    unsigned transparentSamples_[3] = {};
    std::uint8_t gamma_[256] = {};
    std::array<std::uint8_t, 256 * 3> lookup_{}; // blue, green, red per grey value or palette index

    std::unique_ptr<TLZ77Decoder> decoder_;
    std::vector<TPass> passes_;
    std::vector<std::uint8_t> raw_; // window of inflated rows, each after its filter byte
    std::vector<std::uint8_t> zeroRow_;
    std::size_t widestRow_ = 0;
    std::size_t rawLeft_ = 0; // bytes still to inflate
    std::vector<std::uint8_t> passRow_;
    std::size_t rawFilled_ = 0;
    std::size_t rawDone_ = 0;
    std::size_t pass_ = 0;
    int passRowIndex_ = 0;
    const std::uint8_t* prior_ = nullptr;
};

void TPNGGraphic::LoadFromMemory(const std::uint8_t* data, std::size_t size, TPNGAlpha alpha)
{
    if (size < sizeof(Signature) || std::memcmp(data, Signature, sizeof(Signature)) != 0)
        invalidPng();
    // A failed load leaves the graphic as it was.
    TPNGGraphic loaded;
    TPNGDecoder(loaded, data, size, alpha).run();
    *this = std::move(loaded);
}

#include "formats/gif_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "formats/byte_reader.h"
#include "formats/gif_lzw.h"
#include "formats/gif_vlc.h"
#include "platform/exceptions.h"
#include "platform/message_box.h"

namespace {

constexpr uint8_t kImageIntroducer = 0x2C;
constexpr uint8_t kExtensionIntroducer = 0x21;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kPlainTextLabel = 0x01;
constexpr uint8_t kGraphicControlLabel = 0xF9;
constexpr uint8_t kCommentLabel = 0xFE;
constexpr uint8_t kApplicationLabel = 0xFF;
constexpr char kAnimationApplication[] = "NETSCAPE2.0";
constexpr size_t kMaxSubBlock = 255;

constexpr char kGifTruncatedText[] = "ファイルが途中で終わっています。";
constexpr char kNoImageText[] = "画像情報が存在しません。";
constexpr char kGraphicControlText[] = "グラフィックコントローラデータが異常です。";
constexpr char kPlainTextNotice[] = "テキスト・ピクチャデータは現在サポートしておりません。\n読み飛ばします。";
constexpr char kForeignApplicationNotice[] =
    "アプリケーションデータ部分にアニメーション用パラメータ以外のデータが格納されていますが、\n"
    "元バージョンでは読み込む事が出来ません。\n\n読み飛ばします。";
constexpr char kBadAnimationNotice[] =
    "アプリケーションデータ部分に格納されているアニメーションデータが異常です。\n\n読み飛ばします。";

template <class... Args>
std::string Format(const char* format, Args... args)
{
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// The bits (1..8) of a colour table whose count is a power of two from 2 to
// 256; 0 for any other count.
int TableBits(size_t count)
{
    for (int bits = 1; bits <= 8; ++bits) {
        if (count == size_t{1} << bits) {
            return bits;
        }
    }
    return 0;
}

// The smallest b (1..8) with 2^b ≥ count; 0 when there is none or no colour.
int BitsNeeded(size_t count)
{
    if (count == 0) {
        return 0;
    }
    for (int bits = 1; bits <= 8; ++bits) {
        if (count <= size_t{1} << bits) {
            return bits;
        }
    }
    return 0;
}

std::vector<RGBQUAD> ReadColorTable(CByteReader& reader, int bits)
{
    const std::span<const uint8_t> bytes = reader.ReadBytes(size_t{3} << bits);
    std::vector<RGBQUAD> table(size_t{1} << bits);
    for (size_t i = 0; i < table.size(); ++i) {
        table[i] = {bytes[3 * i + 2], bytes[3 * i + 1], bytes[3 * i], 0};
    }
    return table;
}

void SkipSubBlocks(CByteReader& reader)
{
    while (const uint8_t size = reader.ReadByte()) {
        reader.Skip(size);
    }
}

std::vector<uint8_t> ReadSubBlocks(CByteReader& reader)
{
    std::vector<uint8_t> data;
    while (const uint8_t size = reader.ReadByte()) {
        const std::span<const uint8_t> block = reader.ReadBytes(size);
        data.insert(data.end(), block.begin(), block.end());
    }
    return data;
}

// Moves the rows of an interlaced image between the order they are stored
// in and the order of the picture.
std::vector<uint8_t> ReorderInterlacedRows(std::span<const uint8_t> rows, int width, int height, bool toPicture)
{
    std::vector<uint8_t> result(rows.size());
    if (rows.empty()) {
        return result;
    }
    const std::vector<int> order = CGifFile::GetInterlacedRowOrder(height);
    for (int stored = 0; stored < height; ++stored) {
        const size_t storedOffset = size_t(stored) * width;
        const size_t pictureOffset = size_t(order[stored]) * width;
        std::memcpy(result.data() + (toPicture ? pictureOffset : storedOffset),
                    rows.data() + (toPicture ? storedOffset : pictureOffset), width);
    }
    return result;
}

// One pass over a file: the blocks in order until the trailer.
class CGifReader {
public:
    CGifReader(std::span<const uint8_t> bytes, CGifInfo& info, size_t decodedFrameLimit,
               const CGifFile::FrameHandler& frameHandler, bool allowWarnings)
        : m_reader(bytes, kGifTruncatedText), m_info(info), m_decodedFrameLimit(decodedFrameLimit),
          m_frameHandler(frameHandler), m_allowWarnings(allowWarnings)
    {
    }

    void Read()
    {
        ReadHeader();
        while (!m_reader.IsAtEnd()) {
            const uint8_t introducer = m_reader.ReadByte();
            if (introducer == kTrailer) {
                break;
            }
            if (introducer == kImageIntroducer) {
                ReadImage();
            } else if (introducer == kExtensionIntroducer) {
                ReadExtension();
            } else {
                throw CDataFormatException(Format("GIFファイルのブロックが異常です : 0x%02X", introducer));
            }
        }
        if (m_pendingFrame != nullptr) {
            m_info.frames.pop_back();  // a graphic control without its image
        }
        if (m_info.frames.empty()) {
            throw CDataFormatException(kNoImageText);
        }
    }

private:
    void ReadHeader()
    {
        if (m_reader.GetRemaining() < 3 || std::memcmp(m_reader.ReadBytes(3).data(), "GIF", 3) != 0) {
            throw CDataFormatException("GIFファイルではありません。");
        }
        const std::span<const uint8_t> version = m_reader.ReadBytes(3);
        if (std::memcmp(version.data(), "87a", 3) == 0) {
            m_info.version = CGifInfo::kVersion87a;
        } else if (std::memcmp(version.data(), "89a", 3) == 0) {
            m_info.version = CGifInfo::kVersion89a;
        } else {
            std::string text;
            for (const uint8_t c : version) {
                text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
            }
            throw CDataFormatException("バージョン文字列が異常です : " + text);
        }
        m_info.width = m_reader.ReadWord();
        m_info.height = m_reader.ReadWord();
        const uint8_t packed = m_reader.ReadByte();
        m_info.backgroundIndex = m_reader.ReadByte();
        m_info.pixelAspect = m_reader.ReadByte();
        m_info.colorResolution = ((packed >> 4) & 7) + 1;
        m_info.sorted = (packed & 0x08) != 0;
        if (packed & 0x80) {
            m_info.globalColorTable = ReadColorTable(m_reader, (packed & 7) + 1);
        }
    }

    void ReadImage()
    {
        CGifImageInfo& frame = m_pendingFrame != nullptr ? *m_pendingFrame : m_info.AddFrame();
        m_pendingFrame = nullptr;
        frame.left = m_reader.ReadWord();
        frame.top = m_reader.ReadWord();
        frame.right = frame.left + m_reader.ReadWord();
        frame.bottom = frame.top + m_reader.ReadWord();
        const uint8_t packed = m_reader.ReadByte();
        frame.interlaced = (packed & 0x40) != 0;
        frame.sorted = (packed & 0x20) != 0;
        if (packed & 0x80) {
            frame.localColorTable = ReadColorTable(m_reader, (packed & 7) + 1);
        }
        const int minimumCodeSize = m_reader.ReadByte();
        if (minimumCodeSize < 1 || minimumCodeSize > 8) {
            throw CDataFormatException(
                Format("画像のデコードに失敗しました。\n最小ビット数が異常です：%d", minimumCodeSize));
        }
        if (m_info.frames.size() > m_decodedFrameLimit) {
            SkipSubBlocks(m_reader);
            return;
        }
        const std::vector<uint8_t> data = ReadSubBlocks(m_reader);
        const size_t pixelCount = size_t(frame.GetWidth()) * size_t(frame.GetHeight());
        std::vector<uint8_t> pixels;
        switch (CGifLZW::Decode(data, minimumCodeSize, pixelCount, pixels)) {
        case CGifLZW::EDecodeResult::Complete:
            break;
        case CGifLZW::EDecodeResult::Incomplete:
            throw CDataFormatException("画像のデコードに失敗しました。\n画像データが途中で終わっています。");
        case CGifLZW::EDecodeResult::UndefinedCode:
            throw CDataFormatException("画像のデコードに失敗しました。\n未定義のコードが含まれています。");
        }
        if (frame.interlaced) {
            pixels = ReorderInterlacedRows(pixels, frame.GetWidth(), frame.GetHeight(), true);
        }
        frame.SetPixels(std::move(pixels));
        if (m_frameHandler) {
            m_frameHandler(frame);
        }
    }

    void ReadExtension()
    {
        const uint8_t label = m_reader.ReadByte();
        switch (label) {
        case kGraphicControlLabel:
            ReadGraphicControl();
            break;
        case kPlainTextLabel:
            Notify(m_plainTextNoticed, kPlainTextNotice);
            SkipSubBlocks(m_reader);
            break;
        case kCommentLabel: {
            const std::vector<uint8_t> text = ReadSubBlocks(m_reader);
            m_info.comment.assign(text.begin(), text.end());
            break;
        }
        case kApplicationLabel:
            ReadApplication();
            break;
        default:
            // Extensions defined later than these carry nothing a picture
            // needs; their sub-blocks say how far to skip.
            SkipSubBlocks(m_reader);
            break;
        }
    }

    void ReadGraphicControl()
    {
        if (m_reader.ReadByte() != 4) {
            throw CDataFormatException(kGraphicControlText);
        }
        const uint8_t packed = m_reader.ReadByte();
        const uint16_t delay = m_reader.ReadWord();
        const uint8_t transparentIndex = m_reader.ReadByte();
        if (m_reader.ReadByte() != 0) {
            throw CDataFormatException(kGraphicControlText);
        }
        if (m_pendingFrame == nullptr) {
            m_pendingFrame = &m_info.AddFrame();
        }
        m_pendingFrame->disposal = (packed >> 2) & 7;
        m_pendingFrame->userInput = (packed & 2) != 0;
        m_pendingFrame->transparent = (packed & 1) != 0;
        m_pendingFrame->delay = delay;
        m_pendingFrame->transparentIndex = transparentIndex;
    }

    void ReadApplication()
    {
        const size_t start = m_reader.GetPosition();
        const uint8_t size = m_reader.ReadByte();
        const bool isAnimation =
            size == 11 && std::memcmp(m_reader.ReadBytes(11).data(), kAnimationApplication, 11) == 0;
        if (isAnimation) {
            if (m_reader.ReadByte() == 3 && m_reader.ReadByte() == 1) {
                const uint16_t repetitions = m_reader.ReadWord();
                if (m_reader.ReadByte() == 0) {
                    m_info.playCount = repetitions == 0 ? 0 : static_cast<uint16_t>(std::min(repetitions + 1, 0xFFFF));
                    return;
                }
            }
            Notify(m_animationNoticed, kBadAnimationNotice);
        } else {
            Notify(m_applicationNoticed, kForeignApplicationNotice);
        }
        // Skip the whole block from its start as plain sub-blocks.
        m_reader.SeekTo(start);
        SkipSubBlocks(m_reader);
    }

    void Notify(bool& noticed, const char* text)
    {
        if (m_allowWarnings && !noticed) {
            ShowMessageBox(text);
        }
        noticed = true;
    }

    CByteReader m_reader;
    CGifInfo& m_info;
    size_t m_decodedFrameLimit;
    const CGifFile::FrameHandler& m_frameHandler;
    bool m_allowWarnings;
    CGifImageInfo* m_pendingFrame = nullptr;
    bool m_plainTextNoticed = false;
    bool m_applicationNoticed = false;
    bool m_animationNoticed = false;
};

}  // namespace

bool CGifFile::Read(std::span<const uint8_t> bytes, CGifInfo& info, bool allowWarnings)
{
    m_errorText.clear();
    try {
        CGifReader(bytes, info, m_decodedFrameLimit, m_frameHandler, allowWarnings).Read();
        return true;
    } catch (const CDataFormatException& exception) {
        m_errorText = exception.GetErrorMessage();
        return false;
    }
}

std::vector<int> CGifFile::GetInterlacedRowOrder(int height)
{
    std::vector<int> order;
    order.reserve(height);
    static constexpr int kPasses[4][2] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};  // first row, step
    for (const auto& pass : kPasses) {
        for (int row = pass[0]; row < height; row += pass[1]) {
            order.push_back(row);
        }
    }
    return order;
}

namespace {

void PutWord(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutColorTable(std::vector<uint8_t>& out, const std::vector<RGBQUAD>& table)
{
    for (const RGBQUAD& entry : table) {
        out.insert(out.end(), {entry.rgbRed, entry.rgbGreen, entry.rgbBlue});
    }
}

void PutSubBlocks(std::vector<uint8_t>& out, std::span<const uint8_t> data)
{
    out.reserve(out.size() + data.size() + data.size() / kMaxSubBlock + 2);
    while (!data.empty()) {
        const size_t size = std::min(data.size(), kMaxSubBlock);
        out.push_back(static_cast<uint8_t>(size));
        out.insert(out.end(), data.begin(), data.begin() + size);
        data = data.subspan(size);
    }
    out.push_back(0);
}

// Puts the screen size computed from the frames into the info when it is 0 by 0.
void ComputeScreenSize(CGifInfo& info)
{
    if (info.width != 0 || info.height != 0) {
        return;
    }
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    for (const auto& frame : info.frames) {
        left = std::min(left, frame->left);
        top = std::min(top, frame->top);
        right = std::max(right, frame->right);
        bottom = std::max(bottom, frame->bottom);
    }
    info.width = right - left;
    info.height = bottom - top;
}

}  // namespace

bool CGifFile::Write(CGifInfo& info, std::vector<uint8_t>& out)
{
    m_errorText.clear();
    auto fail = [&](std::string text) {
        m_errorText = std::move(text);
        return false;
    };
    if (info.frames.empty()) {
        return fail(kNoImageText);
    }
    ComputeScreenSize(info);
    if (info.width < 1 || info.width > 0xFFFF || info.height < 1 || info.height > 0xFFFF) {
        return fail(Format("スクリーンサイズが異常です : %d x %d", info.width, info.height));
    }
    const int globalBits = TableBits(info.globalColorTable.size());
    if (!info.globalColorTable.empty() && globalBits == 0) {
        return fail(Format("グローバルパレットの色数が異常です：%d色", int(info.globalColorTable.size())));
    }
    size_t largestTable = info.globalColorTable.size();
    for (const auto& frame : info.frames) {
        const size_t count = frame->localColorTable.size();
        if (count != 0 && TableBits(count) == 0) {
            return fail(Format("ローカルパレットの色数が異常です：%d色", int(count)));
        }
        largestTable = std::max(largestTable, count);
    }
    if (info.colorResolution == 0) {
        info.colorResolution = BitsNeeded(largestTable);
        if (info.colorResolution == 0) {
            return fail(Format("1ピクセル辺りのビット数計算に失敗しました。\nパレットの色数が異常です : %d",
                               int(largestTable)));
        }
    }
    if (info.version != CGifInfo::kVersion87a) {
        info.version = CGifInfo::kVersion89a;
    }

    out.insert(out.end(), {'G', 'I', 'F'});
    const char* version = info.version == CGifInfo::kVersion87a ? "87a" : "89a";
    out.insert(out.end(), version, version + 3);
    PutWord(out, info.width);
    PutWord(out, info.height);
    uint8_t packed = static_cast<uint8_t>(((info.colorResolution - 1) & 7) << 4);
    if (globalBits != 0) {
        packed |= 0x80 | (globalBits - 1);
    }
    if (info.sorted) {
        packed |= 0x08;
    }
    out.insert(out.end(), {packed, info.backgroundIndex, info.pixelAspect});
    PutColorTable(out, info.globalColorTable);

    const bool animated = info.frames.size() >= 2;
    if (animated && info.playCount != 1) {
        out.insert(out.end(), {kExtensionIntroducer, kApplicationLabel, 11});
        out.insert(out.end(), kAnimationApplication, kAnimationApplication + 11);
        out.insert(out.end(), {3, 1});
        PutWord(out, info.playCount == 0 ? 0 : info.playCount - 1);
        out.push_back(0);
    }
    if (!info.comment.empty()) {
        out.insert(out.end(), {kExtensionIntroducer, kCommentLabel});
        PutSubBlocks(out, {reinterpret_cast<const uint8_t*>(info.comment.data()), info.comment.size()});
    }

    CGifLZW lzw;
    CGifVLC vlc;
    for (const auto& frame : info.frames) {
        if (animated || frame->transparent) {
            out.insert(out.end(), {kExtensionIntroducer, kGraphicControlLabel, 4});
            out.push_back(static_cast<uint8_t>((frame->disposal & 7) << 2 | (frame->userInput ? 2 : 0) |
                                               (frame->transparent ? 1 : 0)));
            PutWord(out, frame->delay);
            out.insert(out.end(), {frame->transparentIndex, 0});
        }
        const int width = frame->GetWidth();
        const int height = frame->GetHeight();
        out.push_back(kImageIntroducer);
        PutWord(out, frame->left);
        PutWord(out, frame->top);
        PutWord(out, width);
        PutWord(out, height);
        const int localBits = TableBits(frame->localColorTable.size());
        out.push_back(static_cast<uint8_t>((localBits != 0 ? 0x80 | (localBits - 1) : 0) |
                                           (frame->interlaced ? 0x40 : 0) | (frame->sorted ? 0x20 : 0)));
        PutColorTable(out, frame->localColorTable);

        std::vector<uint8_t> interlaced;
        std::span<const uint8_t> pixels = frame->GetPixels();
        if (frame->interlaced) {
            interlaced = ReorderInterlacedRows(pixels, width, height, false);
            pixels = interlaced;
        }
        const int minimumCodeSize = CGifLZW::GetMinimumCodeSize(pixels);
        out.push_back(static_cast<uint8_t>(minimumCodeSize));
        vlc.GetOutput().clear();
        lzw.Encode(pixels, minimumCodeSize, vlc);
        PutSubBlocks(out, vlc.GetOutput());
    }
    out.push_back(kTrailer);
    return true;
}

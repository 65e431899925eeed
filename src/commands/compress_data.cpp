#include "commands/compress_data.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>

#include "platform/message_box.h"

namespace {

constexpr size_t kChunkSize = 1024;

}  // namespace

void CCompressData::Compress(std::span<const uint8_t> source)
{
    Free();
    m_compressedSize = 0;
    m_uncompressedSize = static_cast<uint32_t>(source.size());

    z_stream stream{};
    if (deflateInit(&stream, Z_DEFAULT_COMPRESSION) != Z_OK) {
        ShowMessageBox("ZLIBの初期化に失敗しました。");
        return;
    }
    // The output is collected in fixed chunks so that the final block can
    // be allocated once at its exact size.
    std::deque<std::array<uint8_t, kChunkSize>> chunks(1);
    stream.next_in = const_cast<Bytef*>(source.data());
    stream.avail_in = static_cast<uInt>(source.size());
    stream.next_out = chunks.back().data();
    stream.avail_out = kChunkSize;
    for (;;) {
        const int result = deflate(&stream, Z_FINISH);
        if (result == Z_STREAM_END) {
            break;
        }
        if (result != Z_OK) {
            ShowMessageBox("圧縮中にエラーが発生しました。\n処理を中断します。");
            deflateEnd(&stream);
            m_compressedSize = 0;
            return;
        }
        if (stream.avail_out == 0) {
            chunks.emplace_back();
            stream.next_out = chunks.back().data();
            stream.avail_out = kChunkSize;
        }
    }
    m_compressedSize = static_cast<uint32_t>(stream.total_out);
    m_compressed.resize(m_compressedSize);
    size_t copied = 0;
    for (const auto& chunk : chunks) {
        const size_t count = std::min(kChunkSize, size_t(m_compressedSize) - copied);
        std::memcpy(m_compressed.data() + copied, chunk.data(), count);
        copied += count;
    }
    deflateEnd(&stream);
}

std::vector<uint8_t> CCompressData::Decompress()
{
    std::vector<uint8_t> output(m_uncompressedSize);
    Decompress(output);
    return output;
}

void CCompressData::Decompress(std::span<uint8_t> output)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) {
        ShowMessageBox("ライブラリの初期化に失敗しました。");
        return;
    }
    const size_t capacity = std::min(output.size(), size_t(m_uncompressedSize));
    stream.next_in = m_compressed.data();
    stream.avail_in = static_cast<uInt>(m_compressed.size());
    stream.next_out = output.data();
    stream.avail_out = static_cast<uInt>(capacity);
    bool ended = m_uncompressedSize == 0;
    bool failed = false;
    while (!ended && !failed && stream.avail_out > 0) {
        const int result = inflate(&stream, Z_NO_FLUSH);
        if (result == Z_STREAM_END) {
            ended = true;
        } else if (result != Z_OK) {
            failed = true;
        }
    }
    if (failed) {
        ShowMessageBox("データ解析中にエラーが発生しました。\n今後の動作が不安定になる可能性があります。");
    } else if (!ended) {
        ShowMessageBox("データ解析中にエラーが発生しました(2)。\n今後の動作が不安定になる可能性があります。");
    }
    std::vector<uint8_t>().swap(m_compressed);
    if (inflateEnd(&stream) != Z_OK) {
        ShowMessageBox("ライブラリの後始末に失敗");
    }
}

void CCompressData::Free()
{
    std::vector<uint8_t>().swap(m_compressed);
}

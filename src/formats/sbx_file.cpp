#include "formats/sbx_file.h"

#include <cstdint>
#include <new>

#include "formats/deflating_file.h"
#include "formats/inflating_file.h"
#include "formats/stipplebox_chunk_file.h"
#include "formats/stipplebox_chunk_serializer.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/message_box.h"

namespace sbx {
namespace {

// The stream's length, and every chunk length inside it, is stored in 32 bits.
constexpr uint64_t kMaxStreamLength = 0xFFFFFFFF;
constexpr size_t kMaxExceptionTextCharacters = 1024;

constexpr char kOpenFailed[] = "ファイルのオープンに失敗しました。";
constexpr char kWrongFileType[] = "ファイルの種類が異なります。";
constexpr char kZlibInitFailed[] = "圧縮ライブラリの初期化に失敗しました。";
constexpr char kCompressionFailed[] = "データ圧縮中にエラーが発生しました。\n保存を中止します。";
constexpr char kSaveFailed[] = "データ保存中にエラーが発生しました。\n保存を中止します。";
constexpr char kLoadFailed[] = "データ読み込み中にエラーが発生しました。\n読み込みを中止します。";

// At most maxCharacters characters of UTF-8 text, cut between characters.
std::string Truncated(std::string text, size_t maxCharacters)
{
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == maxCharacters) {
            text.resize(i);
            break;
        }
    }
    return text;
}

// Runs a writing step; whatever it throws becomes the stored message.
template <class Step>
bool ReportingWriteFailures(std::string* errorText, Step step)
{
    try {
        return step();
    } catch (const CException& e) {
        ReportError(errorText, Truncated(e.GetErrorMessage(), kMaxExceptionTextCharacters), {});
    } catch (const std::bad_alloc&) {
        ReportError(errorText, CMemoryException().GetErrorMessage(), {});
    } catch (...) {
        ReportError(errorText, kSaveFailed, {});
    }
    return false;
}

}  // namespace

void ReportError(std::string* errorText, const std::string& message, const std::string& detail)
{
    std::string text = message;
    if (!detail.empty()) {
        text += "\n\n" + detail;
    }
    if (errorText != nullptr) {
        *errorText = std::move(text);
    } else {
        ShowMessageBox(text, MessageBoxButtons::Ok);
    }
}

bool Save(CStippleboxChunkSerializer& object, CFile& file, std::string* errorText)
{
    return ReportingWriteFailures(errorText, [&] {
        CStippleboxChunkFile out;
        out.Attach(&file, false);
        out.WriteString(object.GetName(), false);

        const uint64_t length = CStippleboxChunkFile::MeasureChunks(object);
        if (length > kMaxStreamLength) {
            ReportError(errorText, kSaveFailed, {});
            return false;
        }
        CDeflatingFile deflated(file);
        if (!deflated.Initialize()) {
            ReportError(errorText, kZlibInitFailed, {});
            return false;
        }
        out.WriteDword(static_cast<uint32_t>(length));

        // The chunks go to zlib as they are written, the pixels straight from
        // the layers: the stream is never held whole.
        CStippleboxChunkFile chunks;
        chunks.SetForwardOnly(true);
        chunks.Attach(&deflated, false);
        object.WriteChunks(chunks);
        if (!deflated.Finish()) {
            ReportError(errorText, kCompressionFailed, {});
            return false;
        }
        if (deflated.GetLength() != length) {
            ReportError(errorText, kSaveFailed, {});  // the object wrote other chunks than it measured
            return false;
        }
        return true;
    });
}

bool Load(CStippleboxChunkSerializer& object, CFile& file, std::string* errorText)
{
    try {
        CStippleboxChunkFile in;
        in.Attach(&file, false);
        const std::u16string name = object.GetName();
        if (in.ReadString(static_cast<uint32_t>(name.size())) != name) {
            ReportError(errorText, kWrongFileType, {});
            return false;
        }
        const uint32_t length = in.ReadDword();

        CInflatingFile inflated(file, length);
        if (!inflated.Initialize()) {
            ReportError(errorText, kZlibInitFailed, {});
            return false;
        }
        CStippleboxChunkFile chunks;
        chunks.Attach(&inflated, false);
        object.ReadChunks(chunks, length);
        inflated.Finish();
        object.EndRead();
        return true;
    } catch (const CDataFormatException& e) {
        ReportError(errorText, e.GetErrorMessage(), {});
    } catch (const CException& e) {
        e.ReportError();  // file and memory failures speak for themselves
    } catch (const std::bad_alloc&) {
        CMemoryException().ReportError();
    } catch (...) {
        ReportError(errorText, kLoadFailed, {});
    }
    return false;
}

bool LoadFile(CStippleboxChunkSerializer& object, const std::filesystem::path& path, std::string* errorText)
{
    CStippleboxChunkFile file;
    if (!file.Open(path, false)) {
        ReportError(errorText, kOpenFailed, path.string());
        return false;
    }
    return Load(object, *file.GetFile(), errorText);
}

bool SaveFile(CStippleboxChunkSerializer& object, const std::filesystem::path& path, std::string* errorText)
{
    CStippleboxChunkFile file;
    if (!file.Open(path, true)) {
        ReportError(errorText, kOpenFailed, path.string());
        return false;
    }
    // The written file replaces the old one only now; on any failure the
    // chunk file's destructor removes it and the old file stays as it was.
    return Save(object, *file.GetFile(), errorText) &&
           ReportingWriteFailures(errorText, [&] {
               file.GetFile()->Commit();
               return true;
           });
}

}  // namespace sbx

#include "formats/serializer.h"

#include "model/stipplebox_data.h"
#include "platform/message_box.h"

uint32_t CSerializer::GetFlags() const
{
    return 0;
}

bool CSerializer::GetFormat(int, std::string&, std::string&) const
{
    return false;
}

void CSerializer::ShowError(const std::string& detail) const
{
    std::string text = m_errorText.empty() ? std::string("エラーが発生しました。") : m_errorText;
    if (!detail.empty() && text.find(detail) == std::string::npos) {
        text += "\n\n" + detail;
    }
    ShowMessageBox(text, MessageBoxButtons::Ok);
}

bool CSerializerImage::Read(const std::filesystem::path& path, CStippleboxData* data, bool allowWarnings)
{
    // A failure that stores no text must not show the text of an earlier one.
    ClearErrorText();
    return OnRead(path, data, allowWarnings);
}

bool CSerializerImage::Write(const std::filesystem::path& path, CStippleboxData* data)
{
    ClearErrorText();
    return OnWrite(path, data);
}

uint32_t CSerializerImage::GetStoreFlags() const
{
    return 0;
}

bool CSerializerImage::OnRead(const std::filesystem::path&, CStippleboxData*, bool)
{
    return false;
}

bool CSerializerImage::OnWrite(const std::filesystem::path&, CStippleboxData*)
{
    return false;
}

bool CSerializerImage::CheckCanvasSize(int width, int height, std::string* error)
{
    if (width >= 1 && width <= CStippleboxData::kMaxCanvasSize && height >= 1 &&
        height <= CStippleboxData::kMaxCanvasSize) {
        return true;
    }
    if (error != nullptr) {
        *error = width > CStippleboxData::kMaxCanvasSize || height > CStippleboxData::kMaxCanvasSize
                     ? "キャンバスサイズが大きすぎです。"
                     : "キャンバスサイズが異常です。";
    }
    return false;
}

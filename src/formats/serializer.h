#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

class CStippleboxData;

// One file format the editor reads or writes. A failed operation keeps its
// message as the serializer's error text until the next operation starts.
class CSerializer {
public:
    enum : uint32_t { kCanRead = 1, kCanWrite = 2 };

    virtual ~CSerializer() = default;

    // The directions this serializer supports (kCanRead, kCanWrite).
    virtual uint32_t GetFlags() const;
    // For index 0 the dialog label and the extension (with its '.'); false
    // for any other index.
    virtual bool GetFormat(int index, std::string& label, std::string& extension) const;

    // Shows the error text (or "エラーが発生しました。" when there is none) in
    // an OK box, followed by "\n\n" and the detail when it is not empty and
    // not already part of the text.
    void ShowError(const std::string& detail) const;

    const std::string& GetErrorText() const { return m_errorText; }

protected:
    void SetErrorText(std::string text) { m_errorText = std::move(text); }
    void ClearErrorText() { m_errorText.clear(); }

private:
    std::string m_errorText;
};

// A format that holds a picture. Read fills a freshly constructed, empty
// document; on failure the caller discards it.
class CSerializerImage : public CSerializer {
public:
    enum : uint32_t { kStoresAllLayers = 1, kStoresSinglePicture = 2, kStoresAllPalettes = 4 };

    // allowWarnings lets the reader show notice boxes (the editor's Open).
    bool Read(const std::filesystem::path& path, CStippleboxData* data, bool allowWarnings);
    bool Write(const std::filesystem::path& path, CStippleboxData* data);
    // What the format keeps of a document (kStoresAllLayers, kStoresAllPalettes).
    virtual uint32_t GetStoreFlags() const;

    // True when both sizes lie in 1..1024. Otherwise stores "キャンバスサイズが
    // 大きすぎです。" (either above 1024, tested first) or "キャンバスサイズが
    // 異常です。" (either below 1) in *error when given.
    static bool CheckCanvasSize(int width, int height, std::string* error);

protected:
    // The format's own reading and writing; the error text is already empty.
    virtual bool OnRead(const std::filesystem::path& path, CStippleboxData* data, bool allowWarnings);
    virtual bool OnWrite(const std::filesystem::path& path, CStippleboxData* data);
};

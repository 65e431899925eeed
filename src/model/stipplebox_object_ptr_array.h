#pragma once

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "formats/stipplebox_chunk_file.h"
#include "formats/stipplebox_chunk_serializer.h"
#include "platform/text.h"

// An owning array of layers or palettes with a current index and the counter
// behind default names. It writes and reads itself as chunks.
template <class T>
class CStippleboxObjectPtrArray : public CStippleboxChunkSerializer {
public:
    int GetSize() const { return static_cast<int>(m_elements.size()); }
    bool IsEmpty() const { return m_elements.empty(); }
    T* GetAt(int index) const { return m_elements[index].get(); }
    T* operator[](int index) const { return GetAt(index); }

    int GetCurrentIndex() const { return m_currentIndex; }
    void SetCurrentIndex(int index) { m_currentIndex = index; }
    T* GetCurrent() const { return GetAt(m_currentIndex); }
    int GetNameCounter() const { return m_nameCounter; }
    void SetNameCounter(int counter) { m_nameCounter = counter; }

    // The index is clamped into 0 .. count.
    T* InsertAt(int index, std::unique_ptr<T> element)
    {
        index = std::clamp(index, 0, GetSize());
        T* inserted = element.get();
        m_elements.insert(m_elements.begin() + index, std::move(element));
        return inserted;
    }
    T* Add(std::unique_ptr<T> element) { return InsertAt(GetSize(), std::move(element)); }
    // Takes the element out and hands it to the caller (commands keep removed
    // elements for undo).
    std::unique_ptr<T> RemoveAt(int index)
    {
        std::unique_ptr<T> element = std::move(m_elements[index]);
        m_elements.erase(m_elements.begin() + index);
        return element;
    }
    // Deletes the element; the next default name reuses its number.
    void DeleteAt(int index)
    {
        RemoveAt(index);
        --m_nameCounter;
    }
    // Counts one more default name and formats it, as "Layer%03d" gives Layer001.
    std::u16string FormatNewName(const char* format)
    {
        char name[64];
        std::snprintf(name, sizeof name, format, ++m_nameCounter);
        return sb::Utf8ToUtf16(name);
    }

    void WriteChunks(CStippleboxChunkFile& file) override
    {
        file.WriteDwordChunk(kChunkCurrentIndex, static_cast<uint32_t>(m_currentIndex));
        file.WriteDwordChunk(kChunkNameCounter, static_cast<uint32_t>(m_nameCounter));
        for (const auto& element : m_elements) {
            file.WriteObjectChunk(kChunkElement, *element);
        }
    }

    void ReadChunk(CStippleboxChunkFile& file, uint16_t identifier, uint32_t length) override
    {
        switch (identifier) {
        case kChunkCurrentIndex:
            m_currentIndex = static_cast<int>(ReadDwordPayload(file, length));
            break;
        case kChunkNameCounter:
            m_nameCounter = static_cast<int>(ReadDwordPayload(file, length));
            break;
        case kChunkElement: {
            BeginElement(length);
            auto element = std::make_unique<T>();
            element->ReadChunks(file, length);
            EndElement(*element);
            m_elements.push_back(std::move(element));
            break;
        }
        default:
            break;
        }
    }

protected:
    // Checks on reading, so that a file cannot make the reader hold more than
    // its bytes: before an element is made from a chunk of the length, and
    // after it was read. Both throw CDataFormatException to refuse the file.
    virtual void BeginElement(uint32_t /*length*/) {}
    virtual void EndElement(const T& /*element*/) {}

private:
    enum : uint16_t { kChunkCurrentIndex = 1001, kChunkNameCounter = 1002, kChunkElement = 2001 };

    std::vector<std::unique_ptr<T>> m_elements;
    int m_currentIndex = 0;
    int m_nameCounter = 0;
};

#include "model/stipplebox_layer_ptr_array.h"

#include <algorithm>
#include <vector>

CStippleboxLayer* CStippleboxLayerPtrArray::NewLayer(int index, int width, int height)
{
    auto layer = std::make_unique<CStippleboxLayer>();
    layer->Create(width, height);
    layer->SetName(FormatNewName("Layer%03d"));
    layer->SetLinkID(GetUnusedLinkID());
    return InsertAt(index, std::move(layer));
}

int32_t CStippleboxLayerPtrArray::GetUnusedLinkID() const
{
    std::vector<int32_t> used;
    used.reserve(GetSize());
    for (int i = 0; i < GetSize(); ++i) {
        used.push_back(GetAt(i)->GetLinkID());
    }
    std::sort(used.begin(), used.end());
    int32_t candidate = 1;
    for (const int32_t id : used) {
        if (id == candidate) {
            ++candidate;
        } else if (id > candidate) {
            break;
        }
    }
    return candidate;
}
